#include "tools/examtool/json_output.h"

namespace examtool {

namespace {

std::string Scalar(const TJson& value) {
    return value.dump(-1, ' ', false, TJson::error_handler_t::replace);
}

void Write(std::string& out, const TJson& value, int depth) {
    if (!value.is_structured()) {
        out += Scalar(value);
        return;
    }
    const bool block = depth == 0 || (depth == 1 && value.is_array() && !value.empty() &&
                                      value.front().is_object());
    out += value.is_object() ? '{' : '[';
    for (auto item = value.begin(); item != value.end(); ++item) {
        if (item != value.begin()) {
            out += block ? "," : ", ";
        }
        if (block) {
            out += '\n';
            out.append(2 * (depth + 1), ' ');
        }
        if (value.is_object()) {
            out += Scalar(item.key()) + ": ";
        }
        Write(out, item.value(), depth + 1);
    }
    if (block && !value.empty()) {
        out += '\n';
        out.append(2 * depth, ' ');
    }
    out += value.is_object() ? '}' : ']';
}

}  // namespace

std::string JsonText(const TJson& document) {
    std::string out;
    Write(out, document, 0);
    return out + "\n";
}

}  // namespace examtool
