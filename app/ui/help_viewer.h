// The help window of "HelpTopics": the contents page and the topics it links
// to, read from the help file each time a page is shown. A window of its own,
// not a child of the main window, so the About dialog (which disables the
// main window) leaves it usable; Escape and Ctrl+W close it.
#pragma once

#include <QWidget>
#include <string>

#include "help/help_file.h"

class QTextBrowser;
class QUrl;

namespace velmor {

class HelpViewer : public QWidget {
    Q_OBJECT
public:
    HelpViewer();

    void showTopic(const std::string& path, TopicKind kind, int topic);

private:
    void followLink(const QUrl& link);

    QTextBrowser* browser_;
    std::string path_;
};

}  // namespace velmor
