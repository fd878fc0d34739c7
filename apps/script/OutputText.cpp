#include "OutputText.h"

#include <cstdio>

namespace xkr::script {
namespace {

bool needsEscape(unsigned char byte) {
    return byte < 0x20 || byte == 0x7F || byte == '\\' || byte == '"' || byte == '|';
}

}  // namespace

std::string escapeText(std::string_view text) {
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (needsEscape(byte)) {
            out += "\\x";
            out += hex[byte >> 4];
            out += hex[byte & 0xF];
        } else {
            out += c;
        }
    }
    return out;
}

std::string quoted(std::string_view text) {
    return '"' + escapeText(text) + '"';
}

const char* yesNo(bool value) {
    return value ? "yes" : "no";
}

std::string colourName(Colour colour) {
    if (colour == windowBackground)
        return "window";
    if (colour == buttonFace)
        return "face";
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%08X", static_cast<unsigned>(colour));
    return buffer;
}

}  // namespace xkr::script
