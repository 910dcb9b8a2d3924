#include "tools/examtool/bank_file.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <system_error>
#include <vector>

#include "tools/examtool/messages.h"
#include "tools/examtool/platform.h"

namespace examtool {

namespace {

struct TFileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

std::string CannotRead(std::string_view path, int error) {
    return "cannot read " + Printable(path) + ": " + std::generic_category().message(error);
}

}  // namespace

std::string ReadBankFile(std::string_view path) {
    int error = 0;
    const std::unique_ptr<std::FILE, TFileCloser> file(OpenForReading(std::string(path), error));
    if (!file) {
        throw TToolError(CannotRead(path, error));
    }
    std::string bytes;
    char buffer[1 << 16];
    while (!std::feof(file.get())) {
        errno = 0;
        const std::size_t got = std::fread(buffer, 1, sizeof buffer, file.get());
        if (std::ferror(file.get())) {
            throw TToolError(CannotRead(path, errno != 0 ? errno : EIO));
        }
        if (bytes.size() + got > kMaxBankFileSize) {
            throw TToolError(Printable(path) + " is larger than " +
                             std::to_string(kMaxBankFileSize >> 20) + " MiB, more than any bank");
        }
        bytes.append(buffer, got);
    }
    return bytes;
}

exam::TBank ReadValidBank(std::string_view path, std::string_view bytes, std::int32_t groupSize) {
    exam::TBank bank = exam::ReadBank(bytes, groupSize);
    const std::vector<exam::TBankProblem>& problems = bank.Problems;
    if (problems.empty()) {
        return bank;
    }
    const exam::TBankProblem& first = problems.front();
    const std::string more = problems.size() == 1
                                 ? std::string()
                                 : "and " + std::to_string(problems.size() - 1) + " more " +
                                       (problems.size() == 2 ? "problem" : "problems") + ", ";
    throw TToolError(Printable(path) + " is not a valid bank: line " + std::to_string(first.Line) +
                         ": " + Printable(first.Message) + " (" + more + "see examtool check)",
                     kExitBankProblems);
}

}  // namespace examtool
