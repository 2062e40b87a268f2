// Sprite IDs: every picture of the client has one fixed integer ID, and screen,
// table and input code refer to pictures only through these names. A picture that
// acts as a different Button in different screens is loaded once per role under its
// own ID, so several IDs below share one file.
#pragma once

#include <cstdint>

namespace gfx {

// ---- Cards ----------------------------------------------------------------------------
// Two series of the same 54 files: the table series (melds, discards, flying cards)
// from 500 and the hand series from 600. Jokers come first, then suits 1..4 of 13 ranks.
inline constexpr std::int32_t kSpriteTableCards = 500;        // table series: joker 1; 501 joker 2
inline constexpr std::int32_t kSpriteTableSuitCards = 502;    // table series: suit 1 rank 1; then 13 per suit
inline constexpr std::int32_t kSpriteHandCards = 600;         // hand series: joker 1; 601 joker 2
inline constexpr std::int32_t kSpriteHandSuitCards = 602;     // hand series: suit 1 rank 1
inline constexpr std::int32_t kHandSeriesOffset = 100;        // hand-series ID = table-series ID + this
inline constexpr std::int32_t kRanksPerSuit = 13;             // ranks 1..13 of suits 1..4
inline constexpr std::int32_t kJokerSuit = 5;                 // suit of the two jokers (ranks 1, 2)
inline constexpr std::int32_t kJokerCount = 2;                // jokers per deck

// Table-series sprite of a card (suit 1..5, rank 1..13; jokers rank 1..2).
constexpr std::int32_t TableCardSpriteId(std::int32_t suit, std::int32_t rank) {
    return suit == kJokerSuit ? kSpriteTableCards + (rank - 1)
                              : kSpriteTableSuitCards + kRanksPerSuit * (suit - 1) + (rank - 1);
}
// Hand-series sprite of a card.
constexpr std::int32_t HandCardSpriteId(std::int32_t suit, std::int32_t rank) {
    return TableCardSpriteId(suit, rank) + kHandSeriesOffset;
}

// ---- Card table ---------------------------------------------------------------------------
inline constexpr std::int32_t kSpriteCardTable = 1;           // the table picture the seats sit around
inline constexpr std::int32_t kSpriteAvatarLeft = 2;          // 2..4: left-seat avatar, + leftSeat
inline constexpr std::int32_t kSpriteAvatarRight = 5;         // 5..7: right-seat avatar, + rightSeat
inline constexpr std::int32_t kAvatarCount = 3;               // avatars per side
inline constexpr std::int32_t kSpriteStockRed = 51;           // red card back
inline constexpr std::int32_t kSpriteStockPile = 52;          // the stock pile (click draws a card)
inline constexpr std::int32_t kSpriteFaceDownCard = 54;       // a face-down card in flight from the stock
inline constexpr std::int32_t kSpriteGroupButton = 57;        // groups the selection; starts hidden
inline constexpr std::int32_t kSpriteUngroupButton = 58;      // ungroups the offered group; starts hidden
inline constexpr std::int32_t kSpritePlateLeft = 59;          // name plate of the left seat
inline constexpr std::int32_t kSpritePlateRight = 60;         // name plate of the right seat
inline constexpr std::int32_t kSpritePlateOwn = 61;           // own name plate (eCoins); + currencyMode
inline constexpr std::int32_t kSpritePlateOwnJewel = 62;      // own name plate (Jewels)
inline constexpr std::int32_t kSpriteFightButton = 63;        // calls fight; starts hidden
inline constexpr std::int32_t kSpriteCrown = 64;              // crown beside the crowned seat's name
inline constexpr std::int32_t kSpriteHitVault = 65;           // the hit vault
inline constexpr std::int32_t kSpriteHit = 139;               // play banner icon (hits)
inline constexpr std::int32_t kSpriteSapaw = 140;             // play banner icon (lay-off)
inline constexpr std::int32_t kSpriteBurn = 146;              // burn banner

// ---- Forms ----------------------------------------------------------------------------------
inline constexpr std::int32_t kSpriteInputSpare66 = 66;       // input-box picture, spare role; starts hidden
inline constexpr std::int32_t kSpriteInputBox = 67;           // box picture of text input fields; starts hidden
inline constexpr std::int32_t kSpriteInputSpare68 = 68;       // input-box picture, spare role; starts hidden
inline constexpr std::int32_t kSpriteSubmitBox = 69;          // box picture of submit-button fields

// ---- Table-type picker and home ---------------------------------------------------------------
inline constexpr std::int32_t kSpriteECoinSlots = 70;         // 70..79: the picker's eCoins slots (shared picture)
inline constexpr std::int32_t kECoinSlotCount = 10;           // eCoins slot sprites
inline constexpr std::int32_t kSpriteJewelSlot = 80;          // the picker's Jewels slot
inline constexpr std::int32_t kSpriteBackground = 81;         // dimmed background of every screen but the table (splash)
inline constexpr std::int32_t kSpriteTableBackground = 82;    // whole-window table background (loaded to window size)
inline constexpr std::int32_t kSpriteLeaveWaiting = 83;       // leaves the waiting screen (close-button picture)
inline constexpr std::int32_t kSpriteCreateGame = 84;         // home: create a table
inline constexpr std::int32_t kSpriteJoinGame = 85;           // home: join a table
inline constexpr std::int32_t kSpriteJoinRandom = 86;         // join menu: random players
inline constexpr std::int32_t kSpriteJoinFriend = 87;         // join menu: play with a friend
inline constexpr std::int32_t kSpriteRandomUsers = 88;        // random-players picture, second role
inline constexpr std::int32_t kSpriteFriendUsers = 89;        // friend picture, second role
inline constexpr std::int32_t kSpriteCashInOut = 128;         // cash-in/out picture (spaces the home row)
inline constexpr std::int32_t kSpriteCashOut = 129;           // home: e-wallet cash-out
inline constexpr std::int32_t kSpriteCashIn = 130;            // home: cash-in
inline constexpr std::int32_t kSpriteConnecting = 131;        // "connecting" picture, pulsing (splash)
inline constexpr std::int32_t kSpriteWaiting = 132;           // "waiting for players" picture, pulsing
inline constexpr std::int32_t kSpriteUserProfile = 133;       // home: profile panel toggle
inline constexpr std::int32_t kSpriteProfilePanel = 134;      // profile panel background (parent of 135..137)
inline constexpr std::int32_t kSpriteProfileUser = 135;       // profile panel: user picture
inline constexpr std::int32_t kSpriteProfileReferral = 136;   // profile panel: referral picture
inline constexpr std::int32_t kSpriteProfileEdit = 137;       // profile panel: edit the referrer
inline constexpr std::int32_t kSpriteShare = 138;             // share button
inline constexpr std::int32_t kSpriteAgentProfile = 141;      // home: merchant panel toggle (agents)
inline constexpr std::int32_t kSpriteAgentPanel = 142;        // merchant panel background (parent of 143, 144)
inline constexpr std::int32_t kSpriteAgentCashIn = 143;       // merchant panel: agent cash-in
inline constexpr std::int32_t kSpriteAgentLoad = 144;         // merchant panel: load eCoins (master agents)
inline constexpr std::int32_t kSpriteLogo = 145;              // the product logo
inline constexpr std::int32_t kSpriteHelp = 147;              // home: opens the help page
inline constexpr std::int32_t kSpriteSpinWheel = 148;         // the prize wheel
inline constexpr std::int32_t kSpriteSpinArrow = 149;         // the wheel's arrow
inline constexpr std::int32_t kSpriteFreeSpin = 150;          // home: ask for a free spin

// ---- Close buttons (one picture, one ID per screen) -----------------------------------------
inline constexpr std::int32_t kSpriteCloseJoinMenu = 117;     // join menu
inline constexpr std::int32_t kSpriteCloseSpare118 = 118;     // loaded, drawn by no screen
inline constexpr std::int32_t kSpriteCloseFriendCode = 119;   // friend code entry
inline constexpr std::int32_t kSpriteCloseSpare120 = 120;     // loaded, drawn by no screen
inline constexpr std::int32_t kSpriteClosePicker = 121;       // table-type picker
inline constexpr std::int32_t kSpriteCloseCashOut = 122;      // e-wallet cash-out entry
inline constexpr std::int32_t kSpriteCloseReferral = 123;     // referral ID entry
inline constexpr std::int32_t kSpriteCloseCashIn = 124;       // agent cash-in entry
inline constexpr std::int32_t kSpriteCloseSpinWheel = 125;    // spin wheel
inline constexpr std::int32_t kSpriteCloseSpare126 = 126;     // loaded, drawn by no screen
inline constexpr std::int32_t kSpriteCloseNickname = 127;     // nickname entry

// ---- Emojis -----------------------------------------------------------------------------------
inline constexpr std::int32_t kSpriteEmojiLarge = 100;        // 100..105: emoji shown at a seat; start hidden
inline constexpr std::int32_t kSpriteEmojiSmall = 108;        // 108..113: emoji chooser pictures
inline constexpr std::int32_t kEmojiCount = 6;                // emojis 0..5 have pictures
inline constexpr std::int32_t kSpriteEmojiSend = 116;         // sends the chosen emoji

}  // namespace gfx
