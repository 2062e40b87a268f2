// The session token and the sign-in exchange.
//
// The server hands the client a 32-character token once the user has signed in
// with a mobile number and a one-time code; the client keeps it in the file
// "token" (exactly the 32 characters, owner-only, replaced whole) and presents it
// in a token login after every connect.
#pragma once

#include <cstddef>
#include <cstdint>

namespace wire {
class FrameReader;
}

namespace net {

inline constexpr std::size_t kTokenLength = 32;        // characters of a usable token
inline constexpr char kTokenFileName[] = "token";      // in the working directory
inline constexpr float kNoTokenProgress = 0.1f;        // start-up progress added when no token is kept
inline constexpr float kLoginResultProgress = 0.3f;    // start-up progress added by every login result

struct SignInState {
    char SessionToken[kTokenLength + 1] = {};   // the token and its terminator; all 0 = none
};
SignInState& SignIn();

// Whether the session token is usable: exactly 32 characters before its terminator.
bool HasUsableToken();

// Reads the token file into the session token (start-up).
void LoadToken();

// Sends the token login (F1/01) and arms the re-send deadline, or, without a usable
// token, shows the mobile-number screen.
void SendTokenLogin();

// Clears the session token in memory (tests; the file is left alone).
void ResetSignIn();

// ---- Packet handlers (network thread, NetLock held, frame checked) -----------------------
void OnTokenAssignment(const wire::FrameReader& f);  // F2/07: keep or clear the token
void OnLoginResult(const wire::FrameReader& f);      // F2/09: the screen the login leads to
void OnCodePrompt(const wire::FrameReader& f);       // F1/09: the one-time code entry
void OnGoHome(const wire::FrameReader& f);           // F1/0B: the home screen

}  // namespace net
