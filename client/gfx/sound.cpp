#include "gfx/sound.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <array>
#include <atomic>
#include <cstddef>

#include "platform/log.h"

namespace gfx {
namespace {

constexpr int kMixRate = 44100;        // output sample rate in Hz
constexpr int kMixChannels = 2;        // stereo output
constexpr int kMixChunkSamples = 1024; // samples per mixing chunk

constexpr std::size_t kSlotCount = static_cast<std::size_t>(SoundSlot::Count);

// Load order and file of every slot; win.wav fills two slots, each played by its own packets.
constexpr std::array<const char*, kSlotCount> kSoundFiles = {
    "res/sounds/error.wav",  "res/sounds/move.wav", "res/sounds/chow.wav", "res/sounds/fight.wav",
    "res/sounds/fight2.wav", "res/sounds/group.wav", "res/sounds/win.wav", "res/sounds/win.wav",
    "res/sounds/lost.wav",   "res/sounds/draw.wav", "res/sounds/down.wav", "res/sounds/block.wav",
    "res/sounds/turn.wav",   "res/sounds/tak.mp3",
};

struct SoundState {
    std::array<Mix_Chunk*, kSlotCount> chunks{};   // one chunk per slot; nullptr = silent slot
    bool deviceOpen = false;                       // the mixer's device is open (and the audio subsystem up)
};

SoundState& Sound() {
    static SoundState state;
    return state;
}

bool OpenDevice() {
    const bool subsystemUp = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    if (subsystemUp && Mix_OpenAudio(kMixRate, AUDIO_S16LSB, kMixChannels, kMixChunkSamples) == 0) return true;
    platform::Log(platform::kLogError, "Mix_OpenAudio failed! SDL_ttf Error: %s", SDL_GetError());
    if (subsystemUp) SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
}

}  // namespace

void LoadSounds() {
    FreeSounds();
    // Without a device every slot stays empty and the client runs silently.
    if (!OpenDevice()) return;
    SoundState& s = Sound();
    s.deviceOpen = true;
    for (std::size_t i = 0; i < kSlotCount; ++i) {
        // The stream stays ours: the mixer does not close it on every failure path
        // (a file of an unknown format would leak it).
        SDL_RWops* file = SDL_RWFromFile(kSoundFiles[i], "rb");
        Mix_Chunk* chunk = file ? Mix_LoadWAV_RW(file, 0) : nullptr;
        if (file) SDL_RWclose(file);
        if (chunk == nullptr) {
            platform::Log(platform::kLogInfo, "Mix_LoadWAV %s failed, Error: %s", kSoundFiles[i], Mix_GetError());
            continue;
        }
        Mix_VolumeChunk(chunk, kSoundVolume);
        s.chunks[i] = chunk;
    }
}

namespace {
std::atomic<SoundObserver> g_soundObserver{nullptr};
}  // namespace

void SetSoundObserver(SoundObserver observer) { g_soundObserver = observer; }

void PlaySound(SoundSlot slot) {
    if (SoundObserver observe = g_soundObserver.load()) observe(slot);
    Mix_Chunk* chunk = SoundChunk(slot);
    if (chunk == nullptr) return;
    // Fire and forget: the first free channel, once; a busy mixer drops the effect.
    Mix_PlayChannel(-1, chunk, 0);
}

void FreeSounds() {
    SoundState& s = Sound();
    if (s.deviceOpen) Mix_HaltChannel(-1);
    for (Mix_Chunk*& chunk : s.chunks) {
        if (chunk) Mix_FreeChunk(chunk);
        chunk = nullptr;
    }
    if (s.deviceOpen) {
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        s.deviceOpen = false;
    }
}

const char* SoundFile(SoundSlot slot) {
    const auto i = static_cast<std::size_t>(slot);
    return i < kSlotCount ? kSoundFiles[i] : nullptr;
}

Mix_Chunk* SoundChunk(SoundSlot slot) {
    const auto i = static_cast<std::size_t>(slot);
    return i < kSlotCount ? Sound().chunks[i] : nullptr;
}

}  // namespace gfx
