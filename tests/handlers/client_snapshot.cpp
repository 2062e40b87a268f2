#include "client_snapshot.h"

#include "gfx/button.h"
#include "gfx/sprite.h"
#include "gfx/sprite_ids.h"
#include "handler_fixture.h"
#include "net/connection.h"
#include "net/sign_in.h"
#include "shell/screen_state.h"

namespace handlertest {

ClientSnapshot TakeSnapshot() {
    ClientSnapshot s;
    const shell::ShellState& sh = shell::Shell();
    s.screen = sh.CurrentState;
    s.previous = sh.PreviousState;
    s.inputLock = sh.InputLock;
    s.waitingCount = sh.WaitingCount;
    s.waitingWidth = sh.WaitingBarWidth;
    s.waitingTarget = sh.WaitingBarTarget;
    s.loadProgress = sh.LoadProgress.load();
    s.model = table::Model();
    s.account = net::Account();
    s.merchant = net::Merchant();
    s.notices = screens::Notices().notices;
    s.token = net::SignIn().SessionToken;
    s.tokenFile = ReadTokenFile(s.tokenFileExists);
    s.loginDeadline = net::Net().LoginDeadline;
    s.connected = net::Net().ServerConnection != nullptr;
    s.buttons = gfx::Buttons().size();
    const gfx::Sprite* fight = gfx::FindSprite(gfx::kSpriteFightButton);
    const gfx::Sprite* group = gfx::FindSprite(gfx::kSpriteGroupButton);
    s.fightButtonVisible = fight && fight->visible;
    s.groupButtonVisible = group && group->visible;
    return s;
}

}  // namespace handlertest
