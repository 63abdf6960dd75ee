// Runs scenario files against the real main window on the current Qt platform.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include <Qt>

#include "app/scenario/scenario_platform.h"
#include "app/scenario/script.h"

class QWidget;

namespace velmor {
class Calculator;
class MainWindow;
}

namespace velmor::scenario {

class Runner {
public:
    Runner();
    ~Runner();

    // Runs one file from a fresh calculator; prints failures as FILE:LINE: ...
    void runFile(const std::string& path);
    int passed() const { return passed_; }
    int failed() const { return failed_; }

private:
    using Handler = std::function<void(const Line&)>;

    void registerCommands();
    void registerExpectations();
    void registerShownExpectations();
    void registerStateExpectations();
    void registerRecordExpectations();
    void registerLayoutExpectations();
    void restart();
    void settle();
    void closePopups();
    void execute(const Line& line);
    void expect(const Line& line);
    void check(const Line& line, bool ok, const std::string& expected, const std::string& got);
    void problem(const Line& line, const std::string& what);

    // Resolves `Name`, `Name(index)`, `frmAbout.Name`, `frmcalculator`, `frmAbout`.
    QWidget* widget(const std::string& ref) const;
    QWidget* needWidget(const Line& line, size_t token);
    const std::string& arg(const Line& line, size_t index) const;
    // The text of a word or string, or of `$NAME`: the value saved as NAME.
    std::optional<std::string> value(const Line& line, size_t index);
    static bool yes(const std::string& word);

    // The commands, one per scenario word (runner_commands.cpp).
    void clickEach(const Line& l);
    void rightClick(const Line& l);
    void middleClick(const Line& l);
    void setSelection(const Line& l);
    void doubleClick(const Line& l);
    void moveOver(const Line& l);
    void typeLine(const Line& l);
    void keyLine(const Line& l);
    void focusLine(const Line& l);
    void menuLine(const Line& l);
    void clipboardLine(const Line& l);
    void registryLine(const Line& l);
    void fileLine(const Line& l);
    void closeLine(const Line& l);
    void restartLine(const Line& l);
    void saveLine(const Line& l);

    void click(QWidget* w, Qt::MouseButton button, bool twice = false);
    void typeText(const std::string& text);
    void pressKey(const std::string& name, const Line& line);

    std::map<std::string, Handler> commands_;
    std::map<std::string, Handler> expectations_;
    std::string language_;  // of the installed catalogue, "" for English
    std::unique_ptr<ScenarioPlatform> platform_;
    std::unique_ptr<Calculator> calculator_;
    std::unique_ptr<MainWindow> window_;
    std::map<std::string, std::string> saved_;   // kept for the whole file, across restarts
    std::string selection_ = "selected text";     // the primary selection a middle click finds
    std::string file_;
    int passed_ = 0;
    int failed_ = 0;
};

}  // namespace velmor::scenario
