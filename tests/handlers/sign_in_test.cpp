// The session token (file and memory), the token login and the sign-in packets.
#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>

#include "frame_builder.h"
#include "handler_fixture.h"
#include "net/account.h"
#include "net/connection.h"
#include "net/packets.h"
#include "net/sign_in.h"
#include "shell/screen_state.h"

namespace {

using handlertest::HandlerTest;
using testsupport::FrameBuilder;
namespace rx = net::rx;
namespace tx = net::tx;

const std::string kToken = "0123456789abcdefghijklmnopqrstuv";   // 32 characters

std::string TokenInMemory() { return std::string(net::SignIn().SessionToken); }

FrameBuilder TokenAssignment(std::uint8_t mode, const std::string& text) {
    FrameBuilder f(net::op::kSignal, rx::token_assignment::kSub, rx::token_assignment::kRule.fixed);
    f.U8(rx::token_assignment::kMode, mode).Raw(rx::token_assignment::kToken, text);
    return f;
}

class TokenTest : public HandlerTest {};

// ---- Reading the token file ------------------------------------------------------------------

struct FileCase {
    const char* name;
    std::string bytes;
    std::string token;   // what the session token holds after the read
    bool usable;
};

class TokenFileTest : public TokenTest, public ::testing::WithParamInterface<FileCase> {};

TEST_P(TokenFileTest, StartUpReadGivesTheExpectedToken) {
    handlertest::WriteTokenFile(GetParam().bytes);
    net::LoadToken();
    EXPECT_EQ(TokenInMemory(), GetParam().token);
    EXPECT_EQ(net::HasUsableToken(), GetParam().usable);
}

INSTANTIATE_TEST_SUITE_P(
    Files, TokenFileTest,
    ::testing::Values(FileCase{"exactly32", kToken, kToken, true},
                      FileCase{"only31", kToken.substr(0, 31), "", false},
                      FileCase{"forty", kToken + "XYZWXYZW", kToken, true},
                      FileCase{"empty", "", "", false},
                      FileCase{"nulInside", kToken.substr(0, 10) + std::string(1, '\0') + kToken.substr(11),
                               kToken.substr(0, 10), false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TokenTest, NoTokenFileLeavesNoTokenAndLogsTheOpenFailure) {
    net::LoadToken();
    EXPECT_FALSE(net::HasUsableToken());
    const auto& lines = LogLines();
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const std::string& l) {
        return l.rfind("SDL_RWFromFile token failed, ", 0) == 0;
    }));
}

// ---- Token login ------------------------------------------------------------------------------

TEST_F(TokenTest, TokenLoginCarriesTheTokenItsTerminatorAndTheMarker) {
    handlertest::WriteTokenFile(kToken);
    net::LoadToken();
    net::SendTokenLogin();
    const auto frames = TakeSentFrames();
    ASSERT_EQ(frames.size(), 1u);
    const auto& f = frames[0];
    ASSERT_EQ(f.size(), tx::token_login::kLength);
    EXPECT_EQ(f[0], 0xC1);
    EXPECT_EQ(f[4], net::op::kLobby);
    EXPECT_EQ(f[6], tx::token_login::kSub);
    EXPECT_EQ(std::string(f.begin() + tx::token_login::kToken, f.begin() + tx::token_login::kTerminator), kToken);
    EXPECT_EQ(f[tx::token_login::kTerminator], 0);
    EXPECT_EQ(f[tx::token_login::kMarker], 36);
    EXPECT_EQ(f[41], 0);
    EXPECT_EQ(net::Net().LoginDeadline, 1000000u + 30000u);
    EXPECT_EQ(shell::Shell().CurrentState, shell::kScreenStartup);
}

