#include "tools/examtool/messages.h"

#include <cstdio>

namespace examtool {

std::string Printable(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02X", byte);
            out += escape;
        } else {
            out += c;
        }
    }
    return out;
}

std::string Quoted(std::string_view text) {
    return "\"" + Printable(text) + "\"";
}

}  // namespace examtool
