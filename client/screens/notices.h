// Notices: one-line messages drawn over every screen until their lifetime passes.
//
// A notice is appended to the queue and drawn at the end of every frame as a
// centred line on one dark translucent backdrop; nothing closes it, it simply
// drops out once its style's lifetime has passed (marked in one frame, erased in
// the next). Every live notice takes the next line of one shared counter, whether
// it sits in the centre row or the top row.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace screens {

struct Notice {
    std::uint8_t kind = 0;       // the server's kind byte; 0 for the client's own notices (not drawn)
    std::string text;            // the message, one line
    std::uint8_t style = 0;      // lifetime, size, colour and row (NoticeStyleOf)
    std::uint64_t created = 0;   // tick (ms) when appended; the lifetime counts from here
    bool removed = false;        // lifetime passed: erased by the next DrawNotices
    friend bool operator==(const Notice&, const Notice&) = default;
};

struct NoticeQueue {
    std::vector<Notice> notices;   // oldest first; appended at the end, erased from anywhere
};
NoticeQueue& Notices();

// The style the client gives every notice it makes itself (kind 0): the top row.
inline constexpr std::uint8_t kOwnNoticeKind = 0;
inline constexpr std::uint8_t kOwnNoticeStyle = 8;

enum class NoticeRow : std::uint8_t {
    Centre,   // from one line height above the window's middle downwards
    Top,      // from two thirds of a line height below the top edge
};

struct NoticeStyle {
    std::uint32_t lifetimeMs;   // shown while no more than this has passed since created
    std::int32_t fontSize;      // point size of the text
    SDL_Color colour;           // text colour
    NoticeRow row;              // where its line is placed
};

// The style table; nothing for styles that are never drawn and never expire
// (4 and 9 to 255).
std::optional<NoticeStyle> NoticeStyleOf(std::uint8_t style);

// Appends a notice created now.
void PushNotice(std::uint8_t kind, std::uint8_t style, const std::string& text);

// ---- Layout, without pixels ---------------------------------------------------------
// The size in pixels of a notice's rendered text.
struct TextSize {
    int w = 0;
    int h = 0;
};

struct NoticeLine {
    std::size_t index = 0;   // the notice's place in the queue
    float x = 0.0f;          // centre of the line
    float y = 0.0f;
    int w = 0;               // size of its text
    int h = 0;
};

struct NoticeLayout {
    std::vector<NoticeLine> lines;   // in queue order
    float minX = 0.0f;               // the one backdrop around every line
    float maxX = 0.0f;
    float minY = 0.0f;
    float maxY = 0.0f;
};

// Renders (or measures) one notice's text in its style.
using MeasureText = std::function<TextSize(std::size_t index, const Notice& notice, const NoticeStyle& style)>;

// Drops the notices marked removed (the erase pass).
void EraseRemovedNotices();

// The layout pass at time nowMs: marks notices whose lifetime has passed (they
// take no line) and places the others, measuring each live notice once, in order.
NoticeLayout LayOutNotices(std::uint64_t nowMs, const MeasureText& measure);

// Draws the live notices (end of every frame) and drops expired ones.
void DrawNotices();

// Empties the queue (tests).
void ResetNotices();

}  // namespace screens
