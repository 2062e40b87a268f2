// The table model: card pictures, seat mapping, the hand, resetTable, the set-up
// layout, and the table events that store fields.
#include "client_snapshot.h"
#include "frame_builder.h"
#include "gfx/button.h"
#include "gfx/sprite.h"
#include "gfx/sprite_ids.h"
#include "handler_fixture.h"
#include "net/packets.h"
#include "shell/screen_state.h"
#include "table/card.h"
#include "table/model.h"

namespace {

using handlertest::HandlerTest;
using testsupport::FrameBuilder;
using table::Card;
using table::CardSeries;
using table::SeatSide;
namespace op = net::op;
namespace rx = net::rx;

table::TableModel& M() { return table::Model(); }

// ---- Card pictures -----------------------------------------------------------------------------

TEST(CardSprite, BothSeriesAndTheirFallbacks) {
    struct Case {
        Card card;
        CardSeries series;
        std::int32_t sprite;
    };
    const Case cases[] = {
        {{5, 2}, CardSeries::Hand, 601},   {{5, 2}, CardSeries::Table, 501}, {{5, 1}, CardSeries::Group, 600},
        {{1, 1}, CardSeries::Table, 502},  {{1, 1}, CardSeries::Hand, 602},  {{4, 13}, CardSeries::Table, 553},
        {{4, 13}, CardSeries::Hand, 653},  {{3, 7}, CardSeries::Group, 634}, {{2, 1}, CardSeries::Table, 515},
        // A suit outside 1..5 shows the suit-1 picture of its rank: table series, except in groups.
        {{7, 3}, CardSeries::Table, 504},  {{0, 3}, CardSeries::Hand, 504},  {{9, 3}, CardSeries::Group, 604},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(table::CardSprite(c.card, c.series), c.sprite)
            << int(c.card.suit) << "-" << int(c.card.rank) << " series " << int(c.series);
    }
}

// ---- Seats ------------------------------------------------------------------------------------------

TEST_F(HandlerTest, SeatMappingAndAvatarsFollowTheLocalSeat) {
    struct Case {
        std::int32_t local;
        std::int32_t left, right;
        std::int32_t leftAvatar, rightAvatar;
    };
    const Case cases[] = {{0, 2, 1, 4, 6}, {1, 0, 2, 2, 7}, {2, 1, 0, 3, 5}};
    for (const Case& c : cases) {
        M().localSeat = c.local;
        EXPECT_EQ(table::LeftSeat(), c.left);
        EXPECT_EQ(table::RightSeat(), c.right);
        EXPECT_EQ(table::SideOf(c.local), SeatSide::Local);
        EXPECT_EQ(table::SideOf(c.left), SeatSide::Left);
        EXPECT_EQ(table::SideOf(c.right), SeatSide::Right);
        EXPECT_EQ(table::SideOf(3), SeatSide::None);
        table::LayOutTable();
        EXPECT_EQ(M().leftAvatar, c.leftAvatar);
        EXPECT_EQ(M().rightAvatar, c.rightAvatar);
    }
    M().localSeat = table::kNotSeated;
    EXPECT_EQ(table::SideOf(0), SeatSide::None);
    EXPECT_EQ(table::LeftSeat(), table::kNotSeated);
    EXPECT_EQ(table::SeatAnchor(0), table::Point{});
}

TEST_F(HandlerTest, SetUpLayoutCentresTheTableAndPutsTheAvatarsBesideIt) {
    testsupport::MakeSolidSprite(gfx::kSpriteCardTable, 900, 500, SDL_Color{0, 90, 0, 255});
    testsupport::MakeSolidSprite(gfx::kSpriteFaceDownCard, 75, 105, SDL_Color{0, 0, 90, 255});
    for (int id = 2; id <= 7; ++id) testsupport::MakeSolidSprite(id, 120, 120, SDL_Color{90, 0, 0, 255});
    FrameBuilder(op::kSignal, rx::table_set_up::kSub, 11).U8(7, 1).U8(8, 1).Dispatch();
    EXPECT_EQ(M().localSeat, 1);
    EXPECT_FLOAT_EQ(M().tableBottomY, 500.0f);
    const gfx::Sprite* tableSprite = gfx::FindSprite(gfx::kSpriteCardTable);
    EXPECT_FLOAT_EQ(tableSprite->centerX, 640.0f);
    EXPECT_FLOAT_EQ(tableSprite->centerY, 250.0f);
    EXPECT_EQ(table::SeatAnchor(1), (table::Point{640.0f, 500.0f}));
    // Left seat 0 (sprite 2), right seat 2 (sprite 7), half a face-down card in from the table's edges.
    EXPECT_EQ(table::SeatAnchor(0), (table::Point{640.0f - 450.0f + 37.5f, 250.0f}));
    EXPECT_EQ(table::SeatAnchor(2), (table::Point{450.0f + 640.0f - 37.5f, 250.0f}));
}

TEST_F(HandlerTest, TableSetUpKeepsTheSeatForLargeSeatBytesAndResetsOnlyWithItsFlag) {
    M().localSeat = 2;
    M().hand = {Card{1, 1}};
    FrameBuilder(op::kSignal, rx::table_set_up::kSub, 11).U8(7, 0).U8(8, 3).U8(9, 1).U8(10, 1).Dispatch();
    EXPECT_EQ(M().localSeat, 2);
    EXPECT_TRUE(M().resumeMode);
    EXPECT_EQ(M().currencyMode, 1);
    EXPECT_EQ(M().hand.size(), 1u);
    FrameBuilder(op::kSignal, rx::table_set_up::kSub, 11).U8(7, 1).U8(8, 0).U8(9, 0).U8(10, 0).Dispatch();
    EXPECT_EQ(M().localSeat, 0);
    EXPECT_FALSE(M().resumeMode);
    EXPECT_TRUE(M().hand.empty());
}

// ---- The hand ---------------------------------------------------------------------------------------

TEST(RemoveFromHand, RemovesOneEqualCardPerListedCard) {
    struct Case {
        std::vector<Card> hand;
        std::vector<Card> listed;
        std::vector<Card> left;
    };
    const Card a{1, 5}, b{2, 5}, j{5, 1};
    const Case cases[] = {
        {{a, b, a}, {a, a}, {b}},        // listed twice, held twice: both go
        {{a, b}, {a, a}, {b}},           // listed twice, held once: one goes
        {{a, b, j}, {j, {3, 3}}, {a, b}},  // a card not held is skipped
        {{b, a, b}, {b}, {a, b}},        // the first equal card goes, later ones move up
        {{}, {a}, {}},
    };
    for (const Case& c : cases) {
        table::ResetTableModel();
        M().hand = c.hand;
        table::RemoveFromHand(c.listed);
        EXPECT_EQ(M().hand, c.left);
    }
}

TEST_F(HandlerTest, OwnHandReplacesTheHandWithAtMostThirteenCards) {
    M().localSeat = 0;
    M().seats[0].lastDrawn = Card{3, 3};
    M().hand = {Card{4, 4}};
    M().selection = {Card{4, 4}};
    gfx::Buttons()[5] = gfx::Button{};
    FrameBuilder f(op::kLobby, rx::own_hand::kSub, 35);
    for (std::uint8_t i = 0; i < 13; ++i) f.U8(9 + i, 1 + i % 4).U8(22 + i, 1 + i);
    f.U8(8, 200).Dispatch();
    ASSERT_EQ(M().hand.size(), 13u);
    EXPECT_EQ(M().hand[0], (Card{1, 1}));
    EXPECT_EQ(M().hand[12], (Card{1, 13}));
    EXPECT_EQ(M().seats[0].lastDrawn, Card{});
    EXPECT_TRUE(gfx::Buttons().empty());
    EXPECT_EQ(M().selection.size(), 1u);   // a new hand leaves the selection alone
    f.U8(8, 2).Dispatch();
    EXPECT_EQ(M().hand, (std::vector<Card>{{1, 1}, {2, 2}}));
}

// ---- resetTable -------------------------------------------------------------------------------------

TEST_F(HandlerTest, ResetTableClearsTheRoundAndKeepsWhatOutlivesIt) {
    testsupport::MakeSolidSprite(gfx::kSpriteFightButton, 10, 10, SDL_Color{1, 1, 1, 255});
    testsupport::MakeSolidSprite(gfx::kSpriteGroupButton, 10, 10, SDL_Color{1, 1, 1, 255});
    gfx::Buttons()[1] = gfx::Button{};
    table::TableModel& m = M();
    m.localSeat = 1;
    m.seatInfo[1] = {"Ana", 5, 900, 1};
    m.seatInfo[2].plateCount = 9;
    m.stockCount = 12;
    m.hits = 44;
    m.crownSeat = 2;
    m.selection = {Card{1, 2}};
    m.peekCards = {Card{1, 3}};
    m.banners.push_back(table::Banner{});
    m.resultsUntil = 77;
    m.hand = {Card{1, 2}};
    m.groups.push_back({{7, {Card{2, 1}, Card{2, 2}, Card{2, 3}}}});
    m.dealQueue.push_back(table::FlyingCard{});
    m.seats[2].melds.push_back(table::Meld{table::MeldCard{}});
    m.seats[2].discards.push_back(table::DiscardCard{});
    m.seats[0].revealedCards.push_back(Card{1, 1});
    m.seats[0].revealedGroups.push_back({});
    m.revealActive = true;
    m.roundTimerStart = 5;
    m.roundTimerDuration = 6000;
    m.turnSeat = 2;
    m.turnDuration = 15000;
    m.peekUntil = 99;
    m.fightOrder = 2;
    m.lastFighter = 1;
    m.firstFighter = 0;
    m.fightButtonVisible = true;
    m.fightBanners[1] = {1, 50, 20.0f, 1, 1, 3.0f, 4.0f, 5.0f, 6.0f, 7.0f, 1, 1};
    m.dealtCount = 4;

    table::ResetTable();

    EXPECT_FALSE(m.revealActive);
    EXPECT_EQ(m.roundTimerStart, 0u);
    EXPECT_EQ(m.roundTimerDuration, 6000u);
    EXPECT_EQ(m.turnSeat, 0);
    EXPECT_EQ(m.turnDuration, 0);
    EXPECT_EQ(m.peekUntil, 0u);
    EXPECT_EQ(m.fightOrder, 0);
    EXPECT_EQ(m.lastFighter, table::kNoFighter);
    EXPECT_EQ(m.firstFighter, table::kNoFighter);
    EXPECT_FALSE(m.fightButtonVisible);
    EXPECT_FALSE(gfx::FindSprite(gfx::kSpriteFightButton)->visible);
    EXPECT_FALSE(gfx::FindSprite(gfx::kSpriteGroupButton)->visible);
    EXPECT_TRUE(gfx::Buttons().empty());
    EXPECT_TRUE(m.hand.empty());
    EXPECT_TRUE(m.groups.empty());
    EXPECT_TRUE(m.dealQueue.empty());
    for (const table::Seat& s : m.seats) EXPECT_TRUE(s.melds.empty() && s.discards.empty() &&
                                                     s.revealedCards.empty() && s.revealedGroups.empty());
    for (const table::SeatInfo& i : m.seatInfo) EXPECT_EQ(i.plateCount, 0);
    EXPECT_EQ(m.fightBanners[1].active, 0);
    EXPECT_EQ(m.fightBanners[1].holdUntil, 0u);
    EXPECT_EQ(m.fightBanners[1].fontSize, 0.0f);
    EXPECT_EQ(m.fightBanners[1].done, 0);
    EXPECT_EQ(m.fightBanners[1].order, 0);
    EXPECT_EQ(m.dealtCount, 0);
    // What outlives a round.
    EXPECT_EQ(m.localSeat, 1);
    EXPECT_EQ(m.seatInfo[1].name, "Ana");
    EXPECT_EQ(m.seatInfo[1].balance, 900u);
    EXPECT_EQ(m.stockCount, 12);
    EXPECT_EQ(m.hits, 44);
    EXPECT_EQ(m.crownSeat, 2);
    EXPECT_EQ(m.selection.size(), 1u);
    EXPECT_EQ(m.peekCards.size(), 1u);
    EXPECT_EQ(m.banners.size(), 1u);
    EXPECT_EQ(m.resultsUntil, 77u);
}

TEST_F(HandlerTest, TableResetLocksInputUntilTheSeatBytesArrive) {
    M().hand = {Card{1, 1}};
    FrameBuilder(op::kPlay, rx::table_reset::kSub, 7).Dispatch();
    EXPECT_TRUE(M().hand.empty());
    EXPECT_TRUE(shell::Shell().InputLock);
    FrameBuilder(op::kSignal, rx::seat_bytes::kSub, 10).U8(7, 0).U8(8, 1).U8(9, 2).Dispatch();
    EXPECT_FALSE(shell::Shell().InputLock);
    EXPECT_EQ(M().seatInfo[0].statusByte, 0);
    EXPECT_EQ(M().seatInfo[1].statusByte, 1);
    EXPECT_EQ(M().seatInfo[2].statusByte, 2);
    FrameBuilder(op::kLobby, rx::reset::kSub, 7).Dispatch();
    EXPECT_FALSE(shell::Shell().InputLock);
}

// ---- Stored fields ------------------------------------------------------------------------------

TEST_F(HandlerTest, BalanceIsKeptForTheLocalSeatUnlessItJumpsTooFar) {
    struct Case {
        std::uint32_t stored;
        std::uint8_t seat;
        std::uint32_t sent;
        std::uint32_t kept;
    };
    const Case cases[] = {
        {0, 1, 50000, 50000},     // nothing stored yet: any value
        {1000, 1, 10999, 10999},  // a rise of 9999
        {1000, 1, 11000, 1000},   // a rise of 10000 is not believed
        {1000, 1, 5, 5},          // any fall
        {1000, 2, 1200, 1000},    // another seat's balance is never stored
    };
    for (const Case& c : cases) {
        table::ResetTableModel();
        M().localSeat = 1;
        M().seatInfo[1].balance = c.stored;
        FrameBuilder(op::kLobby, rx::seat_balance::kSub, 12).U8(7, c.seat).U32(8, c.sent).Dispatch();
        EXPECT_EQ(M().seatInfo[1].balance, c.kept) << c.stored << " -> " << c.sent << " seat " << int(c.seat);
        EXPECT_EQ(M().seatInfo[2].balance, 0u);
    }
}

TEST_F(HandlerTest, SeatNameStopsAtItsTerminatorOrTheFrameEnd) {
    FrameBuilder(op::kLobby, rx::seat_name::kSub, 16).U8(7, 0).Raw(8, "Ana\0junk").Dispatch();
    EXPECT_EQ(M().seatInfo[0].name, "Ana");
    FrameBuilder(op::kLobby, rx::seat_name::kSub, 12).U8(7, 2).Raw(8, "Bert").Dispatch();
    EXPECT_EQ(M().seatInfo[2].name, "Bert");
    FrameBuilder(op::kLobby, rx::seat_name::kSub, 8).U8(7, 2).Dispatch();
    EXPECT_EQ(M().seatInfo[2].name, "");
}

TEST_F(HandlerTest, TurnStoresItsFieldsAndClearsButtonsOnTheLocalTurn) {
    M().localSeat = 2;
    gfx::Buttons()[3] = gfx::Button{};
    FrameBuilder f(op::kLobby, rx::turn::kSub, 32);
    f.U8(7, 1).U32(8, 15000).I32(16, 2).U32(24, 0xFFFFFFF0u).U32(28, 1).Dispatch();
    EXPECT_EQ(M().turnSeat, 1);
    EXPECT_EQ(M().turnDuration, 15000);
    EXPECT_EQ(M().turnStart, 1000000u);
    EXPECT_EQ(M().hits, 0xFFFFFFF0ll);   // widened, never negative
    EXPECT_EQ(M().crownSeat, 2);
    EXPECT_EQ(gfx::Buttons().size(), 1u);
    f.U8(7, 2).Dispatch();
    EXPECT_TRUE(gfx::Buttons().empty());
}

TEST_F(HandlerTest, TurnForNoSeatLeavesTheTurnFieldsButStillSwitchesTheScreen) {
    M().turnSeat = 1;
    FrameBuilder(op::kLobby, rx::turn::kSub, 32).U8(7, 3).U32(8, 9).U8(12, 1).Dispatch();
    EXPECT_EQ(M().turnSeat, 1);
    EXPECT_EQ(M().turnDuration, 0);
    EXPECT_EQ(shell::Shell().CurrentState, shell::kScreenTable);
}

TEST_F(HandlerTest, RevealedCardsSkipEmptySlotsAndAnEmptyGroupStillCounts) {
    FrameBuilder cards(op::kSignal, rx::revealed_cards::kSub, 32);
    cards.U8(7, 2).U8(8, 1).U8(20, 4).U8(19, 5).U8(31, 2).U8(10, 0).U8(22, 9);
    cards.Dispatch();
    EXPECT_EQ(M().seats[2].revealedCards, (std::vector<Card>{{1, 4}, {5, 2}}));
    FrameBuilder(op::kSignal, rx::revealed_group::kSub, 32).U8(7, 0).Dispatch();
    FrameBuilder(op::kSignal, rx::revealed_group::kSub, 32).U8(7, 0).U8(8, 3).U8(20, 7).U8(9, 3).U8(21, 8).Dispatch();
    ASSERT_EQ(M().seats[0].revealedGroups.size(), 2u);
    EXPECT_TRUE(M().seats[0].revealedGroups[0].empty());
    EXPECT_EQ(M().seats[0].revealedGroups[1], (std::vector<Card>{{3, 7}, {3, 8}}));
}

TEST_F(HandlerTest, FightButtonPacketShowsAndHidesSprite63) {
    gfx::Sprite* button = testsupport::MakeSolidSprite(gfx::kSpriteFightButton, 10, 10, SDL_Color{1, 1, 1, 255});
    button->visible = false;
    FrameBuilder(op::kLobby, rx::fight_button::kSub, 8).U8(7, 5).Dispatch();
    EXPECT_TRUE(button->visible);
    EXPECT_TRUE(M().fightButtonVisible);
    FrameBuilder(op::kLobby, rx::fight_button::kSub, 8).U8(7, 0).Dispatch();
    EXPECT_FALSE(button->visible);
    EXPECT_FALSE(M().fightButtonVisible);
}

TEST_F(HandlerTest, RoundCountdownAndResultTakeTheirTimesFromNow) {
    FrameBuilder(op::kLobby, rx::round_countdown::kSub, 12).U32(8, 8000).Dispatch();
    EXPECT_EQ(M().roundTimerStart, 1000000u);
    EXPECT_EQ(M().roundTimerDuration, 8000u);
    FrameBuilder r(op::kSignal, rx::round_result::kSub, 72);
    r.U8(7, 2).U32(8, 30);
    // Seat 1's record starts at 12 + 20.
    r.U8(32, 4).U16(36, 11).U16(38, 12).U16(40, 13).U16(42, 14).U16(44, 15).U16(46, 16).U16(48, 17).U16(50, 18);
    r.Dispatch();
    EXPECT_EQ(M().winnerSeat, 2);
    EXPECT_EQ(M().hitsAwarded, 30u);
    EXPECT_EQ(M().seatResults[1], (table::SeatResult{4, 11, 12, 13, 14, 15, 16, 17, 18}));
    EXPECT_EQ(M().seatResults[0], table::SeatResult{});
    EXPECT_EQ(M().resultsUntil, 1000000u + 7500u);
}

}  // namespace
