// Per-action cost of the headless calculator: what one key press costs before
// the window shows its result.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <initializer_list>
#include <string>

#include "app/core/calculator.h"
#include "engine/controls.h"
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
    const std::string& display() { return calc.form().display.text(); }
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
    b.calc.displayEdited("12");
    if (!checkResult(state, b, {velmor::digitKey(7)}, [](const std::string& d) { return d == "127"; })) return;
    for (auto _ : state) {
        b.calc.displayEdited("12");
        b.press({velmor::digitKey(7)});
        benchmark::DoNotOptimize(b.display());
    }
}
BENCHMARK(digitKey);

// "1", "2", "+", "7", "=": two digits, an operator, a digit and equals.
void operatorChain(benchmark::State& state) {
    Bench b;
    const Ctl plus = velmor::operatorKey(velmor::kOpAdd);
    if (!checkResult(state, b, {Ctl::ClearEntry, velmor::digitKey(1), velmor::digitKey(2), plus, velmor::digitKey(7), Ctl::Equals},
                     [](const std::string& d) { return d == "19"; }))
        return;
    for (auto _ : state) {
        b.press({Ctl::ClearEntry, velmor::digitKey(1), velmor::digitKey(2), plus, velmor::digitKey(7), Ctl::Equals});
        benchmark::DoNotOptimize(b.display());
    }
}
BENCHMARK(operatorChain);

void sineKey(benchmark::State& state) {
    Bench b;
    b.calc.displayEdited("30");
    if (!checkResult(state, b, {Ctl::Sin}, [](const std::string& d) { return d.rfind("0.5", 0) == 0; }))
        return;
    for (auto _ : state) {
        b.calc.displayEdited("30");
        b.press({Ctl::Sin});
        benchmark::DoNotOptimize(b.display());
    }
}
BENCHMARK(sineKey);

// Decimal 255 to hexadecimal and back: two base changes.
void baseChangeRoundTrip(benchmark::State& state) {
    Bench b;
    b.calc.displayEdited("255");
    if (!checkResult(state, b, {velmor::baseOption(velmor::kHex)}, [](const std::string& d) { return d == "FF"; }))
        return;
    b.press({velmor::baseOption(velmor::kDec)});
    for (auto _ : state) {
        b.calc.displayEdited("255");
        b.press({velmor::baseOption(velmor::kHex), velmor::baseOption(velmor::kDec)});
        benchmark::DoNotOptimize(b.display());
    }
}
BENCHMARK(baseChangeRoundTrip);

// Sample standard deviation of ten entered values.
void statisticsResult(benchmark::State& state) {
    Bench b;
    b.press({Ctl::StatStart});
    for (int i = 1; i <= 10; ++i) {
        b.calc.displayEdited(std::to_string(i * 3));
        b.press({Ctl::StatAdd});
    }
    // Three times the sample deviation of 1..10, 3.02765...
    if (!checkResult(state, b, {Ctl::StatSampleDeviation}, [](const std::string& d) { return d.rfind("9.08", 0) == 0; }))
        return;
    for (auto _ : state) {
        b.press({Ctl::StatSampleDeviation});
        benchmark::DoNotOptimize(b.display());
    }
}
BENCHMARK(statisticsResult);

// CPU time of this thread: unlike the wall clock it does not count the time
// the scheduler gives other programs on a shared machine.
double threadSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// Every key of the window, pressed on the display "0.7" (inside the domain of
// every function) with statistics open over ten values: the median (wall
// clock) and the slowest single press (CPU time). Option buttons are pressed
// and the base put back.
// `pending` and `left`: an operation made pending before each press, for "=".
void pressEveryKeyOnce(benchmark::State& state, Ctl key, const char* display,
                       std::initializer_list<Ctl> setup, std::initializer_list<Ctl> after,
                       const char* pending = "", const char* left = "0") {
    Bench b;
    b.press({Ctl::StatStart});
    for (int i = 1; i <= 10; ++i) {
        b.calc.displayEdited(std::to_string(i * 3));
        b.press({Ctl::StatAdd});
    }
    b.press(setup);
    for (auto& control : b.calc.form().controls) control.enabled = true;
    double slowest = 0;
    for (auto _ : state) {
        b.calc.displayEdited(display);
        b.calc.form().engine.nextIndex = 10;
        b.calc.form().engine.reviewMode = 0;
        if (*pending) {
            b.calc.form().engine.pendingOp = velmor::binaryOpNamed(pending);
            b.calc.form().engine.accumulator = velmor::strictNumber(left);
            b.calc.form().engine.operandsAtPending = b.calc.form().display.operandCount() - 1;  // an operand came since
        }
        const double cpuStart = threadSeconds();
        const auto start = std::chrono::steady_clock::now();
        b.calc.click(key);
        b.press(after);
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        slowest = std::max(slowest, threadSeconds() - cpuStart);
        state.SetIterationTime(seconds);
        b.platform.boxes.clear();
        benchmark::DoNotOptimize(b.display());
    }
    state.counters["slowest_us"] = slowest * 1e6;
}

