#include "screens/text_field.h"

namespace screens {

TextFieldState& Fields() {
    static TextFieldState state;
    return state;
}

TextField* FirstFieldOf(std::int32_t screen) {
    for (auto& f : Fields().TextFields) {
        if (f->screen == screen) return f.get();
    }
    return nullptr;
}

void FreeTextFields() {
    Fields().TextFields.clear();
    Fields().FocusedFieldId = 0;
}

}  // namespace screens
