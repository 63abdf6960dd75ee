// "Ran": the next random number, driven by the displayed value.
#include <algorithm>
#include <cfloat>
#include <charconv>

#include "engine/form.h"
#include "numeric/errors.h"
#include "numeric/numtext.h"
#include "scientific/key_support.h"
#include "numeric/random_generator.h"
#include "scientific/scientific_state.h"

namespace velmor {
namespace {

// A single-precision value carries 7 significant digits, and so does the value shown.
Decimal singleValue(float value) {
    char buffer[32];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 6);
    double rounded = 0;
    std::from_chars(buffer, written.ptr, rounded);
    return Decimal::fromDouble(rounded);
}

// The display must be a number as a whole; otherwise it stays as it is. Values
// beyond the single range count by their sign only.
void randomKey(Form& form, const Press&) {
    const std::optional<Decimal> v = form.display.tryRead(Reading::Strict);
    if (!v) return;
    const double value = v->toDouble();
    const float argument = static_cast<float>(std::clamp(value, -static_cast<double>(FLT_MAX), static_cast<double>(FLT_MAX)));
    const float random = math::nextRandom(scientificState(form).randomState, argument);
    // Outside Dec the number is rounded to a whole number of the word: 0 or 1.
    form.display.show(form.display.format().decimal() ? singleValue(random) : Decimal::fromDouble(random));
}

}  // namespace

void registerRandomKey(ActionTable& table) { table.onClick(Ctl::Random, randomKey); }

}  // namespace velmor