bool isKey(const velmor::ControlRow& row) {
    return row.kind == velmor::Kind::Button || row.kind == velmor::Kind::Option;
}

// Keys whose cost depends on the argument, at their most expensive arguments.
struct HeavyCase {
    const char* name;
    Ctl key;
    const char* display;
    std::initializer_list<Ctl> setup;
    const char* pending;
    const char* left;
};

const HeavyCase kHeavyCases[] = {
    {"factorial_170", Ctl::Factorial, "170", {}, "", "0"},
    {"factorial_170.5", Ctl::Factorial, "170.5", {}, "", "0"},
    {"sin_1E300_radians", Ctl::Sin, "1E300", {Ctl::Radians}, "", "0"},
    {"tan_1E300_degrees", Ctl::Tan, "1E300", {}, "", "0"},
    {"exp_709", Ctl::ExpE, "709.7", {}, "", "0"},
    {"ten_power_minus_323.5", Ctl::TenPower, "-323.5", {}, "", "0"},
    {"ncr_1030_515", Ctl::Equals, "515", {}, "ncr", "1030"},
    {"ncr_1E12+0.5_3.75", Ctl::Equals, "3.75", {}, "ncr", "1000000000000.5"},
    {"npr_2000.5_1000.25", Ctl::Equals, "1000.25", {}, "npr", "2000.5"},
    {"npr_3_-400", Ctl::Equals, "-400", {}, "npr", "3"},
    {"power_2_0.5", Ctl::Equals, "0.5", {}, "x^y", "2"},
    {"power_1.0001_1000000", Ctl::Equals, "1000000", {}, "x^y", "1.0001"},
    {"root_1E300_7", Ctl::Equals, "7", {}, "nsqrt", "1E300"},
    {"area_cotangent_1.0000001", velmor::functionKey(20), "1.0000001", {}, "", "0"},
};

const bool kEveryKeyRegistered = [] {
    for (const velmor::ControlRow& row : velmor::controlTable()) {
        if (!isKey(row)) continue;
        const bool base = velmor::inGroup(row.id, velmor::Group::BaseOptions);
        const Ctl id = row.id;
        benchmark::RegisterBenchmark(("key/" + velmor::qualifiedName(id)).c_str(),
                                     [id, base](benchmark::State& state) {
                                         if (base) pressEveryKeyOnce(state, id, "7", {}, {velmor::baseOption(velmor::kDec)});
                                         else pressEveryKeyOnce(state, id, "0.7", {}, {});
                                     })
            ->UseManualTime();
    }
    for (const HeavyCase& c : kHeavyCases) {
        benchmark::RegisterBenchmark((std::string("heavy/") + c.name).c_str(),
                                     [&c](benchmark::State& state) {
                                         pressEveryKeyOnce(state, c.key, c.display, c.setup, {}, c.pending, c.left);
                                     })
            ->UseManualTime();
    }
    return true;
}();

void leadingNumberParse(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(velmor::leadingNumber("-123.456E+2abc"));
}
BENCHMARK(leadingNumberParse);

void strictNumberConversion(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(velmor::strictNumber(" 1,234.5678 "));
}
BENCHMARK(strictNumberConversion);

void numberToText(benchmark::State& state) {
    const velmor::Decimal value = velmor::Decimal(1) / 3;
    for (auto _ : state) {
        benchmark::DoNotOptimize(velmor::numberText(value));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(numberToText);

}  // namespace
