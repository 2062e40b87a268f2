// Screen entry points whose real bodies come with the click dispatcher, the text
// fields, the home screen, the panels, the wheel and the emojis. Until then each
// draws nothing beyond what DrawFrame already drew (the background) and each packet
// here changes nothing. Each function leaves this file when its body lands.
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
