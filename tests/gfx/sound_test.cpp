// Sound effects: the fourteen slots, their volume, playing, and silence without a
// device.
#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdlib>
#include <memory>
#include <set>
#include <string>

#include "gfx/sound.h"
#include "platform/log.h"
#include "res_fixture.h"
#include "sdl_fixture.h"

namespace {

namespace fs = std::filesystem;

constexpr int kSlots = static_cast<int>(gfx::SoundSlot::Count);

gfx::SoundSlot Slot(int i) { return static_cast<gfx::SoundSlot>(i); }

// Sets an environment variable for the object's lifetime.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        setenv(name, value, 1);
    }
    ~ScopedEnv() {
        if (old_.empty()) {
            unsetenv(name_);
        } else {
            setenv(name_, old_.c_str(), 1);
        }
    }

private:
    const char* name_;
    std::string old_;
};

class SoundTest : public testsupport::HeadlessSdl {
protected:
    void SetUp() override {
        HeadlessSdl::SetUp();
        const fs::path dir = fixture::ScratchDir();
        fixture::WriteTinyRes(dir);
        cwd = std::make_unique<fixture::WorkingDir>(dir);
        platform::SetLogHook([this](int level, const std::string& text) {
            if (level == platform::kLogError) errors.push_back(text);
        });
    }
    void TearDown() override {
        platform::SetLogHook(nullptr);
        gfx::FreeSounds();
        cwd.reset();
        HeadlessSdl::TearDown();
    }

    std::vector<std::string> errors;
    std::unique_ptr<fixture::WorkingDir> cwd;
};

TEST_F(SoundTest, SlotsReadTheirFilesInOrder) {
    const char* files[kSlots] = {
        "res/sounds/error.wav", "res/sounds/move.wav",  "res/sounds/chow.wav", "res/sounds/fight.wav",
        "res/sounds/fight2.wav", "res/sounds/group.wav", "res/sounds/win.wav",  "res/sounds/win.wav",
        "res/sounds/lost.wav",  "res/sounds/draw.wav",  "res/sounds/down.wav", "res/sounds/block.wav",
        "res/sounds/turn.wav",  "res/sounds/tak.mp3",
    };
    ASSERT_EQ(kSlots, 14);
    for (int i = 0; i < kSlots; ++i) EXPECT_STREQ(gfx::SoundFile(Slot(i)), files[i]) << "slot " << i;
}

TEST_F(SoundTest, EveryWavSlotLoadsAtHalfVolumeEachWithItsOwnChunk) {
    gfx::LoadSounds();
    EXPECT_TRUE(errors.empty()) << errors.front();
    std::set<Mix_Chunk*> chunks;
    for (int i = 0; i < kSlots; ++i) {
        if (Slot(i) == gfx::SoundSlot::Tak) continue;   // the fixture has no MP3
        Mix_Chunk* c = gfx::SoundChunk(Slot(i));
        ASSERT_NE(c, nullptr) << gfx::SoundFile(Slot(i));
        EXPECT_EQ(Mix_VolumeChunk(c, -1), 64) << gfx::SoundFile(Slot(i));
        chunks.insert(c);
    }
    // win.wav fills two slots with two chunks.
    EXPECT_EQ(chunks.size(), 13u);
    EXPECT_NE(gfx::SoundChunk(gfx::SoundSlot::Win), gfx::SoundChunk(gfx::SoundSlot::Win2));
}

TEST_F(SoundTest, AFileThatWillNotLoadLeavesOnlyItsSlotSilent) {
    fs::remove("res/sounds/fight2.wav");
    fixture::WriteFile("res/sounds/group.wav", {'n', 'o', 't', ' ', 'a', ' ', 'w', 'a', 'v'});
    gfx::LoadSounds();
    EXPECT_EQ(gfx::SoundChunk(gfx::SoundSlot::Fight2), nullptr);
    EXPECT_EQ(gfx::SoundChunk(gfx::SoundSlot::Group), nullptr);
    EXPECT_NE(gfx::SoundChunk(gfx::SoundSlot::Fight), nullptr);
    EXPECT_NE(gfx::SoundChunk(gfx::SoundSlot::Turn), nullptr);
    gfx::PlaySound(gfx::SoundSlot::Fight2);
    gfx::PlaySound(gfx::SoundSlot::Group);
    EXPECT_EQ(Mix_Playing(-1), 0);
}

TEST_F(SoundTest, PlayingUsesAFreeChannelAndOverlapsItself) {
    gfx::LoadSounds();
    ASSERT_NE(gfx::SoundChunk(gfx::SoundSlot::Fight), nullptr);
    EXPECT_EQ(Mix_Playing(-1), 0);
    gfx::PlaySound(gfx::SoundSlot::Fight);
    EXPECT_EQ(Mix_Playing(-1), 1);
    gfx::PlaySound(gfx::SoundSlot::Fight);
    EXPECT_EQ(Mix_Playing(-1), 2) << "a sound already playing is not stopped";
}

TEST_F(SoundTest, WithoutAnAudioDeviceEverythingIsSilentAndNothingFails) {
    ScopedEnv noDevice("SDL_AUDIODRIVER", "no-such-audio-driver");
    gfx::LoadSounds();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].rfind("Mix_OpenAudio failed! SDL_ttf Error: ", 0), 0u) << errors[0];
    for (int i = 0; i < kSlots; ++i) {
        EXPECT_EQ(gfx::SoundChunk(Slot(i)), nullptr) << "slot " << i;
        gfx::PlaySound(Slot(i));
    }
    EXPECT_FALSE(SDL_WasInit(SDL_INIT_AUDIO));
    gfx::FreeSounds();
    gfx::FreeSounds();
}

TEST_F(SoundTest, FreeingEmptiesEverySlotAndClosesTheDevice) {
    gfx::LoadSounds();
    gfx::PlaySound(gfx::SoundSlot::Turn);
    gfx::FreeSounds();
    for (int i = 0; i < kSlots; ++i) EXPECT_EQ(gfx::SoundChunk(Slot(i)), nullptr) << "slot " << i;
    EXPECT_FALSE(SDL_WasInit(SDL_INIT_AUDIO));
    gfx::PlaySound(gfx::SoundSlot::Turn);
    // A second start-up opens the device again.
    gfx::LoadSounds();
    EXPECT_NE(gfx::SoundChunk(gfx::SoundSlot::Turn), nullptr);
}

// The generated sounds, the MP3 tick included.
TEST(GeneratedSounds, AllFourteenSlotsLoad) {
    const fs::path res = fixture::GeneratedRes();
    if (res.empty()) GTEST_SKIP() << "this build generated no res/";
    fixture::WorkingDir cwd(res.parent_path());
    ASSERT_EQ(SDL_Init(0), 0);
    gfx::LoadSounds();
    for (int i = 0; i < kSlots; ++i) EXPECT_NE(gfx::SoundChunk(Slot(i)), nullptr) << gfx::SoundFile(Slot(i));
    gfx::FreeSounds();
    SDL_Quit();
}

}  // namespace
