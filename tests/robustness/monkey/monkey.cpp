#include "robustness/monkey/monkey.h"

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>
#include <QWhatsThis>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <deque>
#include <iostream>
#include <memory>
#include <mutex>
#include <random>
#include <thread>

#ifdef VELMOR_SANITIZED
#include <sanitizer/common_interface_defs.h>
#endif

#include "app/ui/display_tail.h"
#include "help/help_state.h"
#include "robustness/monkey/actions.h"
#include "robustness/monkey/session.h"

namespace velmor::monkey {
namespace {

bool isUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toStdString() == text;
}

// Top-level windows the program may show, by what they are.
std::string kindOf(const QWidget* w, const QWidget* main) {
    if (w == main) return "main";
    if (w->objectName() == QLatin1String("frmAbout")) return "about";
    if (w->objectName() == QLatin1String("helpViewer")) return "viewer";
    if (w->inherits("QMessageBox")) return "message";
    if (w->inherits("QMenu")) return "menu";
    if (w->inherits("QWhatsThat")) return "popup-help";
    if (w->inherits("QTipLabel")) return "tooltip";
    return std::string("unexpected ") + w->metaObject()->className() + " " + w->objectName().toStdString();
}

// This thread's processor time in milliseconds: what a step spends itself, which
// other programs on a busy machine do not add to.
double threadProcessorMilliseconds() {
    timespec now{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1000 + static_cast<double>(now.tv_nsec) / 1e6;
}

class Driver;
Driver* runningDriver = nullptr;  // for the sanitizers' report, which ends the process

class Driver {
public:
    explicit Driver(const Options& options) : options_(options), rng_(options.seed) {
        stepTimer_.setSingleShot(true);
        QObject::connect(&stepTimer_, &QTimer::timeout, [this] { step(); });
    }
    Result run();
    void printRecent();

private:
    void step();
    void fail(const std::string& what);
    void remember(const std::string& what);
    std::optional<std::string> checkWindows() const;
    std::optional<std::string> checkState() const;
    void endSession();
    void watch();

    Options options_;
    std::mt19937_64 rng_;
    std::unique_ptr<Session> session_;
    QTimer stepTimer_;  // one step due at a time
    Result result_;
    int depth_ = 0;               // steps running: more than one while a nested event loop waits
    bool closeRequested_ = false;  // the main window was asked to close: the loop must end
    int stepsSinceClose_ = 0;
    bool finished_ = false;
    std::atomic<long> progress_{0};
    std::atomic<bool> done_{false};
    std::mutex recentLock_;
    std::deque<std::string> recent_;
};

void Driver::remember(const std::string& what) {
    const std::lock_guard<std::mutex> lock(recentLock_);
    recent_.push_back(what);
    if (recent_.size() > 25) recent_.pop_front();
}

void Driver::fail(const std::string& what) {
    if (result_.failure) return;
    result_.failure = what;
    QCoreApplication::exit(1);
}

std::optional<std::string> Driver::checkWindows() const {
    std::map<std::string, int> counts;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!w->isVisible()) continue;
        const std::string kind = kindOf(w, &session_->window);
        if (kind.starts_with("unexpected")) return kind + " window is open";
        ++counts[kind];
    }
    if (counts["main"] != 1 && !closeRequested_) return "the main window is not shown";
    for (const char* single : {"about", "viewer", "message", "popup-help"})
        if (counts[single] > 1) return std::to_string(counts[single]) + " windows of kind " + single + " are open";
    if (counts["menu"] > 2) return std::to_string(counts["menu"]) + " menus are open";
    return std::nullopt;
}

// The calculator and its window agree, between whole actions.
std::optional<std::string> Driver::checkState() const {
    const Calculator& calc = session_->calc;
    const Form& form = calc.form();
    if (calc.escapedFailures() != 0) return "a failure escaped a key action";
    if (!isUtf8(form.display.text())) return "the display text is not valid UTF-8";
    auto* display = static_cast<QLineEdit*>(session_->window.widgetFor(Ctl::Display));
    if (const QString shown = displayWidgetText(form.display.text()); display->text() != shown)
        return "the display widget shows " + std::to_string(display->text().size()) +
               " characters that are not the calculator's " + std::to_string(shown.size()) + " (" +
               display->text().left(20).toStdString() + " against " + shown.left(20).toStdString() + ")";
    const auto countChecked = [&](std::initializer_list<Ctl> group) {
        int checked = 0;
        for (Ctl c : group) checked += static_cast<QRadioButton*>(session_->window.widgetFor(c))->isChecked() ? 1 : 0;
        return checked;
    };
    const int bases = countChecked({baseOption(0), baseOption(1), baseOption(2), baseOption(3)});
    if (bases != 1) return std::to_string(bases) + " number bases are selected";
    const int units = countChecked({Ctl::Degrees, Ctl::Radians, Ctl::Grads});
    if (units != 1) return std::to_string(units) + " angle units are selected";
    bool aboutShown = false;
    for (QWidget* w : QApplication::topLevelWidgets())
        aboutShown = aboutShown || (w->isVisible() && w->objectName() == QLatin1String("frmAbout"));
    if (aboutShown != helpState(form).aboutOpen) return "the About dialog is shown but not open, or the reverse";
    if (session_->window.isEnabled() == helpState(form).aboutOpen) return "the main window is enabled while About is open, or the reverse";
    return std::nullopt;
}

