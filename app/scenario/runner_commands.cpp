// The scenario commands that act on the window: clicks, keys, menus, clipboard,
// registry and files.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMouseEvent>
#include <cstdlib>
#include <sstream>

#include "app/core/calculator.h"
#include "app/scenario/runner.h"
#include "app/scenario/runner_helpers.h"
#include "app/ui/main_window.h"

namespace velmor::scenario {
namespace {

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

}  // namespace

void Runner::registerCommands() {
    // `click A B C` clicks each control in turn, so a key sequence reads as one line.
    commands_["click"] = [this](const Line& l) {
        for (size_t i = 1; i < l.tokens.size(); ++i) {
            click(needWidget(l, i), Qt::LeftButton);
            settle();
        }
    };
    commands_["rightclick"] = [this](const Line& l) { click(needWidget(l, 1), Qt::RightButton); };
    // Another program holds the primary selection, as on an X11 desktop (where the
    // platform has one): a text box that pastes it on the middle button shows it.
    commands_["middleclick"] = [this](const Line& l) {
        QClipboard* clipboard = QGuiApplication::clipboard();
        if (clipboard->supportsSelection()) clipboard->setText(QString::fromStdString(selection_), QClipboard::Selection);
        click(needWidget(l, 1), Qt::MiddleButton);
    };
    commands_["selection"] = [this](const Line& l) { selection_ = arg(l, 1); };
    commands_["doubleclick"] = [this](const Line& l) { click(needWidget(l, 1), Qt::LeftButton, true); };
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
        // The widgets' own paste reads the desktop's clipboard: it holds the same text.
        QGuiApplication::clipboard()->setText(QString::fromStdString(text));
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
    commands_["save"] = [this](const Line& l) {
        if (arg(l, 1).empty()) return problem(l, "save needs a name");
        saved_[arg(l, 1)] = widgetText(widget("Text1"));
    };
    commands_["expect"] = [this](const Line& l) { expect(l); };

}

}  // namespace velmor::scenario
