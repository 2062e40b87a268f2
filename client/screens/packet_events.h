// The packets whose effect belongs to a screen: called by the packet dispatcher on
// the network thread with NetLock held, after the frame passed its packet's rule.
#pragma once

namespace wire {
class FrameReader;
}

namespace screens {

void OnTableTypeNames(const wire::FrameReader& f);   // F1/0A: the picker's table types
void OnSpinResult(const wire::FrameReader& f);       // F2/0D: where the prize wheel stops
void OnEmoji(const wire::FrameReader& f);            // F3/0A: a seat's emoji

}  // namespace screens
