// Build step: validates a question bank file and writes it as a C++ source file that the exam
// program compiles in. A bank that breaks the rules fails the build with one "path:line: message"
// per problem.
//   bank_embed BANK GROUP_SIZE OUTPUT.cpp NAME
// The generated file defines exam::NAME(), the bank's lines.

#include <charconv>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "engine/bank_reader.h"

namespace {

// A C++ string literal of Windows-1251 bytes: printable ASCII as it is, the rest as octal
// escapes (which, unlike hexadecimal ones, never swallow a following digit).
std::string Literal(std::string_view bytes) {
    std::string out = "\"";
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '"' || byte == '\\' || byte == '?') {
            out += '\\';
            out += c;
        } else if (byte >= 0x20 && byte < 0x7F) {
            out += c;
        } else {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\%03o", byte);
            out += escape;
        }
    }
    return out + "\"";
}

// The C++ source that defines exam::NAME() for a bank's lines.
std::string EmbeddedBankSource(const std::vector<std::string_view>& lines,
                               const std::string& name) {
    std::ostringstream code;
    code << "// Generated at build time from the question bank; do not edit.\n"
         << "#include \"engine/question_bank.h\"\n\n"
         << "namespace exam {\n\nnamespace {\n\n"
         << "constexpr std::string_view kLines[] = {\n";
    for (const std::string_view line : lines) {
        code << "    " << Literal(line) << ",\n";
    }
    code << "};\n\n}  // namespace\n\n"
         << "TQuestionBank " << name << "() { return kLines; }\n\n"
         << "}  // namespace exam\n";
    return code.str();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::cerr << "usage: bank_embed BANK GROUP_SIZE OUTPUT.cpp NAME\n";
        return 2;
    }
    const std::string bankPath = argv[1];
    const std::string_view groupText = argv[2];
    int groupSize = 0;
    const char* const last = groupText.data() + groupText.size();
    const auto [end, error] = std::from_chars(groupText.data(), last, groupSize);
    if (error != std::errc() || end != last || groupSize < 1) {
        std::cerr << "bank_embed: bad group size '" << groupText << "'\n";
        return 2;
    }

    std::ifstream in(bankPath, std::ios::binary);
    if (!in) {
        std::cerr << bankPath << ": cannot read the bank\n";
        return 2;
    }
    std::ostringstream buffer;
    buffer << in.rdbuf();
    const std::string bytes = buffer.str();

    const exam::TBank bank = exam::ReadBank(bytes, groupSize);
    for (const exam::TBankProblem& problem : bank.Problems) {
        std::cerr << bankPath << ":" << problem.Line << ": " << problem.Message << "\n";
    }
    if (!bank.Problems.empty()) {
        return 1;
    }

    const std::string code = EmbeddedBankSource(bank.Lines, argv[4]);
    std::ofstream out(argv[3], std::ios::binary | std::ios::trunc);
    out << code;
    out.close();
    if (!out) {
        std::cerr << argv[3] << ": cannot write the embedded bank\n";
        return 2;
    }
    return 0;
}
