#include "app/scenario/runner_helpers.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
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

namespace {

// Where a line edit draws its text, in its parent's coordinates. The line edit
// keeps a margin of 2 pixels inside its contents rectangle on each side.
QRect lineEditTextRect(const QLineEdit* edit) {
    constexpr int kInnerMargin = 2;
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit) : 0;
    QRect area = edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
    area = area.marginsRemoved(edit->textMargins()).adjusted(kInnerMargin, 0, -kInnerMargin, 0);
    const int width = edit->fontMetrics().horizontalAdvance(edit->text());
    const bool right = edit->alignment() & Qt::AlignRight;
    QRect text(right ? area.right() - width + 1 : area.left(), area.top(), width, area.height());
    if (width > area.width()) text = QRect();  // scrolled: part of it is out of view
    return text.translated(edit->pos());
}

}  // namespace

bool textFullyVisible(QWidget* w) {
    auto* edit = qobject_cast<QLineEdit*>(w);
    if (!edit || !edit->isVisible()) return false;
    const QRect text = lineEditTextRect(edit);
    if (text.isNull()) return false;
    // Siblings created later lie above it unless raised or lowered otherwise.
    const QObjectList& siblings = edit->parentWidget()->children();
    for (qsizetype i = siblings.indexOf(edit) + 1; i < siblings.size(); ++i) {
        auto* sibling = qobject_cast<QWidget*>(siblings[i]);
        if (sibling && sibling->isVisible() && sibling->geometry().intersects(text)) return false;
    }
    return true;
}

}  // namespace velmor::scenario
