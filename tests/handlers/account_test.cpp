// The account profile, the nickname rule, merchant data, notices, waiting progress,
// the turn's screen switch and the wallet replies.
#include "frame_builder.h"
#include "gfx/sound.h"
#include "gfx/video.h"
#include "handler_fixture.h"
#include "net/account.h"
#include "net/packets.h"
#include "screens/notices.h"
#include "shell/screen_state.h"
#include "table/model.h"

namespace {

using handlertest::HandlerTest;
using testsupport::FrameBuilder;
namespace op = net::op;
namespace rx = net::rx;

const std::vector<screens::Notice>& Queue() { return screens::Notices().notices; }

FrameBuilder Profile(const std::string& nickname) {
    FrameBuilder f(op::kSignal, rx::account_profile::kSub, 157);
    f.Raw(rx::account_profile::kNickname, nickname);
    return f;
}

// ---- Account profile -----------------------------------------------------------------------------

TEST_F(HandlerTest, ProfileFillsEveryField) {
    FrameBuilder f = Profile("Marisol");
    f.Raw(7, "unused-a").Raw(37, "09171234567").Raw(50, "unused-b").Raw(80, "unused-c");
    f.I32(120, -42).U32(124, 3000000000u).F32(128, 10.5f).F32(132, 2.25f).U8(136, 1);
    f.F32(140, 7.125f).F32(144, 1.5f).U8(148, 1).F32(152, 99.0f).U8(156, 1);
    f.Dispatch();
    const net::AccountProfile& a = net::Account();
    EXPECT_EQ(a.mobile, "09171234567");
    EXPECT_EQ(a.nickname, "Marisol");
    EXPECT_EQ(a.userId, -42);
    EXPECT_EQ(a.referrerId, 3000000000u);
    EXPECT_FLOAT_EQ(a.eCoins, 10.5f);
    EXPECT_FLOAT_EQ(a.jewels, 2.25f);
    EXPECT_TRUE(a.masterAgentFlag);
    EXPECT_FLOAT_EQ(a.earned, 7.125f);
    EXPECT_FLOAT_EQ(a.promoECoins, 1.5f);
    EXPECT_TRUE(a.agentFlag);
    EXPECT_FLOAT_EQ(a.agentECoins, 99.0f);
    EXPECT_TRUE(a.freeSpin);
    const auto& lines = LogLines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "accprofileinfo, mobile num. 09171234567"), lines.end());
}

TEST_F(HandlerTest, ProfileFlagBytesFollowTheirOwnRules) {
    struct Case {
        std::uint8_t byte;
        bool master, agent, freeSpin;
    };
    // 136 and 156 count only when 1; 148 whenever non-zero.
    const Case cases[] = {{0, false, false, false}, {1, true, true, true}, {2, false, true, false},
                          {255, false, true, false}};
    for (const Case& c : cases) {
        Profile("Abe").U8(136, c.byte).U8(148, c.byte).U8(156, c.byte).Dispatch();
        EXPECT_EQ(net::Account().masterAgentFlag, c.master) << int(c.byte);
        EXPECT_EQ(net::Account().agentFlag, c.agent) << int(c.byte);
        EXPECT_EQ(net::Account().freeSpin, c.freeSpin) << int(c.byte);
    }
}

TEST_F(HandlerTest, ProfileTextsStopAtTheEndOfTheirFields) {
    // A nickname filling its ten bytes with no terminator runs into the user ID's bytes otherwise.
    Profile("ABCDEFGHIJ").I32(120, 0x41414141).Raw(37, "0123456789012").Raw(50, "Z").Dispatch();
    EXPECT_EQ(net::Account().nickname, "ABCDEFGHIJ");
    EXPECT_EQ(net::Account().mobile, "0123456789012");
}

TEST_F(HandlerTest, ShortNicknameDemandsOneWithANoticeEveryTime) {
    Profile("Al").Dispatch();
    EXPECT_EQ(shell::Shell().CurrentState, shell::kScreenNickname);
    Profile("Al").Dispatch();
    EXPECT_EQ(shell::Shell().CurrentState, shell::kScreenNickname);
    ASSERT_EQ(Queue().size(), 2u);
    for (const screens::Notice& n : Queue()) {
        EXPECT_EQ(n.text, "You need to set your nick name to play.");
        EXPECT_EQ(n.kind, 0);
        EXPECT_EQ(n.style, 8);
        EXPECT_EQ(n.created, 1000000u);
        EXPECT_FALSE(n.removed);
    }
}

