#pragma once

#include <cstdint>
#include <random>
#include <string>

#include "random/Step.h"

namespace xkr::session {

// Draws steps the way a careless host and a curious user would: mostly sound contact data
// texts with a few damaged ones, clicks anywhere, any text typed anywhere.
class StepGenerator {
public:
    explicit StepGenerator(std::uint64_t seed) : m_random(seed) {}

    Step next();
    Steps sequence(int length);

private:
    int below(int bound);
    bool chance(int percent) { return below(100) < percent; }
    Separators separators();
    std::string contactData(const Separators& separators);
    std::string payToRecord(const Separators& separators, int index);
    std::string typedText();
    void appendFormRun(Steps& steps);

    std::mt19937_64 m_random;
    Separators m_lastSeparators{"|", "~", "^"};
};

}  // namespace xkr::session
