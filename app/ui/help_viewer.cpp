#include "app/ui/help_viewer.h"

#include <QKeySequence>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "help/help_html.h"

namespace velmor {

HelpViewer::HelpViewer() : QWidget(nullptr, Qt::Window), browser_(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("helpViewer"));
    // Closing the main window still ends the program while the help is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    // One shortcut per key: two for the same key would be ambiguous and neither would fire.
    QList<QKeySequence> closeKeys = QKeySequence::keyBindings(QKeySequence::Close);
    for (const QKeySequence& key : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)})
        if (!closeKeys.contains(key)) closeKeys.append(key);
    for (const QKeySequence& key : closeKeys)
        connect(new QShortcut(key, this), &QShortcut::activated, this, &QWidget::close);
    setWindowTitle(QStringLiteral("Velmor Calculator Help"));
    resize(520, 560);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    // Links name help topics, not files: the viewer resolves them itself.
    browser_->setOpenLinks(false);
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpViewer::followLink);
}

void HelpViewer::showTopic(const std::string& path, TopicKind kind, int topic) {
    path_ = path;
    browser_->setHtml(QString::fromStdString(viewerHtml(path, kind, topic)));
    show();
    raise();
    activateWindow();
}

void HelpViewer::followLink(const QUrl& link) {
    const QString scheme = link.scheme();
    bool ok = false;
    const int topic = link.path().toInt(&ok);
    if (!ok) return;
    if (scheme == QLatin1String(kPopupScheme)) showTopic(path_, TopicKind::Popup, topic);
    if (scheme == QLatin1String(kContentsScheme)) showTopic(path_, TopicKind::Contents, topic);
}

}  // namespace velmor
