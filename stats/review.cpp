#include "stats/review.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/display_value.h"
#include "engine/entry.h"
#include "engine/texts.h"
#include "numeric/errors.h"

namespace velmor {
namespace {

// Recorded operands come from other keys; one that has no number text (out
// of the range) shows the overflow text rather than ending the review abruptly.
// A value shown keeps its full value behind the text.
// The value shown counts as an entered operand, like a typed one.
void showSlot(Form& form, Decimal value) {
    try {
        writeNumber(form, value);
        form.engine.operandSincePending = true;
    } catch (const CalcError&) {
        form.display() = kOverflowText;
    }
}

void finishReview(Form& form) {
    form.platform.messageBox("Number's completed", MsgIcon::Information);
    form.stats.reviewMode = 0;
}

}  // namespace

void reviewNext(Form& form, const std::array<Decimal, kHistorySlots>& list) {
    StatsState& stats = form.stats;
    double& cursor = form.engine.nextIndex;
    if (stats.reviewMode == 1) {
        // A cursor past the last slot (operator keys advance it too) ends the review.
        if (cursor >= stats.reviewCount || cursor >= kHistorySlots) return finishReview(form);
        showSlot(form, list[static_cast<size_t>(cursor)]);
        cursor += 1;
        return;
    }
    // Slots past the list are never shown, so a longer count needs no more range.
    stats.reviewCount = static_cast<std::int32_t>(std::nearbyint(std::min(cursor, double{kHistorySlots})));
    stats.reviewMode = 1;
    showSlot(form, list[0]);
    cursor = 1;
}

}  // namespace velmor
