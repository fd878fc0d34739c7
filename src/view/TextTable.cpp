#include "view/TextTable.h"

#include <cstdio>
#include <vector>

namespace xkr::texts {
namespace {

bool unseen(unsigned char c) {
    return c <= 0x20 || c == 0x7F;
}

std::string nameOf(std::string_view separator, std::size_t& at) {
    const unsigned char c = static_cast<unsigned char>(separator[at]);
    ++at;
    if (c == ' ')
        return std::string(english(Id::space));
    if (c == '\t')
        return std::string(english(Id::tab));
    if (c == '\r' && at < separator.size() && separator[at] == '\n')
        ++at;
    if (c == '\r' || c == '\n')
        return std::string(english(Id::lineBreak));
    char code[8];
    std::snprintf(code, sizeof code, "%04X", static_cast<unsigned>(c));
    return compose(Id::controlCharacter, {code});
}

}  // namespace

std::string compose(Id id, std::initializer_list<std::string_view> parts) {
    const std::string_view source = english(id);
    const std::vector<std::string_view> filling(parts);
    std::string composed;
    for (std::size_t i = 0; i < source.size(); ++i) {
        const char next = i + 1 < source.size() ? source[i + 1] : '\0';
        const std::size_t part = static_cast<std::size_t>(next - '1');
        if (source[i] == '%' && next >= '1' && next <= '9' && part < filling.size()) {
            composed += filling[part];
            ++i;
        } else {
            composed += source[i];
        }
    }
    return composed;
}

// The pieces follow each other from the left: “%%” followed by a line break.
std::string separatorText(std::string_view separator) {
    std::string spelled;
    std::size_t at = 0;
    while (at < separator.size()) {
        std::string piece;
        if (unseen(static_cast<unsigned char>(separator[at]))) {
            piece = nameOf(separator, at);
        } else {
            const std::size_t start = at;
            while (at < separator.size() && !unseen(static_cast<unsigned char>(separator[at])))
                ++at;
            piece = compose(Id::quoted, {separator.substr(start, at - start)});
        }
        spelled = spelled.empty() ? piece : compose(Id::followedBy, {spelled, piece});
    }
    return spelled;
}

}  // namespace xkr::texts
