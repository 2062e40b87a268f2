// The sprite catalogue: which file, zoom and flags each ID gets, the load order's
// stop at the first missing file, and the whole catalogue from the generated res/.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>

#include "gfx/catalogue.h"
#include "gfx/sprite.h"
#include "gfx/sprite_ids.h"
#include "res_fixture.h"
#include "sdl_fixture.h"

namespace {

namespace fs = std::filesystem;

constexpr int kCardSprites = 108;    // two series of 54
constexpr int kOtherSprites = 88;    // every other catalogue picture

// Every catalogue file written with a size of its own, in the test's own folder.
class CatalogueTest : public testsupport::HeadlessSdl {
protected:
    void SetUp() override {
        HeadlessSdl::SetUp();
        const fs::path dir = fixture::ScratchDir();
        sizes = fixture::WriteTinyRes(dir);
        cwd = std::make_unique<fixture::WorkingDir>(dir);
    }
    void TearDown() override {
        cwd.reset();
        HeadlessSdl::TearDown();
    }

    // The loaded size a picture file gets at a zoom, from the size the fixture gave it.
    SDL_Point Expected(const std::string& file, float zoom) {
        auto it = sizes.size.find(file);
        if (it == sizes.size.end()) {
            ADD_FAILURE() << file << " is not a catalogue file";
            return {0, 0};
        }
        return {fixture::ZoomedSide(it->second.x, zoom), fixture::ZoomedSide(it->second.y, zoom)};
    }

