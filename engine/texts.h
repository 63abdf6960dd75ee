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
inline constexpr const char* kErrorText = "Error";
// Put before a formula's value on the display.
inline constexpr const char* kResultMark = "Result =";

// Captions that change with the calculator's state.
inline constexpr const char* kOkCaption = "OK";
inline constexpr const char* kNewCaption = "New";  // "OK" while a formula result is on show

// Message-box texts.
inline constexpr const char* kGetLatestVersionText = "Get latest version";
inline constexpr const char* kUnsupportedValueText =
    "This software does not support this value\r\nPlease install the latest software";
inline constexpr const char* kReviewCompletedText = "Number's completed";
inline constexpr const char* kEnterSomeDataText = "Enter Some Data";
inline constexpr const char* kEnterSomeValuesText = "Please enter some values";
inline constexpr const char* kListFullMessage = "The list is full: it holds 201 values";
inline constexpr const char* kClipboardUnavailable = "The clipboard cannot be used at the moment. Please try again.";
inline constexpr const char* kSysInfoUnavailable = "System Information Is Unavailable At This Time";

}  // namespace velmor
