#include "app/ui/main_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QWhatsThis>
#include <limits>

#include "app/ui/accessible_names.h"
#include "app/ui/close_requests.h"
#include "app/ui/display_tail.h"
#include "app/ui/key_fonts.h"
#include "app/ui/option_style.h"
#include "app/ui/pictures.h"
#include "app/ui/translations.h"
#include "help/help_state.h"

namespace velmor {
namespace {

constexpr int kTwipsPerPixel = 15;

QRect twipsRect(const ControlRow& s) {
    return {s.left / kTwipsPerPixel, s.top / kTwipsPerPixel, s.width / kTwipsPerPixel,
            s.height / kTwipsPerPixel};
}

int buttonCode(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton: return kLeftButton;
        case Qt::RightButton: return kRightButton;
        case Qt::MiddleButton: return kMiddleButton;
        default: return 0;
    }
}

int buttonsCode(Qt::MouseButtons buttons) {
    return (buttons & Qt::LeftButton ? kLeftButton : 0) | (buttons & Qt::RightButton ? kRightButton : 0) |
           (buttons & Qt::MiddleButton ? kMiddleButton : 0);
}

// The character code a key press delivers, as the keyboard dispatcher reads it.
int keyAscii(const QKeyEvent* key) {
    if (key->key() == Qt::Key_Backspace) return 8;
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) return 13;
    if (key->key() == Qt::Key_Escape) return 27;
    const QString text = key->text();
    if (text.isEmpty() || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) return 0;
    return text.at(0).unicode();
}

// A menu on the menu bar is reached with Alt and a letter: one whose caption
// names no access key takes its first letter, so "View" reads as before with V
// underlined.
QString withAccessKey(const QString& caption) {
    return caption.contains(QLatin1Char('&')) ? caption : QLatin1Char('&') + caption;
}

// The text boxes only show what the calculator writes: the display changes
// through the keys and the Edit menu alone (typed characters reach it through
// the keyboard dispatcher), so none of them edits, pastes or offers a menu of
// its own. The work boxes have no keyboard or mouse role and never take the focus.
QLineEdit* createTextBox(Ctl id, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setReadOnly(true);
    edit->setContextMenuPolicy(Qt::PreventContextMenu);
    // The display shows a pasted text of any length.
    edit->setMaxLength(std::numeric_limits<int>::max());
    if (id != Ctl::Display) edit->setFocusPolicy(Qt::NoFocus);
    return edit;
}

// A shortcut that is the desktop's key for copying or pasting brings the
// desktop's other keys for it along (Shift+Insert beside Ctrl+V), so that every
// paste key is the one paste of the Edit menu. The designed key comes first and
// is the one the menu shows.
QList<QKeySequence> shortcutsFor(std::string_view designed) {
    const QKeySequence key(QString::fromUtf8(designed.data(), static_cast<qsizetype>(designed.size())));
    QList<QKeySequence> keys{key};
    for (const auto standard : {QKeySequence::Copy, QKeySequence::Paste}) {
        const QList<QKeySequence> bindings = QKeySequence::keyBindings(standard);
        if (!bindings.contains(key)) continue;
        for (const QKeySequence& other : bindings)
            if (other != key) keys.append(other);
    }
    return keys;
}

bool isWorkTextBox(Ctl control) { return tableRow(control).kind == Kind::TextBox && control != Ctl::Display; }

}  // namespace

MainWindow::MainWindow(Calculator& calculator, QWidget* parent) : QMainWindow(parent), calc_(calculator) {
    setObjectName(QStringLiteral("frmcalculator"));
    setWindowTitle(QCoreApplication::translate("Window", "Velmor Calculator"));
    setWindowIcon(calculatorIcon());
    buildMenus();
    addMenuBarKey();
    buildControls();
    refresh();
    closeRequests_ = std::make_unique<CloseRequests>(this);
}

MainWindow::~MainWindow() = default;

QWidget* MainWindow::createControl(const ControlRow& s, QWidget* parent) {
    // The form holds the caption in the user's language.
    const QString caption = QString::fromStdString(calc_.form().control(s.id).text);
    QWidget* w = nullptr;
    switch (s.kind) {
        case Kind::Frame: w = new QGroupBox(parent); break;
        case Kind::Option: w = new QRadioButton(caption, parent); break;
        case Kind::TextBox: w = createTextBox(s.id, parent); break;
        case Kind::Button: {
            auto* button = new QPushButton(caption, parent);
            if (s.picture != Picture::None) {
                button->setIcon(statisticsPicture(s.picture));
                button->setIconSize(QSize(26, 18));
            }
            w = button;
            break;
        }
    }
    w->setObjectName(QString::fromStdString(qualifiedName(s.id)));
    w->setGeometry(twipsRect(s));
    applyAccessibleText(w, s.id);
    w->setFont(fontFor(s.font));
    if (!s.toolTip.empty()) w->setToolTip(translatedText("ToolTip", s.toolTip));
    return w;
}

