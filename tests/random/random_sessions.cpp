// Random sessions against the headless control: seeded sequences of host calls and user
// operations, every rule checked after every step. A failure prints its seed and the shortest
// failing sequence found, as a script for vendorpayto-script.
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>

#include "random/Shrink.h"
#include "random/StepGenerator.h"

namespace {

struct Options {
    long sessions = 10000;
    int steps = 200;
    std::uint64_t seed = 20260101;
};

bool parse(int argc, char** argv, Options& options) {
    if (const char* fromEnvironment = std::getenv("XKR_RANDOM_SESSIONS")) {
        options.sessions = std::atol(fromEnvironment);
    }
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string_view name = argv[i];
        const char* value = argv[i + 1];
        if (name == "--sessions") {
            options.sessions = std::atol(value);
        } else if (name == "--steps") {
            options.steps = std::atoi(value);
        } else if (name == "--seed") {
            options.seed = std::strtoull(value, nullptr, 10);
        } else {
            return false;
        }
    }
    return argc % 2 == 1 && options.sessions > 0 && options.steps > 0;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parse(argc, argv, options)) {
        std::cerr << "usage: random_sessions [--sessions N] [--steps M] [--seed S]\n";
        return 2;
    }
    const auto started = std::chrono::steady_clock::now();
    for (long k = 0; k < options.sessions; ++k) {
        const std::uint64_t seed = options.seed + static_cast<std::uint64_t>(k);
        xkr::session::StepGenerator generator(seed);
        const xkr::session::Steps steps = generator.sequence(options.steps);
        const xkr::session::RunResult result = xkr::session::runSteps(steps);
        if (result.failure.empty())
            continue;
        std::cout << "seed " << seed << ": step " << result.failedStep + 1 << ": " << result.failure
                  << "\n";
        const xkr::session::Steps shortest = xkr::session::shrink(steps, result.failure);
        const xkr::session::RunResult replay = xkr::session::runSteps(shortest);
        std::cout << "shortest failing sequence (" << shortest.size() << " steps):\n"
                  << xkr::session::hostScript(
                         shortest, "seed " + std::to_string(seed) + ": " + replay.failure);
        return 1;
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - started;
    std::cout << options.sessions << " sessions of " << options.steps << " steps ("
              << options.sessions * options.steps << " steps) passed in " << took.count()
              << " s, seeds " << options.seed << " to " << options.seed + options.sessions - 1
              << "\n";
    return 0;
}
