#include "stats/summary_keys.h"

#include "engine/display_value.h"
#include "engine/entry.h"
#include "engine/form.h"
#include "engine/texts.h"
#include "numeric/errors.h"
#include "stats/data_list.h"
#include "stats/error_box.h"
#include "stats/stat_math.h"

namespace velmor {
namespace {


bool listIsEmpty(const Form& form) { return enteredValues(form).empty(); }

int powerOfSumKey(Ctl key) {
    if (key == Ctl::StatSumSquares) return 2;
    if (key == Ctl::StatSumCubes) return 3;
    return 1;
}

// With values present, a mean or deviation that leaves the double range shows
// the same overflow text as the sums; the "enter data" messages are kept for
// an empty list, where they are true.
void showOverflow(Form& form) { showResult(form, kOverflowText); }

}  // namespace

void showSum(Form& form, const Press& press) {
    if (listIsEmpty(form)) return showResult(form, "");
    try {
        showNumber(form, sumOfPowers(enteredValues(form), powerOfSumKey(press.control)));
    } catch (const CalcError&) {
        showOverflow(form);
    }
}

namespace {

// Shows a statistic of the list: `emptyMessage` for an empty list, the overflow
// text when the result leaves the double range, and `otherFailure` for the rest.
template <typename Statistic, typename OtherFailure>
void showStatistic(Form& form, const char* emptyMessage, Statistic statistic, OtherFailure otherFailure) {
    if (listIsEmpty(form)) return form.platform.messageBox(emptyMessage, MsgIcon::Information);
    try {
        showNumber(form, statistic(enteredValues(form)));
    } catch (const CalcError& error) {
        if (error.code == ErrCode::Overflow) return showOverflow(form);
        otherFailure(error.code);
    }
}

}  // namespace

void showMean(Form& form, const Press&) {
    showStatistic(form, kEnterSomeDataText, meanOf, [&](ErrCode code) { showErrorBox(form, code); });
}

void showPopulationStdDev(Form& form, const Press&) {
    showStatistic(form, kEnterSomeDataText, populationStdDev, [&](ErrCode code) { showErrorBox(form, code); });
}

void showSampleStdDev(Form& form, const Press&) {
    // A single value has no sample deviation.
    showStatistic(form, kEnterSomeValuesText, sampleStdDev, [&](ErrCode) { showResult(form, kErrorText); });
}

void showNaturalSum(Form& form, const Press& press) {
    try {
        showNumber(form, naturalSum(press.index, displayedLeading(form)));
    } catch (const CalcError&) {
        showOverflow(form);
    }
}

}  // namespace velmor
