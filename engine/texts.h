// The texts the calculator shows for failures and marks, each written once.
// Every part that shows one of them takes it from here.
#pragma once

namespace velmor {

// Display texts.
inline constexpr const char* kOverflowText = "Error :overflow";
inline constexpr const char* kPositiveInfinityText = "error :positive infinity";
inline constexpr const char* kDivideByZeroText = "Divide by zero error";
inline constexpr const char* kInvalidInputText = "Invalid : input";
inline constexpr const char* kFactorialInvalidText = "Invalid: input ";
inline constexpr const char* kInfinityText = "Infinity";
// Put before a formula's value on the display.
inline constexpr const char* kResultMark = "Result =";

// Message-box texts.
inline constexpr const char* kGetLatestVersionText = "Get latest version";
inline constexpr const char* kUnsupportedValueText =
    "This software does not support this value\r\nPlease install the latest software";

}  // namespace velmor
