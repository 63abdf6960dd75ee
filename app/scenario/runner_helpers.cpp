#include "app/scenario/runner_helpers.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QVariant>
#include <QWidget>

namespace velmor::scenario {

QWidget* topLevel(const QString& name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible()) return w;
    return nullptr;
}

std::string widgetText(QWidget* w) {
    if (!w) return "<none>";
    if (auto* edit = qobject_cast<QLineEdit*>(w)) return edit->text().toStdString();
    if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->text().toStdString();
    if (w->isWindow()) return w->windowTitle().toStdString();
    if (auto text = w->property("text"); text.isValid()) return text.toString().toStdString();
    return "";
}

std::string quote(const std::string& s) {
    std::string out = "\"";
    for (char c : s) {
        if (c == '\n') out += "\\n";
        else if (c == '\r') out += "\\r";
        else if (c == '\t') out += "\\t";
        else if (c == '"' || c == '\\') { out += '\\'; out += c; }
        else out += c;
    }
    return out + "\"";
}

std::string yesNo(bool b) { return b ? "yes" : "no"; }

}  // namespace velmor::scenario
