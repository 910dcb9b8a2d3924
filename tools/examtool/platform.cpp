#include "tools/examtool/platform.h"

#include <cerrno>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace examtool {

#ifdef _WIN32

namespace {

std::wstring Wide(const std::string& utf8) {
    if (utf8.empty()) {
        return {};
    }
    const int size =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), size);
    return wide;
}

std::string Utf8(const wchar_t* wide) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) {
        return {};
    }
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8.data(), size, nullptr, nullptr);
    utf8.pop_back();  // the terminating NUL
    return utf8;
}

// Shows UTF-8 on the console while the tool runs, and gives the console its code page back.
// Output into a file or a pipe is left alone: it is UTF-8 bytes already.
class TConsoleCodePage {
public:
    TConsoleCodePage() : Saved(GetConsoleOutputCP()) {
        DWORD mode = 0;
        Console = GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mode) != 0 ||
                  GetConsoleMode(GetStdHandle(STD_ERROR_HANDLE), &mode) != 0;
        if (Console) {
            SetConsoleOutputCP(CP_UTF8);
        }
    }
    ~TConsoleCodePage() {
        if (Console) {
            SetConsoleOutputCP(Saved);
        }
    }
    TConsoleCodePage(const TConsoleCodePage&) = delete;
    TConsoleCodePage& operator=(const TConsoleCodePage&) = delete;

private:
    UINT Saved;
    bool Console = false;
};

}  // namespace

std::FILE* OpenForReading(const std::string& path, int& error) {
    const std::wstring name = Wide(path);
    const DWORD attributes = GetFileAttributesW(name.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        error = EISDIR;  // Windows itself would say "Permission denied"
        return nullptr;
    }
    errno = 0;
    std::FILE* file = _wfopen(name.c_str(), L"rb");
    error = file == nullptr ? (errno != 0 ? errno : EIO) : 0;
    return file;
}

int RunTool(int argc, wchar_t** argv, TToolMain tool) {
    // Text mode would write every "\n" as "\r\n".
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    const TConsoleCodePage codePage;
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        args.push_back(Utf8(argv[i]));
    }
    return tool(args);
}

#else

std::FILE* OpenForReading(const std::string& path, int& error) {
    errno = 0;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        error = errno != 0 ? errno : EIO;
        return nullptr;
    }
    // Opening a directory succeeds here; refuse it now rather than at the first read.
    struct stat status {};
    if (fstat(fileno(file), &status) == 0 && S_ISDIR(status.st_mode)) {
        std::fclose(file);
        error = EISDIR;
        return nullptr;
    }
    error = 0;
    return file;
}

int RunTool(int argc, char** argv, TToolMain tool) {
    return tool(std::vector<std::string>(argv + 1, argv + argc));
}

#endif

}  // namespace examtool
