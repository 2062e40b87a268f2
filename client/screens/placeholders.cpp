// Screen entry points whose owners are still being written. Until then each draws
// nothing beyond what DrawFrame already drew (the background). Each owner deletes
// its function here when the real one lands; the file goes when it is empty.
#include "screens/input.h"
#include "screens/packet_events.h"
#include "screens/screens.h"
#include "screens/text_field.h"

namespace screens {

// -- click dispatch and the wheel gesture --
void DispatchClick(std::int32_t, std::int32_t, std::int32_t) {}
void SwipePress(std::int32_t, std::int32_t) {}
void SwipeMotion(std::int32_t, std::int32_t) {}
void SwipeRelease(std::int32_t, std::int32_t) {}

// -- text fields --
void CreateTextFields() {}
void EditField(const char*) {}
void SubmitFields() {}
void DrawField(TextField&, std::uint8_t) {}

// -- packets of the picker, the wheel and the emojis --
void OnTableTypeNames(const wire::FrameReader&) {}
void OnSpinResult(const wire::FrameReader&) {}
void OnEmoji(const wire::FrameReader&) {}

// -- home, picker, panels, wheel --
void DrawHomeTopBar() {}
void DrawHomeButtons() {}
void DrawProfilePanel() {}
void DrawMerchantPanel() {}
void DrawTablePicker() {}
void DrawSpinWheel() {}

}  // namespace screens
