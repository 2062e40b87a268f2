// The table events: one handler per table packet, called by the packet dispatcher
// on the network thread with NetLock held. The dispatcher has already checked the
// frame against its packet's rule (net/packets.h): it is long enough for what the
// handler reads and its seat bytes name one of the three seats.
#pragma once

namespace wire {
class FrameReader;
}

namespace table {

// ---- Model fields (model_events.cpp) ------------------------------------------------
void OnOwnHand(const wire::FrameReader& f);         // F1/00: the hand as dealt (at most 13 cards)
void OnStockCount(const wire::FrameReader& f);      // F1/01
void OnTurn(const wire::FrameReader& f);            // F1/02: the turn fields (the screen switch is net's)
void OnSeatName(const wire::FrameReader& f);        // F1/03
void OnSeatBalance(const wire::FrameReader& f);     // F1/04: the balance rule
void OnPlateNumber(const wire::FrameReader& f);     // F1/05
void OnReset(const wire::FrameReader& f);           // F1/06: resetTable
void OnRoundCountdown(const wire::FrameReader& f);  // F1/07
void OnFightButton(const wire::FrameReader& f);     // F1/08
void OnRevealedCards(const wire::FrameReader& f);   // F2/02
void OnRevealedGroup(const wire::FrameReader& f);   // F2/03
void OnSeatBytes(const wire::FrameReader& f);       // F2/05: status bytes; ends the input lock
void OnTableSetUp(const wire::FrameReader& f);      // F2/06
void OnRoundResult(const wire::FrameReader& f);     // F2/08
void OnReveal(const wire::FrameReader& f);          // F2/0C
void OnTableReset(const wire::FrameReader& f);      // F3/09: resetTable, then the input lock

// ---- Plays with slides, sounds and reports ---------------------------------------------
void OnCardFromStock(const wire::FrameReader& f);     // F3/00
void OnDiscard(const wire::FrameReader& f);           // F3/01
void OnMeldWithDiscard(const wire::FrameReader& f);   // F3/02
void OnMeldFromHand(const wire::FrameReader& f);      // F3/03
void OnLayOff(const wire::FrameReader& f);            // F3/04
void OnGroup(const wire::FrameReader& f);             // F3/05
void OnUngroup(const wire::FrameReader& f);           // F3/06
void OnFight(const wire::FrameReader& f);             // F3/07
void OnFightConditional(const wire::FrameReader& f);  // F3/08
void OnPlayBanner(const wire::FrameReader& f);        // F3/0B

}  // namespace table