    fixture::CatalogueSizes sizes;
    std::unique_ptr<fixture::WorkingDir> cwd;
};

struct Entry {
    std::int32_t id;
    const char* file;     // the file the sprite must come from
    float zoom;           // its load-time zoom (GlobalScale is 1)
    bool hidden;
    std::int32_t parent;
};

// The entries that are easy to get wrong: card arithmetic, shared files, odd zooms,
// hidden pictures and children of the two panels.
const Entry kEntries[] = {
    {gfx::TableCardSpriteId(3, 12), "res/images/cards/3-12.png.res", 0.5f, false, 0},
    {gfx::HandCardSpriteId(3, 12), "res/images/cards/3-12.png.res", 0.5f, false, 0},
    {539, "res/images/cards/3-12.png.res", 0.5f, false, 0},
    {639, "res/images/cards/3-12.png.res", 0.5f, false, 0},
    {500, "res/images/cards/5-1.png.res", 0.5f, false, 0},
    {501, "res/images/cards/5-2.png.res", 0.5f, false, 0},
    {601, "res/images/cards/5-2.png.res", 0.5f, false, 0},
    {502, "res/images/cards/1-1.png.res", 0.5f, false, 0},
    {514, "res/images/cards/1-13.png.res", 0.5f, false, 0},
    {515, "res/images/cards/2-1.png.res", 0.5f, false, 0},
    {553, "res/images/cards/4-13.png.res", 0.5f, false, 0},
    {653, "res/images/cards/4-13.png.res", 0.5f, false, 0},
    {1, "res/images/card_table.png.res", 1.0f, false, 0},
    {2, "res/images/entity_0_left.png.res", 0.3f, false, 0},
    {4, "res/images/entity_2_left.png.res", 0.3f, false, 0},
    {5, "res/images/entity_0_right.png.res", 0.3f, false, 0},
    {7, "res/images/entity_2_right.png.res", 0.3f, false, 0},
    {51, "res/images/card_stock_red.jpg.res", 1.0f, false, 0},
    {52, "res/images/card_stock_blue.jpg.res", 1.0f, false, 0},
    {54, "res/images/card_stock_blue.jpg.res", 1.0f, false, 0},
    {57, "res/images/button_groupcards.png.res", 1.0f, true, 0},
    {58, "res/images/button_ungroupcards.png.res", 1.0f, true, 0},
    {59, "res/images/profile_plate_top.png.res", 1.0f, false, 0},
    {60, "res/images/profile_plate_top.png.res", 1.0f, false, 0},
    {62, "res/images/profile_plate_down_jewel.png.res", 1.0f, false, 0},
    {63, "res/images/fight.png.res", 0.8f, true, 0},
    {64, "res/images/crown.png.res", 1.0f, false, 0},
    {66, "res/images/input.png.res", 1.0f, true, 0},
    {67, "res/images/input.png.res", 1.0f, true, 0},
    {68, "res/images/input.png.res", 1.0f, true, 0},
    {69, "res/images/submit.png.res", 1.0f, false, 0},
    {79, "res/images/ecoins_mode1.png.res", 1.0f, false, 0},
    {83, "res/images/resetmode.png.res", 1.0f, false, 0},
    {117, "res/images/resetmode.png.res", 1.0f, false, 0},
    {127, "res/images/resetmode.png.res", 1.0f, false, 0},
    {138, "res/images/share.png.res", 0.5f, false, 0},
    {86, "res/images/random_users.png.res", 1.0f, false, 0},
    {87, "res/images/friend_users.png.res", 1.0f, false, 0},
    {88, "res/images/random_users.png.res", 1.0f, false, 0},
    {89, "res/images/friend_users.png.res", 1.0f, false, 0},
    {100, "res/images/emojis/0.png.res", 0.5f, true, 0},
    {105, "res/images/emojis/5.png.res", 0.5f, true, 0},
    {108, "res/images/emojis/small/0.png.res", 1.0f, false, 0},
    {113, "res/images/emojis/small/5.png.res", 1.0f, false, 0},
    {129, "res/images/cashout.png.res", 1.0f, false, 0},
    {130, "res/images/cashin.png.res", 1.0f, false, 0},
    {134, "res/images/profile.png.res", 1.0f, false, 0},
    {135, "res/images/profile_user.png.res", 0.75f, false, 134},
    {136, "res/images/profile_referral.png.res", 0.75f, false, 134},
    {137, "res/images/edit.png.res", 1.0f, false, 134},
    {142, "res/images/profile.png.res", 1.0f, false, 0},
    {143, "res/images/agent_cashin.png.res", 0.5f, false, 142},
    {144, "res/images/agent_load.png.res", 0.5f, false, 142},
    {141, "res/images/agent_profile.png.res", 0.75f, false, 0},
    {145, "res/images/korvane.png.res", 0.8f, false, 0},
    {147, "res/images/help.png.res", 0.9f, false, 0},
    {150, "res/images/free_spin.png.res", 1.0f, false, 0},
};

TEST_F(CatalogueTest, EachIdComesFromItsFileWithItsZoomAndFlags) {
    ASSERT_TRUE(gfx::LoadCatalogue());
    for (const Entry& e : kEntries) {
        const gfx::Sprite* s = gfx::FindSprite(e.id);
        ASSERT_NE(s, nullptr) << "sprite " << e.id;
        EXPECT_NE(s->texture, nullptr) << "sprite " << e.id;
        const SDL_Point want = Expected(e.file, e.zoom);
        EXPECT_EQ(s->width, static_cast<float>(want.x)) << "sprite " << e.id << " from " << e.file;
        EXPECT_EQ(s->height, static_cast<float>(want.y)) << "sprite " << e.id << " from " << e.file;
        EXPECT_EQ(s->visible, !e.hidden) << "sprite " << e.id;
        EXPECT_EQ(s->parentId, e.parent) << "sprite " << e.id;
    }
}

TEST_F(CatalogueTest, TableBackgroundIsLoadedToTheWindowSize) {
    ASSERT_TRUE(gfx::LoadCatalogue());
    const gfx::Sprite* bg = gfx::FindSprite(gfx::kSpriteTableBackground);
    ASSERT_NE(bg, nullptr);
    EXPECT_EQ(bg->width, 1280.0f);
    EXPECT_EQ(bg->height, 760.0f);
}

TEST_F(CatalogueTest, OnlyTheListedPicturesStartHiddenOrWithAParent) {
    ASSERT_TRUE(gfx::LoadCatalogue());
    std::set<int> hidden, children;
    for (const auto& [id, s] : gfx::Sprites().sprites) {
        if (!s->visible) hidden.insert(id);
        if (s->parentId != 0) children.insert(id);
    }
    EXPECT_EQ(hidden, (std::set<int>{57, 58, 63, 66, 67, 68, 100, 101, 102, 103, 104, 105}));
    EXPECT_EQ(children, (std::set<int>{135, 136, 137, 143, 144}));
}

TEST_F(CatalogueTest, EveryCardOfBothSeriesIsItsOwnFile) {
    ASSERT_TRUE(gfx::LoadCatalogue());
    for (int suit = 1; suit <= 5; ++suit) {
        const int ranks = suit == 5 ? 2 : 13;
        for (int rank = 1; rank <= ranks; ++rank) {
            const std::string file = "res/images/cards/" + std::to_string(suit) + "-" + std::to_string(rank) + ".png.res";
            const SDL_Point want = Expected(file, 0.5f);
            for (int id : {gfx::TableCardSpriteId(suit, rank), gfx::HandCardSpriteId(suit, rank)}) {
                const gfx::Sprite* s = gfx::FindSprite(id);
                ASSERT_NE(s, nullptr) << "card " << suit << "-" << rank << " sprite " << id;
                EXPECT_EQ(s->width, static_cast<float>(want.x)) << "sprite " << id << " should show " << file;
                EXPECT_EQ(s->height, static_cast<float>(want.y)) << "sprite " << id << " should show " << file;
            }
        }
    }
}

TEST_F(CatalogueTest, RegistersEveryPictureExceptTheSplashOnes) {
    ASSERT_TRUE(gfx::LoadCatalogue());
    EXPECT_EQ(gfx::Sprites().sprites.size(), static_cast<std::size_t>(kCardSprites + kOtherSprites));
    EXPECT_EQ(gfx::FindSprite(gfx::kSpriteBackground), nullptr);
    EXPECT_EQ(gfx::FindSprite(gfx::kSpriteConnecting), nullptr);
    for (int unused : {0, 8, 50, 53, 55, 56, 106, 107, 114, 115, 151, 499, 554, 599, 654}) {
        EXPECT_EQ(gfx::FindSprite(unused), nullptr) << "sprite " << unused;
    }
}

TEST_F(CatalogueTest, MissingEmojiStopsTheLoadWithTheEarlierIdsRegistered) {
    fs::remove("res/images/emojis/3.png.res");
    EXPECT_FALSE(gfx::LoadCatalogue());
    for (int id : {100, 101, 102}) EXPECT_NE(gfx::FindSprite(id), nullptr) << "sprite " << id;
    for (int id : {103, 104, 105, 108, 116, 150}) EXPECT_EQ(gfx::FindSprite(id), nullptr) << "sprite " << id;
    // Everything before the emojis in load order stays.
    for (int id : {500, 653, 1, 7, 82, 127, 138, 87}) EXPECT_NE(gfx::FindSprite(id), nullptr) << "sprite " << id;
}

TEST_F(CatalogueTest, FirstMissingCardStopsBeforeAnyOtherPicture) {
    fs::remove("res/images/cards/2-5.png.res");
    EXPECT_FALSE(gfx::LoadCatalogue());
    EXPECT_NE(gfx::FindSprite(518), nullptr);
    EXPECT_EQ(gfx::FindSprite(519), nullptr);
    EXPECT_EQ(gfx::FindSprite(600), nullptr);
    EXPECT_EQ(gfx::FindSprite(1), nullptr);
}

// The real pictures the build generates, read from the build folder.
class GeneratedCatalogue : public testsupport::HeadlessSdl {
protected:
    void SetUp() override {
        HeadlessSdl::SetUp();
        const fs::path res = fixture::GeneratedRes();
        if (res.empty()) GTEST_SKIP() << "this build generated no res/";
        cwd = std::make_unique<fixture::WorkingDir>(res.parent_path());
    }
    void TearDown() override {
        cwd.reset();
        HeadlessSdl::TearDown();
    }
    std::unique_ptr<fixture::WorkingDir> cwd;
};

TEST_F(GeneratedCatalogue, LoadsCompletelyFromTheBuildsRes) {
    EXPECT_TRUE(gfx::LoadCatalogue());
    EXPECT_EQ(gfx::Sprites().sprites.size(), static_cast<std::size_t>(kCardSprites + kOtherSprites));
    for (const auto& [id, s] : gfx::Sprites().sprites) {
        EXPECT_NE(s->texture, nullptr) << "sprite " << id;
        EXPECT_GT(s->width, 0.0f) << "sprite " << id;
    }
    const gfx::Sprite* bg = gfx::FindSprite(gfx::kSpriteTableBackground);
    ASSERT_NE(bg, nullptr);
    EXPECT_EQ(bg->width, 1280.0f);
    EXPECT_EQ(bg->height, 760.0f);
}

}  // namespace
