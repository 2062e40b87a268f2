// The session token and the sign-in exchange.
#pragma once

namespace net {

// Reads the token file into the session token (start-up).
void LoadToken();

// Sends the token login (F1/01) and arms the re-send deadline, or, without a usable
// token, shows the mobile-number screen.
void SendTokenLogin();

}  // namespace net
