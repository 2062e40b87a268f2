// The account, wallet and small screen and sound packets.
//
//   state           the profile and the merchant data
//   profile         F2/0A and the nickname rule, F1/0C referrer
//   merchant        F1/0D counters, F1/0E history
//   notices/sounds  F2/00, F2/04, F2/0E
//   screens         F2/0B waiting progress, F1/02 turn's screen switch
//   wallet          F4/01 and F4/02 replies
#include "net/account.h"

#include <algorithm>
#include <cstdio>

#include "gfx/sound.h"
#include "gfx/video.h"
#include "net/packets.h"
#include "platform/clock.h"
#include "platform/log.h"
#include "screens/notices.h"
#include "shell/screen_state.h"
#include "table/events.h"
#include "table/model.h"
#include "wire/frame.h"

namespace net {
namespace {

constexpr std::size_t kNoticeBufferSize = 100;   // wallet texts are formatted into this many bytes

constexpr char kNeedNickname[] = "You need to set your nick name to play.";
constexpr char kAddFailed[] = "Failed to add eCoins.";
constexpr char kAddedPlayer[] = "Added %d ecoins to user %u.";
constexpr char kAddedAgent[] = "Added %d agent ecoins to user %u.";
constexpr char kCashOutFailed[] = "Failed to cashout eCoins.";
constexpr char kCashedOut[] = "Cashed-Out %d ecoins, your balance ecoins is now %0.3f.";
constexpr char kCashOutMinimum[] = "Cashout request failed, minimum cashout-able amount is %d.";
constexpr char kCashOutRefused[] = "Request denied, you are currently playing korvane.";

std::uint8_t ByteAt(const wire::FrameReader& f, std::size_t offset) {
    std::uint8_t v = 0;
    f.U8(offset, v);
    return v;
}

void PushOwnNotice(const std::string& text) {
    screens::PushNotice(screens::kOwnNoticeKind, screens::kOwnNoticeStyle, text);
}

template <typename... Args>
void PushFormattedNotice(const char* format, Args... args) {
    char text[kNoticeBufferSize];
    std::snprintf(text, sizeof text, format, args...);
    PushOwnNotice(text);
}

void ApplyNicknameRule() {
    if (Account().nickname.size() < kNicknameMinLength) {
        shell::ChangeScreen(shell::kScreenNickname);
        PushOwnNotice(kNeedNickname);
    } else if (shell::Shell().CurrentState == shell::kScreenNickname) {
        // The nickname arrived while its screen was shown: back home.
        shell::ChangeScreen(shell::kScreenHome);
    }
}

}  // namespace

// ---- State -----------------------------------------------------------------------------

AccountProfile& Account() {
    static AccountProfile profile;
    return profile;
}

MerchantData& Merchant() {
    static MerchantData data;
    return data;
}

void ResetAccount() {
    Account() = AccountProfile{};
    Merchant() = MerchantData{};
}

// ---- Profile -----------------------------------------------------------------------------

void OnAccountProfile(const wire::FrameReader& f) {
    using namespace rx::account_profile;
    if (!f.Has(0, kRule.fixed)) return;
    AccountProfile& a = Account();
    f.Text(kMobile, kMobileWidth, a.mobile);
    platform::Log(platform::kLogInfo, "accprofileinfo, mobile num. %s", a.mobile.c_str());
    f.Text(kNickname, kNicknameWidth, a.nickname);
    f.I32(kUserId, a.userId);
    f.U32(kReferrerId, a.referrerId);
    f.F32(kECoins, a.eCoins);
    f.F32(kJewels, a.jewels);
    a.masterAgentFlag = ByteAt(f, kMasterAgent) == kFlagSet;
    f.F32(kEarned, a.earned);
    f.F32(kPromoECoins, a.promoECoins);
    a.agentFlag = ByteAt(f, kAgent) != 0;
    f.F32(kAgentECoins, a.agentECoins);
    a.freeSpin = ByteAt(f, kFreeSpin) == kFlagSet;
    ApplyNicknameRule();
}

void OnReferrer(const wire::FrameReader& f) { f.U32(rx::referrer::kUserId, Account().referrerId); }

// ---- Merchant ------------------------------------------------------------------------------

void OnServerCounters(const wire::FrameReader& f) {
    using namespace rx::server_counters;
    if (!f.Has(0, kRule.fixed)) return;
    ServerCounters c;
    f.U16(kPlayersOnline, c.playersOnline);
    f.U8(kBotsOnline, c.botsOnline);
    f.U16(kPlayersPlaying, c.playersPlaying);
    f.U8(kPlayersWaiting, c.playersWaiting);
    f.U16(kBotWins, c.botWins);
    f.U16(kBotLosses, c.botLosses);
    Merchant().counters = c;
}

void OnHistory(const wire::FrameReader& f) {
    using namespace rx::history;
    if (!Satisfies(kRule, f.Data(), f.Length())) return;
    const std::size_t count = ByteAt(f, kCount);
    std::vector<HistoryEntry> entries(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = kEntries + i * kEntrySize;
        f.I32(at + kEntryFirst, entries[i].first);
        f.I32(at + kEntrySecond, entries[i].second);
        f.Text(at + kEntryText, kEntryTextWidth, entries[i].text);
    }
    Merchant().history = std::move(entries);
}

// ---- Notices and sounds ----------------------------------------------------------------------

void OnNotice(const wire::FrameReader& f) {
    using namespace rx::notice;
    std::uint8_t kind = 0, style = 0;
    std::string text;
    if (!f.U8(kKind, kind) || !f.U8(kStyle, style)) return;
    // The text runs to its terminator or to the frame's end.
    f.Text(kText, f.Length() - std::min(f.Length(), kText), text);
    screens::PushNotice(kind, style, text);
}

void OnSound(const wire::FrameReader& f) {
    using namespace rx::sound;
    std::uint8_t which = 0;
    if (!f.U8(kWhich, which)) return;
    if (which == kError) {
        gfx::PlaySound(gfx::SoundSlot::Error);
    } else if (which >= kWinFirst && which <= kWinLast) {
        gfx::PlaySound(gfx::SoundSlot::Win2);
    } else if (which == kLost) {
        gfx::PlaySound(gfx::SoundSlot::Lost);
    }
}

void OnSoundAndScreen(const wire::FrameReader& f) {
    using namespace rx::sound_and_screen;
    std::uint8_t mode = 0;
    if (!f.U8(kMode, mode)) return;
    switch (mode) {
        case kLost: gfx::PlaySound(gfx::SoundSlot::Lost); break;
        case kWin: gfx::PlaySound(gfx::SoundSlot::Win); break;
        case kWinThenNickname:
            gfx::PlaySound(gfx::SoundSlot::Win);
            shell::ChangeScreen(shell::kScreenNickname);
            break;
        default: break;
    }
}

// ---- Screens ------------------------------------------------------------------------------------

void OnWaitingProgress(const wire::FrameReader& f) {
    using namespace rx::waiting_progress;
    std::uint8_t count = 0;
    if (!f.U8(kCount, count)) return;
    constexpr double kW = gfx::kWindowWidth;
    const std::int32_t k = count;
    shell::ShellState& s = shell::Shell();
    s.WaitingCount = k;
    // The bar jumps to k thirds and grows towards the next third; the last report fills it.
    const std::int32_t next = k < kFull ? k + 1 : k;
    s.WaitingBarTarget = static_cast<std::int32_t>(static_cast<double>(next) / kFull * kW);
    s.WaitingBarWidth = static_cast<float>(static_cast<std::int32_t>(static_cast<double>(k) / kFull * kW));
}

void OnTurn(const wire::FrameReader& f) {
    using namespace rx::turn;
    std::uint32_t stay = 0;
    std::uint8_t phase = 0;
    if (!f.U32(kStay, stay) || !f.U8(kPhase, phase)) return;
    table::OnTurn(f);
    if (stay == kStayValue) return;
    if ((phase >= kPhasePlayFirst && phase <= kPhasePlayLast) || phase == kPhasePlayLate) {
        shell::ChangeScreen(shell::kScreenTable);
    } else if (phase == kPhaseOverA || phase == kPhaseOverB) {
        table::ResetTable();
        shell::ChangeScreen(shell::kScreenHome);
    }
}

// ---- Wallet -------------------------------------------------------------------------------------

void OnAddECoinsReply(const wire::FrameReader& f) {
    using namespace rx::add_ecoins_reply;
    std::int32_t amount = 0;
    std::uint32_t user = 0;
    float agentBalance = 0.0f;
    std::uint8_t target = 0, result = 0;
    if (!f.I32(kAmount, amount) || !f.F32(kAgentBalance, agentBalance) || !f.U8(kTarget, target) ||
        !f.U8(kResult, result) || !f.U32(kUserId, user)) {
        return;
    }
    if (result == kFailed) {
        PushOwnNotice(kAddFailed);
    } else if (result == kDone && target == kTargetPlayer) {
        PushFormattedNotice(kAddedPlayer, amount, user);
        Account().agentECoins = agentBalance;
    } else if (result == kDone && target == kTargetAgent) {
        PushFormattedNotice(kAddedAgent, amount, user);
    }
}

void OnCashOutReply(const wire::FrameReader& f) {
    using namespace rx::cash_out_reply;
    std::int32_t amount = 0, minimum = 0;
    float balance = 0.0f;
    std::uint8_t quiet = 0, result = 0;
    if (!f.U8(kQuiet, quiet) || !f.I32(kAmount, amount) || !f.F32(kBalance, balance) || !f.I32(kMinimum, minimum) ||
        !f.U8(kResult, result)) {
        return;
    }
    // The refusal shows whatever the quiet byte says; the others only when it is 0.
    if (result == kRefusedPlaying) {
        PushOwnNotice(kCashOutRefused);
        return;
    }
    if (quiet != 0) return;
    switch (result) {
        case kFailed: PushOwnNotice(kCashOutFailed); break;
        case kDone: PushFormattedNotice(kCashedOut, amount, static_cast<double>(balance)); break;
        case kBelowMinimum: PushFormattedNotice(kCashOutMinimum, minimum); break;
        default: break;
    }
}

}  // namespace net
