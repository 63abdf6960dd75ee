// Operator sequences users press: a second two-operand key right after
// another replaces it, and a value shown by either Next key is an operand.
#include <gtest/gtest.h>

#include "support/keys.h"

namespace velmor::testing {
namespace {

TEST(OperatorReplacement, TheLastOfTwoOperatorsIsPendingWithTheFirstOperand) {
    expectDisplays({
        {{"8", "/", "*", "2", "="}, "16"},
        {{"2", "x^y", "*", "3", "="}, "6"},
        {{"8", "x^y", "/", "2", "="}, "4"},
        {{"8", "/", "Mod", "3", "="}, "2"},
        {{"5", "cmdncr", "+", "2", "="}, "7"},
        {{"5", "cmdnsqrt", "*", "2", "="}, "10"},
        {{"5", "/", "cmdnsqrt", "2", "="}, "2.23606797749979"},
        {{"5", "cmdnpr", "cmdncr", "2", "="}, "10"},
        {{"2", "7", "cmdnsqrt", "cmdnsqrt", "3", "="}, "3"},
        {{"9", "-", "+", "1", "="}, "10"},
        {{"6", "/", "3", "-", "+"}, "2"},
        {{"7", "-", "4", "/", "*"}, ""},
        {{"7", "-", "4", "/", "*", "2", "="}, "6"},
        {{"2", "+", "*", "x^y", "3", "="}, "8"},
        // With an operand in between, the pending operation is completed.
        {{"8", "/", "2", "*"}, "4"},
        // After "=" nothing is pending: the key starts afresh from the result.
        {{"8", "/", "2", "=", "*", "3", "="}, "12"},
    });
}

TEST(OperatorReplacement, AValueShownByNextIsAnEnteredOperand) {
    expectDisplays({
        // Statistics Next shows 5 (the list's first value).
        {{"cmdStat", "5", "cmdData", "2", "*", "cmdStdNext", "*", "3", "="}, "30"},
        {{"cmdStat", "5", "cmdData", "2", "x^y", "cmdStdNext", "+", "1", "="}, "33"},
        // The top Next shows the recorded operands, here the 2 itself.
        {{"2", "x^y", "cmdNext", "+", "1", "="}, "5"},
        {{"3", "*", "cmdNext", "*", "2", "="}, "18"},
    });
}

}  // namespace
}  // namespace velmor::testing
