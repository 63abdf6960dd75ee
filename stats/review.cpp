#include "stats/review.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/entry.h"
#include "engine/errors.h"
#include "engine/numtext.h"

namespace velmor {
namespace {

// Recorded operands come from other keys; one that has no number text (not
// finite) shows the overflow text rather than ending the review abruptly.
std::string slotText(double value) {
    try {
        return numberText(value);
    } catch (const CalcError&) {
        return "Error :overflow";
    }
}

void finishReview(Form& form) {
    form.platform.messageBox("Number's completed", MsgIcon::Information);
    form.stats.reviewMode = 0;
}

}  // namespace

void reviewNext(Form& form, const std::array<double, kHistorySlots>& list) {
    StatsState& stats = form.stats;
    double& cursor = form.engine.nextIndex;
    if (stats.reviewMode == 1) {
        // A cursor past the last slot (operator keys advance it too) ends the review.
        if (cursor >= stats.reviewCount || cursor >= kHistorySlots) return finishReview(form);
        form.display() = slotText(list[static_cast<size_t>(cursor)]);
        cursor += 1;
        return;
    }
    // Slots past the list are never shown, so a longer count needs no more range.
    stats.reviewCount = static_cast<std::int32_t>(std::nearbyint(std::min(cursor, double{kHistorySlots})));
    stats.reviewMode = 1;
    form.display() = slotText(list[0]);
    cursor = 1;
}

}  // namespace velmor
