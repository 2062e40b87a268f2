// Table entry points whose real bodies come with the table drawing and the table
// plays. Until then a play packet is accepted and changes nothing, and the table
// screen shows only the notices. Each function leaves this file when its body lands.
#include "screens/notices.h"
#include "table/events.h"
#include "table/table_frame.h"

namespace table {

// Until the table drawing lands the table screen shows only the notices.
void DrawTableFrame() { screens::DrawNotices(); }

// -- table plays: slides, sounds and reports come with the table events --
void OnCardFromStock(const wire::FrameReader&) {}
void OnDiscard(const wire::FrameReader&) {}
void OnMeldWithDiscard(const wire::FrameReader&) {}
void OnMeldFromHand(const wire::FrameReader&) {}
void OnLayOff(const wire::FrameReader&) {}
void OnGroup(const wire::FrameReader&) {}
void OnUngroup(const wire::FrameReader&) {}
void OnFight(const wire::FrameReader&) {}
void OnFightConditional(const wire::FrameReader&) {}
void OnPlayBanner(const wire::FrameReader&) {}

}  // namespace table