void Driver::step() {
    if (result_.failure || finished_) return;
    // Events handled while a step delivers its input reach here too: only a
    // message box or pop-up menu waiting for the user lets a step run inside another.
    // Until then, look again shortly (a box may open later in the same step).
    if (depth_ > 0 && !QApplication::activeModalWidget() && !QApplication::activePopupWidget()) {
        stepTimer_.start(10);
        return;
    }
    if (closeRequested_) {
        // The event loop must end once the main window has closed: it can only when
        // the step that delivered the close has returned to it.
        if (depth_ > 0) return;
        if (++stepsSinceClose_ > 50) {
            std::string open;
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->isVisible()) open += " " + kindOf(w, &session_->window);
            fail("the program is still running after its main window closed; open:" + (open.empty() ? " nothing" : open));
        }
        else stepTimer_.start(0);
        return;
    }
    if (result_.steps >= options_.steps) {
        finished_ = true;
        QCoreApplication::exit(0);
        return;
    }
    // Like a window manager, give the focus back to the main window when no window has it.
    if (!QApplication::activeWindow() && session_->window.isVisible()) session_->window.activateWindow();
    // The next step is due before this one runs, so that it also runs while this
    // one waits in a message box or pop-up menu, as a user would go on clicking.
    stepTimer_.start(0);
    Action action = chooseAction(*session_, rng_);
    ++result_.steps;
    if (depth_ > 0) ++result_.nestedSteps;
    const std::string what = std::to_string(result_.steps) + (depth_ > 0 ? " (nested) " : " ") + action.description;
    remember(what);
    if (options_.verbose) std::cout << what << std::endl;
    closeRequested_ = closeRequested_ || action.closesMainWindow;
    ++depth_;
    const double started = threadProcessorMilliseconds();
    action.perform();
    --depth_;
    ++progress_;
    stepTimer_.start(0);  // again, if it fired while this step ran and was put off
    if (options_.verbose && depth_ == 0 && session_)
        std::cout << "    display: " << QString::fromStdString(session_->calc.form().display.text()).left(40).toStdString()
                  << std::endl;
    if (result_.failure) return;
    const double spent = threadProcessorMilliseconds() - started;
    if (spent > options_.stepLimitSeconds * 1000 && depth_ == 0)
        return fail("the window did not respond: the step spun " + std::to_string(static_cast<long>(spent)) +
                    " ms of processor time");
    if (auto broken = checkWindows()) return fail(*broken);
    if (depth_ == 0 && !closeRequested_)
        if (auto broken = checkState()) return fail(*broken);
}

// After the event loop ended: nothing may be left on the screen.
void Driver::endSession() {
    QWhatsThis::leaveWhatsThisMode();
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && !result_.failure && !finished_)
            fail("still open after the main window closed: " + kindOf(w, &session_->window));
    session_.reset();  // the window takes its About dialog with it, the platform its help viewer
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// What led here, for a report that ends the process (a hang, a sanitizer's finding).
void Driver::printRecent() {
    const std::lock_guard<std::mutex> lock(recentLock_);
    std::cout << "seed " << options_.seed << ", last steps:\n";
    for (const auto& r : recent_) std::cout << "  " << r << "\n";
    std::cout << "replay: monkey --seed " << options_.seed << " --verbose" << std::endl;
}

// A step that never returns cannot be caught by the loop itself. A step that
// waits for ever spends no processor time, so only the clock finds it; the limit
// is far beyond any step on a loaded machine.
void Driver::watch() {
    long seen = -1;
    int still = 0;
    while (!done_) {
        std::this_thread::sleep_for(std::chrono::milliseconds(250));
        const long now = progress_;
        still = now == seen ? still + 1 : 0;
        seen = now;
        if (still < options_.stepLimitSeconds * 4 * 6) continue;  // six times the step limit
        std::cout << "the window stopped responding\n";
        printRecent();
        std::_Exit(3);
    }
}

Result Driver::run() {
    runningDriver = this;
#ifdef VELMOR_SANITIZED
    __sanitizer_set_death_callback([] {
        if (runningDriver) runningDriver->printRecent();
    });
#endif
    std::thread watchdog([this] { watch(); });
    while (!result_.failure && !finished_) {
        session_ = std::make_unique<Session>();
        ++result_.sessions;
        closeRequested_ = false;
        stepsSinceClose_ = 0;
        stepTimer_.start(0);
        QApplication::exec();
        if (!result_.failure && !finished_ && !closeRequested_) fail("the program ended without its main window being closed");
        endSession();
    }
    done_ = true;
    watchdog.join();
    runningDriver = nullptr;
    const std::lock_guard<std::mutex> lock(recentLock_);
    result_.lastSteps.assign(recent_.begin(), recent_.end());
    return result_;
}

}  // namespace

Result run(const Options& options) {
    Driver driver(options);
    return driver.run();
}

}  // namespace velmor::monkey
