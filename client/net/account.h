// The signed-in account as the server last described it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace net {

struct AccountProfile {
    std::string mobile;                // mobile number
    std::string nickname;              // nickname; shorter than 3 characters demands one
    std::int32_t userId = 0;           // user ID
    std::uint32_t referrerId = 0;      // referrer's user ID; 0 = none
    float eCoins = 0.0f;               // eCoins balance
    float jewels = 0.0f;               // Jewels balance
    bool masterAgentFlag = false;      // master agent: server counters, add-eCoins screen, F8
    float earned = 0.0f;               // eCoins earned
    float promoECoins = 0.0f;          // Promo eCoins balance
    bool agentFlag = false;            // agent: the merchant panel
    float agentECoins = 0.0f;          // the agent's own eCoins
    bool freeSpin = false;             // a free spin of the wheel is available
};

AccountProfile& Account();

}  // namespace net
