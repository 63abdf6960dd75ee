// The keys and option buttons of the window in rows: controls of one kind in
// one frame at one height with one designed font. Each row is fitted with a
// single font, so a long caption does not stand out smaller than its
// neighbours; an option's label must also end before the next option's circle.
#pragma once

#include <QList>
#include <array>
#include <vector>

#include "engine/controls.h"

class QAbstractButton;

namespace velmor {

class KeyRows {
public:
    KeyRows() { rowOf_.fill(-1); }

    void add(const ControlRow& control, QAbstractButton* key);
    void fitAll() const;
    // Fits the row of `control` again, after its caption changed.
    void fitRowOf(Ctl control) const;

private:
    struct Row {
        Kind kind;
        Ctl parent;
        int top;
        FontRole font;
        QList<QAbstractButton*> keys;
    };
    void fit(const Row& row) const;

    std::vector<Row> rows_;
    std::array<int, kControlCount> rowOf_{};
};

}  // namespace velmor
