// Sound effects: fourteen fixed slots loaded at start-up, played fire-and-forget.
#pragma once

struct Mix_Chunk;

namespace gfx {

inline constexpr int kSoundVolume = 64;   // every chunk plays at half the mixer's 128

enum class SoundSlot {
    Error,     // error.wav: a refused play
    Move,      // move.wav: loaded, never played
    Chow,      // chow.wav: a meld with a taken discard
    Fight,     // fight.wav: the first fight call of a round
    Fight2,    // fight2.wav: every later fight call
    Group,     // group.wav: a group formed
    Win,       // win.wav: round won (sound-and-screen packet)
    Win2,      // win.wav again: the sound packet's wins
    Lost,      // lost.wav: round lost
    Draw,      // draw.wav: a card from the stock
    Down,      // down.wav: a discard, a meld, an ungroup
    Block,     // block.wav: a lay-off
    Turn,      // turn.wav: the local player's turn
    Tak,       // tak.mp3: the wheel's tick
    Count
};

// Opens the audio device and loads every slot (start-up); silent without a device.
void LoadSounds();

// Plays a slot on the first free channel; nothing when the slot is empty.
void PlaySound(SoundSlot slot);

// Tests watch which effects the client asks for, with or without an audio device.
using SoundObserver = void (*)(SoundSlot slot);
void SetSoundObserver(SoundObserver observer);

// Frees every loaded chunk and closes the device (shutdown).
void FreeSounds();

// The file a slot is loaded from, relative to the working directory.
const char* SoundFile(SoundSlot slot);

// The chunk a slot holds, or nullptr when it is empty (no device, or its file failed).
Mix_Chunk* SoundChunk(SoundSlot slot);

}  // namespace gfx
