// The help window of "HelpTopics": the contents page and the topics it links
// to, read from the help file each time a page is shown.
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
    explicit HelpViewer(QWidget* parent);

    void showTopic(const std::string& path, TopicKind kind, int topic);

private:
    void followLink(const QUrl& link);

    QTextBrowser* browser_;
    std::string path_;
};

}  // namespace velmor