void MainWindow::buildControls() {
    optionStyle_ = new OptionButtonStyle;
    optionStyle_->setParent(this);
    auto* central = new QWidget(this);
    setCentralWidget(central);
    for (const ControlRow& s : controlTable()) {
        QWidget* parent = s.parent == Ctl::Count ? central : widgets_[toInt(s.parent)];
        QWidget* w = createControl(s, parent);
        widgets_[toInt(s.id)] = w;
        focusPolicies_[toInt(s.id)] = w->focusPolicy();
        if (s.kind == Kind::Frame) continue;
        w->installEventFilter(this);
        if (inGroup(s.id, Group::Functions)) w->setMouseTracking(true);
        if (s.kind == Kind::Option) w->setStyle(optionStyle_);
        if (auto* key = qobject_cast<QAbstractButton*>(w)) keyRows_.add(s, key);
        if (auto* radio = qobject_cast<QRadioButton*>(w)) {
            groupOption(s.id, radio);
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            const Ctl id = s.id;
            connect(button, &QAbstractButton::clicked, this, [this, id] { forwardClick(id); });
        }
    }
    widgetFor(Ctl::FormulaPrompt)->raise();
    keyRows_.fitAll();
}

void MainWindow::forwardClick(Ctl control) {
    calc_.click(control);
    refresh();
}

// The option buttons of a frame form one exclusive group, which is what a screen
// reader presents as radio buttons. Whatever selects one (a mouse click, Space,
// the arrow keys, a Toggle or Press action of assistive technology) toggles it
// on, and that toggle is what reaches the calculator.
void MainWindow::groupOption(Ctl option, QRadioButton* radio) {
    QButtonGroup*& group = optionGroups_[tableRow(option).parent];
    if (!group) {
        group = new QButtonGroup(this);
        group->setExclusive(true);
        connect(group, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
            if (checked) optionToggledOn(static_cast<Ctl>(id));
        });
        connect(group, &QButtonGroup::idPressed, this, [this] { toggledSincePress_.reset(); });
        connect(group, &QButtonGroup::idClicked, this, [this](int id) { optionClicked(static_cast<Ctl>(id)); });
    }
    group->addButton(radio, toInt(option));
}

void MainWindow::optionToggledOn(Ctl option) {
    if (showingSelection_) return;
    toggledSincePress_ = option;
    forwardClick(option);
}

// A click on the option that is already selected toggles nothing, yet it is a
// click on that option all the same.
void MainWindow::optionClicked(Ctl option) {
    const bool toggled = toggledSincePress_ == option;
    toggledSincePress_.reset();
    if (!toggled) forwardClick(option);
}

void MainWindow::buildMenus() {
    std::array<QMenu*, kMenuCount> menus{};
    for (const MenuRow& s : menuTable()) {
        const QString tableCaption = translatedText("Menu", s.caption);
        const bool onMenuBar = s.parent == Menu::Count && s.visibleAtStart;
        const QString caption = onMenuBar ? withAccessKey(tableCaption) : tableCaption;
        const int index = static_cast<int>(s.id);
        QMenu* parentMenu = s.parent == Menu::Count ? nullptr : menus[static_cast<int>(s.parent)];
        // Top-level menus and items that hold a submenu are QMenus; the rest are actions.
        const bool hasChildren = [&] {
            for (const MenuRow& c : menuTable())
                if (c.parent == s.id) return true;
            return false;
        }();
        QAction* action = nullptr;
        if (hasChildren) {
            QMenu* menu = parentMenu ? parentMenu->addMenu(caption) : menuBar()->addMenu(caption);
            menu->setObjectName(QString::fromUtf8(s.name.data(), s.name.size()));
            menus[index] = menu;
            action = menu->menuAction();
        } else if (s.separator) {
            action = parentMenu->addSeparator();
        } else {
            action = parentMenu->addAction(caption);
            if (!s.shortcut.empty()) action->setShortcuts(shortcutsFor(s.shortcut));
            const Menu id = s.id;
            connect(action, &QAction::triggered, this, [this, id] {
                calc_.menu(id);
                refresh();
            });
        }
        action->setObjectName(QString::fromUtf8(s.name.data(), s.name.size()));
        action->setVisible(s.visibleAtStart);
        actions_[index] = action;
    }
    // The View menu's items are the window sizes, one of them checked.
    for (const MenuRow& s : menuTable())
        if (s.parent == Menu::View) actionFor(s.id)->setCheckable(true);
}

