// The scenario expectations about layout: captions and option circles inside
// their controls, fonts shared by a row, pictures drawn at the screen's resolution.
#include <QAbstractButton>
#include <QLabel>
#include <QPixmap>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

#include "app/scenario/runner.h"
#include "app/scenario/runner_helpers.h"

namespace velmor::scenario {
namespace {

// The gap a label keeps from the next option's circle, and a key's caption from its edges.
constexpr int kLabelGap = 2;
constexpr int kKeyEdge = 3;

QRect indicatorOf(const QRadioButton* option) {
    QStyleOptionButton style;
    style.initFrom(option);
    return option->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &style, option);
}

// The option button nearest to the right on the same line, if any.
const QRadioButton* nextOption(const QRadioButton* option) {
    const QRadioButton* next = nullptr;
    for (const QObject* child : option->parentWidget()->children()) {
        const auto* other = qobject_cast<const QRadioButton*>(child);
        if (!other || other == option || other->x() <= option->x()) continue;
        if (other->geometry().bottom() < option->y() || other->y() > option->geometry().bottom()) continue;
        if (!next || other->x() < next->x()) next = other;
    }
    return next;
}

std::string optionProblem(const QRadioButton* option) {
    const QRect circle = indicatorOf(option);
    if (!option->rect().contains(circle)) return "circle cut by the button's edge";
    QStyleOptionButton style;
    style.initFrom(option);
    const QRect contents = option->style()->subElementRect(QStyle::SE_RadioButtonContents, &style, option);
    const int labelEnd = option->x() + contents.left() + option->fontMetrics().horizontalAdvance(option->text());
    if (const QRadioButton* next = nextOption(option)) {
        const int nextCircle = next->x() + indicatorOf(next).left();
        if (labelEnd + kLabelGap > nextCircle)
            return "label reaches to " + std::to_string(labelEnd) + ", next circle at " + std::to_string(nextCircle);
    }
    return {};
}

std::string keyProblem(const QAbstractButton* key) {
    const int width = key->fontMetrics().horizontalAdvance(key->text());
    if (width > key->width() - 2 * kKeyEdge)
        return "caption " + std::to_string(width) + " px wide in a key of " + std::to_string(key->width());
    return {};
}

// A label's whole text, wrapped where the label wraps, within its rectangle.
std::string labelProblem(const QLabel* label) {
    const int flags = int(label->alignment()) | (label->wordWrap() ? int(Qt::TextWordWrap) : 0);
    const QRect needed = label->fontMetrics().boundingRect(label->contentsRect(), flags, label->text());
    if (label->contentsRect().contains(needed)) return {};
    return "text needs " + std::to_string(needed.width()) + " x " + std::to_string(needed.height()) + " px in " +
           std::to_string(label->contentsRect().width()) + " x " + std::to_string(label->contentsRect().height());
}

std::string fontText(const QFont& font) {
    return font.family().toStdString() + " " + std::to_string(font.pointSizeF()) + " pt, stretch " +
           std::to_string(font.stretch());
}

}  // namespace

void Runner::registerLayoutExpectations() {
    // `expect fits C...`: each caption (and option circle) lies inside its control,
    // an option's label ends before the next option's circle, and a label's text
    // stays inside the label.
    expectations_["fits"] = [this](const Line& l) {
        for (size_t i = 2; i < l.tokens.size(); ++i) {
            QWidget* w = needWidget(l, i);
            std::string problem;
            if (const auto* option = qobject_cast<QRadioButton*>(w)) problem = optionProblem(option);
            else if (const auto* key = qobject_cast<QAbstractButton*>(w)) problem = keyProblem(key);
            else if (const auto* label = qobject_cast<QLabel*>(w)) problem = labelProblem(label);
            else if (w) problem = "not a key, option button or label";
            if (w) check(l, problem.empty(), arg(l, i) + " fits", problem);
        }
    };
    // `expect font-alike C...`: the controls' captions share one font.
    expectations_["font-alike"] = [this](const Line& l) {
        QWidget* first = needWidget(l, 2);
        for (size_t i = 3; first && i < l.tokens.size(); ++i) {
            QWidget* w = needWidget(l, i);
            if (w) check(l, w->font() == first->font(), arg(l, i) + " in " + fontText(first->font()), fontText(w->font()));
        }
    };
    // `expect font-at-least N C...`: the captions are at least N points.
    expectations_["font-at-least"] = [this](const Line& l) {
        const double least = std::atof(arg(l, 2).c_str());
        for (size_t i = 3; i < l.tokens.size(); ++i) {
            QWidget* w = needWidget(l, i);
            if (w) check(l, w->font().pointSizeF() >= least, arg(l, i) + " at least " + arg(l, 2) + " pt", fontText(w->font()));
        }
    };
    // `expect sharp C`: the picture is drawn for the screen's pixel ratio, not scaled up.
    expectations_["sharp"] = [this](const Line& l) {
        const auto* label = qobject_cast<QLabel*>(needWidget(l, 2));
        if (!label) return problem(l, arg(l, 2) + " shows no picture");
        const QPixmap picture = label->pixmap();
        const bool sharp = !picture.isNull() && picture.devicePixelRatio() >= label->devicePixelRatioF();
        check(l, sharp, "picture at pixel ratio " + std::to_string(label->devicePixelRatioF()),
              "pixel ratio " + std::to_string(picture.devicePixelRatio()));
    };
}

}  // namespace velmor::scenario
