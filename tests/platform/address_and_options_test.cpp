// The IPv4 parse and the command-line options.
#include <gtest/gtest.h>

#include <arpa/inet.h>

#include <cstdlib>

#include "platform/address.h"
#include "shell/options.h"

namespace {

TEST(AddressTest, LiteralsParseAndAnythingElseIsZero) {
    EXPECT_EQ(platform::ParseIPv4("127.0.0.1"), htonl(0x7F000001));
    EXPECT_EQ(platform::ParseIPv4("10.1.2.3"), htonl(0x0A010203));
    for (const char* bad : {"", "localhost", "1.2.3", "256.1.1.1", "1.2.3.4 ", "::1"}) {
        EXPECT_EQ(platform::ParseIPv4(bad), 0u) << '"' << bad << '"';
    }
    EXPECT_EQ(platform::ParseIPv4(nullptr), 0u);
}

struct Env {
    Env(const char* server, const char* log) {
        server ? setenv("KORVANE_SERVER", server, 1) : unsetenv("KORVANE_SERVER");
        log ? setenv("KORVANE_LOG", log, 1) : unsetenv("KORVANE_LOG");
    }
    ~Env() {
        unsetenv("KORVANE_SERVER");
        unsetenv("KORVANE_LOG");
    }
};

bool Parse(std::vector<std::string> args, shell::Options& out) {
    std::vector<char*> argv;
    static std::string name = "korvane";
    argv.push_back(name.data());
    for (auto& a : args) argv.push_back(a.data());
    return shell::ParseOptions(static_cast<int>(argv.size()), argv.data(), out);
}

TEST(OptionsTest, DefaultsWithoutArgumentsOrEnvironment) {
    Env env(nullptr, nullptr);
    shell::Options o;
    ASSERT_TRUE(Parse({}, o));
    EXPECT_EQ(o.serverHost, "127.0.0.1");
    EXPECT_EQ(o.serverPort, 34300);
    EXPECT_EQ(o.logLevel, 2);
    EXPECT_FALSE(o.help);
}

TEST(OptionsTest, CommandLineWinsOverEnvironment) {
    Env env("10.0.0.5:4000", "3");
    shell::Options o;
    ASSERT_TRUE(Parse({"--server", "127.0.0.2:5555", "--log-level", "4"}, o));
    EXPECT_EQ(o.serverHost, "127.0.0.2");
    EXPECT_EQ(o.serverPort, 5555);
    EXPECT_EQ(o.logLevel, 4);

    shell::Options fromEnv;
    ASSERT_TRUE(Parse({}, fromEnv));
    EXPECT_EQ(fromEnv.serverHost, "10.0.0.5");
    EXPECT_EQ(fromEnv.serverPort, 4000);
    EXPECT_EQ(fromEnv.logLevel, 3);
}

TEST(OptionsTest, HostWithoutPortKeepsTheDefaultPort) {
    Env env(nullptr, nullptr);
    shell::Options o;
    ASSERT_TRUE(Parse({"--server", "127.0.0.9"}, o));
    EXPECT_EQ(o.serverHost, "127.0.0.9");
    EXPECT_EQ(o.serverPort, 34300);
}

TEST(OptionsTest, BadValuesAreRefusedWithAReason) {
    Env env(nullptr, nullptr);
    const std::vector<std::vector<std::string>> bad = {
        {"--server", "127.0.0.1:0"}, {"--server", "127.0.0.1:70000"}, {"--server", ":80"},
        {"--server", "1.2.3.4:x"},   {"--log-level", "many"},         {"--frobnicate"},
        {"--server"},
    };
    for (const auto& args : bad) {
        shell::Options o;
        EXPECT_FALSE(Parse(args, o)) << args[0];
        EXPECT_FALSE(o.error.empty());
    }
}

TEST(OptionsTest, HelpIsRecognised) {
    Env env(nullptr, nullptr);
    shell::Options o;
    ASSERT_TRUE(Parse({"--help"}, o));
    EXPECT_TRUE(o.help);
    EXPECT_NE(std::string(shell::UsageText()).find("--server HOST[:PORT]"), std::string::npos);
}

}  // namespace