// F10 opens the first menu of the menu bar, as desktop programs do.
void MainWindow::addMenuBarKey() {
    auto* menuKey = new QAction(this);
    menuKey->setObjectName(QStringLiteral("openMenuBar"));
    menuKey->setShortcut(Qt::Key_F10);
    menuKey->setShortcutContext(Qt::WindowShortcut);
    addAction(menuKey);
    connect(menuKey, &QAction::triggered, this, [this] {
        for (QAction* menu : menuBar()->actions()) {
            if (!menu->isVisible() || !menu->isEnabled()) continue;
            menuBar()->setActiveAction(menu);
            return;
        }
    });
}

std::optional<Ctl> MainWindow::controlOf(const QObject* object) const {
    for (int i = 0; i < kControlCount; ++i)
        if (widgets_[i] == object) return static_cast<Ctl>(i);
    return std::nullopt;
}

void MainWindow::applySize() {
    const WindowSize& size = calc_.form().windowSize;
    if (size.width == shownSize_.width && size.height == shownSize_.height &&
        size.clientSize == shownSize_.clientSize)
        return;
    shownSize_ = size;
    // The views give outer window sizes; the frame and caption took 90 x 660 twips of them.
    const int width = (size.clientSize ? size.width : size.width - 90) / kTwipsPerPixel;
    const int height = (size.clientSize ? size.height : size.height - 660) / kTwipsPerPixel;
    centralWidget()->setFixedSize(width, height);
    setFixedSize(width, height + menuBar()->sizeHint().height());
    keepFocusInView();
}

// A view cuts off the groups beyond its size; their keys are out of sight, so
// they take no focus (Tab and Shift+Tab go round the keys the user sees) and so
// no key presses. The focus on a key that went out of sight moves to the 0 key.
void MainWindow::keepFocusInView() {
    const QRect view = centralWidget()->rect();
    for (int i = 0; i < kControlCount; ++i) {
        QWidget* w = widgets_[i];
        if (tableRow(static_cast<Ctl>(i)).kind == Kind::Frame) continue;
        const QRect shown(w->mapTo(centralWidget(), QPoint(0, 0)), w->size());
        w->setFocusPolicy(view.intersects(shown) ? focusPolicies_[i] : Qt::NoFocus);
    }
    QWidget* focused = QApplication::focusWidget();
    if (focused && focused->focusPolicy() == Qt::NoFocus && controlOf(focused))
        widgetFor(digitKey(0))->setFocus(Qt::OtherFocusReason);
}

void MainWindow::refresh() {
    const Form& form = calc_.form();
    for (const ControlRow& s : controlTable()) {
        QWidget* w = widgets_[toInt(s.id)];
        const ControlState& state = form.control(s.id);
        // Compare with the control's own flag: isEnabled() also reflects a disabled window.
        if (w->testAttribute(Qt::WA_ForceDisabled) == state.enabled) w->setEnabled(state.enabled);
        if (w->isHidden() == state.visible) w->setVisible(state.visible);
        if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            const QString text = s.id == Ctl::Display ? displayWidgetText(form.display.text())
                                                      : QString::fromStdString(state.text);
            if (edit->text() != text) edit->setText(text);
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            const QString text = QString::fromStdString(state.text);
            if (button->text() != text) {
                button->setText(text);
                keyRows_.fitRowOf(s.id);
            }
            // The exclusive group clears the other options of the frame itself.
            if (s.kind == Kind::Option && state.selected && !button->isChecked()) {
                const QScopedValueRollback following(showingSelection_, true);
                button->setChecked(true);
            }
        }
    }
    for (const MenuRow& s : menuTable()) {
        QAction* action = actionFor(s.id);
        if (action->isCheckable() && action->isChecked() != form.menu(s.id).checked)
            action->setChecked(form.menu(s.id).checked);
    }
    // Renamed only when their role changes, so a help topic being read out as a
    // button's description is not replaced by the next refresh.
    const bool wordSizes = form.unitsChooseWordSizes();
    if (wordSizes != unitsAreWordSizes_) {
        unitsAreWordSizes_ = wordSizes;
        for (Ctl unit : {Ctl::Degrees, Ctl::Radians, Ctl::Grads}) applyAccessibleText(widgetFor(unit), unit, wordSizes);
    }
    if (isEnabled() != helpState(form).mainEnabled) setEnabled(helpState(form).mainEnabled);
    keepDisplayClearOfPrompt();
    applySize();
}