TEST_F(HandlerTest, NicknameArrivingOnTheNicknameScreenGoesHomeAndNowhereElse) {
    shell::ChangeScreen(shell::kScreenNickname);
    Profile("Abe").Dispatch();
    EXPECT_EQ(shell::Shell().CurrentState, shell::kScreenHome);
    shell::ChangeScreen(shell::kScreenTable);
    Profile("Abe").Dispatch();
    EXPECT_EQ(shell::Shell().CurrentState, shell::kScreenTable);
    EXPECT_TRUE(Queue().empty());
}

// ---- Merchant data, referrer ------------------------------------------------------------------------

TEST_F(HandlerTest, ReferrerAndServerCountersAreStored) {
    FrameBuilder(op::kLobby, rx::referrer::kSub, 12).U32(8, 123456).Dispatch();
    EXPECT_EQ(net::Account().referrerId, 123456u);
    FrameBuilder c(op::kLobby, rx::server_counters::kSub, 20);
    c.U16(8, 1500).U8(10, 12).U8(11, 0xEE).U16(12, 900).U8(14, 40).U8(15, 0xEE).U16(16, 65535).U16(18, 7);
    c.Dispatch();
    EXPECT_EQ(net::Merchant().counters, (net::ServerCounters{1500, 12, 900, 40, 65535, 7}));
}

TEST_F(HandlerTest, HistoryIsReplacedWholeAndAnEmptyOneEmptiesIt) {
    FrameBuilder h(op::kLobby, rx::history::kSub, 8 + 28 * 2);
    h.U8(7, 2).I32(8, 100).I32(12, -5).Raw(16, "first line");
    // The second entry's text fills all 20 bytes without a terminator.
    h.I32(36, 200).I32(40, 6).Raw(44, "ABCDEFGHIJKLMNOPQRST");
    h.Dispatch();
    ASSERT_EQ(net::Merchant().history.size(), 2u);
    EXPECT_EQ(net::Merchant().history[0], (net::HistoryEntry{100, -5, "first line"}));
    EXPECT_EQ(net::Merchant().history[1], (net::HistoryEntry{200, 6, "ABCDEFGHIJKLMNOPQRST"}));
    FrameBuilder(op::kLobby, rx::history::kSub, 8).U8(7, 0).Dispatch();
    EXPECT_TRUE(net::Merchant().history.empty());
}

// ---- Notices and screens ----------------------------------------------------------------------------

TEST_F(HandlerTest, NoticePacketKeepsKindStyleAndTextToTheFrameEnd) {
    FrameBuilder(op::kSignal, rx::notice::kSub, 20).U8(7, 3).U8(8, 2).Raw(9, "Welcome\0x").Dispatch();
    FrameBuilder(op::kSignal, rx::notice::kSub, 13).U8(7, 0).U8(8, 7).Raw(9, "Cut!").Dispatch();
    ASSERT_EQ(Queue().size(), 2u);
    EXPECT_EQ(Queue()[0], (screens::Notice{3, "Welcome", 2, 1000000u, false}));
    EXPECT_EQ(Queue()[1].text, "Cut!");
    EXPECT_EQ(Queue()[1].style, 7);
}

TEST_F(HandlerTest, WaitingProgressJumpsToItsThirdAndAimsAtTheNext) {
    struct Case {
        std::uint8_t count;
        std::int32_t target;
        float width;
    };
    const Case cases[] = {{0, 426, 0.0f}, {1, 853, 426.0f}, {2, 1280, 853.0f}, {3, 1280, 1280.0f}};
    for (const Case& c : cases) {
        FrameBuilder(op::kSignal, rx::waiting_progress::kSub, 8).U8(7, c.count).Dispatch();
        EXPECT_EQ(shell::Shell().WaitingCount, c.count);
        EXPECT_EQ(shell::Shell().WaitingBarTarget, c.target) << int(c.count);
        EXPECT_FLOAT_EQ(shell::Shell().WaitingBarWidth, c.width) << int(c.count);
    }
}

