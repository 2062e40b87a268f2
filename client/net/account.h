// The signed-in account as the server last described it, the merchant data a
// master agent sees, and the handlers of the account, wallet and small screen and
// sound packets.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace wire {
class FrameReader;
}

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
    friend bool operator==(const AccountProfile&, const AccountProfile&) = default;
};

AccountProfile& Account();

// What the server counts, as a master agent's merchant panel shows it.
struct ServerCounters {
    std::uint16_t playersOnline = 0;   // players connected
    std::uint8_t botsOnline = 0;       // bots connected
    std::uint16_t playersPlaying = 0;  // players at a table
    std::uint8_t playersWaiting = 0;   // players waiting for a table
    std::uint16_t botWins = 0;         // rounds the bots won
    std::uint16_t botLosses = 0;       // rounds the bots lost
    friend bool operator==(const ServerCounters&, const ServerCounters&) = default;
};

// One line of the agent's transfer history.
struct HistoryEntry {
    std::int32_t first = 0;            // the first number of the line
    std::int32_t second = 0;           // the second number of the line
    std::string text;                  // up to 20 characters
    friend bool operator==(const HistoryEntry&, const HistoryEntry&) = default;
};

struct MerchantData {
    ServerCounters counters;           // F1/0D, replaced whole
    std::vector<HistoryEntry> history; // F1/0E, replaced whole
    friend bool operator==(const MerchantData&, const MerchantData&) = default;
};
MerchantData& Merchant();

// Puts the profile and the merchant data back to their program-start values.
void ResetAccount();

// The nickname the profile must carry before the user may play.
inline constexpr std::size_t kNicknameMinLength = 3;

// ---- Packet handlers (network thread, NetLock held, frame checked) -----------------------
void OnAccountProfile(const wire::FrameReader& f);   // F2/0A: the profile, then the nickname rule
void OnReferrer(const wire::FrameReader& f);         // F1/0C
void OnServerCounters(const wire::FrameReader& f);   // F1/0D
void OnHistory(const wire::FrameReader& f);          // F1/0E
void OnNotice(const wire::FrameReader& f);           // F2/00
void OnSound(const wire::FrameReader& f);            // F2/04
void OnSoundAndScreen(const wire::FrameReader& f);   // F2/0E
void OnWaitingProgress(const wire::FrameReader& f);  // F2/0B
void OnTurn(const wire::FrameReader& f);             // F1/02: the table's turn fields, then the screen switch
void OnAddECoinsReply(const wire::FrameReader& f);   // F4/01
void OnCashOutReply(const wire::FrameReader& f);     // F4/02

}  // namespace net
