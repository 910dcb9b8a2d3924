#pragma once

// What differs between Linux and Windows for examtool, kept in this file pair so that every
// other file is the same on both: the program's entry point (EXAMTOOL_ENTRY_POINT), which hands
// the command line over as UTF-8 on both; standard output and error written byte for byte (no
// "\r\n" for "\n"), a console shown UTF-8; and files opened by UTF-8 names.

#include <cstdio>
#include <string>
#include <vector>

namespace examtool {

// The tool itself: takes the arguments after the program name, as UTF-8, and returns the exit
// status.
using TToolMain = int (*)(const std::vector<std::string>& args);

#ifdef _WIN32
// Prepares the standard streams and the console, and runs `tool` on the UTF-16 command line.
int RunTool(int argc, wchar_t** argv, TToolMain tool);
// wmain receives the command line as Windows holds it, whatever the ANSI code page.
#define EXAMTOOL_ENTRY_POINT(tool)                  \
    int wmain(int argc, wchar_t** argv) {           \
        return examtool::RunTool(argc, argv, tool); \
    }
#else
int RunTool(int argc, char** argv, TToolMain tool);
#define EXAMTOOL_ENTRY_POINT(tool)                  \
    int main(int argc, char** argv) {               \
        return examtool::RunTool(argc, argv, tool); \
    }
#endif

// Opens the file with the UTF-8 name `path` for reading bytes. On failure returns nullptr with
// the reason in `error` (an errno value); a directory is refused with EISDIR on every platform,
// so that the message is the same.
std::FILE* OpenForReading(const std::string& path, int& error);

}  // namespace examtool
