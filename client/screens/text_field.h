// Text fields: the boxes of the client's forms (sign-in, code, nickname, referral,
// friend code, cash-in, add-eCoins, cash-out) and their box-shaped submit buttons.
// Each belongs to one screen state; typing goes to the field of the current screen
// whose focusId equals FocusedFieldId.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <SDL.h>

namespace gfx {
struct Sprite;
}

namespace screens {

struct TextField {
    gfx::Sprite* background = nullptr;   // box picture (sprite 67 inputs, 69 buttons); null without a usable size
    std::string text;                    // the bytes typed so far
    std::int32_t centerX = 0;            // centre of the box on screen
    std::int32_t centerY = 0;
    std::int32_t width = 0;              // size of the box
    std::int32_t height = 0;
    std::int32_t fontStyle = 0;          // with fontSize selects the font (style * 16 + size)
    std::int32_t fontSize = 18;
    SDL_Color color{245, 245, 245, 255}; // text colour
    std::uint32_t blinkStart = 0;        // tick at which the caret's blink cycle began
    std::int32_t screen = 0;             // the screen state the field belongs to
    std::uint8_t focusId = 0;            // takes typing when equal to FocusedFieldId
    std::string label;                   // placeholder of an input, caption of a button
    bool isButton = false;               // a submit button
    std::int32_t maxLength = 0;          // typing stops at this many bytes; 0 = no limit
};

struct TextFieldState {
    std::vector<std::unique_ptr<TextField>> TextFields;   // every field, in creation order
    std::uint8_t FocusedFieldId = 0;                      // focus number of the field taking typing
};
TextFieldState& Fields();

// The first field (list order) of screen state, or nullptr.
TextField* FirstFieldOf(std::int32_t screen);

// Creates every field (start-up).
void CreateTextFields();
// Appends text to the focused field of the current screen, or deletes one byte when text is null.
void EditField(const char* text);
// Runs the submit of the current screen.
void SubmitFields();
// Draws one field with an alpha.
void DrawField(TextField& field, std::uint8_t alpha);
// Frees every field (shutdown).
void FreeTextFields();

}  // namespace screens