TEST_F(TokenTest, TokenLoginWithoutAConnectionStillArmsTheDeadline) {
    handlertest::WriteTokenFile(kToken);
    net::LoadToken();
    bufferevent* connection = net::Net().ServerConnection;
    net::Net().ServerConnection = nullptr;
    net::SendTokenLogin();
    net::Net().ServerConnection = connection;   // given back for the fixture to free
    EXPECT_EQ(net::Net().LoginDeadline, 1000000u + 30000u);
    EXPECT_TRUE(TakeSentFrames().empty());
}

TEST_F(TokenTest, WithoutAUsableTokenTheMobileScreenShowsAndNothingIsSent) {
    handlertest::WriteTokenFile(kToken.substr(0, 5) + std::string(1, '\0') + kToken.substr(6));
    net::LoadToken();
    const float before = shell::Shell().LoadProgress.load();
    net::SendTokenLogin();
    EXPECT_EQ(shell::Shell().CurrentState, shell::kScreenMobile);
    EXPECT_FLOAT_EQ(shell::Shell().LoadProgress.load(), before + 0.1f);
    EXPECT_TRUE(TakeSentFrames().empty());
    EXPECT_EQ(net::Net().LoginDeadline, 0u);
}

// ---- Token assignment -------------------------------------------------------------------------

TEST_F(TokenTest, NewTokenIsKeptInMemoryAndWrittenOwnerOnlyWithNothingLeftBeside) {
    TokenAssignment(1, kToken).Dispatch();
    EXPECT_EQ(TokenInMemory(), kToken);
    bool exists = false;
    EXPECT_EQ(handlertest::ReadTokenFile(exists), kToken);
    ASSERT_TRUE(exists);
    struct stat st {};
    ASSERT_EQ(stat(net::kTokenFileName, &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    // The temporary file was renamed, not left behind.
    std::size_t entries = 0;
    for (const auto& e : std::filesystem::directory_iterator(std::filesystem::current_path())) {
        if (e.path().filename().string().rfind(net::kTokenFileName, 0) == 0) ++entries;
    }
    EXPECT_EQ(entries, 1u);
    EXPECT_EQ(shell::Shell().CurrentState, shell::kScreenStartup);
    EXPECT_TRUE(TakeSentFrames().empty());
    const auto& lines = LogLines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "settokeninfo, set new token " + kToken), lines.end());
}

