// The operator keys beside plain decimal arithmetic: numeral bases, the Hex
// refusal, formula typing, the operand history and the pending scientific operations.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formula/formula_state.h"
#include "support/keys.h"

namespace velmor::testing {
namespace {

TEST(NumeralBases, OctAndBinComputeInTheirBase) {
    expectDisplays({
        {{"Option1(2)", "7", "+", "1", "="}, "10"},
        {{"Option1(2)", "7", "x^2"}, "61"},
        {{"Option1(2)", "1", "7", "-", "7", "="}, "10"},
        {{"Option1(2)", "7", "/", "2", "="}, "4"},        // 3.5 rounds to the even 4
        {{"Option1(2)", "5", "/", "2", "="}, "2"},        // 2.5 rounds to the even 2
        {{"Option1(2)", "1", "2", "Mod", "5", "="}, "0"},
        {{"Option1(2)", "7", "*", "7", "*"}, "61"},
        {{"Option1(2)", "2", "1/x"}, "0"},
        {{"Option1(2)", "0", "1/x"}, "error :positive infinity"},
        {{"Option1(3)", "1", "0", "1", "*", "1", "1", "="}, "1111"},
        {{"Option1(3)", "1", "1", "+", "1", "+"}, "100"},
        {{"Option1(3)", "1", "1", "x^3"}, "11011"},
        {{"Option1(3)", "1", "0", "x^y", "1", "1", "1", "1", "1", "="}, "Error :overflow"},
        {{"Option1(3)", "1", "0", "x^y", "1", "0", "0", "0", "0", "0", "="}, "Error :overflow"},
        {{"Option1(3)", "1", "0", "x^y", "1", "1", "1", "1", "="}, "1000000000000000"},
    });
}

TEST(NumeralBases, RunningValueIsTheNumeralsValue) {
    Harness h;
    h.press({"Option1(2)", "1", "0", "+"});
    EXPECT_EQ(h.form().engine.accumulator, 8);
    EXPECT_EQ(h.form().engine.operandHistory[0], 8);
}

TEST(NumeralBases, TextThatIsNoNumeralChangesNothing) {
    Harness h;
    h.press({"Option1(2)"});
    h.form().display.setText("9");
    h.press({"+"});
    EXPECT_EQ(h.display(), "9");
    EXPECT_EQ(nameOf(h.form().engine.pendingOp), "");
    EXPECT_EQ(h.form().engine.nextIndex, 0);
}

TEST(HexMode, EveryTwoOperandKeyRefuses) {
    for (int index : {kOpPower, kOpMul, kOpDiv, kOpSub, kOpAdd, kOpMod}) {
        Harness h;
        h.press({"Option1(0)"});
        h.form().display.setText("1F");
        h.press({"cmdop(" + std::to_string(index) + ")"});
        EXPECT_EQ(h.display(), "") << index;
        ASSERT_EQ(h.platform.boxes.size(), 1u) << index;
        EXPECT_EQ(h.platform.boxes[0].text, "Get latest version");
        EXPECT_EQ(h.platform.boxes[0].icon, MsgIcon::None);
        EXPECT_EQ(h.form().engine.operandHistory[0], 31) << index;
    }
}

TEST(HexMode, EqualsRefusesOnlyWithAnOperationPending) {
    Harness h;
    h.press({"5", "+", "Option1(0)", "="});
    EXPECT_EQ(h.platform.boxes.size(), 1u);
    EXPECT_EQ(h.display(), "");
    EXPECT_EQ(nameOf(h.form().engine.pendingOp), "");
    h.press({"="});
    EXPECT_EQ(h.platform.boxes.size(), 1u);
    EXPECT_EQ(h.form().control(Ctl::WorkValue).text, "5");
}

TEST(FormulaMode, OperatorKeysTypeTheirCaptions) {
    const KeyCase cases[] = {
        {{"2", "+"}, "2+"},
        {{"2", "-", "3", "*"}, "3*"},
        {{"2", "Mod"}, "2Mod"},
        {{"2", "x^y"}, "2x^y"},
        {{"2", "x^2"}, "2x^2"},
        {{"2", "x^3"}, "2x^3"},
        {{"2", "1/x"}, "21/x"},
        {{"2", "/"}, "2/"},
        {{"+"}, ""},
    };
    for (const KeyCase& c : cases) {
        Harness h;
        formulaState(h.form()).formulaMode = 1;
        h.press(c.keys);
        EXPECT_EQ(h.display(), c.display) << "keys: " << joined(c.keys);
        EXPECT_EQ(nameOf(h.form().engine.pendingOp), "");
    }
}

TEST(FormulaMode, TypedCaptionsStillRecordAndStartANewNumber) {
    Harness h;
    formulaState(h.form()).formulaMode = 1;
    h.form().display.setText("A");
    h.press({"+", "+"});
    EXPECT_EQ(h.display(), "A++");
    EXPECT_EQ(h.form().engine.nextIndex, 2);
    h.press({"7"});
    EXPECT_EQ(h.display(), "7");
    h.form().display.setText("1E+400*A");
    h.press({"-"});
    EXPECT_EQ(h.display(), "1E+400*A-");
    EXPECT_EQ(h.form().engine.nextIndex, 2);
}

TEST(History, EveryOperatorKeyRecordsTheDisplayedOperand) {
    Harness h;
    h.press({"1", "2", "+", "7", "*", "3", "x^2", "="});
    const EngineState& e = h.form().engine;
    EXPECT_EQ(e.nextIndex, 3);
    EXPECT_EQ(e.operandHistory[0], 12);
    EXPECT_EQ(e.operandHistory[1], 7);
    EXPECT_EQ(e.operandHistory[2], 3);
    EXPECT_EQ(h.display(), "171");
}

TEST(NumeralBases, OperandBeyond32BitsIsAnOverflow) {
    Harness h;
    h.press({"Option1(3)", "1", "+"});
    h.form().display.setText(std::string(33, '1'));
    h.press({"="});
    EXPECT_EQ(h.display(), "Error :overflow");
}

TEST(History, EmptyDisplayRecordsZeroAndDoesNothingElse) {
    Harness h;
    h.press({"5", "/", "+"});  // the "+" also takes the place of the "/"
    const EngineState& e = h.form().engine;
    EXPECT_EQ(e.nextIndex, 2);
    EXPECT_EQ(e.operandHistory[1], 0);
    EXPECT_EQ(nameOf(e.pendingOp), "+");
    EXPECT_EQ(h.display(), "");
    h.press({"2", "="});
    EXPECT_EQ(h.display(), "7");
}

TEST(History, FullHistoryRecordsNothingButStillComputes) {
    Harness h;
    for (int i = 0; i < kHistorySlots; ++i) h.press({"1", "+"});
    const EngineState& e = h.form().engine;
    EXPECT_EQ(e.nextIndex, kHistorySlots);
    EXPECT_EQ(h.display(), "201");
    h.press({"5", "+", "2", "="});
    EXPECT_EQ(h.display(), "208");
    EXPECT_EQ(e.nextIndex, kHistorySlots);
    EXPECT_EQ(e.operandHistory[200], 1);
    h.press({"CE", "4", "+"});
    EXPECT_EQ(e.nextIndex, 1);
    EXPECT_EQ(e.operandHistory[0], 4);
}

TEST(History, CursorOutsideTheListRecordsNothing) {
    Harness h;
    h.form().engine.nextIndex = -3;
    h.press({"4", "+", "1", "="});
    EXPECT_EQ(h.form().engine.nextIndex, -3);
    EXPECT_EQ(h.display(), "5");
}

// "nsqrt", "ncr" and "npr" are made pending by the scientific keys and evaluated by "=".
struct PendingCase {
    int left;
    const char* op;
    std::vector<std::string> secondOperand;
    const char* display;
};

TEST(ScientificOperations, EqualsEvaluatesThemAndNamesTheirFailures) {
    const PendingCase cases[] = {
        {7, "ncr", {"3"}, "35"},
        {7, "npr", {"3"}, "210"},
        {27, "nsqrt", {"3"}, "3"},
        {16, "nsqrt", {"0"}, "error :positive infinity"},
        {3, "ncr", {"5"}, "error :positive infinity"},
        {-3, "npr", {"2"}, "Error :overflow"},
        {200, "npr", {"2", "0", "0"}, "Error :overflow"},
        {-8, "nsqrt", {"2"}, "2"},
    };
    for (const PendingCase& c : cases) {
        Harness h;
        h.form().engine.accumulator = c.left;
        h.form().engine.pendingOp = binaryOpNamed(c.op);
        h.form().display.endEntry();
        h.press(c.secondOperand);
        h.press({"="});
        EXPECT_EQ(h.display(), c.display) << c.left << " " << c.op;
        EXPECT_EQ(nameOf(h.form().engine.pendingOp), "");
    }
}

TEST(ScientificOperations, ABinaryKeyCompletesThem) {
    Harness h;
    h.form().engine.accumulator = 5;
    h.form().engine.pendingOp = binaryOpNamed("ncr");
    h.form().display.endEntry();
    h.press({"2", "+", "1", "="});
    EXPECT_EQ(h.display(), "11");
}

}  // namespace
}  // namespace velmor::testing
