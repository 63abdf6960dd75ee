#include "app/scenario/runner.h"
#include "app/scenario/arguments.h"
#include "app/scenario/runner_helpers.h"

#include <QAbstractButton>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPointer>
#include <QTest>
#include <QtTest/qtestspontaneevent.h>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>

#include "app/core/calculator.h"
#include "app/ui/main_window.h"
#include "app/ui/translations.h"

namespace velmor::scenario {
namespace {

const std::string kEmpty;

Qt::Key keyForChar(QChar c) {
    if (c == '\b') return Qt::Key_Backspace;
    if (c == '\r' || c == '\n') return Qt::Key_Return;
    if (c == '\t') return Qt::Key_Tab;
    if (c.unicode() == 27) return Qt::Key_Escape;
    if (c.isLetter() && c.unicode() < 128) return static_cast<Qt::Key>(c.toUpper().unicode());
    if (c.unicode() >= 32 && c.unicode() < 127) return static_cast<Qt::Key>(c.unicode());
    return Qt::Key_unknown;
}

// Delivers an event as the window system does: spontaneous, so Qt applies its
// own rules for such events (focus on a click, menus on a right press).
void deliverFromDesktop(QWidget* w, QEvent* event) {
    QSpontaneKeyEvent::setSpontaneous(event);
    QApplication::instance()->notify(w, event);
}

}  // namespace

// The window speaks the user's language, as the program does: a scenario runs
// in German with LANGUAGE=de.
Runner::Runner() : language_(installTranslations().toStdString()) {
    registerCommands();
    registerExpectations();
}

Runner::~Runner() {
    window_.reset();
    calculator_.reset();
}

// A fresh calculator. The old window takes its dialogs with it and the old
// platform its help viewer; nothing of the old calculator is closed or asked
// anything on the way out. Saved values belong to the script and stay.
void Runner::restart() {
    closePopups();
    window_.reset();
    calculator_.reset();
    platform_.reset();
    settle();
    platform_ = std::make_unique<ScenarioPlatform>();
    platform_->setLanguage(language_);
    calculator_ = std::make_unique<Calculator>(*platform_);
    window_ = std::make_unique<MainWindow>(*calculator_);
    platform_->attach(window_.get());
    window_->show();
    window_->activateWindow();
    QApplication::setActiveWindow(window_.get());
    settle();
}

// Lets queued events (the F1 that "What is this?" posts) run to their end and
// deletes what asked for a deferred deletion, as the event loop of the desktop
// does each time a handler returns to it.
void Runner::settle() {
    for (int i = 0; i < 4; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

void Runner::closePopups() {
    while (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close();
        if (QApplication::activePopupWidget() == popup) break;
    }
}

void Runner::runFile(const std::string& path) {
    file_ = path;
    std::ifstream in(path);
    if (!in) {
        std::cout << path << ":0: cannot open the file\n";
        ++failed_;
        return;
    }
    std::stringstream source;
    source << in.rdbuf();
    std::vector<std::string> errors;
    const auto lines = parseScript(source.str(), errors);
    for (const auto& e : errors) {
        std::cout << path << ":" << e << "\n";
        ++failed_;
    }
    saved_.clear();
    restart();
    for (const Line& line : lines) {
        execute(line);
        settle();
    }
}

void Runner::execute(const Line& line) {
    const auto found = commands_.find(line.tokens[0].text);
    if (found == commands_.end()) return problem(line, "unknown command " + line.tokens[0].text);
    if (const auto why = wrongArgumentCount(line)) return problem(line, *why);
    // A line the checks did not foresee fails alone; the file goes on.
    try {
        found->second(line);
    } catch (const std::exception& error) {
        problem(line, std::string("the line failed: ") + error.what());
    }
}

void Runner::expect(const Line& line) {
    const auto found = expectations_.find(arg(line, 1));
    if (found == expectations_.end()) return problem(line, "unknown expectation " + arg(line, 1));
    found->second(line);
}

void Runner::check(const Line& line, bool ok, const std::string& expected, const std::string& got) {
    if (ok) {
        ++passed_;
        return;
    }
    ++failed_;
    std::cout << file_ << ":" << line.number << ": expected " << expected << ", got " << got << "\n";
}

void Runner::problem(const Line& line, const std::string& what) {
    ++failed_;
    std::cout << file_ << ":" << line.number << ": " << what << "\n";
}

const std::string& Runner::arg(const Line& line, size_t index) const {
    return index < line.tokens.size() ? line.tokens[index].text : kEmpty;
}

std::optional<std::string> Runner::value(const Line& line, size_t index) {
    const Token& t = index < line.tokens.size() ? line.tokens[index] : Token{};
    if (t.quoted || !t.text.starts_with("$")) return t.text;
    const auto found = saved_.find(t.text.substr(1));
    if (found != saved_.end()) return found->second;
    problem(line, "nothing saved as " + t.text.substr(1));
    return std::nullopt;
}

bool Runner::yes(const std::string& word) { return word == "yes" || word == "true"; }

QWidget* Runner::widget(const std::string& ref) const {
    if (ref == "frmcalculator") return window_.get();
    if (ref.starts_with("frmAbout.")) {
        QWidget* about = topLevel(QStringLiteral("frmAbout"));
        return about ? about->findChild<QWidget*>(QString::fromStdString(ref.substr(9))) : nullptr;
    }
    if (const auto control = controlByName(ref)) return window_->widgetFor(*control);
    return topLevel(QString::fromStdString(ref));  // frmAbout, helpViewer
}

QWidget* Runner::needWidget(const Line& line, size_t token) {
    QWidget* w = widget(arg(line, token));
    if (!w) problem(line, "no control " + arg(line, token));
    return w;
}

// Presses and releases a mouse button on the control with the events the
// desktop sends: a right press is followed by the context-menu event, a second
// press within the double-click time arrives as a double-click. A disabled or
// hidden control ignores it, as on screen.
void Runner::click(QWidget* target, Qt::MouseButton button, bool twice) {
    QPointer<QWidget> w = target;
    if (!w || !w->isVisible()) return;
    // Option buttons react on their indicator and label, so press near the left edge.
    const QPoint at = w->inherits("QRadioButton") ? QPoint(6, w->height() / 2) : w->rect().center();
    QTest::mousePress(w, button, Qt::NoModifier, at);
    settle();
    if (w && button == Qt::RightButton) {
        QContextMenuEvent menu(QContextMenuEvent::Mouse, at, w->mapToGlobal(at), Qt::NoModifier);
        deliverFromDesktop(w, &menu);
        settle();
    }
    if (!w || !w->isVisible()) return;  // the press itself may have closed its window
    QTest::mouseRelease(w, button, Qt::NoModifier, at);
    settle();
    if (!twice || !w || !w->isVisible()) return;
    QMouseEvent second(QEvent::MouseButtonDblClick, at, w->mapToGlobal(at), button, button, Qt::NoModifier);
    deliverFromDesktop(w, &second);
    settle();
    if (w && w->isVisible()) QTest::mouseRelease(w, button, Qt::NoModifier, at);
}

void Runner::typeText(const std::string& text) {
    for (QChar c : QString::fromStdString(text)) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window_.get();
        const QString s(c);
        const Qt::Key key = keyForChar(c);
        QTest::sendKeyEvent(QTest::Press, target, key, s, Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, target, key, s, Qt::NoModifier);
        settle();
    }
}

// A named key (F1, Enter, Escape, Tab, ...) or a combination such as
// Shift+Insert or Ctrl+W, to the widget that has the focus.
void Runner::pressKey(const std::string& name, const Line& line) {
    static const std::map<std::string, Qt::Key> keys = {
        {"F1", Qt::Key_F1}, {"Backspace", Qt::Key_Backspace}, {"Enter", Qt::Key_Return},
        {"Escape", Qt::Key_Escape}, {"Delete", Qt::Key_Delete}, {"Tab", Qt::Key_Tab},
        {"Space", Qt::Key_Space}};
    QKeyCombination combination(Qt::Key_unknown);
    if (const auto found = keys.find(name); found != keys.end()) {
        combination = QKeyCombination(found->second);
    } else {
        const QKeySequence sequence = QKeySequence::fromString(QString::fromStdString(name), QKeySequence::PortableText);
        if (sequence.count() == 1) combination = sequence[0];
    }
    if (combination.key() == Qt::Key_unknown || combination.key() == 0) return problem(line, "unknown key " + name);
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window_.get();
    QTest::keyClick(target, combination.key(), combination.keyboardModifiers());
}

}  // namespace velmor::scenario
