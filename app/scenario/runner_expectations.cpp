// The scenario expectations: what the window, the clipboard, the message boxes
// and the help show.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <algorithm>

#include "app/core/calculator.h"
#include "app/scenario/arguments.h"
#include "app/scenario/runner.h"
#include "app/scenario/runner_helpers.h"
#include "app/scenario/shown_language.h"
#include "app/ui/main_window.h"

namespace velmor::scenario {
namespace {

// Sizes, lengths and topic numbers in expectations.
constexpr std::uint64_t kLargestNumber = 0xFFFFFFFFu;

}  // namespace

void Runner::registerExpectations() {
    registerShownExpectations();
    registerStateExpectations();
    registerRecordExpectations();
    registerLayoutExpectations();
}

// What the display and the captions show, and the window's size.
void Runner::registerShownExpectations() {
    expectations_["display"] = [this](const Line& l) {
        const auto wanted = value(l, 2);
        if (!wanted) return;
        const std::string want = shownAs(*wanted, {"Display"});
        const std::string got = widgetText(widget("Text1"));
        check(l, got == want, "display " + quote(want), quote(got));
    };
    const auto textOf = [this](const Line& l) {
        QWidget* w = needWidget(l, 2);
        if (!w) return;
        const std::string got = widgetText(w);
        const std::string want = shownAs(arg(l, 3), contextsOf(arg(l, 2)));
        check(l, got == want, l.tokens[1].text + " of " + arg(l, 2) + " " + quote(want), quote(got));
    };
    expectations_["text"] = textOf;
    expectations_["caption"] = textOf;
    expectations_["display-length"] = [this](const Line& l) {
        std::string why;
        if (!wholeNumber(arg(l, 2), kLargestNumber, why)) return problem(l, "display-length " + why);
        // The calculator's whole text: the display widget shows only the end of a long one.
        const std::string got = std::to_string(window_->calculator().form().display.text().size());
        check(l, got == arg(l, 2), "display-length " + arg(l, 2), got);
    };
    expectations_["text-visible"] = [this](const Line& l) {
        QWidget* w = needWidget(l, 2);
        if (!w) return;
        const bool got = textFullyVisible(w);
        check(l, got == yes(arg(l, 3)), "text-visible " + arg(l, 2) + " " + arg(l, 3), yesNo(got));
    };
    expectations_["client-size"] = [this](const Line& l) {
        std::string why;
        if (!wholeNumber(arg(l, 2), kLargestNumber, why) || !wholeNumber(arg(l, 3), kLargestNumber, why))
            return problem(l, "client-size " + why);
        const QSize size = window_->centralWidget()->size();
        const std::string got = std::to_string(size.width()) + " " + std::to_string(size.height());
        check(l, got == arg(l, 2) + " " + arg(l, 3), "client-size " + arg(l, 2) + " " + arg(l, 3), got);
    };
}

// Enabled, visible, selected and checked states, the focus, the open dialog.
void Runner::registerStateExpectations() {
    const auto flag = [this](const char* what, bool (*read)(QWidget*)) {
        return [this, what, read](const Line& l) {
            std::string why;
            const auto want = yesOrNo(arg(l, 3), why);
            if (!want) return problem(l, why);
            QWidget* w = needWidget(l, 2);
            if (!w) return;
            const bool got = read(w);
            check(l, got == *want, std::string(what) + " " + arg(l, 2) + " " + arg(l, 3), yesNo(got));
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
        std::string why;
        const auto want = yesOrNo(arg(l, 3), why);
        if (!want) return problem(l, why);
        const bool got = window_->actionFor(*item)->isChecked();
        check(l, got == *want, "checked " + arg(l, 2) + " " + arg(l, 3), yesNo(got));
    };
    expectations_["focus"] = [this](const Line& l) {
        QWidget* w = needWidget(l, 2);
        if (!w) return;
        QWidget* focused = QApplication::focusWidget();
        check(l, focused == w, "focus " + arg(l, 2),
              focused ? focused->objectName().toStdString() : std::string("<none>"));
    };
    // A pop-up menu of a widget's own (the "What is this?" menu is the platform's
    // and is only counted); the check closes it, as a click elsewhere would.
    expectations_["popup"] = [this](const Line& l) {
        QWidget* popup = QApplication::activePopupWidget();
        const bool got = popup != nullptr;
        const std::string name = popup ? popup->metaObject()->className() : "";
        closePopups();
        check(l, got == yes(arg(l, 2)), "popup " + arg(l, 2), got ? "a " + name : "none");
    };
    expectations_["open"] = [this](const Line& l) {
        std::string why;
        const auto want = yesOrNo(arg(l, 3), why);
        if (!want) return problem(l, why);
        const bool got = topLevel(QString::fromStdString(arg(l, 2))) != nullptr;
        check(l, got == *want, "open " + arg(l, 2) + " " + arg(l, 3), yesNo(got));
    };
}

// What the platform recorded: clipboard, message boxes, help, started programs.
void Runner::registerRecordExpectations() {
    expectations_["clipboard"] = [this](const Line& l) {
        const std::string got = platform_->clipboard.value_or("<unavailable>");
        check(l, got == arg(l, 2), "clipboard " + quote(arg(l, 2)), quote(got));
    };
    expectations_["message"] = [this](const Line& l) {
        auto& p = *platform_;
        if (l.tokens.size() > 3 && arg(l, 3) != "information" && arg(l, 3) != "none")
            return problem(l, "expected the icon information or none, got \"" + arg(l, 3) + "\"");
        if (p.messagesChecked >= p.messages.size()) return check(l, false, "message " + quote(arg(l, 2)), "no message");
        const Message& m = p.messages[p.messagesChecked++];
        const std::string want = shownAs(arg(l, 2), {"Message"});
        bool ok = m.text == want;
        std::string got = quote(m.text);
        if (l.tokens.size() > 3) {
            const bool info = m.icon == MsgIcon::Information;
            ok = ok && (arg(l, 3) == "information") == info;
            got += info ? " information" : " no-icon";
        }
        check(l, ok, "message " + quote(want) + (l.tokens.size() > 3 ? " " + arg(l, 3) : ""), got);
    };
    // Whether an option button looked selected while the message box checked last was up.
    expectations_["message-selected"] = [this](const Line& l) {
        auto& p = *platform_;
        if (p.messagesChecked == 0) return problem(l, "no message checked yet");
        const auto& shown = p.messages[p.messagesChecked - 1].selectedOptions;
        const bool got = shown.count(arg(l, 2)) != 0;
        check(l, got == yes(arg(l, 3)), "message-selected " + arg(l, 2) + " " + arg(l, 3), yesNo(got));
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
            std::string why;
            if (!wholeNumber(arg(l, 2), kLargestNumber, why)) return problem(l, "help topic " + why);
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
}

}  // namespace velmor::scenario
