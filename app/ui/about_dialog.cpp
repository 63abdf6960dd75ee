#include "app/ui/about_dialog.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QWindow>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include "app/ui/key_captions.h"
#include "app/ui/main_window.h"
#include "app/ui/pictures.h"
#include "help/about.h"

namespace velmor {
namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kClientWidth = 5730;
constexpr int kClientHeight = 3555;

enum class Piece { Icon, Label, Button, Line };

// The dialog's design, in twips. Lines give their start and their length.
struct PieceRow {
    const char* name;
    Piece kind;
    int left, top, width, height;
    const char* text;
    QColor colour = {};
};

const PieceRow kPieces[] = {
    {"cmdOK", Piece::Button, 4245, 2625, 1260, 345, QT_TRANSLATE_NOOP("About", "OK")},
    {"picIcon", Piece::Icon, 240, 240, 540, 540, ""},
    {"cmdSysInfo", Piece::Button, 4260, 3075, 1245, 345, QT_TRANSLATE_NOOP("About", "&System Info...")},
    {"lblDescription", Piece::Label, 1050, 1125, 3885, 1170, "App Description"},
    {"lblDisclaimer", Piece::Label, 255, 2625, 3870, 825, QT_TRANSLATE_NOOP("About", "Warning: ...")},
    {"lblTitle", Piece::Label, 1050, 240, 3885, 480, "Application Title"},
    {"lblVersion", Piece::Label, 1050, 780, 3885, 225, "Version"},
    // The etched separator: a grey line with a white one of width 2 just below.
    {"Line1_1", Piece::Line, 90, 2445, 5654 - 90, kTwipsPerPixel, "", QColor(128, 128, 128)},
    {"Line1_0", Piece::Line, 105, 2460, 5654 - 105, 2 * kTwipsPerPixel, "", QColor(255, 255, 255)},
};

QRect pixels(const PieceRow& s) {
    return {s.left / kTwipsPerPixel, s.top / kTwipsPerPixel, s.width / kTwipsPerPixel,
            s.height / kTwipsPerPixel};
}

// A picture that shows the focus as the keys do, with the style's focus frame
// inside its border: a Tab stop must show where the focus is.
class FocusPicture : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override {
        QLabel::paintEvent(event);
        if (!hasFocus()) return;
        QStylePainter painter(this);
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = contentsRect().adjusted(1, 1, -1, -1);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
};

// A picture box sized to its 32 x 32 icon inside a sunken border; it takes the
// focus by Tab like the keys.
QWidget* createIcon(QWidget* parent) {
    auto* box = new FocusPicture(parent);
    box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    box->setLineWidth(2);
    // Drawn at the screen's resolution, so a scaled screen shows it sharp.
    box->setPixmap(calculatorIcon().pixmap(QSize(32, 32), box->devicePixelRatioF()));
    box->setAlignment(Qt::AlignCenter);
    box->setFocusPolicy(Qt::TabFocus);
    // A Tab stop that a screen reader can name.
    box->setAccessibleName(QCoreApplication::translate("Accessible", "Velmor Calculator icon"));
    return box;
}

QWidget* createLabel(const PieceRow& s, QWidget* parent) {
    auto* label = new QLabel(QCoreApplication::translate("About", s.text), parent);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    // The palette's text colour: black on a light desktop, light on a dark one.
    return label;
}

// The captions keep a margin on each side, as the window's own buttons do.
QWidget* createButton(const PieceRow& s, QWidget* parent) {
    constexpr int kCaptionMargin = 6;
    auto* button = new QPushButton(parent);
    button->setGeometry(pixels(s));
    setFittedCaption(button, QCoreApplication::translate("About", s.text), button->font(), kCaptionMargin);
    return button;
}

QWidget* createLine(const PieceRow& s, QWidget* parent) {
    auto* line = new QWidget(parent);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, s.colour);
    line->setPalette(palette);
    return line;
}

QWidget* createPiece(const PieceRow& s, QWidget* parent) {
    switch (s.kind) {
    case Piece::Icon: return createIcon(parent);
    case Piece::Button: return createButton(s, parent);
    case Piece::Line: return createLine(s, parent);
    case Piece::Label: return createLabel(s, parent);
    }
    return nullptr;
}

}  // namespace

AboutDialog::AboutDialog(MainWindow& window)
    : QDialog(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      window_(window) {
    // No parent widget: the main window is disabled while the dialog is open,
    // and disabling a parent disables its child windows too. Being transient
    // for the main window keeps the dialog above it and lets closing the main
    // window still end the program.
    winId();
    if (window.windowHandle()) windowHandle()->setTransientParent(window.windowHandle());
    // The dialog acts on the window's calculator, so it goes with the window,
    // even when it is closed and only waiting for its deferred deletion.
    connect(&window, &QObject::destroyed, this, [this] { delete this; });
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Calculator"));
    setWindowIcon(calculatorIcon());
    setFixedSize(kClientWidth / kTwipsPerPixel, kClientHeight / kTwipsPerPixel);
    buildControls();
    loadTexts();
}

void AboutDialog::buildControls() {
    QWidget* previous = nullptr;
    for (const PieceRow& s : kPieces) {
        QWidget* w = createPiece(s, this);
        w->setObjectName(QString::fromUtf8(s.name));
        w->setGeometry(pixels(s));
        // The table lists the pieces in tab order.
        if (previous && w->focusPolicy() != Qt::NoFocus) setTabOrder(previous, w);
        if (w->focusPolicy() != Qt::NoFocus) previous = w;
    }
    auto* ok = findChild<QPushButton*>(QStringLiteral("cmdOK"));
    auto* sysInfo = findChild<QPushButton*>(QStringLiteral("cmdSysInfo"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &AboutDialog::closeDialog);
    connect(sysInfo, &QPushButton::clicked, this, &AboutDialog::startSystemInfo);
    ok->setFocus(Qt::OtherFocusReason);
}

void AboutDialog::loadTexts() {
    const AboutTexts texts = aboutTexts(window_.calculator().form().platform);
    setWindowTitle(QString::fromStdString(texts.caption));
    findChild<QLabel*>(QStringLiteral("lblVersion"))->setText(QString::fromStdString(texts.version));
    findChild<QLabel*>(QStringLiteral("lblTitle"))->setText(QString::fromStdString(texts.title));
    findChild<QLabel*>(QStringLiteral("lblDescription"))->setText(QString::fromStdString(texts.description));
}

// A close request that arrives once the dialog is closing is not repeated.
void AboutDialog::closeDialog() {
    if (closing_) return;
    closing_ = true;
    closeAbout(window_.calculator().form());
    window_.refresh();
}

void AboutDialog::startSystemInfo() {
    // The message box waits in an event loop of its own, in which the dialog can be
    // closed and deleted: nothing of the dialog is used after it.
    MainWindow& window = window_;
    startSysInfo(window.calculator().form().platform);
    window.refresh();
}

void AboutDialog::reject() { closeDialog(); }

void AboutDialog::closeEvent(QCloseEvent* event) {
    closeDialog();
    // Accepted, never ignored: the application's quit closes every window in turn
    // and gives up at the first one that refuses, which would leave the program
    // running after its main window has gone.
    event->accept();
}

}  // namespace velmor
