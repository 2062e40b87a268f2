// The outgoing packet builders and the typed-number conversion.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <vector>

#include "net/decimal.h"
#include "net/packets.h"
#include "net/packets_out.h"

namespace {

namespace tx = net::tx;
using table::Card;

std::uint32_t Le32(const net::OutFrame& f, std::size_t at) {
    return static_cast<std::uint32_t>(f[at]) | static_cast<std::uint32_t>(f[at + 1]) << 8 |
           static_cast<std::uint32_t>(f[at + 2]) << 16 | static_cast<std::uint32_t>(f[at + 3]) << 24;
}

// Every byte not listed is 0.
void ExpectOnly(const net::OutFrame& f, const std::vector<std::pair<std::size_t, std::uint8_t>>& set) {
    for (std::size_t i = 0; i < f.size(); ++i) {
        std::uint8_t want = 0;
        for (const auto& [at, v] : set) {
            if (at == i) want = v;
        }
        EXPECT_EQ(f[i], want) << "byte " << i;
    }
}

TEST(PacketsOut, ShortHeaderCarriesLengthOpcodeAndSubCode) {
    const net::OutFrame f = net::BuildOneTimeCode(-2);
    ASSERT_EQ(f.size(), tx::one_time_code::kLength);
    ExpectOnly(f, {{0, 0xC1}, {2, 12}, {4, 0xF1}, {6, 0x06}, {8, 0xFE}, {9, 0xFF}, {10, 0xFF}, {11, 0xFF}});
}

TEST(PacketsOut, LongHeaderCarriesBigEndianLength) {
    const net::OutFrame f = net::BuildCashOut("09171234567", 500);
    ASSERT_EQ(f.size(), tx::cash_out::kLength);
    EXPECT_EQ(f[0], 0xC2);
    EXPECT_EQ(f[1], 0);
    EXPECT_EQ(f[2], 36);
    EXPECT_EQ(f[3], 0xF4);
    EXPECT_EQ(f[4], 0x02);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&f[5])), "09171234567");
    EXPECT_EQ(Le32(f, tx::cash_out::kAmount), 500u);
}

TEST(PacketsOut, TokenLoginEndsWithTerminatorAndMarker) {
    const net::OutFrame f = net::BuildTokenLogin("0123456789abcdefghijklmnopqrstuvEXTRA");
    ASSERT_EQ(f.size(), 42u);
    EXPECT_EQ(std::string(f.begin() + 7, f.begin() + 39), "0123456789abcdefghijklmnopqrstuv");
    EXPECT_EQ(f[39], 0);
    EXPECT_EQ(f[40], 36);
    EXPECT_EQ(f[41], 0);
}

TEST(PacketsOut, TextsAreCutToTheirFieldWithTheTerminatorKept) {
    struct Case {
        net::OutFrame frame;
        std::size_t offset;
        std::size_t width;
        std::string kept;
    };
    const Case cases[] = {
        {net::BuildMobileSignIn("0917123456789999"), tx::mobile_sign_in::kMobile, 13, "091712345678"},
        {net::BuildSetNickname("LongerThanEight"), tx::set_nickname::kNickname, 9, "LongerTh"},
        {net::BuildCashOut(std::string(30, '7'), 1), tx::cash_out::kMobile, 20, std::string(19, '7')},
    };
    for (const Case& c : cases) {
        const char* text = reinterpret_cast<const char*>(&c.frame[c.offset]);
        EXPECT_EQ(std::string(text, strnlen(text, c.width)), c.kept);
        EXPECT_EQ(c.frame[c.offset + c.width - 1], 0);
    }
}

TEST(PacketsOut, CardListsTakeTheirCountAndLength) {
    const std::vector<Card> cards{{1, 5}, {2, 6}, {5, 2}};
    const net::OutFrame meld = net::BuildMeldFromHand(cards);
    ASSERT_EQ(meld.size(), 8u + 2 * 3);
    EXPECT_EQ(meld[tx::meld_from_hand::kCount], 3);
    EXPECT_EQ(meld[8], 1);
    EXPECT_EQ(meld[9], 5);
    EXPECT_EQ(meld[12], 5);
    EXPECT_EQ(meld[13], 2);

    // The lay-off puts the owner seat before the meld id.
    const net::OutFrame layOff = net::BuildLayOff(2, 9, cards);
    ASSERT_EQ(layOff.size(), 10u + 2 * 3);
    EXPECT_EQ(layOff[7], 2);
    EXPECT_EQ(layOff[8], 9);
    EXPECT_EQ(layOff[9], 3);
    EXPECT_EQ(layOff[10], 1);

    const net::OutFrame taken = net::BuildMeldWithDiscard(1, Card{3, 12}, cards);
    ASSERT_EQ(taken.size(), 12u + 2 * 3);
    ExpectOnly(taken, {{0, 0xC1}, {2, 18}, {4, 0xF3}, {6, 0x02}, {7, 1}, {8, 3}, {9, 12}, {10, 3},
                       {12, 1}, {13, 5}, {14, 2}, {15, 6}, {16, 5}, {17, 2}});
}

TEST(PacketsOut, FixedTablePlaysCarryTheirFewBytes) {
    ExpectOnly(net::BuildFightSecond(), {{0, 0xC1}, {2, 8}, {4, 0xF3}, {6, 0x08}, {7, 1}});
    ExpectOnly(net::BuildFight(), {{0, 0xC1}, {2, 8}, {4, 0xF3}, {6, 0x07}});
    ExpectOnly(net::BuildResumeAck(2), {{0, 0xC1}, {2, 12}, {4, 0xF2}, {6, 0x06}, {8, 2}, {9, 1}});
    ExpectOnly(net::BuildMoveCard(Card{4, 13}, Card{1, 1}),
               {{0, 0xC1}, {2, 12}, {4, 0xF2}, {6, 0x00}, {8, 4}, {9, 13}, {10, 1}, {11, 1}});
    ExpectOnly(net::BuildTableRequest(1, 3, 1, 0x01020304),
               {{0, 0xC1}, {2, 16}, {4, 0xF1}, {6, 0x03}, {7, 1}, {8, 3}, {9, 1}, {12, 4}, {13, 3}, {14, 2}, {15, 1}});
    EXPECT_EQ(Le32(net::BuildUngroup(0xA1B2C3D4u), tx::ungroup::kGroupId), 0xA1B2C3D4u);
}

// ---- Typed numbers ---------------------------------------------------------------------------

TEST(Decimal, ReadsLikeATypedNumber) {
    struct Case {
        const char* text;
        std::int32_t value;
    };
    const Case cases[] = {
        {"1234", 1234},
        {"  \t42", 42},
        {"+17", 17},
        {"-250", -250},
        {"12ab34", 12},
        {"abc", 0},
        {"", 0},
        {"-", 0},
        {"+-5", 0},
        {" - 5", 0},
        {"007", 7},
        {"2147483647", INT32_MAX},
        {"-2147483648", INT32_MIN},
        // Past the range the value is clamped, never wrapped into another number.
        {"2147483648", INT32_MAX},
        {"99999999999999999999999", INT32_MAX},
        {"-2147483649", INT32_MIN},
        {"-99999999999999999999", INT32_MIN},
    };
    for (const Case& c : cases) EXPECT_EQ(net::ParseDecimal(c.text), c.value) << '"' << c.text << '"';
}

}  // namespace
