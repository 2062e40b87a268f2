// The crash-dump writer: a forked child faults and the parent reads its dump.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "platform/crash_dump.h"

namespace fs = std::filesystem;

namespace {

std::string Name(int y, int mo, int d, int h, int mi, int s) {
    std::tm t{};
    t.tm_year = y - 1900;
    t.tm_mon = mo - 1;
    t.tm_mday = d;
    t.tm_hour = h;
    t.tm_min = mi;
    t.tm_sec = s;
    char out[64];
    platform::FormatDumpName(t, out, sizeof out);
    return out;
}

TEST(CrashDumpTest, NameHasNoZeroPadding) {
    EXPECT_EQ(Name(2026, 1, 2, 3, 4, 5), "2026-1-2_3h4m5s.dmp");
    EXPECT_EQ(Name(2026, 12, 31, 23, 59, 59), "2026-12-31_23h59m59s.dmp");
    EXPECT_EQ(Name(2027, 10, 10, 0, 0, 0), "2027-10-10_0h0m0s.dmp");
}

// Runs body in a child that first chdirs into dir and installs the handlers; returns
// the wait status (and the child's pid through pidOut).
template <class Body>
int RunCrashingChild(const fs::path& dir, Body body, pid_t* pidOut = nullptr) {
    pid_t pid = fork();
    if (pid == 0) {
        if (chdir(dir.c_str()) != 0) _exit(100);
        if (!platform::InstallCrashDump()) _exit(101);
        body();
        _exit(0);
    }
    if (pidOut) *pidOut = pid;
    int status = 0;
    waitpid(pid, &status, 0);
    return status;
}

std::vector<fs::path> Dumps(const fs::path& dir) {
    std::vector<fs::path> out;
    for (const auto& e : fs::directory_iterator(dir)) {
        if (e.path().extension() == ".dmp") out.push_back(e.path());
    }
    return out;
}

class CrashDumpChildTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::current_path() / ("dumps-" + std::to_string(getpid()) + "-" +
                                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    fs::path dir;
};

TEST_F(CrashDumpChildTest, SegfaultWritesADumpThenTheDefaultActionEndsTheProcess) {
    const std::time_t before = std::time(nullptr);
    const int status = RunCrashingChild(dir, [] {
        // A volatile address keeps the compiler from seeing (and warning about) the
        // deliberate write to the zero page.
        volatile std::uintptr_t address = 16;
        *reinterpret_cast<volatile int*>(address) = 1;
    });
    ASSERT_TRUE(WIFSIGNALED(status)) << "status " << status;
    EXPECT_EQ(WTERMSIG(status), SIGSEGV);

    const auto dumps = Dumps(dir);
    ASSERT_EQ(dumps.size(), 1u);
    const std::string name = dumps[0].filename().string();
    EXPECT_TRUE(std::regex_match(name, std::regex(R"([0-9]+-[1-9][0-9]?-[1-9][0-9]?_[0-9]+h[0-9]+m[0-9]+s\.dmp)")))
        << name;
    // The name is the local time of the crash (give or take the second it happened in).
    bool matches = false;
    for (std::time_t t = before; t <= std::time(nullptr) + 1 && !matches; ++t) {
        std::tm local{};
        localtime_r(&t, &local);
        char expected[64];
        platform::FormatDumpName(local, expected, sizeof expected);
        matches = name == expected;
    }
    EXPECT_TRUE(matches) << name;

    std::ifstream in(dumps[0]);
    std::stringstream text;
    text << in.rdbuf();
    const std::string dump = text.str();
    EXPECT_NE(dump.find("signal 11"), std::string::npos);
    EXPECT_NE(dump.find("fault address 0x0000000000000010"), std::string::npos);
    EXPECT_NE(dump.find("[registers]"), std::string::npos);
    EXPECT_NE(dump.find("rip 0x"), std::string::npos);
    EXPECT_NE(dump.find("[backtrace]"), std::string::npos);
    EXPECT_NE(dump.find("[memory map]"), std::string::npos);
    struct stat st {};
    ASSERT_EQ(stat(dumps[0].c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u) << "dumps hold memory addresses: owner only";
}

TEST_F(CrashDumpChildTest, AbortIsDumpedToo) {
    const int status = RunCrashingChild(dir, [] { std::abort(); });
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(WTERMSIG(status), SIGABRT);
    ASSERT_EQ(Dumps(dir).size(), 1u);
}

TEST_F(CrashDumpChildTest, ASecondCrashInTheSameSecondOverwritesTheFile) {
    // Two children crash back to back. Their dumps are named by the second each
    // crashed in: one file means both fell in the same second, and then it must hold
    // the second child's dump; two files must have two different names.
    for (int attempt = 0; attempt < 5; ++attempt) {
        fs::remove_all(dir);
        fs::create_directories(dir);
        pid_t first = 0, second = 0;
        RunCrashingChild(dir, [] { raise(SIGSEGV); }, &first);
        RunCrashingChild(dir, [] { raise(SIGSEGV); }, &second);
        const auto dumps = Dumps(dir);
        ASSERT_GE(dumps.size(), 1u);
        ASSERT_LE(dumps.size(), 2u);
        if (dumps.size() == 2) {
            EXPECT_NE(dumps[0].filename(), dumps[1].filename());
            continue;  // crossed a second: try again
        }
        std::ifstream in(dumps[0]);
        std::stringstream text;
        text << in.rdbuf();
        EXPECT_NE(text.str().find("pid " + std::to_string(second) + "\n"), std::string::npos);
        EXPECT_EQ(text.str().find("pid " + std::to_string(first) + "\n"), std::string::npos);
        return;
    }
    GTEST_SKIP() << "every attempt crossed a second boundary";
}

TEST_F(CrashDumpChildTest, RestoreGivesBackThePreviousHandler) {
    const int status = RunCrashingChild(dir, [] {
        platform::RestoreCrashDump();
        raise(SIGSEGV);
    });
    // Whatever handled it before (the default, or a sanitizer's) ends the child; no dump is ours.
    EXPECT_FALSE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_TRUE(Dumps(dir).empty());
}

}  // namespace
