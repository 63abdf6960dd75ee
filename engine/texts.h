// The texts the calculator shows for failures and marks, each written once.
// Every part that shows one of them takes it from here.
#pragma once

#include <array>
#include <string_view>

#include "engine/list_slots.h"

namespace velmor {

namespace detail {
// "The list is full: it holds 201 values", the count taken from kHistorySlots.
constexpr std::array<char, 64> listFullMessage() {
    std::array<char, 64> text{};
    std::size_t at = 0;
    for (char c : std::string_view("The list is full: it holds ")) text[at++] = c;
    char digits[12] = {};
    int count = 0;
    for (int n = kHistorySlots; n > 0; n /= 10) digits[count++] = static_cast<char>('0' + n % 10);
    while (count > 0) text[at++] = digits[--count];
    for (char c : std::string_view(" values")) text[at++] = c;
    return text;
}
inline constexpr std::array<char, 64> kListFullMessageText = listFullMessage();
}  // namespace detail

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
inline constexpr const char* kListFullMessage = detail::kListFullMessageText.data();
inline constexpr const char* kClipboardUnavailable = "The clipboard cannot be used at the moment. Please try again.";
inline constexpr const char* kSysInfoUnavailable = "System Information Is Unavailable At This Time";

}  // namespace velmor