TEST_F(HandlerTest, SoundAndScreenModeTwoOpensTheNicknameScreen) {
    for (const std::uint8_t mode : {0, 1, 3, 255}) {
        FrameBuilder(op::kSignal, rx::sound_and_screen::kSub, 8).U8(7, mode).Dispatch();
        EXPECT_EQ(shell::Shell().CurrentState, shell::kScreenStartup) << int(mode);
    }
    FrameBuilder(op::kSignal, rx::sound_and_screen::kSub, 8).U8(7, 2).Dispatch();
    EXPECT_EQ(shell::Shell().CurrentState, shell::kScreenNickname);
}

// ---- Sounds ----------------------------------------------------------------------------------------

std::vector<gfx::SoundSlot> g_played;
void RecordSound(gfx::SoundSlot slot) { g_played.push_back(slot); }

TEST_F(HandlerTest, SoundPacketsPlayTheirSlotAndNothingForOtherValues) {
    using gfx::SoundSlot;
    struct Case {
        std::uint8_t sub;
        std::uint8_t value;
        std::vector<SoundSlot> played;
    };
    const Case cases[] = {
        {rx::sound::kSub, 0, {SoundSlot::Error}},
        {rx::sound::kSub, 1, {SoundSlot::Win2}},
        {rx::sound::kSub, 2, {SoundSlot::Win2}},
        {rx::sound::kSub, 3, {SoundSlot::Win2}},
        {rx::sound::kSub, 4, {SoundSlot::Lost}},
        {rx::sound::kSub, 5, {}},
        {rx::sound::kSub, 255, {}},
        {rx::sound_and_screen::kSub, 0, {SoundSlot::Lost}},
        {rx::sound_and_screen::kSub, 1, {SoundSlot::Win}},
        {rx::sound_and_screen::kSub, 2, {SoundSlot::Win}},
        {rx::sound_and_screen::kSub, 3, {}},
    };
    gfx::SetSoundObserver(RecordSound);
    for (const Case& c : cases) {
        g_played.clear();
        FrameBuilder(op::kSignal, c.sub, 8).U8(7, c.value).Dispatch();
        EXPECT_EQ(g_played, c.played) << "sub-code " << int(c.sub) << " value " << int(c.value);
    }
    gfx::SetSoundObserver(nullptr);
}

TEST_F(HandlerTest, TurnSwitchesTheScreenByPhaseUnlessItsStayFlagIsSet) {
    struct Case {
        std::uint8_t phase;
        std::int32_t screen;   // after a turn without the stay flag
    };
    const Case cases[] = {{1, shell::kScreenTable}, {2, shell::kScreenTable}, {3, shell::kScreenTable},
                          {4, shell::kScreenTable}, {7, shell::kScreenTable}, {8, shell::kScreenHome},
                          {9, shell::kScreenHome},  {0, shell::kScreenJoinMenu}, {5, shell::kScreenJoinMenu},
                          {6, shell::kScreenJoinMenu}, {10, shell::kScreenJoinMenu}};
    for (const Case& c : cases) {
        for (const std::uint32_t stay : {1u, 0u}) {
            shell::ChangeScreen(shell::kScreenJoinMenu);
            table::Model().hand = {table::Card{1, 1}};
            FrameBuilder(op::kLobby, rx::turn::kSub, 32).U8(7, 0).U8(12, c.phase).U32(28, stay).Dispatch();
            const std::int32_t want = stay == 1 ? shell::kScreenJoinMenu : c.screen;
            EXPECT_EQ(shell::Shell().CurrentState, want) << "phase " << int(c.phase) << " stay " << stay;
            // Phases 8 and 9 clear the table before going home.
            const bool cleared = stay != 1 && (c.phase == 8 || c.phase == 9);
            EXPECT_EQ(table::Model().hand.empty(), cleared) << "phase " << int(c.phase) << " stay " << stay;
        }
    }
}

// ---- Wallet replies -----------------------------------------------------------------------------------

