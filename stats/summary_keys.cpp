#include "stats/summary_keys.h"

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

}  // namespace

void showSum(Form& form, const Press& press) {
    if (listIsEmpty(form)) return form.display.showText("");
    try {
        form.display.show(sumOfPowers(enteredValues(form), powerOfSumKey(press.control)));
    } catch (const CalcError&) {
        form.display.showOverflow();
    }
}

namespace {

// Shows a statistic of the list: `emptyMessage` for an empty list, the overflow
// text when the result leaves the double range, and `otherFailure` for the rest.
template <typename Statistic, typename OtherFailure>
void showStatistic(Form& form, Phrase emptyMessage, Statistic statistic, OtherFailure otherFailure) {
    if (listIsEmpty(form)) return form.platform.messageBox(form.say(emptyMessage), MsgIcon::Information);
    try {
        form.display.show(statistic(enteredValues(form)));
    } catch (const CalcError& error) {
        if (error.code == ErrCode::Overflow) return form.display.showOverflow();
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
    showStatistic(form, kEnterSomeValuesText, sampleStdDev, [&](ErrCode) { form.display.showText(form.say(kErrorText)); });
}

void showNaturalSum(Form& form, const Press& press) {
    // The keys of the group raise to 1, 2 and 3 in order.
    try {
        form.display.show(naturalSum(press.index + 1, form.display.read(Reading::Leading)));
    } catch (const CalcError&) {
        form.display.showOverflow();
    }
}

}  // namespace velmor
