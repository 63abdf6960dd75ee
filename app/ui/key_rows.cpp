#include "app/ui/key_rows.h"

#include <QAbstractButton>
#include <QStyle>
#include <algorithm>

#include "app/ui/key_captions.h"
#include "app/ui/key_fonts.h"

namespace velmor {
namespace {

// Pixels an option's label keeps clear of the next option's circle.
constexpr int kLabelGap = 3;

// The room for each label of a row of option buttons: from beside its circle
// to the button's right edge or, nearer, the next button of the row.
QList<int> labelRooms(const QList<QAbstractButton*>& options) {
    QList<int> rooms;
    for (const QAbstractButton* option : options) {
        int right = option->x() + option->width();
        for (const QAbstractButton* other : options)
            if (other->x() > option->x()) right = std::min(right, other->x() - kLabelGap);
        const QStyle* style = option->style();
        const int label = style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, option) +
                          style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, option);
        rooms.append(right - option->x() - label);
    }
    return rooms;
}

}  // namespace

void KeyRows::add(const ControlRow& control, QAbstractButton* key) {
    for (size_t i = 0; i < rows_.size(); ++i) {
        Row& row = rows_[i];
        if (row.kind == control.kind && row.parent == control.parent && row.top == control.top && row.font == control.font) {
            row.keys.append(key);
            rowOf_[toInt(control.id)] = static_cast<int>(i);
            return;
        }
    }
    rows_.push_back(Row{control.kind, control.parent, control.top, control.font, {key}});
    rowOf_[toInt(control.id)] = static_cast<int>(rows_.size() - 1);
}

void KeyRows::fitAll() const {
    for (const Row& row : rows_) fit(row);
}

void KeyRows::fitRowOf(Ctl control) const {
    const int row = rowOf_[toInt(control)];
    if (row >= 0) fit(rows_[static_cast<size_t>(row)]);
}

void KeyRows::fit(const Row& row) const {
    if (row.kind == Kind::Option) fitCaptions(row.keys, labelRooms(row.keys), fontFor(row.font));
    else fitKeyRow(row.keys, fontFor(row.font));
}

}  // namespace velmor
