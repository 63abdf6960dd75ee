#include "app/scenario/runner.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
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

QWidget* topLevel(const QString& name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible()) return w;
    return nullptr;
}

std::string widgetText(QWidget* w) {
    if (!w) return "<none>";
    if (auto* edit = qobject_cast<QLineEdit*>(w)) return edit->text().toStdString();
    if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->text().toStdString();
    if (w->isWindow()) return w->windowTitle().toStdString();
    if (auto text = w->property("text"); text.isValid()) return text.toString().toStdString();
    return "";
}

std::string quote(const std::string& s) {
    std::string out = "\"";
    for (char c : s) {
        if (c == '\n') out += "\\n";
        else if (c == '\r') out += "\\r";
        else if (c == '\t') out += "\\t";
        else if (c == '"' || c == '\\') { out += '\\'; out += c; }
        else out += c;
    }
    return out + "\"";
}

std::string yesNo(bool b) { return b ? "yes" : "no"; }

Qt::MouseButtons parseButtons(const std::string& words) {
    Qt::MouseButtons buttons;
    std::stringstream in(words);
    std::string part;
    while (std::getline(in, part, '+')) {
        if (part == "left") buttons |= Qt::LeftButton;
        if (part == "right") buttons |= Qt::RightButton;
        if (part == "middle") buttons |= Qt::MiddleButton;
    }
    return buttons;
}

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
    // `click A B C` clicks each control in turn, so a key sequence reads as one line.
    commands_["click"] = [this](const Line& l) {
        for (size_t i = 1; i < l.tokens.size(); ++i) {
            click(needWidget(l, i), Qt::LeftButton);
            settle();
        }
    };
    commands_["rightclick"] = [this](const Line& l) { click(needWidget(l, 1), Qt::RightButton); };
    commands_["middleclick"] = [this](const Line& l) { click(needWidget(l, 1), Qt::MiddleButton); };
    commands_["move"] = [this](const Line& l) {
        QWidget* w = needWidget(l, 1);
        if (!w || !w->isVisible()) return;
        const QPointF at = QRectF(w->rect()).center();
        QMouseEvent move(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, parseButtons(arg(l, 2)),
                         Qt::NoModifier);
        QApplication::sendEvent(w, &move);
    };
    commands_["type"] = [this](const Line& l) { typeText(arg(l, 1)); };
    commands_["key"] = [this](const Line& l) { pressKey(arg(l, 1), l); };
    commands_["focus"] = [this](const Line& l) {
        if (QWidget* w = needWidget(l, 1)) w->setFocus(Qt::OtherFocusReason);
    };
    commands_["menu"] = [this](const Line& l) {
        const auto item = menuByName(arg(l, 1));
        if (!item) return problem(l, "unknown menu item " + arg(l, 1));
        window_->actionFor(*item)->trigger();
    };
    commands_["clipboard"] = [this](const Line& l) {
        const Token& t = l.tokens.size() > 1 ? l.tokens[1] : Token{};
        if (!t.quoted && t.text == "locked") return platform_->clipboard.reset();
        // `clipboard "TEXT" * N` puts the text N times over, for pastes too long to write out.
        std::string text = t.text;
        if (arg(l, 2) == "*") {
            const long times = std::strtol(arg(l, 3).c_str(), nullptr, 10);
            text.clear();
            for (long i = 0; i < times && text.size() < (64u << 20); ++i) text += t.text;
        }
        platform_->clipboard = text;
    };
    commands_["registry"] = [this](const Line& l) {
        FakeRegistryValue value;
        const std::string& type = arg(l, 3);
        const std::string& data = arg(l, 4);
        if (type == "string" || type == "string-unterminated") {
            value.type = 1;
            value.bytes.assign(data.begin(), data.end());
            if (type == "string") value.bytes.push_back(0);
        } else if (type == "number") {
            value.type = 4;
            const std::uint32_t n = static_cast<std::uint32_t>(std::stoul(data.empty() ? "0" : data));
            for (int i = 0; i < 4; ++i) value.bytes.push_back(static_cast<std::uint8_t>(n >> (8 * i)));
        } else if (type == "binary") {
            value.type = 3;
            for (size_t i = 0; i + 1 < data.size(); i += 2)
                value.bytes.push_back(static_cast<std::uint8_t>(std::stoul(data.substr(i, 2), nullptr, 16)));
        } else {
            return problem(l, "unknown registry type " + type);
        }
        platform_->registry[arg(l, 1)][arg(l, 2)] = value;
    };
    commands_["file"] = [this](const Line& l) { platform_->files.insert(arg(l, 1)); };
    commands_["close"] = [this](const Line& l) {  // the window's close box
        if (QWidget* w = needWidget(l, 1)) w->close();
    };
    commands_["restart"] = [this](const Line&) { restart(); };
    commands_["save"] = [this](const Line& l) { saved_[arg(l, 1)] = widgetText(widget("Text1")); };
    commands_["expect"] = [this](const Line& l) { expect(l); };

    expectations_["display"] = [this](const Line& l) {
        const Token& t = l.tokens.size() > 2 ? l.tokens[2] : Token{};
        const std::string want = (!t.quoted && t.text.starts_with("$")) ? saved_[t.text.substr(1)] : t.text;
        const std::string got = widgetText(widget("Text1"));
        check(l, got == want, "display " + quote(want), quote(got));
    };
    const auto textOf = [this](const Line& l) {
        QWidget* w = needWidget(l, 2);
        const std::string got = widgetText(w);
        check(l, w && got == arg(l, 3), l.tokens[1].text + " of " + arg(l, 2) + " " + quote(arg(l, 3)), quote(got));
    };
    expectations_["text"] = textOf;
    expectations_["caption"] = textOf;
    const auto flag = [this](const char* what, bool (*read)(QWidget*)) {
        return [this, what, read](const Line& l) {
            QWidget* w = needWidget(l, 2);
            if (!w) return;
            const bool got = read(w);
            check(l, got == yes(arg(l, 3)), std::string(what) + " " + arg(l, 2) + " " + arg(l, 3), yesNo(got));
        };
    };
    expectations_["enabled"] = flag("enabled", [](QWidget* w) { return w->isEnabled(); });
    expectations_["visible"] = flag("visible", [](QWidget* w) { return w->isVisible(); });
    expectations_["selected"] = flag("selected", [](QWidget* w) {
        auto* b = qobject_cast<QAbstractButton*>(w);
        return b && b->isChecked();
    });
    expectations_["checked"] = [this](const Line& l) {
        const auto item = menuByName(arg(l, 2));
        if (!item) return problem(l, "unknown menu item " + arg(l, 2));
        const bool got = window_->actionFor(*item)->isChecked();
        check(l, got == yes(arg(l, 3)), "checked " + arg(l, 2) + " " + arg(l, 3), yesNo(got));
    };
    expectations_["focus"] = [this](const Line& l) {
        QWidget* w = needWidget(l, 2);
        QWidget* focused = QApplication::focusWidget();
        check(l, w && focused == w, "focus " + arg(l, 2),
              focused ? focused->objectName().toStdString() : std::string("<none>"));
    };
    expectations_["clipboard"] = [this](const Line& l) {
        const std::string got = platform_->clipboard.value_or("<unavailable>");
        check(l, got == arg(l, 2), "clipboard " + quote(arg(l, 2)), quote(got));
    };
    expectations_["open"] = [this](const Line& l) {
        const bool got = topLevel(QString::fromStdString(arg(l, 2))) != nullptr;
        check(l, got == yes(arg(l, 3)), "open " + arg(l, 2) + " " + arg(l, 3), yesNo(got));
    };
    expectations_["message"] = [this](const Line& l) {
        auto& p = *platform_;
        if (p.messagesChecked >= p.messages.size()) return check(l, false, "message " + quote(arg(l, 2)), "no message");
        const Message& m = p.messages[p.messagesChecked++];
        bool ok = m.text == arg(l, 2);
        std::string got = quote(m.text);
        if (l.tokens.size() > 3) {
            const bool info = m.icon == MsgIcon::Information;
            ok = ok && (arg(l, 3) == "information") == info;
            got += info ? " information" : " no-icon";
        }
        check(l, ok, "message " + quote(arg(l, 2)) + (l.tokens.size() > 3 ? " " + arg(l, 3) : ""), got);
    };
    expectations_["any-message"] = [this](const Line& l) {
        auto& p = *platform_;
        const bool any = p.messagesChecked < p.messages.size();
        p.messagesChecked = p.messages.size();
        check(l, any, "a message box", "none");
    };
    expectations_["no-message"] = [this](const Line& l) {
        auto& p = *platform_;
        const bool none = p.messagesChecked >= p.messages.size();
        const std::string got = none ? "" : quote(p.messages[p.messagesChecked].text);
        p.messagesChecked = p.messages.size();
        check(l, none, "no message box", "message " + got);
    };
    const auto helpCheck = [this](bool viewer) {
        return [this, viewer](const Line& l) {
            auto& p = *platform_;
            int last = -1;
            for (size_t i = p.helpChecked; i < p.help.size(); ++i)
                if (p.help[i].viewer == viewer) last = p.help[i].topic;
            p.helpChecked = p.help.size();
            const std::string want = arg(l, 2);
            check(l, last >= 0 && std::to_string(last) == want,
                  (viewer ? "help viewer at topic " : "pop-up help topic ") + want,
                  last < 0 ? "none" : std::to_string(last));
        };
    };
    expectations_["help"] = helpCheck(false);
    expectations_["helpfile"] = helpCheck(true);
    expectations_["no-help"] = [this](const Line& l) {
        auto& p = *platform_;
        const bool none = p.helpChecked >= p.help.size();
        const std::string got = none ? "" : std::to_string(p.help.back().topic);
        p.helpChecked = p.help.size();
        check(l, none, "no help", "topic " + got);
    };
    expectations_["started"] = [this](const Line& l) {
        const auto& s = platform_->started;
        const bool ok = std::find(s.begin(), s.end(), arg(l, 2)) != s.end();
        check(l, ok, "started " + quote(arg(l, 2)), s.empty() ? "nothing started" : quote(s.back()));
    };
    expectations_["display-length"] = [this](const Line& l) {
        const std::string got = std::to_string(widgetText(widget("Text1")).size());
        check(l, got == arg(l, 2), "display-length " + arg(l, 2), got);
    };
    expectations_["client-size"] = [this](const Line& l) {
        const QSize size = window_->centralWidget()->size();
        const std::string got = std::to_string(size.width()) + " " + std::to_string(size.height());
        check(l, got == arg(l, 2) + " " + arg(l, 3), "client-size " + arg(l, 2) + " " + arg(l, 3), got);
    };
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