TEST_F(TokenTest, NewTokenReplacesAnOlderFileWhole) {
    handlertest::WriteTokenFile(std::string(40, 'Q'));
    chmod(net::kTokenFileName, 0644);
    TokenAssignment(1, kToken).Dispatch();
    bool exists = false;
    EXPECT_EQ(handlertest::ReadTokenFile(exists), kToken);
    struct stat st {};
    ASSERT_EQ(stat(net::kTokenFileName, &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST_F(TokenTest, TokenOfAnyOtherLengthIsIgnored) {
    handlertest::WriteTokenFile(kToken);
    net::LoadToken();
    // 31 characters, and 33 characters with no terminator inside the field.
    for (const std::string& text : {kToken.substr(0, 31), kToken + "Z"}) {
        TokenAssignment(1, text).Dispatch();
        EXPECT_EQ(TokenInMemory(), kToken) << text;
        bool exists = false;
        EXPECT_EQ(handlertest::ReadTokenFile(exists), kToken) << text;
    }
}

TEST_F(TokenTest, ModeZeroEmptiesTheTokenAndTheFileAndShowsTheMobileScreen) {
    TokenAssignment(1, kToken).Dispatch();
    TokenAssignment(0, kToken).Dispatch();
    EXPECT_EQ(TokenInMemory(), "");
    const char zeros[net::kTokenLength + 1] = {};
    EXPECT_EQ(std::memcmp(net::SignIn().SessionToken, zeros, sizeof zeros), 0);
    bool exists = false;
    EXPECT_EQ(handlertest::ReadTokenFile(exists), "");
    EXPECT_TRUE(exists);
    EXPECT_EQ(shell::Shell().CurrentState, shell::kScreenMobile);
    // The next start-up finds no token and asks for the mobile number.
    net::ResetSignIn();
    net::LoadToken();
    net::SendTokenLogin();
    EXPECT_EQ(shell::Shell().CurrentState, shell::kScreenMobile);
    EXPECT_TRUE(TakeSentFrames().empty());
}

// ---- Login result -----------------------------------------------------------------------------

struct LoginCase {
    std::uint8_t result;
    std::int32_t screen;    // screen after the result; kScreenStartup = unchanged
    bool deadlineCleared;
};

class LoginResultTest : public HandlerTest, public ::testing::WithParamInterface<LoginCase> {};

TEST_P(LoginResultTest, ResultSetsScreenDeadlineAndProgress) {
    const LoginCase& c = GetParam();
    net::Net().LoginDeadline = 1234;
    const float before = shell::Shell().LoadProgress.load();
    FrameBuilder f(net::op::kSignal, rx::login_result::kSub, rx::login_result::kRule.fixed);
    f.U8(rx::login_result::kResult, c.result).F32(rx::login_result::kECoins, 12.5f).F32(rx::login_result::kJewels, 3.25f);
    f.Dispatch();
    EXPECT_EQ(shell::Shell().CurrentState, c.screen);
    EXPECT_EQ(net::Net().LoginDeadline, c.deadlineCleared ? 0u : 1234u);
    EXPECT_FLOAT_EQ(shell::Shell().LoadProgress.load(), before + 0.3f);
    const bool balancesRead = c.result == rx::login_result::kHome;
    EXPECT_FLOAT_EQ(net::Account().eCoins, balancesRead ? 12.5f : 0.0f);
    EXPECT_FLOAT_EQ(net::Account().jewels, balancesRead ? 3.25f : 0.0f);
    EXPECT_EQ(StillConnected(), c.result != rx::login_result::kDrop);
}

INSTANTIATE_TEST_SUITE_P(Results, LoginResultTest,
                         ::testing::Values(LoginCase{1, shell::kScreenHome, true},
                                           LoginCase{2, shell::kScreenTable, true},
                                           LoginCase{3, shell::kScreenWaiting, false},
                                           LoginCase{4, shell::kScreenStartup, true},
                                           LoginCase{5, shell::kScreenBlank5, true},
                                           LoginCase{6, shell::kScreenWaiting, false},
                                           LoginCase{7, shell::kScreenBlank0, true},
                                           LoginCase{0, shell::kScreenStartup, false},
                                           LoginCase{8, shell::kScreenStartup, false}),
                         [](const auto& info) { return "result" + std::to_string(info.param.result); });

TEST_F(HandlerTest, LoginResultTwoKeepsTheInputLockOfATableReset) {
    shell::Shell().InputLock = true;
    FrameBuilder f(net::op::kSignal, rx::login_result::kSub, rx::login_result::kRule.fixed);
    f.U8(rx::login_result::kResult, rx::login_result::kTable).Dispatch();
    EXPECT_EQ(shell::Shell().CurrentState, shell::kScreenTable);
    EXPECT_TRUE(shell::Shell().InputLock);
}

// ---- Code prompt and go home ------------------------------------------------------------------

TEST_F(HandlerTest, CodePromptAndGoHomeActOnlyOnOne) {
    struct Case {
        std::uint8_t sub;
        std::uint8_t value;
        std::int32_t screen;
    };
    const Case cases[] = {
        {rx::code_prompt::kSub, 2, shell::kScreenStartup}, {rx::code_prompt::kSub, 0, shell::kScreenStartup},
        {rx::code_prompt::kSub, 1, shell::kScreenOtp},     {rx::go_home::kSub, 2, shell::kScreenOtp},
        {rx::go_home::kSub, 1, shell::kScreenHome},
    };
    for (const Case& c : cases) {
        FrameBuilder(net::op::kLobby, c.sub, 8).U8(7, c.value).Dispatch();
        EXPECT_EQ(shell::Shell().CurrentState, c.screen) << int(c.sub) << "/" << int(c.value);
    }
}

}  // namespace
