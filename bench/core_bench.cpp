// Per-action cost of the headless calculator: what one key press costs before
// the window shows its result.
#include <benchmark/benchmark.h>

#include <initializer_list>

#include "app/core/calculator.h"
#include "engine/numtext.h"
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

void digitKey(benchmark::State& state) {
    Bench b;
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
    for (auto _ : state) {
        b.press({Ctl::CMCE, velmor::cmdNo(1), velmor::cmdNo(2), plus, velmor::cmdNo(7), Ctl::cmdeq});
        benchmark::DoNotOptimize(b.display());
    }
}
BENCHMARK(operatorChain);

void sineKey(benchmark::State& state) {
    Bench b;
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
