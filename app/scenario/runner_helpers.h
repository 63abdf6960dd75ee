// Small readers of what a widget shows, shared by the runner's commands and expectations.
#pragma once

#include <QString>
#include <string>

class QWidget;

namespace velmor::scenario {

QWidget* topLevel(const QString& name);
std::string widgetText(QWidget* w);
std::string quote(const std::string& s);
std::string yesNo(bool b);
// Whether a text box shows the whole of its text: nothing scrolled out of view
// and no sibling lying over it.
bool textFullyVisible(QWidget* w);

}  // namespace velmor::scenario
