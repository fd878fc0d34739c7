#include "ScriptLine.h"

#include <charconv>
#include <limits>

namespace xkr::script {
namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

}  // namespace

std::string decodeEscapes(std::string_view raw) {
    std::string decoded;
    decoded.reserve(raw.size());
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] != '\\') {
            decoded += raw[i];
            continue;
        }
        if (i + 1 >= raw.size())
            throw ScriptError("backslash at the end of an argument");
        const char kind = raw[++i];
        switch (kind) {
            case '\\':
                decoded += '\\';
                break;
            case 't':
                decoded += '\t';
                break;
            case 'n':
                decoded += '\n';
                break;
            case 'r':
                decoded += '\r';
                break;
            case 'x': {
                const int high = i + 1 < raw.size() ? hexDigit(raw[i + 1]) : -1;
                const int low = i + 2 < raw.size() ? hexDigit(raw[i + 2]) : -1;
                if (high < 0 || low < 0)
                    throw ScriptError("\\x needs two hex digits");
                decoded += static_cast<char>(high * 16 + low);
                i += 2;
                break;
            }
            default:
                throw ScriptError(std::string("unknown escape \\") + kind);
        }
    }
    return decoded;
}

bool isSkipped(std::string_view line) {
    const std::size_t first = line.find_first_not_of(' ');
    return first == std::string_view::npos || line[first] == '#';
}

LineArgs::LineArgs(std::string_view line) {
    const std::size_t space = line.find(' ');
    m_command = std::string(line.substr(0, space));
    if (space != std::string_view::npos) {
        m_rest = line.substr(space + 1);
        m_more = true;
    }
}

std::string LineArgs::word(std::string_view what) {
    if (!m_more)
        throw ScriptError("missing argument " + std::string(what));
    const std::size_t space = m_rest.find(' ');
    const std::string_view raw = m_rest.substr(0, space);
    m_more = space != std::string_view::npos;
    m_rest = m_more ? m_rest.substr(space + 1) : std::string_view();
    return decodeEscapes(raw);
}

std::string LineArgs::text() {
    if (!m_more)
        return {};
    m_more = false;
    const std::string_view raw = m_rest;
    m_rest = {};
    return decodeEscapes(raw);
}

void LineArgs::end() const {
    if (m_more)
        throw ScriptError("unexpected argument after " + m_command);
}

std::int64_t toWholeNumber(std::string_view text, std::string_view what) {
    std::int64_t value = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    const auto [end, error] = std::from_chars(first, last, value);
    if (text.empty() || error != std::errc() || end != last) {
        throw ScriptError("malformed " + std::string(what) + ": " + std::string(text));
    }
    return value;
}

std::int32_t toInt32(std::string_view text, std::string_view what) {
    const std::int64_t value = toWholeNumber(text, what);
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max()) {
        throw ScriptError(std::string(what) + " out of the 32-bit range: " + std::string(text));
    }
    return static_cast<std::int32_t>(value);
}

}  // namespace xkr::script
