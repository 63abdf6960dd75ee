// The scenario commands that act on the window: clicks, keys, menus, clipboard,
// registry and files.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMouseEvent>
#include <cstdint>

#include "app/core/calculator.h"
#include "app/scenario/arguments.h"
#include "app/scenario/runner.h"
#include "app/scenario/runner_helpers.h"
#include "app/ui/main_window.h"

namespace velmor::scenario {
namespace {

constexpr std::uint64_t kLongestPaste = 64u << 20;

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
        std::string why;
        const auto buttons = mouseButtons(arg(l, 2), why);
        if (!buttons) return problem(l, why);
        QWidget* w = needWidget(l, 1);
        if (!w || !w->isVisible()) return;
        const QPointF at = QRectF(w->rect()).center();
        QMouseEvent move(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::MouseButtons(*buttons),
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
        if (l.tokens.size() > 2) {
            if (l.tokens.size() != 4 || arg(l, 2) != "*") return problem(l, "expected clipboard \"TEXT\" * N");
            std::string why;
            const auto times = wholeNumber(arg(l, 3), kLongestPaste, why);
            if (!times) return problem(l, "clipboard repeat count " + why);
            if (*times * t.text.size() > kLongestPaste) return problem(l, "clipboard text longer than 64 MB");
            text.clear();
            for (std::uint64_t i = 0; i < *times; ++i) text += t.text;
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
            std::string why;
            const auto n = wholeNumber(data, 0xFFFFFFFFu, why);
            if (!n) return problem(l, "registry number " + why);
            for (int i = 0; i < 4; ++i) value.bytes.push_back(static_cast<std::uint8_t>(*n >> (8 * i)));
        } else if (type == "binary") {
            value.type = 3;
            std::string why;
            auto bytes = hexPairs(data, why);
            if (!bytes) return problem(l, "registry binary " + why);
            value.bytes = std::move(*bytes);
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
