// Per-action cost of the headless calculator: what one key press costs before
// the window shows its result.
#include <benchmark/benchmark.h>

#include <initializer_list>

#include "app/core/calculator.h"
#include "numeric/numtext.h"
#include "support/fake_platform.h"

namespace {

using velmor::Calculator;
using velmor::Ctl;

struct Bench {
    velmor::testing::FakePlatform platform;
    Calculator calc{platform};

    void press(std::initializer_list<Ctl> keys) {
        for (Ctl key : keys) calc.click(key);
    }
    std::string& display() { return calc.form().display(); }
};

// A benchmark of a key that does not yet compute its result would time nothing
// useful: check the result once and report an error instead of a number.
bool checkResult(benchmark::State& state, Bench& b, std::initializer_list<Ctl> keys, bool ok(const std::string&)) {
    b.press(keys);
    if (ok(b.display())) return true;
    state.SkipWithError(("unexpected display \"" + b.display() + "\"").c_str());
    return false;
}

void digitKey(benchmark::State& state) {
    Bench b;
    b.display() = "12";
    if (!checkResult(state, b, {velmor::cmdNo(7)}, [](const std::string& d) { return d == "127"; })) return;
    for (auto _ : state) {
        b.display() = "12";
        b.press({velmor::cmdNo(7)});
        benchmark::DoNotOptimize(b.display());
    }
}
BENCHMARK(digitKey);

// "1", "2", "+", "7", "=": two digits, an operator, a digit and equals.
void operatorChain(benchmark::State& state) {
    Bench b;
    const Ctl plus = velmor::cmdop(velmor::kOpAdd);
    if (!checkResult(state, b, {Ctl::CMCE, velmor::cmdNo(1), velmor::cmdNo(2), plus, velmor::cmdNo(7), Ctl::cmdeq},
                     [](const std::string& d) { return d == "19"; }))
        return;
    for (auto _ : state) {
        b.press({Ctl::CMCE, velmor::cmdNo(1), velmor::cmdNo(2), plus, velmor::cmdNo(7), Ctl::cmdeq});
        benchmark::DoNotOptimize(b.display());
    }
}
BENCHMARK(operatorChain);

void sineKey(benchmark::State& state) {
    Bench b;
    b.display() = "30";
    if (!checkResult(state, b, {Ctl::Command10}, [](const std::string& d) { return d.rfind("0.5", 0) == 0; }))
        return;
    for (auto _ : state) {
        b.display() = "30";
        b.press({Ctl::Command10});
        benchmark::DoNotOptimize(b.display());
    }
}
BENCHMARK(sineKey);

// Decimal 255 to hexadecimal and back: two base changes.
void baseChangeRoundTrip(benchmark::State& state) {
    Bench b;
    b.display() = "255";
    if (!checkResult(state, b, {velmor::option1(velmor::kHex)}, [](const std::string& d) { return d == "FF"; }))
        return;
    b.press({velmor::option1(velmor::kDec)});
    for (auto _ : state) {
        b.display() = "255";
        b.press({velmor::option1(velmor::kHex), velmor::option1(velmor::kDec)});
        benchmark::DoNotOptimize(b.display());
    }
}
BENCHMARK(baseChangeRoundTrip);

// Sample standard deviation of ten entered values.
void statisticsResult(benchmark::State& state) {
    Bench b;
    b.press({Ctl::cmdStat});
    for (int i = 1; i <= 10; ++i) {
        b.display() = std::to_string(i * 3);
        b.press({Ctl::cmdData});
    }
    // Three times the sample deviation of 1..10, 3.02765...
    if (!checkResult(state, b, {Ctl::cmdStdDev}, [](const std::string& d) { return d.rfind("9.08", 0) == 0; }))
        return;
    for (auto _ : state) {
        b.press({Ctl::cmdStdDev});
        benchmark::DoNotOptimize(b.display());
    }
}
BENCHMARK(statisticsResult);

void leadingNumberParse(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(velmor::leadingNumber("-123.456E+2abc"));
}
BENCHMARK(leadingNumberParse);

void strictNumberConversion(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(velmor::strictNumber(" 1,234.5678 "));
}
BENCHMARK(strictNumberConversion);

void numberToText(benchmark::State& state) {
    double value = 1.0 / 3.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(velmor::numberText(value));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(numberToText);

}  // namespace
