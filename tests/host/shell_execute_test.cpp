// ShellExecuteW: what it refuses, what a recorder sees, and the real road through xdg-open,
// faked by a script first on PATH so that no browser starts.
#include <shellapi.h>
#include <standin/shell_execute_hook.h>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

namespace {

namespace fs = std::filesystem;
using standin::ShellExecuteRecorder;

INT_PTR Result(HINSTANCE h) {
    return reinterpret_cast<INT_PTR>(h);
}

INT_PTR Open(LPCWSTR file, LPCWSTR operation = nullptr) {
    return Result(ShellExecuteW(nullptr, operation, file, nullptr, nullptr, SW_SHOW));
}

TEST(ShellExecuteW, RefusesWhatIsNotAnAbsoluteWebAddress) {
    ShellExecuteRecorder recorder;  // should a refusal fail, nothing opens all the same
    const wchar_t* const refused[] = {
        L"",
        L"www.example.com",
        L"example.com/page",
        L"ftp://example.com/",
        L"file:///etc/passwd",
        L"javascript:alert(1)",
        L"mailto:someone@example.com",
        L"/usr/bin/xterm",
        L"-https://example.com",
        L"http://",
        L"https:///path",
        L"https://?q",
        L"https://exa mple.com",
        L"https://example.com/\n--help",
        L"https://example.com/\t",
        L"https://example.com/\x7f",
        L" https://example.com",
    };
    for (const wchar_t* file : refused) {
        SCOPED_TRACE(testing::Message() << "file \"" << file << '"');
        EXPECT_LE(Open(file), 32);
    }
    EXPECT_EQ(Result(ShellExecuteW(nullptr, nullptr, nullptr, nullptr, nullptr, SW_SHOW)), 2);
    EXPECT_EQ(Open(L"https://example.com/", L"edit"), 31) << "only the default operation";
    EXPECT_EQ(Open(L"https://example.com/", L"print"), 31);
    EXPECT_TRUE(recorder.Calls().empty());
}

TEST(ShellExecuteW, HandsAcceptedAddressesToTheHookWithTheirArguments) {
    ShellExecuteRecorder recorder;
    const wchar_t* const accepted[] = {
        L"https://example.com/",
        L"http://example.com/a?b=c&d=e#f",
        L"HTTPS://Example.com/Page",
        L"https://example.com/\u00e9t\u00e9",
    };
    for (const wchar_t* file : accepted) {
        SCOPED_TRACE(testing::Message() << "file \"" << file << '"');
        EXPECT_EQ(Open(file), 42);
    }
    EXPECT_EQ(Open(L"https://example.com/", L"open"), 42);
    EXPECT_EQ(Open(L"https://example.com/", L"Open"), 42);
    int owner = 0;
    EXPECT_EQ(Result(ShellExecuteW(reinterpret_cast<HWND>(&owner), nullptr,
                                   L"https://example.com/x", L"-p", L"/tmp", 3)),
              42);

    const std::vector<standin::ShellExecuteCall> calls = recorder.Calls();
    ASSERT_EQ(calls.size(), std::size(accepted) + 3);
    for (std::size_t i = 0; i < std::size(accepted); ++i) {
        EXPECT_EQ(calls[i].file, accepted[i]);
        EXPECT_EQ(calls[i].owner, nullptr);
        EXPECT_FALSE(calls[i].operation.has_value());
        EXPECT_FALSE(calls[i].parameters.has_value());
        EXPECT_FALSE(calls[i].directory.has_value());
        EXPECT_EQ(calls[i].showCommand, SW_SHOW);
    }
    EXPECT_EQ(calls[std::size(accepted)].operation, std::optional<std::wstring>(L"open"));
    const standin::ShellExecuteCall& last = calls.back();
    EXPECT_EQ(last.owner, reinterpret_cast<HWND>(&owner));
    EXPECT_EQ(last.parameters, std::optional<std::wstring>(L"-p"));
    EXPECT_EQ(last.directory, std::optional<std::wstring>(L"/tmp"));
    EXPECT_EQ(last.showCommand, 3);

    {
        ShellExecuteRecorder inner(5);
        EXPECT_EQ(Open(L"https://example.com/inner"), 5) << "the hook's answer is the result";
    }
    EXPECT_EQ(Open(L"https://example.com/outer"), 42) << "the outer recorder is back";
    EXPECT_EQ(recorder.Calls().size(), std::size(accepted) + 4);
}

// A folder put first on PATH for the test's lifetime, holding a fake xdg-open that writes
// its arguments, one per line, to a file and counts its runs.
class FakeOpener : public testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("shell-execute-" + std::to_string(getpid()));
        fs::create_directories(dir_);
        const char* path = std::getenv("PATH");
        oldPath_ = path ? path : "";
    }
    void TearDown() override {
        setenv("PATH", oldPath_.c_str(), 1);
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }

    void InstallOpener() {
        const fs::path script = dir_ / "xdg-open";
        std::ofstream(script) << "#!/bin/sh\n"
                              << "printf '%s\\n' \"$@\" > '" << Out().string() << ".tmp'\n"
                              << "mv '" << Out().string() << ".tmp' '" << Out().string() << "'\n";
        fs::permissions(script, fs::perms::owner_all);
        UsePath(dir_.string() + ":" + oldPath_);
    }
    void UsePath(const std::string& path) { setenv("PATH", path.c_str(), 1); }
    fs::path Out() const { return dir_ / "opened"; }

    // What the opener wrote, once it has; empty after a few seconds without it.
    std::string WaitForOutput() const {
        for (int i = 0; i < 1000 && !fs::exists(Out()); ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        std::ifstream in(Out());
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    fs::path dir_;
    std::string oldPath_;
};

// Children of this process that have exited and not been reaped.
int Zombies() {
    int count = 0;
    DIR* proc = opendir("/proc");
    if (proc == nullptr) return 0;
    while (dirent* entry = readdir(proc)) {
        std::ifstream stat(std::string("/proc/") + entry->d_name + "/stat");
        std::string line;
        if (!std::getline(stat, line)) continue;
        const std::size_t close = line.rfind(')');
        if (close == std::string::npos) continue;
        std::istringstream rest(line.substr(close + 2));
        char state = 0;
        long parent = 0;
        rest >> state >> parent;
        if (parent == getpid() && state == 'Z') ++count;
    }
    closedir(proc);
    return count;
}

TEST_F(FakeOpener, StartsXdgOpenWithTheAddressAsOneArgumentWithoutAShell) {
    InstallOpener();
    const fs::path planted = dir_ / "planted";
    // Each part would write `planted` if a shell read it (addresses hold no spaces).
    const std::wstring address = L"https://example.com/?q=$(id>" + planted.wstring() + L")&r=`id>" +
                                 planted.wstring() + L"`;id>" + planted.wstring() +
                                 L"|x='y'&\u00e9";
    EXPECT_GT(Open(address.c_str()), 32);
    EXPECT_EQ(WaitForOutput(), "https://example.com/?q=$(id>" + planted.string() + ")&r=`id>" +
                                   planted.string() + "`;id>" + planted.string() +
                                   "|x='y'&\xc3\xa9\n");
    EXPECT_FALSE(fs::exists(planted)) << "no shell read the address";

    // The opener has exited; a waiter reaps it so that it does not stay a zombie.
    int zombies = Zombies();
    for (int i = 0; i < 500 && zombies > 0; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        zombies = Zombies();
    }
    EXPECT_EQ(zombies, 0);
}

TEST_F(FakeOpener, ReportsAMissingOpener) {
    UsePath(dir_.string());  // a folder without xdg-open
    EXPECT_EQ(Open(L"https://example.com/"), 2);
}

}  // namespace
