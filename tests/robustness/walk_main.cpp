// random-walk [--seeds N] [--actions N] [--first-seed S]: drives fresh calculators
// through random inputs and stops at the first broken invariant, printing the
// shortest sequence that still breaks it.
#include <cstdlib>
#include <iostream>
#include <string>

#include "robustness/walk.h"

int main(int argc, char* argv[]) {
    long seeds = 20, actions = 10000, firstSeed = 1;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string flag = argv[i];
        const long value = std::atol(argv[i + 1]);
        if (flag == "--seeds") seeds = value;
        else if (flag == "--actions") actions = value;
        else if (flag == "--first-seed") firstSeed = value;
    }
    long total = 0;
    for (long seed = firstSeed; seed < firstSeed + seeds; ++seed) {
        std::mt19937_64 rng(static_cast<std::uint64_t>(seed));
        std::vector<velmor::walk::Action> done;
        velmor::walk::Session session;
        for (long n = 0; n < actions; ++n) {
            done.push_back(velmor::walk::randomAction(rng));
            if (const auto broken = session.step(done.back())) {
                std::cout << "seed " << seed << ", action " << n << ": " << *broken << "\n";
                const auto shortest = velmor::walk::shorten(done);
                std::cout << "shortest sequence (" << shortest.size() << " actions):\n";
                for (const auto& a : shortest) std::cout << "  " << velmor::walk::describe(a) << "\n";
                std::cout << total + n + 1 << " passed, 1 failed\n";
                return 1;
            }
        }
        total += actions;
    }
    std::cout << total << " passed, 0 failed\n";
    return 0;
}
