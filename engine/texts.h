// The texts the calculator shows for failures and marks, each written once.
// Every part that shows one of them takes it from here, through Form::say,
// which gives it in the user's language.
#pragma once

#include "engine/phrase.h"

namespace velmor {

// Display texts.
inline constexpr Phrase kOverflowText = VELMOR_PHRASE("Display", "Error :overflow");
inline constexpr Phrase kPositiveInfinityText = VELMOR_PHRASE("Display", "error :positive infinity");
inline constexpr Phrase kDivideByZeroText = VELMOR_PHRASE("Display", "Divide by zero error");
inline constexpr Phrase kInvalidInputText = VELMOR_PHRASE("Display", "Invalid : input");
inline constexpr Phrase kFactorialInvalidText = VELMOR_PHRASE("Display", "Invalid: input ");
inline constexpr Phrase kInfinityText = VELMOR_PHRASE("Display", "Infinity");
inline constexpr Phrase kErrorText = VELMOR_PHRASE("Display", "Error");
// Put before a formula's value on the display; the OK key looks for it there.
inline constexpr Phrase kResultMark = VELMOR_PHRASE("Display", "Result =");
// The formula's prompt for a variable: %1 is its letter.
inline constexpr Phrase kVariablePrompt = VELMOR_PHRASE("Display", "%1 =");

// Captions that change with the calculator's state.
inline constexpr Phrase kOkCaption = VELMOR_PHRASE("Key", "OK");
inline constexpr Phrase kNewCaption = VELMOR_PHRASE("Key", "New");  // "OK" while a formula result is on show

// Message-box texts, and the title every message box carries.
inline constexpr Phrase kAppTitle = VELMOR_PHRASE("Message", "Calculator");
inline constexpr Phrase kGetLatestVersionText = VELMOR_PHRASE("Message", "Get latest version");
inline constexpr Phrase kUnsupportedValueText = VELMOR_PHRASE(
    "Message", "This software does not support this value\r\nPlease install the latest software");
inline constexpr Phrase kReviewCompletedText = VELMOR_PHRASE("Message", "Number's completed");
inline constexpr Phrase kEnterSomeDataText = VELMOR_PHRASE("Message", "Enter Some Data");
inline constexpr Phrase kEnterSomeValuesText = VELMOR_PHRASE("Message", "Please enter some values");
// %1 is the number of values the list holds (kHistorySlots).
inline constexpr Phrase kListFullMessage = VELMOR_PHRASE("Message", "The list is full: it holds %1 values");
inline constexpr Phrase kClipboardUnavailable =
    VELMOR_PHRASE("Message", "The clipboard cannot be used at the moment. Please try again.");
inline constexpr Phrase kSysInfoUnavailable = VELMOR_PHRASE("Message", "System Information Is Unavailable At This Time");

}  // namespace velmor
