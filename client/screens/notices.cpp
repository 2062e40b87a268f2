// The notices overlay: the style table, the queue, the erase pass, the layout pass
// and the drawing of one backdrop and every live line.
#include "screens/notices.h"

#include <algorithm>

#include "gfx/text.h"
#include "gfx/video.h"
#include "platform/clock.h"

namespace screens {
namespace {

constexpr SDL_Color kGold{248, 211, 25, 220};    // most styles
constexpr SDL_Color kSand{240, 205, 156, 220};   // styles 1 and 3
constexpr SDL_Color kBackdrop{10, 10, 10, 200};  // the one box behind every line
constexpr double kLineSpacing = 1.2;             // line heights between the tops of two lines
constexpr double kTopRowOffset = 1.5;            // the top row starts h / 1.5 below the edge
constexpr double kBackdropMargin = 1.8;          // the box reaches w / 1.8 and h / 1.8 from a line's centre

struct StyleRow {
    std::uint8_t style;
    NoticeStyle value;
};

constexpr StyleRow kStyles[] = {
    {0, {5000, 20, kGold, NoticeRow::Centre}},
    {1, {10000, 20, kSand, NoticeRow::Centre}},
    {2, {10000, 30, kGold, NoticeRow::Centre}},
    {3, {10000, 30, kSand, NoticeRow::Centre}},
    {5, {10000, 16, kGold, NoticeRow::Centre}},
    {6, {10000, 16, kGold, NoticeRow::Centre}},
    {7, {2000, 16, kGold, NoticeRow::Centre}},
    {8, {5000, 20, kGold, NoticeRow::Top}},
};

}  // namespace

NoticeQueue& Notices() {
    static NoticeQueue queue;
    return queue;
}

std::optional<NoticeStyle> NoticeStyleOf(std::uint8_t style) {
    for (const StyleRow& row : kStyles) {
        if (row.style == style) return row.value;
    }
    return std::nullopt;
}

void PushNotice(std::uint8_t kind, std::uint8_t style, const std::string& text) {
    Notices().notices.push_back(Notice{kind, text, style, platform::TicksMs(), false});
}

void EraseRemovedNotices() {
    auto& list = Notices().notices;
    list.erase(std::remove_if(list.begin(), list.end(), [](const Notice& n) { return n.removed; }), list.end());
}

NoticeLayout LayOutNotices(std::uint64_t nowMs, const MeasureText& measure) {
    constexpr int kW = gfx::kWindowWidth;
    constexpr int kH = gfx::kWindowHeight;
    NoticeLayout layout;
    layout.minX = static_cast<float>(kW);
    layout.maxX = 0.0f;
    layout.minY = static_cast<float>(kH);
    layout.maxY = 0.0f;
    int drawn = 0;   // one counter for both rows
    auto& list = Notices().notices;
    // By index: a measure that pushed a notice would move the elements.
    for (std::size_t k = 0; k < list.size(); ++k) {
        const std::optional<NoticeStyle> style = NoticeStyleOf(list[k].style);
        if (!style) continue;
        if (nowMs - list[k].created > style->lifetimeMs) {
            list[k].removed = true;
            continue;
        }
        const TextSize size = measure(k, list[k], *style);
        const double w = size.w;
        const double h = size.h;
        NoticeLine line;
        line.index = k;
        line.w = size.w;
        line.h = size.h;
        line.x = static_cast<float>(kW / 2);
        line.y = style->row == NoticeRow::Top
                     ? static_cast<float>(drawn * h * kLineSpacing + h / kTopRowOffset)
                     : static_cast<float>((kH / 2 - h) + drawn * h * kLineSpacing);
        ++drawn;
        layout.minX = std::min(layout.minX, static_cast<float>(line.x - w / kBackdropMargin));
        layout.maxX = std::max(layout.maxX, static_cast<float>(line.x + w / kBackdropMargin));
        layout.minY = std::min(layout.minY, static_cast<float>(line.y - h / kBackdropMargin));
        layout.maxY = std::max(layout.maxY, static_cast<float>(line.y + h / kBackdropMargin));
        layout.lines.push_back(line);
    }
    return layout;
}

void DrawNotices() {
    EraseRemovedNotices();
    std::vector<SDL_Texture*> textures;   // by line, in order; nullptr for an empty text
    const NoticeLayout layout =
        LayOutNotices(platform::TicksMs(), [&](std::size_t, const Notice& n, const NoticeStyle& s) {
            TextSize size;
            textures.push_back(gfx::RenderText(n.text.c_str(), s.fontSize, s.colour, size.w, size.h));
            return size;
        });
    if (layout.lines.empty()) return;
    SDL_Renderer* r = gfx::Renderer();
    const SDL_Rect box{static_cast<int>(layout.minX), static_cast<int>(layout.minY),
                       static_cast<int>(layout.maxX - layout.minX), static_cast<int>(layout.maxY - layout.minY)};
    SDL_SetRenderDrawColor(r, kBackdrop.r, kBackdrop.g, kBackdrop.b, kBackdrop.a);
    SDL_RenderFillRect(r, &box);
    for (std::size_t i = 0; i < layout.lines.size(); ++i) {
        SDL_Texture* t = textures[i];
        if (t == nullptr) continue;
        const NoticeLine& line = layout.lines[i];
        const SDL_Rect dst{static_cast<int>(line.x - line.w * 0.5f), static_cast<int>(line.y - line.h * 0.5f),
                           line.w, line.h};
        SDL_SetTextureAlphaMod(t, 255);
        SDL_RenderCopy(r, t, nullptr, &dst);
        SDL_DestroyTexture(t);
    }
}

void ResetNotices() { Notices().notices.clear(); }

}  // namespace screens
