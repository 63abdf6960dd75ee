// Every scientific key against a table of high-precision reference results for
// the decimal arguments as typed: each result must be the exact value rounded
// to the display's 15 digits. A second table holds key chains whose
// intermediate results carry rounding noise (1 / 3 * 3, pi in full).
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "numeric/combinatorics.h"
#include "numeric/elementary.h"
#include "numeric/errors.h"
#include "numeric/numtext.h"
#include "support/keys.h"

namespace velmor {
namespace {

struct ReferenceCase {
    std::string key, unit, operand, second, expected;
};

// The tab-separated rows of a table, without comments.
std::vector<std::vector<std::string>> readRows(const std::string& path) {
    std::vector<std::vector<std::string>> rows;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> fields;
        std::stringstream row(line);
        std::string field;
        while (std::getline(row, field, '\t')) fields.push_back(field);
        rows.push_back(fields);
    }
    return rows;
}

std::vector<ReferenceCase> readTable(const std::string& path) {
    std::vector<ReferenceCase> cases;
    for (std::vector<std::string>& fields : readRows(path)) {
        if (fields.size() == 4) fields.emplace_back();  // an expected text of blanks only
        if (fields.size() != 5) continue;
        cases.push_back({fields[0], fields[1], fields[2], fields[3], fields[4]});
    }
    return cases;
}

// The two-operand operations are computed by "="; here their shared mathematics.
std::string twoOperandResult(const ReferenceCase& c) {
    const Decimal n = strictNumber(c.operand), r = strictNumber(c.second);
    try {
        if (c.key == "ncr") return numberText(math::combinations(n, r));
        if (c.key == "npr") return numberText(math::permutations(n, r));
        return numberText(math::nthRoot(n, r));
    } catch (const CalcError& error) {
        return "#" + std::to_string(static_cast<int>(error.code));
    }
}

Ctl unitOption(const std::string& unit) {
    if (unit == "rad") return Ctl::Radians;
    if (unit == "grad") return Ctl::Grads;
    return Ctl::Degrees;
}

std::string keyResult(testing::Harness& h, const ReferenceCase& c) {
    if (c.key == "ncr" || c.key == "npr" || c.key == "nsqrt") return twoOperandResult(c);
    h.form().selectOption(unitOption(c.unit));
    h.form().display.setText(c.operand);
    h.press({c.key});
    return h.display();
}

TEST(ReferenceTable, EveryResultCorrectlyRounded) {
    const std::vector<ReferenceCase> cases = readTable(VELMOR_REFERENCE_TABLE);
    ASSERT_GE(cases.size(), 400u) << "reference table missing or short: " << VELMOR_REFERENCE_TABLE;
    testing::Harness h;
    int correctlyRounded = 0;
    for (const ReferenceCase& c : cases) {
        const std::string actual = keyResult(h, c);
        if (actual == c.expected) ++correctlyRounded;
        else
            ADD_FAILURE() << c.key << " (" << c.unit << ") of " << c.operand << " " << c.second << ": got \""
                          << actual << "\", expected \"" << c.expected << "\"";
    }
    std::cout << "[ reference ] " << cases.size() << " cases: " << correctlyRounded << " correctly rounded\n";
    EXPECT_EQ(h.platform.boxes.size(), 0u) << "a reference case opened a message box";
}

std::string chainsTable() {
    const std::string scientific = VELMOR_REFERENCE_TABLE;
    return scientific.substr(0, scientific.find_last_of('/') + 1) + "chains.tsv";
}

// A chain's step: a key, a text typed into the display ('TEXT), or the pi key.
void step(testing::Harness& h, const std::string& token) {
    if (token.size() > 1 && token[0] == '\'') {
        h.calc.displayEdited(token.substr(1));
    } else if (token == "pi") {
        h.press({testing::key::Pi});
    } else {
        h.press({token});
    }
}

TEST(ReferenceTable, ChainsWithRoundingNoiseOnTheWay) {
    const auto rows = readRows(chainsTable());
    ASSERT_GE(rows.size(), 30u) << "chain table missing or short: " << chainsTable();
    for (const std::vector<std::string>& row : rows) {
        ASSERT_EQ(row.size(), 3u) << row.front();
        testing::Harness h;
        h.form().selectOption(unitOption(row[0]));
        std::stringstream keys(row[1]);
        for (std::string token; keys >> token;) step(h, token);
        EXPECT_EQ(h.display(), row[2]) << row[1] << " (" << row[0] << ")";
    }
}

}  // namespace
}  // namespace velmor