struct WalletCase {
    const char* name;
    std::uint8_t sub;
    std::vector<std::pair<std::size_t, std::uint8_t>> bytes;
    std::string notice;   // empty = no notice
};

FrameBuilder WalletReply(const WalletCase& c) {
    FrameBuilder f(op::kWallet, c.sub, c.sub == rx::add_ecoins_reply::kSub ? 32 : 25);
    f.I32(8, 250);
    if (c.sub == rx::add_ecoins_reply::kSub) {
        f.F32(16, 75.5f).U32(28, 4000000000u);
    } else {
        f.F32(12, 12.25f).I32(20, 100);
    }
    for (const auto& [at, v] : c.bytes) f.U8(at, v);
    return f;
}

class WalletTest : public HandlerTest, public ::testing::WithParamInterface<WalletCase> {};

TEST_P(WalletTest, ReplyShowsItsNotice) {
    const WalletCase& c = GetParam();
    WalletReply(c).Dispatch();
    if (c.notice.empty()) {
        EXPECT_TRUE(Queue().empty());
        return;
    }
    ASSERT_EQ(Queue().size(), 1u);
    EXPECT_EQ(Queue()[0], (screens::Notice{0, c.notice, 8, 1000000u, false}));
}

void PrintTo(const WalletCase& c, std::ostream* os) { *os << c.name; }

INSTANTIATE_TEST_SUITE_P(
    Replies, WalletTest,
    ::testing::Values(
        WalletCase{"addFailed", 0x01, {{25, 0}}, "Failed to add eCoins."},
        WalletCase{"addFailedAnyTarget", 0x01, {{25, 0}, {24, 7}}, "Failed to add eCoins."},
        WalletCase{"addedPlayer", 0x01, {{25, 1}, {24, 0}}, "Added 250 ecoins to user 4000000000."},
        WalletCase{"addedAgent", 0x01, {{25, 1}, {24, 1}}, "Added 250 agent ecoins to user 4000000000."},
        WalletCase{"addOtherTarget", 0x01, {{25, 1}, {24, 2}}, ""},
        WalletCase{"addOtherResult", 0x01, {{25, 2}, {24, 0}}, ""},
        WalletCase{"cashOutFailed", 0x02, {{24, 0}}, "Failed to cashout eCoins."},
        WalletCase{"cashedOut", 0x02, {{24, 1}}, "Cashed-Out 250 ecoins, your balance ecoins is now 12.250."},
        WalletCase{"belowMinimum", 0x02, {{24, 2}},
                   "Cashout request failed, minimum cashout-able amount is 100."},
        WalletCase{"refused", 0x02, {{24, 3}}, "Request denied, you are currently playing korvane."},
        WalletCase{"refusedQuiet", 0x02, {{24, 3}, {5, 1}}, "Request denied, you are currently playing korvane."},
        WalletCase{"doneQuiet", 0x02, {{24, 1}, {5, 1}}, ""},
        WalletCase{"failedQuiet", 0x02, {{24, 0}, {5, 9}}, ""},
        WalletCase{"minimumQuiet", 0x02, {{24, 2}, {5, 1}}, ""},
        WalletCase{"cashOutOtherResult", 0x02, {{24, 4}}, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(HandlerTest, OnlyAnAddToPlayerECoinsUpdatesTheAgentBalance) {
    net::Account().agentECoins = 10.0f;
    WalletReply(WalletCase{"", 0x01, {{25, 1}, {24, 1}}, ""}).Dispatch();
    EXPECT_FLOAT_EQ(net::Account().agentECoins, 10.0f);
    WalletReply(WalletCase{"", 0x01, {{25, 0}, {24, 0}}, ""}).Dispatch();
    EXPECT_FLOAT_EQ(net::Account().agentECoins, 10.0f);
    WalletReply(WalletCase{"", 0x01, {{25, 1}, {24, 0}}, ""}).Dispatch();
    EXPECT_FLOAT_EQ(net::Account().agentECoins, 75.5f);
    // A cash-out changes no stored balance.
    net::Account().eCoins = 3.0f;
    WalletReply(WalletCase{"", 0x02, {{24, 1}}, ""}).Dispatch();
    EXPECT_FLOAT_EQ(net::Account().eCoins, 3.0f);
}

}  // namespace
