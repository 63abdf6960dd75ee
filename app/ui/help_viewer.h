// The help window of "HelpTopics": the contents page and the topics it links
// to, read from the help file each time a page is shown. A window of its own,
// not a child of the main window, so the About dialog (which disables the
// main window) leaves it usable; Escape and Ctrl+W close it. It goes back and
// forward through the pages shown, as desktop help viewers do: Alt+Left and
// Alt+Right, the mouse's back and forward buttons, and Backspace for back.
#pragma once

#include <QWidget>
#include <cstddef>
#include <string>
#include <vector>

#include "help/help_file.h"

class QTextBrowser;
class QUrl;

namespace velmor {

class HelpViewer : public QWidget {
    Q_OBJECT
public:
    HelpViewer();

    // Shows the topic as a new page: the pages after the current one are forgotten.
    void showTopic(const std::string& path, TopicKind kind, int topic);
    void back() { turnTo(current_ - 1); }
    void forward() { turnTo(current_ + 1); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Page {
        TopicKind kind;
        int topic;
    };
    void followLink(const QUrl& link);
    void addKeys();
    void turnTo(std::ptrdiff_t page);
    void render();

    QTextBrowser* browser_;
    std::string path_;
    std::vector<Page> pages_;  // every page shown since the window was made, oldest first
    std::ptrdiff_t current_ = -1;
};

}  // namespace velmor