// The formula's prompt box lies over the left end of the display; while it is
// shown, the display's text starts to the right of it, so the value being typed
// at the prompt is seen whole.
void MainWindow::keepDisplayClearOfPrompt() {
    auto* display = static_cast<QLineEdit*>(widgetFor(Ctl::Display));
    const QWidget* prompt = widgetFor(Ctl::FormulaPrompt);
    const int left = prompt->isHidden() ? 0 : prompt->geometry().right() + 1 - display->x();
    if (display->textMargins().left() != left) display->setTextMargins(left, 0, 0, 0);
}

bool MainWindow::filterKey(Ctl control, QEvent* event) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (event->type() == QEvent::ShortcutOverride) {
        // The Edit menu's Copy and Paste act on the whole display, not the line edit's selection.
        if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Paste)) {
            event->ignore();
            return true;
        }
        return false;
    }
    // F1 alone is context help; Shift+F1 belongs to the Help menu's "What's This?".
    if (key->key() == Qt::Key_F1 && !(key->modifiers() & Qt::ShiftModifier)) {
        calc_.helpKey(control);
        refresh();
        return true;
    }
    const int code = keyAscii(key);
    if (code == 0 || !routesKeys(control)) return false;
    calc_.keyPress(code);
    refresh();
    // A key button still sees its character (Space presses it); the display
    // takes none, though Tab, Enter and Escape keep their usual roles.
    const bool typed = code == 8 || (code >= 32 && code != 127);
    return control == Ctl::Display && typed;
}

bool MainWindow::filterMouse(Ctl control, QEvent* event) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (!widgetFor(control)->isEnabled() || isWorkTextBox(control)) return true;
    if (event->type() == QEvent::MouseButtonRelease) return false;
    if (event->type() == QEvent::MouseMove) {
        // A held button keeps sending moves to the pressed widget; the move belongs
        // to the function key under the pointer.
        const QWidget* under = QApplication::widgetAt(mouse->globalPosition().toPoint());
        const auto target = under ? controlOf(under) : std::optional<Ctl>(control);
        if (!target) return false;
        calc_.mouseMove(*target, buttonsCode(mouse->buttons()));
        refresh();
        return false;
    }
    // Only on the display is the second press of a double-click a press of its
    // own: it must neither select the text nor keep the focus there.
    const bool doubleClick = event->type() == QEvent::MouseButtonDblClick;
    if (doubleClick && control != Ctl::Display) return false;
    const int button = buttonCode(mouse->button());
    calc_.mousePress(control, button);
    refresh();
    // A left press on the display hands the focus to the 0 key instead of keeping it.
    return control == Ctl::Display && (button == kLeftButton || doubleClick);
}

// A click in the platform's context-help mode asks the control for its topic;
// only an enabled control with a help number answers.
bool MainWindow::filterWhatsThis(Ctl control, QEvent* event) {
    const bool helps = calc_.answersWhatsThis(control);
    event->setAccepted(helps);
    if (event->type() == QEvent::WhatsThis && helps) {
        QWhatsThis::leaveWhatsThisMode();
        calc_.whatsThisClick(control);
        refresh();
    }
    return true;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    closed_ = event->isAccepted();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type == QEvent::WhatsThis || type == QEvent::QueryWhatsThis) {
        const auto control = controlOf(watched);
        return control ? filterWhatsThis(*control, event) : QMainWindow::eventFilter(watched, event);
    }
    const bool isKey = type == QEvent::KeyPress || type == QEvent::ShortcutOverride;
    const bool isMouse = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick ||
                         type == QEvent::MouseButtonRelease || type == QEvent::MouseMove;
    if (!isKey && !isMouse) return QMainWindow::eventFilter(watched, event);
    const auto control = controlOf(watched);
    if (!control) return QMainWindow::eventFilter(watched, event);
    return isKey ? filterKey(*control, event) : filterMouse(*control, event);
}

}  // namespace velmor
