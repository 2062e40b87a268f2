// Sound effects: fourteen fixed slots loaded at start-up, played fire-and-forget.
#pragma once

namespace gfx {

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

// Frees every loaded chunk and closes the device (shutdown).
void FreeSounds();

}  // namespace gfx
