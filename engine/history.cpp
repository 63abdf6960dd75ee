#include "engine/history.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/form.h"
#include "engine/texts.h"
#include "numeric/errors.h"

namespace velmor {
namespace {

// Recorded operands come from other keys; one that has no number text (out
// of the range or the word) shows the overflow text rather than ending the
// review abruptly. The value shown is an operand, like a typed one, and ends
// the entry: the next digit starts a new number.
void showSlot(Form& form, Decimal value) { form.display.showOrOverflow(value); }

void finishReview(Form& form) {
    form.platform.messageBox(form.say(kReviewCompletedText), MsgIcon::Information);
    form.engine.reviewMode = 0;
}

}  // namespace

void recordOperand(Form& form, Decimal value) {
    EngineState& engine = form.engine;
    // The cursor is a double shared with the statistics keys; its slot is the
    // nearest whole number, as everywhere it indexes a list.
    const double slot = std::nearbyint(engine.nextIndex);
    if (!(slot >= 0 && slot < kHistorySlots)) return;
    engine.operandHistory[static_cast<size_t>(slot)] = value;
    engine.nextIndex += 1;
}

void restartHistoryCursor(Form& form) { form.engine.nextIndex = 0; }

void advanceHistoryCursor(Form& form) { form.engine.nextIndex += 1; }

void registerHistoryActions(ActionTable& table) {
    table.onClick(Ctl::Next, [](Form& form, const Press&) { reviewNext(form, form.engine.operandHistory, kHistorySlots); });
}

void reviewNext(Form& form, const std::array<Decimal, kHistorySlots>& list, int filled) {
    EngineState& engine = form.engine;
    double& cursor = engine.nextIndex;
    const double limit = std::min(filled, kHistorySlots);
    if (engine.reviewMode == 1) {
        // A cursor past the last slot (operator keys advance it too), or past a
        // list emptied during the review, ends the review.
        if (cursor >= engine.reviewCount || cursor >= limit) return finishReview(form);
        showSlot(form, list[static_cast<size_t>(cursor)]);
        cursor += 1;
        return;
    }
    // Slots past the list are never shown, so a longer count needs no more range.
    engine.reviewCount = static_cast<std::int32_t>(std::nearbyint(std::min(cursor, limit)));
    if (engine.reviewCount <= 0) return finishReview(form);
    engine.reviewMode = 1;
    showSlot(form, list[0]);
    cursor = 1;
}

}  // namespace velmor
