#include "shell/reset.h"

#include "gfx/button.h"
#include "gfx/sound.h"
#include "gfx/sprite.h"
#include "gfx/text.h"
#include "net/account.h"
#include "net/connection.h"
#include "net/sign_in.h"
#include "screens/notices.h"
#include "screens/text_field.h"
#include "shell/main_loop.h"
#include "shell/screen_state.h"
#include "shell/startup.h"
#include "table/model.h"

namespace shell {

void ResetClientState() {
    ResetShellState();
    ResetStartup();
    FreeCursors();
    gfx::Buttons().clear();
    gfx::FreeSprites();
    gfx::Sprites().GlobalScale = 1.0f;
    gfx::Sprites().DrawCounter = 1;
    gfx::CloseFonts();
    gfx::FreeSounds();
    screens::FreeTextFields();
    net::ResetNetState();
    net::ResetAccount();
    net::ResetSignIn();
    screens::ResetNotices();
    table::ResetTableModel();
}

}  // namespace shell
