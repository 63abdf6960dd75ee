#include "app/scenario/runner.h"
#include "app/scenario/runner_helpers.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>

#include "app/core/calculator.h"
#include "app/ui/main_window.h"

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

}  // namespace

Runner::Runner() {
    registerCommands();
    registerExpectations();
}

Runner::~Runner() {
    window_.reset();
    calculator_.reset();
}

void Runner::restart() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != window_.get()) w->close();
    window_.reset();
    calculator_.reset();
    platform_ = std::make_unique<ScenarioPlatform>();
    calculator_ = std::make_unique<Calculator>(*platform_);
    window_ = std::make_unique<MainWindow>(*calculator_);
    platform_->attach(window_.get());
    window_->show();
    window_->activateWindow();
    QApplication::setActiveWindow(window_.get());
    saved_.clear();
    settle();
}

// Lets queued events (the F1 that "What is this?" posts) run to their end.
void Runner::settle() {
    for (int i = 0; i < 4; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
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
    restart();
    for (const Line& line : lines) {
        execute(line);
        settle();
    }
}

void Runner::execute(const Line& line) {
    const auto found = commands_.find(line.tokens[0].text);
    if (found == commands_.end()) return problem(line, "unknown command " + line.tokens[0].text);
    found->second(line);
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

bool Runner::yes(const std::string& word) { return word == "yes" || word == "true"; }

QWidget* Runner::widget(const std::string& ref) const {
    if (ref == "frmcalculator") return window_.get();
    if (ref == "frmAbout") return topLevel(QStringLiteral("frmAbout"));
    if (ref.starts_with("frmAbout.")) {
        QWidget* about = topLevel(QStringLiteral("frmAbout"));
        return about ? about->findChild<QWidget*>(QString::fromStdString(ref.substr(9))) : nullptr;
    }
    const auto control = controlByName(ref);
    return control ? window_->widgetFor(*control) : nullptr;
}

QWidget* Runner::needWidget(const Line& line, size_t token) {
    QWidget* w = widget(arg(line, token));
    if (!w) problem(line, "no control " + arg(line, token));
    return w;
}

// Presses and releases a mouse button on the control, as a user would: a
// disabled or hidden control ignores it.
void Runner::click(QWidget* w, int button) {
    if (!w || !w->isVisible()) return;
    const auto qtButton = static_cast<Qt::MouseButton>(button);
    // Option buttons react on their indicator and label, so press near the left edge.
    const QPoint at = qobject_cast<QAbstractButton*>(w) && w->inherits("QRadioButton")
                          ? QPoint(6, w->height() / 2)
                          : w->rect().center();
    QTest::mousePress(w, qtButton, Qt::NoModifier, at);
    settle();
    if (!w->isVisible()) return;  // the press itself may have closed its window
    QTest::mouseRelease(w, qtButton, Qt::NoModifier, at);
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

void Runner::pressKey(const std::string& name, const Line& line) {
    static const std::map<std::string, Qt::Key> keys = {
        {"F1", Qt::Key_F1}, {"Backspace", Qt::Key_Backspace}, {"Enter", Qt::Key_Return},
        {"Escape", Qt::Key_Escape}, {"Delete", Qt::Key_Delete}, {"Tab", Qt::Key_Tab},
        {"Space", Qt::Key_Space}, {"Shift+F1", Qt::Key_F1}};
    const auto found = keys.find(name);
    if (found == keys.end()) return problem(line, "unknown key " + name);
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window_.get();
    const Qt::KeyboardModifiers mods = name.starts_with("Shift+") ? Qt::ShiftModifier : Qt::NoModifier;
    QTest::keyClick(target, found->second, mods);
}

}  // namespace velmor::scenario
