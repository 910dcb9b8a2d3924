#pragma once

// The layout of examtool's JSON. The top-level value puts each member on a line of its own, and
// so does an array of objects directly inside it, indented by two spaces a level; every other
// value stays on one line ({"line": 27, "characters": 80}), so that a result reads and diffs
// line by line.

#include <string>

#include <nlohmann/json.hpp>

namespace examtool {

using TJson = nlohmann::ordered_json;  // keys keep the order they were added in

// The document in that layout, with a final line end.
std::string JsonText(const TJson& document);

}  // namespace examtool
