#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

// Reading one line of a host script: the command word, single-word arguments separated by
// exactly one space, a TEXT argument that takes the rest of the line, and the escapes that
// every argument may carry.
namespace xkr::script {

// A fault in the script itself: the host stops at that line with exit status 2.
class ScriptError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Decodes \\ \t \n \r and \xHH; any other backslash sequence is a script error.
std::string decodeEscapes(std::string_view raw);

// Blank lines and comment lines (first non-space character '#') do nothing.
bool isSkipped(std::string_view line);

class LineArgs {
public:
    explicit LineArgs(std::string_view line);

    const std::string& command() const { return m_command; }

    // The next single-word argument, decoded; `what` names it in the error when it is missing.
    std::string word(std::string_view what);
    // The rest of the line, decoded and kept exactly as it stands; empty when nothing follows.
    std::string text();
    // Fails when the line holds more than the command reads.
    void end() const;

private:
    std::string m_command;
    std::string_view m_rest;
    bool m_more = false;  // a separating space followed the last item read
};

// Whole numbers as the script writes them: an optional minus sign and decimal digits.
std::int64_t toWholeNumber(std::string_view text, std::string_view what);
std::int32_t toInt32(std::string_view text, std::string_view what);

}  // namespace xkr::script
