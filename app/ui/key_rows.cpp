#include "app/ui/key_rows.h"

#include "app/ui/key_captions.h"
#include "app/ui/key_fonts.h"

namespace velmor {

void KeyRows::add(const ControlSpec& spec, QAbstractButton* key) {
    for (size_t i = 0; i < rows_.size(); ++i) {
        Row& row = rows_[i];
        if (row.parent == spec.parent && row.top == spec.top && row.font == spec.font) {
            row.keys.append(key);
            rowOf_[toInt(spec.id)] = static_cast<int>(i);
            return;
        }
    }
    rows_.push_back(Row{spec.parent, spec.top, spec.font, {key}});
    rowOf_[toInt(spec.id)] = static_cast<int>(rows_.size() - 1);
}

void KeyRows::fitAll() const {
    for (const Row& row : rows_) fit(row);
}

void KeyRows::fitRowOf(Ctl control) const {
    const int row = rowOf_[toInt(control)];
    if (row >= 0) fit(rows_[static_cast<size_t>(row)]);
}

void KeyRows::fit(const Row& row) const { fitKeyRow(row.keys, fontFor(row.font)); }

}  // namespace velmor
