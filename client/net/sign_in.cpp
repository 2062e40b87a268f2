// The session token (memory and file), the token login and the sign-in packets.
#include "net/sign_in.h"

#include <SDL.h>

#include <cstring>
#include <string>

#include "net/account.h"
#include "net/connection.h"
#include "net/packets.h"
#include "net/packets_out.h"
#include "platform/atomic_file.h"
#include "platform/clock.h"
#include "platform/log.h"
#include "shell/screen_state.h"
#include "wire/frame.h"

namespace net {
namespace {

// Replaces the token file with exactly these bytes; the token stays in memory
// for this run whatever happens to the file.
void WriteTokenFile(const char* bytes, std::size_t size) {
    std::string error;
    if (!platform::ReplaceFileAtomically(kTokenFileName, bytes, size, error)) {
        platform::Log(platform::kLogInfo, "SDL_RWwrite failed, %s", error.c_str());
    }
}

void ClearToken() {
    std::memset(SignIn().SessionToken, 0, sizeof SignIn().SessionToken);
    // The file stays, empty: the next start-up finds no token.
    WriteTokenFile(nullptr, 0);
    shell::ChangeScreen(shell::kScreenMobile);
}

void StoreToken(const wire::FrameReader& f) {
    using namespace rx::token_assignment;
    char text[kTokenWidth + 1] = {};
    if (!f.Text(kToken, kTokenWidth, text, sizeof text) || std::strlen(text) != kTokenLength) return;
    std::memcpy(SignIn().SessionToken, text, kTokenLength + 1);
    WriteTokenFile(SignIn().SessionToken, kTokenLength);
    platform::Log(platform::kLogInfo, "settokeninfo, set new token %s", SignIn().SessionToken);
}

}  // namespace

SignInState& SignIn() {
    static SignInState state;
    return state;
}

bool HasUsableToken() { return strnlen(SignIn().SessionToken, sizeof SignIn().SessionToken) == kTokenLength; }

void LoadToken() {
    SDL_RWops* file = SDL_RWFromFile(kTokenFileName, "r");
    if (file == nullptr) {
        platform::Log(platform::kLogInfo, "SDL_RWFromFile %s failed, %s.", kTokenFileName, SDL_GetError());
        return;
    }
    // Only the first 32 bytes can form the token: the rest is never read.
    char bytes[kTokenLength] = {};
    const std::size_t got = SDL_RWread(file, bytes, 1, sizeof bytes);
    SDL_RWclose(file);
    if (got < kTokenLength) return;
    std::memcpy(SignIn().SessionToken, bytes, kTokenLength);
    SignIn().SessionToken[kTokenLength] = '\0';
}

void SendTokenLogin() {
    if (!HasUsableToken()) {
        shell::AddLoadProgress(kNoTokenProgress);
        shell::ChangeScreen(shell::kScreenMobile);
        return;
    }
    // Without a connection the frame goes nowhere; the deadline is armed either way.
    SendPacket(BuildTokenLogin(std::string_view(SignIn().SessionToken, kTokenLength)));
    Net().LoginDeadline = platform::Ticks64() + kLoginResendMs;
}

void ResetSignIn() { SignIn() = SignInState{}; }

void OnTokenAssignment(const wire::FrameReader& f) {
    std::uint8_t mode = 0;
    if (!f.U8(rx::token_assignment::kMode, mode)) return;
    if (mode == rx::token_assignment::kModeClear) {
        ClearToken();
    } else {
        StoreToken(f);
    }
}

void OnLoginResult(const wire::FrameReader& f) {
    using namespace rx::login_result;
    std::uint8_t result = 0;
    if (!f.U8(kResult, result)) return;
    NetState& net = Net();
    switch (result) {
        case kHome:
            f.F32(kECoins, Account().eCoins);
            f.F32(kJewels, Account().jewels);
            shell::ChangeScreen(shell::kScreenHome);
            net.LoginDeadline = 0;
            break;
        case kTable:
            shell::ChangeScreen(shell::kScreenTable);
            net.LoginDeadline = 0;
            break;
        case kWaiting:
        case kWaitingAgain:
            // The deadline stays armed: the login goes out again until a result clears it.
            shell::ChangeScreen(shell::kScreenWaiting);
            break;
        case kDrop:
            net.LoginDeadline = 0;
            DropConnection();
            break;
        case kBlank5:
            shell::ChangeScreen(shell::kScreenBlank5);
            net.LoginDeadline = 0;
            break;
        case kBlank0:
            shell::ChangeScreen(shell::kScreenBlank0);
            net.LoginDeadline = 0;
            break;
        default:
            break;
    }
    shell::AddLoadProgress(kLoginResultProgress);
}

void OnCodePrompt(const wire::FrameReader& f) {
    std::uint8_t show = 0;
    if (f.U8(rx::code_prompt::kShow, show) && show == rx::code_prompt::kShowValue) {
        shell::ChangeScreen(shell::kScreenOtp);
    }
}

void OnGoHome(const wire::FrameReader& f) {
    std::uint8_t show = 0;
    if (f.U8(rx::go_home::kShow, show) && show == rx::go_home::kShowValue) shell::ChangeScreen(shell::kScreenHome);
}

}  // namespace net
