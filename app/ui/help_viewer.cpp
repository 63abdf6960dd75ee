#include "app/ui/help_viewer.h"

#include <QCoreApplication>
#include <QKeySequence>
#include <QMouseEvent>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "app/ui/translations.h"
#include "help/help_html.h"

namespace velmor {

HelpViewer::HelpViewer() : QWidget(nullptr, Qt::Window), browser_(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("helpViewer"));
    // Closing the main window still ends the program while the help is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    addKeys();
    setWindowTitle(QCoreApplication::translate("HelpViewer", "Velmor Calculator Help"));
    resize(520, 560);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    // Links name help topics, not files: the viewer resolves them itself.
    browser_->setOpenLinks(false);
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpViewer::followLink);
    // The mouse's back and forward buttons, wherever on the page they are pressed.
    browser_->viewport()->installEventFilter(this);
}

// One shortcut per key: two for the same key would be ambiguous and neither would fire.
void HelpViewer::addKeys() {
    const auto addAll = [this](QList<QKeySequence> keys, const QList<QKeySequence>& more, auto action) {
        for (const QKeySequence& key : more)
            if (!keys.contains(key)) keys.append(key);
        for (const QKeySequence& key : keys) connect(new QShortcut(key, this), &QShortcut::activated, this, action);
    };
    addAll(QKeySequence::keyBindings(QKeySequence::Close),
           {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}, &QWidget::close);
    addAll(QKeySequence::keyBindings(QKeySequence::Back),
           {QKeySequence(Qt::ALT | Qt::Key_Left), QKeySequence(Qt::Key_Backspace)}, &HelpViewer::back);
    addAll(QKeySequence::keyBindings(QKeySequence::Forward), {QKeySequence(Qt::ALT | Qt::Key_Right)},
           &HelpViewer::forward);
}

void HelpViewer::showTopic(const std::string& path, TopicKind kind, int topic) {
    path_ = path;
    pages_.resize(static_cast<std::size_t>(current_ + 1));
    pages_.push_back({kind, topic});
    current_ = static_cast<std::ptrdiff_t>(pages_.size()) - 1;
    render();
    show();
    raise();
    activateWindow();
}

// Nothing happens at either end of the pages.
void HelpViewer::turnTo(std::ptrdiff_t page) {
    if (page < 0 || page >= static_cast<std::ptrdiff_t>(pages_.size())) return;
    current_ = page;
    render();
}

// The file is read again for every page, so a page turned back to shows the file as it is now.
void HelpViewer::render() {
    const Page& page = pages_[static_cast<std::size_t>(current_)];
    browser_->setHtml(QString::fromStdString(viewerHtml(path_, page.kind, page.topic, translatedByQt)));
}

bool HelpViewer::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
        if (button == Qt::BackButton) back();
        if (button == Qt::ForwardButton) forward();
        if (button == Qt::BackButton || button == Qt::ForwardButton) return true;
    }
    return QWidget::eventFilter(watched, event);
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
