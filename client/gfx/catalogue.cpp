#include "gfx/catalogue.h"

#include <cstdio>
#include <memory>

#include "gfx/loader.h"
#include "gfx/sprite.h"
#include "gfx/sprite_ids.h"
#include "gfx/video.h"

namespace gfx {
namespace {

// ---- Cards ------------------------------------------------------------------------------
// One run of consecutive card sprites: one suit, ranks 1..rankCount.
struct CardRun {
    std::int32_t firstId;   // sprite of rank 1
    std::int32_t suit;      // file suit 1..5
    std::int32_t ranks;     // ranks in the run
};

// Load order of the cards: the table series, then the hand series over the same files.
constexpr CardRun kCardRuns[] = {
    {kSpriteTableCards, kJokerSuit, kJokerCount},
    {kSpriteTableSuitCards + 0 * kRanksPerSuit, 1, kRanksPerSuit},
    {kSpriteTableSuitCards + 1 * kRanksPerSuit, 2, kRanksPerSuit},
    {kSpriteTableSuitCards + 2 * kRanksPerSuit, 3, kRanksPerSuit},
    {kSpriteTableSuitCards + 3 * kRanksPerSuit, 4, kRanksPerSuit},
    {kSpriteHandCards, kJokerSuit, kJokerCount},
    {kSpriteHandSuitCards + 0 * kRanksPerSuit, 1, kRanksPerSuit},
    {kSpriteHandSuitCards + 1 * kRanksPerSuit, 2, kRanksPerSuit},
    {kSpriteHandSuitCards + 2 * kRanksPerSuit, 3, kRanksPerSuit},
    {kSpriteHandSuitCards + 3 * kRanksPerSuit, 4, kRanksPerSuit},
};
constexpr float kCardZoom = 0.5f;   // card files are drawn at half their size

// ---- Other pictures -----------------------------------------------------------------------
// One row: count sprites with consecutive IDs from firstId. A numbered row's file is
// a format that takes the sprite's index in the row (0..count-1).
struct PictureRow {
    std::int32_t firstId;      // ID of the row's first sprite
    std::int32_t count;        // sprites in the row
    const char* file;          // under res/images/; a %d format when numbered
    bool numbered;             // file takes the index in the row
    float zoom;                // load-time zoom in units of GlobalScale
    std::uint8_t mode;         // kLoadZoom, or kLoadFit for the window-sized background
    bool hidden;               // starts invisible
    std::int32_t parentId;     // drawn only while that sprite is visible
};

constexpr bool kHidden = true;
constexpr bool kNumbered = true;

// Load order matters only in that the first failing file stops the load.
constexpr PictureRow kPictureRows[] = {
    {kSpriteCardTable, 1, "card_table.png.res", false, 1.0f, kLoadZoom, false, 0},
    {kSpriteAvatarLeft, kAvatarCount, "entity_%d_left.png.res", kNumbered, 0.3f, kLoadZoom, false, 0},
    {kSpriteAvatarRight, kAvatarCount, "entity_%d_right.png.res", kNumbered, 0.3f, kLoadZoom, false, 0},
    {kSpriteStockRed, 1, "card_stock_red.jpg.res", false, 1.0f, kLoadZoom, false, 0},
    {kSpriteFaceDownCard, 1, "card_stock_blue.jpg.res", false, 1.0f, kLoadZoom, false, 0},
    {kSpriteStockPile, 1, "card_stock_blue.jpg.res", false, 1.0f, kLoadZoom, false, 0},
    {kSpriteGroupButton, 1, "button_groupcards.png.res", false, 1.0f, kLoadZoom, kHidden, 0},
    {kSpriteUngroupButton, 1, "button_ungroupcards.png.res", false, 1.0f, kLoadZoom, kHidden, 0},
    {kSpritePlateLeft, 2, "profile_plate_top.png.res", false, 1.0f, kLoadZoom, false, 0},
    {kSpritePlateOwn, 1, "profile_plate_down.png.res", false, 1.0f, kLoadZoom, false, 0},
    {kSpritePlateOwnJewel, 1, "profile_plate_down_jewel.png.res", false, 1.0f, kLoadZoom, false, 0},
    {kSpriteFightButton, 1, "fight.png.res", false, 0.8f, kLoadZoom, kHidden, 0},
    {kSpriteHitVault, 1, "hit_vault.png.res", false, 1.0f, kLoadZoom, false, 0},
    {kSpriteInputSpare66, 3, "input.png.res", false, 1.0f, kLoadZoom, kHidden, 0},
    {kSpriteSubmitBox, 1, "submit.png.res", false, 1.0f, kLoadZoom, false, 0},
    {kSpriteCrown, 1, "crown.png.res", false, 1.0f, kLoadZoom, false, 0},
    {kSpriteECoinSlots, kECoinSlotCount, "ecoins_mode1.png.res", false, 1.0f, kLoadZoom, false, 0},
    {kSpriteJewelSlot, 1, "jewels_mode1.png.res", false, 1.0f, kLoadZoom, false, 0},
    {kSpriteTableBackground, 1, "bg.png.res", false, 1.0f, kLoadFit, false, 0},
    {kSpriteLeaveWaiting, 1, "resetmode.png.res", false, 1.0f, kLoadZoom, false, 0},
    {kSpriteCloseJoinMenu, 11, "resetmode.png.res", false, 1.0f, kLoadZoom, false, 0},
    {kSpriteShare, 1, "share.png.res", false, 0.5f, kLoadZoom, false, 0},
    {kSpriteCreateGame, 1, "create_game.png.res", false, 1.0f, kLoadZoom, false, 0},
    {kSpriteJoinGame, 1, "join_game.png.res", false, 1.0f, kLoadZoom, false, 0},
    {kSpriteRandomUsers, 1, "random_users.png.res", false, 1.0f, kLoadZoom, false, 0},
    {kSpriteFriendUsers, 1, "friend_users.png.res", false, 1.0f, kLoadZoom, false, 0},
    {kSpriteJoinRandom, 1, "random_users.png.res", false, 1.0f, kLoadZoom, false, 0},
    {kSpriteJoinFriend, 1, "friend_users.png.res", false, 1.0f, kLoadZoom, false, 0},
    {kSpriteEmojiLarge, kEmojiCount, "emojis/%d.png.res", kNumbered, 0.5f, kLoadZoom, kHidden, 0},
    {kSpriteEmojiSmall, kEmojiCount, "emojis/small/%d.png.res", kNumbered, 1.0f, kLoadZoom, false, 0},
    {kSpriteEmojiSend, 1, "emoji_send.png.res", false, 1.0f, kLoadZoom, false, 0},
    {kSpriteCashInOut, 1, "cashinout.png.res", false, 1.0f, kLoadZoom, false, 0},
    {kSpriteCashIn, 1, "cashin.png.res", false, 1.0f, kLoadZoom, false, 0},
    {kSpriteCashOut, 1, "cashout.png.res", false, 1.0f, kLoadZoom, false, 0},
    {kSpriteWaiting, 1, "waiting1.png.res", false, 1.0f, kLoadZoom, false, 0},
    {kSpriteUserProfile, 1, "userprofile.png.res", false, 1.0f, kLoadZoom, false, 0},
    {kSpriteProfilePanel, 1, "profile.png.res", false, 1.0f, kLoadZoom, false, 0},
    {kSpriteProfileUser, 1, "profile_user.png.res", false, 0.75f, kLoadZoom, false, kSpriteProfilePanel},
    {kSpriteProfileReferral, 1, "profile_referral.png.res", false, 0.75f, kLoadZoom, false, kSpriteProfilePanel},
    {kSpriteProfileEdit, 1, "edit.png.res", false, 1.0f, kLoadZoom, false, kSpriteProfilePanel},
    {kSpriteAgentPanel, 1, "profile.png.res", false, 1.0f, kLoadZoom, false, 0},
    {kSpriteAgentCashIn, 1, "agent_cashin.png.res", false, 0.5f, kLoadZoom, false, kSpriteAgentPanel},
    {kSpriteAgentLoad, 1, "agent_load.png.res", false, 0.5f, kLoadZoom, false, kSpriteAgentPanel},
    {kSpriteHit, 1, "hit.png.res", false, 0.8f, kLoadZoom, false, 0},
    {kSpriteSapaw, 1, "sapaw.png.res", false, 0.8f, kLoadZoom, false, 0},
    {kSpriteAgentProfile, 1, "agent_profile.png.res", false, 0.75f, kLoadZoom, false, 0},
    {kSpriteLogo, 1, "korvane.png.res", false, 0.8f, kLoadZoom, false, 0},
    {kSpriteBurn, 1, "burn.png.res", false, 0.8f, kLoadZoom, false, 0},
    {kSpriteHelp, 1, "help.png.res", false, 0.9f, kLoadZoom, false, 0},
    {kSpriteSpinWheel, 1, "spin_wheel.png.res", false, 1.0f, kLoadZoom, false, 0},
    {kSpriteSpinArrow, 1, "spin_arrow.png.res", false, 1.0f, kLoadZoom, false, 0},
    {kSpriteFreeSpin, 1, "free_spin.png.res", false, 1.0f, kLoadZoom, false, 0},
};

std::string Format(const char* format, std::int32_t x) {
    char buf[256];
    std::snprintf(buf, sizeof buf, format, x);
    return buf;
}

}  // namespace

void ForEachCataloguePicture(const std::function<bool(const CataloguePicture&)>& visit) {
    CataloguePicture p;
    for (const CardRun& run : kCardRuns) {
        const float zoom = kCardZoom * Sprites().GlobalScale;
        for (std::int32_t rank = 1; rank <= run.ranks; ++rank) {
            char path[256];
            std::snprintf(path, sizeof path, "%s/%d-%d.png.res", kCardDir, run.suit, rank);
            p = CataloguePicture{run.firstId + rank - 1, path, zoom, zoom, kLoadZoom, false, 0};
            if (!visit(p)) return;
        }
    }

    // The scale is taken again before the rest of the pictures; with the fixed
    // window height it keeps its value.
    Sprites().GlobalScale = static_cast<float>(kWindowHeight) / 760.0f;

    for (const PictureRow& row : kPictureRows) {
        for (std::int32_t i = 0; i < row.count; ++i) {
            p.id = row.firstId + i;
            p.path = std::string(kImageDir) + (row.numbered ? Format(row.file, i) : std::string(row.file));
            p.mode = row.mode;
            if (row.mode == kLoadFit) {
                p.a = static_cast<float>(kWindowWidth);
                p.b = static_cast<float>(kWindowHeight);
            } else {
                p.a = p.b = row.zoom * Sprites().GlobalScale;
            }
            p.hidden = row.hidden;
            p.parentId = row.parentId;
            if (!visit(p)) return;
        }
    }
}

bool LoadCatalogue() {
    bool ok = true;
    ForEachCataloguePicture([&ok](const CataloguePicture& p) {
        auto sprite = std::make_unique<Sprite>();
        if (!LoadSprite(*sprite, p.path.c_str(), p.a, p.b, p.mode)) {
            ok = false;
            return false;
        }
        sprite->visible = !p.hidden;
        sprite->parentId = p.parentId;
        RegisterSprite(p.id, std::move(sprite));
        return true;
    });
    return ok;
}

}  // namespace gfx
