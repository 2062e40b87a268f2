#include "table/model.h"

#include "gfx/button.h"
#include "gfx/sprite.h"
#include "gfx/sprite_ids.h"
#include "gfx/video.h"

namespace table {
namespace {

constexpr std::int32_t kRightOffset = 1;   // the right seat is one on from the local seat
constexpr std::int32_t kLeftOffset = 2;    // the left seat is two on

bool IsSeat(std::int32_t seat) { return seat >= 0 && seat < kSeatCount; }

// The drawn size of a sprite, or zero when it is not loaded.
Point DrawnSize(std::int32_t id) {
    const gfx::Sprite* s = gfx::FindSprite(id);
    if (s == nullptr) return {};
    return {s->width * s->scaleX, s->height * s->scaleY};
}

void SetCentre(std::int32_t id, float x, float y) {
    if (gfx::Sprite* s = gfx::FindSprite(id)) {
        s->centerX = x;
        s->centerY = y;
    }
}

void Hide(std::int32_t id) {
    if (gfx::Sprite* s = gfx::FindSprite(id)) s->visible = false;
}

}  // namespace

TableModel& Model() {
    static TableModel model;
    return model;
}

// ---- Seat mapping ----------------------------------------------------------------------

std::int32_t RightSeat() {
    const std::int32_t local = Model().localSeat;
    return IsSeat(local) ? (local + kRightOffset) % kSeatCount : kNotSeated;
}

std::int32_t LeftSeat() {
    const std::int32_t local = Model().localSeat;
    return IsSeat(local) ? (local + kLeftOffset) % kSeatCount : kNotSeated;
}

SeatSide SideOf(std::int32_t seat) {
    if (!IsSeat(seat) || !IsSeat(Model().localSeat)) return SeatSide::None;
    if (seat == Model().localSeat) return SeatSide::Local;
    return seat == RightSeat() ? SeatSide::Right : SeatSide::Left;
}

Point SeatAnchor(std::int32_t seat) {
    const TableModel& m = Model();
    switch (SideOf(seat)) {
        case SeatSide::Local: {
            const gfx::Sprite* t = gfx::FindSprite(gfx::kSpriteCardTable);
            return {t ? t->centerX : 0.0f, m.tableBottomY};
        }
        case SeatSide::Right:
        case SeatSide::Left: {
            const std::int32_t avatar = SideOf(seat) == SeatSide::Right ? m.rightAvatar : m.leftAvatar;
            const gfx::Sprite* a = gfx::FindSprite(avatar);
            return a ? Point{a->centerX, a->centerY} : Point{};
        }
        case SeatSide::None: break;
    }
    return {};
}

// ---- Operations ------------------------------------------------------------------------

void RemoveFromHand(std::span<const Card> cards) {
    std::vector<Card>& hand = Model().hand;
    for (const Card& c : cards) {
        for (auto it = hand.begin(); it != hand.end(); ++it) {
            if (*it == c) {
                hand.erase(it);
                break;
            }
        }
    }
}

void ResetTable() {
    TableModel& m = Model();
    m.revealActive = false;
    // The countdown bar stops; its duration stays.
    m.roundTimerStart = 0;
    m.turnSeat = 0;
    m.turnDuration = 0;
    m.peekUntil = 0;
    m.fightOrder = 0;
    m.lastFighter = kNoFighter;
    m.firstFighter = kNoFighter;
    Hide(gfx::kSpriteFightButton);
    Hide(gfx::kSpriteGroupButton);
    m.fightButtonVisible = false;
    m.hand.clear();
    for (SeatInfo& info : m.seatInfo) info.plateCount = 0;
    gfx::Buttons().clear();
    m.dealQueue.clear();
    m.groups.clear();
    for (Seat& seat : m.seats) {
        seat.revealedCards.clear();
        seat.revealedGroups.clear();
        seat.melds.clear();
        seat.discards.clear();
    }
    for (FightBanner& banner : m.fightBanners) {
        banner.active = 0;
        banner.holdUntil = 0;
        banner.fontSize = 0.0f;
        banner.done = 0;
        banner.order = 0;
    }
    m.dealtCount = 0;
}

void LayOutTable() {
    TableModel& m = Model();
    const std::int32_t left = LeftSeat();
    const std::int32_t right = RightSeat();
    m.leftAvatar = left == kNotSeated ? kNoSprite : gfx::kSpriteAvatarLeft + left;
    m.rightAvatar = right == kNotSeated ? kNoSprite : gfx::kSpriteAvatarRight + right;

    const Point table = DrawnSize(gfx::kSpriteCardTable);        // Wt, Ht
    const float faceDownW = DrawnSize(gfx::kSpriteFaceDownCard).x;   // Ws
    const float halfWindow = static_cast<float>(gfx::kWindowWidth / 2);
    const float midY = table.y * 0.5f;
    SetCentre(gfx::kSpriteCardTable, halfWindow, midY);
    m.tableBottomY = table.y;
    // These hold until the avatars are first drawn, which stores their drawn centres.
    if (m.leftAvatar != kNoSprite) {
        SetCentre(m.leftAvatar, halfWindow - table.x * 0.5f + faceDownW * 0.5f, midY);
    }
    if (m.rightAvatar != kNoSprite) {
        SetCentre(m.rightAvatar, table.x * 0.5f + halfWindow - faceDownW * 0.5f, midY);
    }
}

void ClearHand() { Model().hand.clear(); }

void ClearTableLists() {
    TableModel& m = Model();
    m.dealQueue.clear();
    m.groups.clear();
    m.selection.clear();
    m.peekCards.clear();
    m.banners.clear();
    for (Seat& seat : m.seats) {
        seat.discards.clear();
        seat.melds.clear();
        seat.revealedGroups.clear();
        seat.revealedCards.clear();
    }
}

void ResetTableModel() { Model() = TableModel{}; }

}  // namespace table
