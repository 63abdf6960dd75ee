// The scenario commands that act on the window: clicks, keys, menus, clipboard,
// registry and files. Each command is one row of the table in registerCommands.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMouseEvent>
#include <cstdint>
#include <utility>

#include "app/core/calculator.h"
#include "app/scenario/arguments.h"
#include "app/scenario/runner.h"
#include "app/scenario/runner_helpers.h"
#include "app/scenario/shown_language.h"
#include "app/ui/main_window.h"

namespace velmor::scenario {
namespace {

constexpr std::uint64_t kLongestPaste = 64u << 20;

// The value a `registry KEY NAME TYPE DATA` line stores; nothing (and `why`)
// for an unknown type or data that does not fit it.
std::optional<MemoryRegistryValue> registryValue(const std::string& type, const std::string& data, std::string& why) {
    MemoryRegistryValue value;
    if (type == "string" || type == "string-unterminated") {
        value.type = kRegString;
        value.bytes.assign(data.begin(), data.end());
        if (type == "string") value.bytes.push_back(0);
    } else if (type == "number") {
        value.type = kRegNumber;
        const auto n = wholeNumber(data, 0xFFFFFFFFu, why);
        if (!n) return why = "registry number " + why, std::nullopt;
        for (int i = 0; i < 4; ++i) value.bytes.push_back(static_cast<std::uint8_t>(*n >> (8 * i)));
    } else if (type == "binary") {
        value.type = kRegBinary;
        auto bytes = hexPairs(data, why);
        if (!bytes) return why = "registry binary " + why, std::nullopt;
        value.bytes = std::move(*bytes);
    } else {
        return why = "unknown registry type " + type, std::nullopt;
    }
    return value;
}

}  // namespace

void Runner::registerCommands() {
    static constexpr std::pair<const char*, void (Runner::*)(const Line&)> kCommands[] = {
        {"click", &Runner::clickEach},
        {"rightclick", &Runner::rightClick},
        {"middleclick", &Runner::middleClick},
        {"selection", &Runner::setSelection},
        {"doubleclick", &Runner::doubleClick},
        {"move", &Runner::moveOver},
        {"type", &Runner::typeLine},
        {"key", &Runner::keyLine},
        {"focus", &Runner::focusLine},
        {"menu", &Runner::menuLine},
        {"clipboard", &Runner::clipboardLine},
        {"registry", &Runner::registryLine},
        {"file", &Runner::fileLine},
        {"close", &Runner::closeLine},
        {"restart", &Runner::restartLine},
        {"save", &Runner::saveLine},
        {"expect", &Runner::expect},
    };
    for (const auto& [name, run] : kCommands) commands_[name] = [this, run](const Line& l) { (this->*run)(l); };
}

// `click A B C` clicks each control in turn, so a key sequence reads as one line.
void Runner::clickEach(const Line& l) {
    for (size_t i = 1; i < l.tokens.size(); ++i) {
        click(needWidget(l, i), Qt::LeftButton);
        settle();
    }
}

void Runner::rightClick(const Line& l) { click(needWidget(l, 1), Qt::RightButton); }

// Another program holds the primary selection, as on an X11 desktop (where the
// platform has one): a text box that pastes it on the middle button shows it.
void Runner::middleClick(const Line& l) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard->supportsSelection()) clipboard->setText(QString::fromStdString(selection_), QClipboard::Selection);
    click(needWidget(l, 1), Qt::MiddleButton);
}

void Runner::setSelection(const Line& l) { selection_ = arg(l, 1); }

void Runner::doubleClick(const Line& l) { click(needWidget(l, 1), Qt::LeftButton, true); }

void Runner::moveOver(const Line& l) {
    std::string why;
    const auto buttons = mouseButtons(arg(l, 2), why);
    if (!buttons) return problem(l, why);
    QWidget* w = needWidget(l, 1);
    if (!w || !w->isVisible()) return;
    const QPointF at = QRectF(w->rect()).center();
    QMouseEvent move(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::MouseButtons(*buttons),
                     Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}

void Runner::typeLine(const Line& l) { typeText(arg(l, 1)); }

void Runner::keyLine(const Line& l) { pressKey(arg(l, 1), l); }

void Runner::focusLine(const Line& l) {
    if (QWidget* w = needWidget(l, 1)) w->setFocus(Qt::OtherFocusReason);
}

void Runner::menuLine(const Line& l) {
    const auto item = menuByName(arg(l, 1));
    if (!item) return problem(l, "unknown menu item " + arg(l, 1));
    window_->actionFor(*item)->trigger();
}

void Runner::clipboardLine(const Line& l) {
    const Token& t = l.tokens.size() > 1 ? l.tokens[1] : Token{};
    if (!t.quoted && t.text == "locked") return platform_->clipboard.reset();
    // `clipboard "TEXT" * N` puts the text N times over, for pastes too long to write out.
    // A text the display shows (a result, an error) is pasted in the window's language.
    std::string text = shownAs(t.text, {"Display"});
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
}

void Runner::registryLine(const Line& l) {
    std::string why;
    const auto value = registryValue(arg(l, 3), arg(l, 4), why);
    if (!value) return problem(l, why);
    platform_->registry[arg(l, 1)][arg(l, 2)] = *value;
}

void Runner::fileLine(const Line& l) { platform_->files.insert(arg(l, 1)); }

// The window's close box.
void Runner::closeLine(const Line& l) {
    if (QWidget* w = needWidget(l, 1)) w->close();
}

void Runner::restartLine(const Line&) { restart(); }

void Runner::saveLine(const Line& l) {
    if (arg(l, 1).empty()) return problem(l, "save needs a name");
    saved_[arg(l, 1)] = widgetText(widget("Text1"));
}

}  // namespace velmor::scenario
