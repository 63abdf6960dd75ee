#include "stats/data_list.h"

#include <algorithm>
#include <array>

#include "engine/form.h"
#include "numeric/errors.h"
#include "stats/error_box.h"
#include "engine/history.h"
#include "engine/texts.h"
#include "stats/stats_state.h"

namespace velmor {
namespace {

// The keys that only work while statistics is open, in the order "Stat"
// enables them and "C" disables them.
constexpr std::array<Ctl, 10> kStatisticsGroup = {
    Ctl::StatSum, Ctl::StatSumSquares, Ctl::StatSumCubes, Ctl::StatSampleDeviation, Ctl::StatClear,
    Ctl::StatAdd,   Ctl::StatCount,    Ctl::StatMean,    Ctl::StatPopulationDeviation, Ctl::StatNext,
};

void setGroupEnabled(Form& form, bool enabled) {
    for (Ctl key : kStatisticsGroup) form.control(key).enabled = enabled;
}

size_t storedCount(const Form& form) {
    return std::min(static_cast<size_t>(statsState(form).statCount), static_cast<size_t>(kHistorySlots));
}

}  // namespace

std::span<const Decimal> enteredValues(const Form& form) {
    return std::span<const Decimal>(statsState(form).statData.data(), storedCount(form));
}

void openStatistics(Form& form, const Press&) {
    setGroupEnabled(form, true);
    restartHistoryCursor(form);
}

void enterValue(Form& form, const Press&) {
    if (storedCount(form) >= kHistorySlots) {
        form.platform.messageBox(withArgument(form.say(kListFullMessage), std::to_string(kHistorySlots)),
                                 MsgIcon::Information);
        return;
    }
    Decimal value;
    try {
        value = form.display.read(Reading::Leading);
    } catch (const CalcError& error) {
        // A number beyond the double range cannot be stored: refuse it and say why.
        showErrorBox(form, error.code);
        return;
    }
    statsState(form).statData[storedCount(form)] = value;
    form.display.endEntry();  // the value stays on show; the next digit starts a new one
    statsState(form).statCount += 1;
    advanceHistoryCursor(form);
}

void reviewValues(Form& form, const Press&) {
    reviewNext(form, statsState(form).statData, static_cast<int>(storedCount(form)));
}

// A count beyond the word (Byte holds up to 127) shows the overflow text.
void showCount(Form& form, const Press&) {
    form.display.showOrOverflow(Decimal::fromInt64(static_cast<std::int64_t>(statsState(form).statCount)));
}

void clearStatistics(Form& form, const Press&) {
    std::fill(statsState(form).statData.begin(), statsState(form).statData.end(), Decimal());
    statsState(form).statCount = 0;
    setGroupEnabled(form, false);
    restartHistoryCursor(form);
}

}  // namespace velmor
