// monkey [--seeds N] [--first-seed S] [--steps N] [--minutes M] [--step-limit SECONDS] [--verbose]
// Drives the real window with seeded random input (see monkey.h). Stops at the
// first broken invariant and prints the seed, the last steps and the command
// that replays it. --minutes runs seeds one after another until the time is up.
#include <QApplication>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <string>

#include "robustness/monkey/monkey.h"

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Calculator"));
    long seeds = 3, firstSeed = 1;
    double minutes = 0;
    velmor::monkey::Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string flag = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : "0";
        if (flag == "--verbose") { options.verbose = true; continue; }
        ++i;
        if (flag == "--seeds") seeds = std::atol(value);
        else if (flag == "--first-seed") firstSeed = std::atol(value);
        else if (flag == "--seed") { firstSeed = std::atol(value); seeds = 1; }
        else if (flag == "--steps") options.steps = std::atol(value);
        else if (flag == "--minutes") minutes = std::atof(value);
        else if (flag == "--step-limit") options.stepLimitSeconds = std::atof(value);
        else { std::cerr << "unknown option " << flag << "\n"; return 2; }
    }
    const auto start = std::chrono::steady_clock::now();
    const auto elapsedMinutes = [&] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / 60;
    };
    long steps = 0, sessions = 0, nested = 0, seedsRun = 0;
    for (long seed = firstSeed; minutes > 0 ? elapsedMinutes() < minutes : seed < firstSeed + seeds; ++seed) {
        options.seed = static_cast<std::uint64_t>(seed);
        const auto result = velmor::monkey::run(options);
        steps += result.steps;
        sessions += result.sessions;
        nested += result.nestedSteps;
        ++seedsRun;
        if (result.failure) {
            std::cout << "seed " << seed << ", step " << result.steps << ": " << *result.failure << "\nlast steps:\n";
            for (const auto& s : result.lastSteps) std::cout << "  " << s << "\n";
            std::cout << "replay: monkey --seed " << seed << " --steps " << result.steps << " --verbose\n";
            std::cout << steps << " steps, 1 failed\n";
            return 1;
        }
    }
    std::cout << seedsRun << " seeds, " << steps << " steps (" << nested << " while a box or menu waited), "
              << sessions << " program sessions in " << elapsedMinutes() << " minutes, 0 failed\n";
    return 0;
}
