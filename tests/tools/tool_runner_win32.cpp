// CreateProcessW with temporary files for the three standard streams: no pipe can fill up.
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "tests/tools/tool_runner.h"

namespace veltrane::tools {
namespace {

// A temporary file opened for the child to inherit as one of its standard streams.
class TempFile {
  public:
    TempFile() {
        wchar_t dir[MAX_PATH + 1];
        wchar_t name[MAX_PATH + 1];
        if (GetTempPathW(MAX_PATH + 1, dir) == 0 || GetTempFileNameW(dir, L"vlt", 0, name) == 0) {
            throw std::runtime_error("cannot create a temporary file");
        }
        path = name;
    }
    ~TempFile() {
        if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
        DeleteFileW(path.c_str());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    HANDLE Open(DWORD access) {
        SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
        handle = CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE)
            throw std::runtime_error("cannot open a temporary file");
        return handle;
    }

    std::string Read() const {
        std::ifstream in(std::filesystem::path(path), std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    std::wstring path;
    HANDLE handle = INVALID_HANDLE_VALUE;
};

// One argument quoted for CommandLineToArgvW's rules: backslashes double before a quote.
std::wstring Quote(const std::string& arg) {
    const std::wstring wide = std::filesystem::path(arg).wstring();
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (wchar_t c : wide) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(2 * backslashes, L'\\');
    return quoted + L"\"";
}

}  // namespace

ToolRun RunTool(const std::vector<std::string>& args, const std::string& input) {
    TempFile in, out, err;
    { std::ofstream(std::filesystem::path(in.path), std::ios::binary) << input; }
    std::wstring commandLine = Quote(VELTRANE_TOOL);
    for (const std::string& a : args) commandLine += L" " + Quote(a);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = in.Open(GENERIC_READ);
    startup.hStdOutput = out.Open(GENERIC_WRITE);
    startup.hStdError = err.Open(GENERIC_WRITE);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &startup, &process)) {
        throw std::runtime_error("cannot start " + std::string(VELTRANE_TOOL));
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);

    ToolRun run;
    run.status = static_cast<int>(code);
    run.out = out.Read();
    run.err = err.Read();
    return run;
}

}  // namespace veltrane::tools
