#pragma once

// What examtool knows of each exam program: the facts its program.cmake states that examtool's
// commands use. The table of them, kExamPrograms, is generated at build time.

#include <array>
#include <cstdint>
#include <string_view>

namespace examtool {

struct TExamProgramFacts {
    std::string_view Name;   // the program's command and folder name, e.g. "varnel"
    std::string_view Title;  // e.g. "Varnel"
    std::int32_t GroupSize = 0;
};

}  // namespace examtool
