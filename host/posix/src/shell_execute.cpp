// ShellExecuteW on Linux: a web address goes to the desktop's opener, xdg-open, started
// with posix_spawnp and an argument vector, so no text is ever parsed by a shell. Nothing
// waits for the browser: a detached thread reaps the opener when it exits, so that it does
// not stay behind as a zombie.
#include <shellapi.h>
#include <standin/shell_execute_hook.h>
#include <standin/utf8.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cwctype>
#include <thread>

namespace {

// Results as Windows gives them: above 32 for success, else an error number.
constexpr INT_PTR kOpened = 42;
constexpr INT_PTR kFileNotFound = 2;    // ERROR_FILE_NOT_FOUND: nothing to open, or no opener
constexpr INT_PTR kAccessDenied = 5;    // SE_ERR_ACCESSDENIED
constexpr INT_PTR kOutOfMemory = 8;     // SE_ERR_OOM
constexpr INT_PTR kNoAssociation = 31;  // SE_ERR_NOASSOC: not something the stand-in opens

std::mutex hookMutex;
standin::ShellExecuteHook hook;

bool StartsWithIgnoringCase(const std::wstring& text, const wchar_t* prefix) {
    std::size_t i = 0;
    for (; prefix[i] != L'\0'; ++i) {
        if (i >= text.size() ||
            std::towlower(static_cast<wint_t>(text[i])) != static_cast<wint_t>(prefix[i])) {
            return false;
        }
    }
    return true;
}

bool IsDefaultOperation(LPCWSTR operation) {
    if (operation == nullptr) return true;
    const std::wstring verb(operation);
    return verb.size() == 4 && StartsWithIgnoringCase(verb, L"open");
}

// The address as UTF-8 when it is an absolute http or https address with a host part and
// nothing in it that an address cannot hold (white space, control characters, values that
// are no Unicode scalar); otherwise empty.
std::string WebAddressUtf8(const std::wstring& file) {
    std::size_t hostStart = 0;
    if (StartsWithIgnoringCase(file, L"http://")) {
        hostStart = 7;
    } else if (StartsWithIgnoringCase(file, L"https://")) {
        hostStart = 8;
    } else {
        return {};
    }
    if (hostStart >= file.size() || file[hostStart] == L'/' || file[hostStart] == L'?' ||
        file[hostStart] == L'#') {
        return {};
    }
    std::string utf8;
    for (wchar_t wc : file) {
        const auto c = static_cast<char32_t>(wc);
        if (c <= 0x20 || c == 0x7F || (c >= 0x80 && c <= 0x9F) ||
            std::iswspace(static_cast<wint_t>(wc)) || (c >= 0xD800 && c <= 0xDFFF) ||
            c > 0x10FFFF) {
            return {};
        }
        standin::AppendUtf8(c, utf8);
    }
    return utf8;
}

// Starts `xdg-open address` from PATH in a session of its own, with standard input from
// /dev/null and the signal state reset, and leaves it running.
INT_PTR OpenWithXdgOpen(std::string address) {
    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributes;
    if (posix_spawn_file_actions_init(&actions) != 0) return kOutOfMemory;
    if (posix_spawnattr_init(&attributes) != 0) {
        posix_spawn_file_actions_destroy(&actions);
        return kOutOfMemory;
    }
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    sigset_t noSignals;
    sigemptyset(&noSignals);
    sigset_t defaults;
    sigemptyset(&defaults);
    for (int sig : {SIGPIPE, SIGCHLD, SIGHUP, SIGINT, SIGQUIT, SIGTERM}) sigaddset(&defaults, sig);
    posix_spawnattr_setsigmask(&attributes, &noSignals);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setflags(&attributes,
                             POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSID);

    char program[] = "xdg-open";
    char* argv[] = {program, address.data(), nullptr};
    pid_t pid = 0;
    const int error = posix_spawnp(&pid, program, &actions, &attributes, argv, environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) {
        if (error == ENOENT || error == ENOTDIR) return kFileNotFound;
        return error == ENOMEM || error == EAGAIN ? kOutOfMemory : kAccessDenied;
    }
    try {
        std::thread([pid] {
            int status = 0;
            while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
            }
        }).detach();
    } catch (...) {
        // Without a waiter the opener stays a zombie until the host exits; it was started.
    }
    return kOpened;
}

}  // namespace

HINSTANCE ShellExecuteW(HWND owner, LPCWSTR operation, LPCWSTR file, LPCWSTR parameters,
                        LPCWSTR directory, INT showCommand) {
    auto result = [](INT_PTR value) { return reinterpret_cast<HINSTANCE>(value); };
    if (file == nullptr || *file == L'\0') return result(kFileNotFound);
    if (!IsDefaultOperation(operation)) return result(kNoAssociation);
    std::string address = WebAddressUtf8(file);
    if (address.empty()) return result(kNoAssociation);

    standin::ShellExecuteHook opener;
    {
        std::lock_guard<std::mutex> lock(hookMutex);
        opener = hook;
    }
    if (!opener) return result(OpenWithXdgOpen(std::move(address)));
    auto text = [](LPCWSTR s) { return s ? std::optional<std::wstring>(s) : std::nullopt; };
    return result(
        opener({owner, text(operation), file, text(parameters), text(directory), showCommand}));
}

namespace standin {

ShellExecuteHook SetShellExecuteHook(ShellExecuteHook replacement) {
    std::lock_guard<std::mutex> lock(hookMutex);
    std::swap(hook, replacement);
    return replacement;
}

ShellExecuteRecorder::ShellExecuteRecorder(INT_PTR result) {
    previous_ = SetShellExecuteHook([this, result](const ShellExecuteCall& call) {
        std::lock_guard<std::mutex> lock(mutex_);
        calls_.push_back(call);
        return result;
    });
}

ShellExecuteRecorder::~ShellExecuteRecorder() {
    SetShellExecuteHook(std::move(previous_));
}

std::vector<ShellExecuteCall> ShellExecuteRecorder::Calls() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return calls_;
}

}  // namespace standin
