#include "robustness/monkey/actions.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>
#include <QWindow>
#include <array>

#include "window_system/close_request.h"

namespace velmor::monkey {
namespace {

using Rng = std::mt19937_64;

int below(Rng& rng, int n) { return static_cast<int>(std::uniform_int_distribution<int>(0, n - 1)(rng)); }
bool chance(Rng& rng, double p) { return std::uniform_real_distribution<double>(0, 1)(rng) < p; }

template <typename T>
const T& pick(Rng& rng, const std::vector<T>& items) {
    return items[static_cast<std::size_t>(below(rng, static_cast<int>(items.size())))];
}

std::string nameOf(const QWidget* w) {
    const QString name = w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
    return name.toStdString();
}

// Texts a hostile or careless clipboard holds.
std::vector<QString> hostileTexts() {
    return {
        QString(),
        QString(1 << 20, '1'),
        QStringLiteral("1E400"),
        QStringLiteral("-1E-400"),
        QStringLiteral("&HFFFFFFFFFFFF"),
        QStringLiteral("&O777777777777"),
        QStringLiteral("NaN"),
        QStringLiteral("Infinity"),
        QStringLiteral("12\n34\r\n56"),
        QStringLiteral("\t\x01\x02\x7f 7"),
        QString(QChar(0xD800)) + QStringLiteral("12") + QChar(0xDFFF),  // lone surrogates
        QStringLiteral("\u202E12345"),                                   // right-to-left override
        QStringLiteral("\U0001F600\u0301\u0301\u0301"),
        QString(400000, 'x'),
        QStringLiteral("0.") + QString(100000, '3'),
        QStringLiteral("12+34*2-5/5+(1+2)x^2"),
        QString(QChar(0)) + QStringLiteral("5"),
        QStringLiteral("123"),
        QStringLiteral("-0.000000000000000001"),
    };
}

struct KeySpec {
    Qt::Key key;
    QString text;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

std::vector<KeySpec> keys() {
    std::vector<KeySpec> out;
    for (char c : std::string("0123456789ABCDEFabcdef+-*/.=()%^!&xX ,;e")) {
        const QChar q = QLatin1Char(c);
        const Qt::Key key = q.isLetter() ? static_cast<Qt::Key>(q.toUpper().unicode()) : static_cast<Qt::Key>(q.unicode());
        out.push_back({key, QString(q), q.isUpper() ? Qt::ShiftModifier : Qt::NoModifier});
    }
    out.push_back({Qt::Key_Backspace, QStringLiteral("\b")});
    out.push_back({Qt::Key_Return, QStringLiteral("\r")});
    out.push_back({Qt::Key_Enter, QStringLiteral("\r")});
    out.push_back({Qt::Key_Escape, QString(QChar(27))});
    out.push_back({Qt::Key_Tab, QStringLiteral("\t")});
    out.push_back({Qt::Key_Delete, QString(QChar(127))});
    out.push_back({Qt::Key_Space, QStringLiteral(" ")});
    out.push_back({Qt::Key_F1, QString()});
    out.push_back({Qt::Key_F1, QString(), Qt::ShiftModifier});
    out.push_back({Qt::Key_C, QString(), Qt::ControlModifier});
    out.push_back({Qt::Key_V, QString(), Qt::ControlModifier});
    out.push_back({Qt::Key_A, QString(), Qt::ControlModifier});
    out.push_back({Qt::Key_Z, QString(), Qt::ControlModifier});
    out.push_back({Qt::Key_W, QString(), Qt::ControlModifier});
    out.push_back({Qt::Key_S, QString(), Qt::AltModifier});
    out.push_back({Qt::Key_E, QString(), Qt::AltModifier});
    for (Qt::Key k : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Home, Qt::Key_End, Qt::Key_Up, Qt::Key_Down})
        out.push_back({k, QString()});
    out.push_back({Qt::Key_unknown, QStringLiteral("\u00e9")});
    out.push_back({Qt::Key_unknown, QStringLiteral("\u03c0")});
    return out;
}

// The window that takes input now, as on a desktop: an open pop-up, else a modal
// box, else the active window, else the main window.
QWidget* inputWindow(Session& s) {
    if (QWidget* popup = QApplication::activePopupWidget()) return popup;
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    if (QWidget* active = QApplication::activeWindow(); active && active->isVisible()) return active;
    return &s.window;
}

std::vector<QWidget*> visibleTopLevels() {
    std::vector<QWidget*> out;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible()) out.push_back(w);
    return out;
}

// Widgets of a window that a pointer can hit: visible, and leaves of the tree or buttons.
std::vector<QWidget*> targetsIn(QWidget* window) {
    std::vector<QWidget*> out;
    for (QWidget* w : window->findChildren<QWidget*>())
        if (w->isVisible() && w->width() > 0 && w->height() > 0 && w->window() == window) out.push_back(w);
    if (out.empty()) out.push_back(window);
    return out;
}

// A click as the window system delivers it: at a point of the widget's window,
// so a window blocked by a modal box or covered by a pop-up does not get it.
void clickAt(QWidget* target, Qt::MouseButton button, QPoint local) {
    QWidget* top = target->window();
    QWindow* handle = top->windowHandle();
    if (!handle) return;
    const QPoint at = target->mapTo(top, local);
    if (!top->rect().contains(at)) return;  // cut off by the window's edge: nothing there to click
    QPointer<QWidget> guard(target);
    QTest::mousePress(handle, button, Qt::NoModifier, at);
    if (!guard || !handle->isVisible()) return;  // the press closed its window
    QTest::mouseRelease(handle, button, Qt::NoModifier, at);
}

QPoint randomPoint(Rng& rng, const QWidget* w) {
    // Mostly the middle (option buttons react on their left part), sometimes anywhere.
    if (chance(rng, 0.7)) return w->inherits("QRadioButton") ? QPoint(6, w->height() / 2) : w->rect().center();
    return {below(rng, std::max(1, w->width())), below(rng, std::max(1, w->height()))};
}

Action clickControl(Session& s, Rng& rng, Qt::MouseButton button) {
    const auto& table = controlTable();
    const ControlRow& control = table[static_cast<std::size_t>(below(rng, static_cast<int>(table.size())))];
    QWidget* w = s.window.widgetFor(control.id);
    const QPoint at = randomPoint(rng, w);
    const char* buttonName = button == Qt::LeftButton ? "click" : button == Qt::RightButton ? "rightclick" : "middleclick";
    return {std::string(buttonName) + " " + qualifiedName(control.id),
            [w, button, at] { if (w->isVisible()) clickAt(w, button, at); }};
}

Action clickInWindow(Rng& rng, QWidget* window, Qt::MouseButton button) {
    const auto targets = targetsIn(window);
    QWidget* w = pick(rng, targets);
    const QPoint at = randomPoint(rng, w);
    return {"click in " + nameOf(window) + " on " + nameOf(w), [w = QPointer<QWidget>(w), button, at] {
                if (w && w->isVisible()) clickAt(w, button, at);
            }};
}

// A move over function keys with the right button held, as "What is this?" on them wants.
Action rightDrag(Session& s, Rng& rng) {
    QWidget* from = s.window.widgetFor(functionKey(below(rng, 21)));
    QWidget* over = s.window.widgetFor(functionKey(below(rng, 21)));
    return {"right-drag " + nameOf(from) + " to " + nameOf(over), [from, over] {
                QWindow* handle = from->window()->windowHandle();
                if (!from->isVisible() || !handle) return;
                const QPoint start = from->mapTo(from->window(), from->rect().center());
                const QPoint end = over->mapTo(over->window(), over->rect().center());
                const QRect inside = from->window()->rect();
                if (!inside.contains(start) || !inside.contains(end)) return;  // cut off by the window's edge
                QTest::mousePress(handle, Qt::RightButton, Qt::NoModifier, start);
                if (!handle->isVisible()) return;
                QTest::mouseMove(handle, end);
                if (!handle->isVisible()) return;
                QTest::mouseRelease(handle, Qt::RightButton, Qt::NoModifier, end);
            }};
}

Action typeKey(Session& s, Rng& rng) {
    static const std::vector<KeySpec> all = keys();
    const KeySpec& k = pick(rng, all);
    QWidget* window = inputWindow(s);
    std::string text = k.text.toStdString();
    if (text.size() == 1 && (text[0] < 32 || text[0] == 127)) text = "\\" + std::to_string(text[0]);
    const std::string what = "key " + QKeySequence(k.key | k.modifiers).toString().toStdString() + " \"" + text +
                             "\" to " + nameOf(window);
    return {what, [window = QPointer<QWidget>(window), k] {
                if (!window || !window->isVisible() || !window->windowHandle()) return;
                if (window->inherits("QWhatsThat")) {
                    // The help pop-up deletes itself on a key. The window system hands keys
                    // over from its queue; QTest's direct delivery would go on using the
                    // deleted window, so this key is queued the same way.
                    QCoreApplication::postEvent(window, new QKeyEvent(QEvent::KeyPress, k.key, k.modifiers, k.text));
                    return;
                }
                QTest::sendKeyEvent(QTest::Press, window->windowHandle(), k.key, k.text, k.modifiers);
                if (!window || !window->windowHandle()) return;
                QTest::sendKeyEvent(QTest::Release, window->windowHandle(), k.key, k.text, k.modifiers);
            }};
}

Action triggerMenu(Session& s, Rng& rng) {
    std::vector<Menu> items;
    for (const MenuRow& m : menuTable()) {
        QAction* action = s.window.actionFor(m.id);
        if (action && action->isVisible() && !action->menu() && !m.separator) items.push_back(m.id);
    }
    const Menu item = pick(rng, items);
    QAction* action = s.window.actionFor(item);
    return {"menu " + std::string(tableRow(item).name), [&s, action] {
                // A menu item works only while its window takes input.
                if (s.window.isEnabled() && !QApplication::activeModalWidget() && !QApplication::activePopupWidget())
                    action->trigger();
            }};
}

// Opens a menu of the menu bar with a click, as a user does; the next steps act in it.
Action openMenuBar(Session& s, Rng& rng) {
    QMenuBar* bar = s.window.menuBar();
    std::vector<QAction*> menus;
    for (QAction* a : bar->actions())
        if (a->isVisible()) menus.push_back(a);
    QAction* menu = pick(rng, menus);
    return {"open menu " + menu->text().toStdString(), [bar, menu] {
                const QRect r = bar->actionGeometry(menu);
                if (bar->isVisible() && r.isValid()) clickAt(bar, Qt::LeftButton, r.center());
            }};
}

Action hostilePaste(Session& s, Rng& rng) {
    static const std::vector<QString> texts = hostileTexts();
    const auto which = static_cast<std::size_t>(below(rng, static_cast<int>(texts.size())));
    const bool byKey = chance(rng, 0.5);
    return {"paste hostile text " + std::to_string(which) + (byKey ? " with Ctrl+V" : " from the Edit menu"),
            [&s, which, byKey] {
                QGuiApplication::clipboard()->setText(texts[which]);
                // Only a window that takes input can be pasted into.
                if (!s.window.isEnabled() || QApplication::activeModalWidget() || QApplication::activePopupWidget())
                    return;
                if (byKey) QTest::keyClick(s.window.windowHandle(), Qt::Key_V, Qt::ControlModifier);
                else s.window.actionFor(Menu::Paste)->trigger();
            }};
}

// The window system's close request (close box, Alt+F4) for a window.
Action closeWindow(QWidget* window, bool main) {
    return {"close " + nameOf(window), [window = QPointer<QWidget>(window), main] {
                if (!window || !window->windowHandle()) return;
                testing::requestClose(*window);
                // On X11 the request comes back through the server and Qt's reader
                // thread; the main window is given it before the monkey counts the
                // steps the program may still take (a dropped request never arrives).
                if (main) QTest::qWaitFor([&] { return !window || !window->isVisible(); }, 2000);
            },
            main};
}

// A window other than the main window: the monkey answers it, clicks in it or closes it.
Action actInOtherWindow(Session& s, Rng& rng) {
    std::vector<QWidget*> others;
    for (QWidget* w : visibleTopLevels())
        if (w != &s.window) others.push_back(w);
    if (others.empty()) return clickControl(s, rng, Qt::LeftButton);
    QWidget* window = QApplication::activePopupWidget() ? QApplication::activePopupWidget() : pick(rng, others);
    switch (below(rng, 3)) {
        case 0: return clickInWindow(rng, window, Qt::LeftButton);
        case 1: return closeWindow(window, false);
        default: {
            const bool escape = chance(rng, 0.5);
            return {std::string(escape ? "Escape" : "Enter") + " in " + nameOf(window),
                    [window = QPointer<QWidget>(window), escape] {
                        if (window && window->windowHandle())
                            QTest::keyClick(window->windowHandle(), escape ? Qt::Key_Escape : Qt::Key_Return);
                    }};
        }
    }
}

}  // namespace

Action chooseAction(Session& s, Rng& rng) {
    // Weights: mostly clicks and keys, often the other windows, rarely the end of the program.
    const int roll = below(rng, 1000);
    if (roll < 2) return closeWindow(&s.window, true);
    if (roll < 300) return clickControl(s, rng, Qt::LeftButton);
    if (roll < 360) return clickControl(s, rng, Qt::RightButton);
    if (roll < 390) return clickControl(s, rng, Qt::MiddleButton);
    if (roll < 410) return rightDrag(s, rng);
    if (roll < 640) return typeKey(s, rng);
    if (roll < 700) return triggerMenu(s, rng);
    if (roll < 720) return openMenuBar(s, rng);
    if (roll < 760) return hostilePaste(s, rng);
    return actInOtherWindow(s, rng);
}

}  // namespace velmor::monkey
