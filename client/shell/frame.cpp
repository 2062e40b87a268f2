// The frame dispatcher.
//
//   DrawFrame      lock, clear, the current screen, notices, pulse, present
//   DrawScreen     the per-state table of what each screen draws after its background
//   helpers        background, close buttons, form fields, the waiting bar
#include "shell/frame.h"

#include <SDL.h>

#include <mutex>

#include "gfx/button.h"
#include "gfx/sprite.h"
#include "gfx/video.h"
#include "net/account.h"
#include "net/net_lock.h"
#include "screens/notices.h"
#include "screens/screens.h"
#include "screens/text_field.h"
#include "shell/screen_state.h"
#include "table/table_frame.h"

namespace shell {
namespace {

constexpr float kW = static_cast<float>(gfx::kWindowWidth);
constexpr float kH = static_cast<float>(gfx::kWindowHeight);
constexpr std::uint8_t kBackgroundAlpha = 50;     // the dimmed background picture
constexpr std::uint8_t kInputAlpha = 150;         // input fields
constexpr std::uint8_t kButtonAlpha = 250;        // submit fields, close buttons
constexpr std::size_t kNicknameMinLength = 3;     // the nickname screen can be closed only with a nickname

enum class Edge { Top, Bottom };

// A close button at the right edge, 1.2 heights from the top or the bottom.
void DrawCloseButton(std::int32_t spriteId, Edge edge, std::int32_t state) {
    const gfx::Sprite* s = gfx::FindSprite(spriteId);
    if (s == nullptr) return;
    const float w = s->width * s->scaleX;
    const float h = s->height * s->scaleY;
    const float y = edge == Edge::Top ? 1.2f * h : kH - 1.2f * h;
    gfx::DrawSprite(spriteId, kW - 0.75f * w, y, state, gfx::kCursorHand, kActionClose, kButtonAlpha);
}

// The form fields of a screen in list order: inputs dimmer than buttons.
void DrawFieldsOf(std::int32_t state) {
    for (auto& f : screens::Fields().TextFields) {
        if (f->screen == state) screens::DrawField(*f, f->isButton ? kButtonAlpha : kInputAlpha);
    }
}

void DrawWaitingScreen() {
    if (const gfx::Sprite* s = gfx::FindSprite(gfx::kSpriteLeaveWaiting)) {
        const float w = s->width * s->scaleX;
        const float h = s->height * s->scaleY;
        gfx::DrawSprite(gfx::kSpriteLeaveWaiting, kW - 0.75f * w, 1.5f * h, kScreenWaiting, gfx::kCursorHand,
                        kActionLeaveWaiting, kButtonAlpha);
    }
    gfx::DrawSprite(gfx::kSpriteWaiting, kW / 2, kH / 2, kScreenWaiting, gfx::kCursorArrow, gfx::kActionNone,
                    Shell().PulseAlpha);
    DrawWaitingBar();
}

}  // namespace

void DrawBackground() {
    gfx::DrawSprite(gfx::kSpriteBackground, kW / 2, kH / 2, 0, gfx::kCursorArrow, gfx::kActionNone, kBackgroundAlpha);
}

void DrawWaitingBar() {
    ShellState& s = Shell();
    if (static_cast<float>(s.WaitingBarTarget) > s.WaitingBarWidth) s.WaitingBarWidth += 0.5f;
    SDL_Rect bar;
    bar.x = 0;
    bar.y = static_cast<int>(kH - gfx::Sprites().GlobalScale * 20.0f);
    bar.w = static_cast<int>(s.WaitingBarWidth);
    bar.h = gfx::kWindowHeight - bar.y;
    // The bar darkens as more players have joined.
    switch (s.WaitingCount) {
        case 0:
        case 1: SDL_SetRenderDrawColor(gfx::Renderer(), 39, 200, 245, 100); break;
        case 2: SDL_SetRenderDrawColor(gfx::Renderer(), 39, 150, 245, 100); break;
        case 3: SDL_SetRenderDrawColor(gfx::Renderer(), 39, 100, 245, 100); break;
        default: SDL_SetRenderDrawColor(gfx::Renderer(), 245, 245, 245, 100); break;
    }
    SDL_RenderFillRect(gfx::Renderer(), &bar);
}

void DrawScreen(std::int32_t state) {
    if (state == kScreenTable) {
        // The table draws its own background and ends with the notices.
        table::DrawTableFrame();
        return;
    }
    DrawBackground();
    switch (state) {
        case kScreenConnecting:
            gfx::DrawSprite(gfx::kSpriteConnecting, kW / 2, kH / 2, 0, gfx::kCursorArrow, gfx::kActionNone,
                            Shell().PulseAlpha);
            break;
        case kScreenMobile:
        case kScreenOtp:
        case kScreenAddECoins:
            DrawFieldsOf(state);
            break;
        case kScreenNickname:
            if (net::Account().nickname.size() >= kNicknameMinLength) {
                DrawCloseButton(gfx::kSpriteCloseNickname, Edge::Top, state);
            }
            DrawFieldsOf(state);
            break;
        case kScreenReferral:
            DrawCloseButton(gfx::kSpriteCloseReferral, Edge::Top, state);
            DrawFieldsOf(state);
            break;
        case kScreenCashIn:
            DrawCloseButton(gfx::kSpriteCloseCashIn, Edge::Top, state);
            DrawFieldsOf(state);
            break;
        case kScreenSpinWheel:
            screens::DrawSpinWheel();
            break;
        case kScreenHome:
            screens::DrawHomeTopBar();
            screens::DrawHomeButtons();
            screens::DrawProfilePanel();
            screens::DrawMerchantPanel();
            break;
        case kScreenJoinMenu:
            DrawCloseButton(gfx::kSpriteCloseJoinMenu, Edge::Bottom, state);
            gfx::DrawSprite(gfx::kSpriteJoinFriend, kW / 2, kH / 2, state, gfx::kCursorHand, kActionFriendCode, 255);
            break;
        case kScreenTablePicker:
            screens::DrawTablePicker();
            break;
        case kScreenFriendCode:
            DrawCloseButton(gfx::kSpriteCloseFriendCode, Edge::Bottom, state);
            DrawFieldsOf(state);
            break;
        case kScreenWaiting:
            DrawWaitingScreen();
            break;
        case kScreenCashOut:
            DrawCloseButton(gfx::kSpriteCloseCashOut, Edge::Top, state);
            DrawFieldsOf(state);
            break;
        default:
            // 0, 2, 5 and any state without a screen: the background only.
            break;
    }
    screens::DrawNotices();
}

void DrawFrame() {
    std::unique_lock<std::recursive_mutex> lock(net::NetLock(), std::try_to_lock);
    // While a packet handler holds the lock the window keeps its previous frame.
    if (!lock.owns_lock()) return;
    SDL_Renderer* r = gfx::Renderer();
    SDL_SetRenderDrawColor(r, 0, 0, 0, 255);
    SDL_RenderClear(r);
    SDL_SetRenderDrawBlendMode(r, SDL_BLENDMODE_BLEND);
    DrawScreen(Shell().CurrentState);
    AdvancePulse();
    SDL_RenderPresent(r);
}

}  // namespace shell
