#include "shell/reset.h"

#include "gfx/button.h"
#include "gfx/sprite.h"
#include "net/account.h"
#include "net/connection.h"
#include "net/sign_in.h"
#include "screens/notices.h"
#include "screens/text_field.h"
#include "shell/main_loop.h"
#include "shell/screen_state.h"
#include "table/model.h"

namespace shell {

void ResetClientState() {
    ResetShellState();
    FreeCursors();
    gfx::Buttons().clear();
    gfx::FreeSprites();
    gfx::Sprites().GlobalScale = 1.0f;
    gfx::Sprites().DrawCounter = 1;
    screens::FreeTextFields();
    net::ResetNetState();
    net::ResetAccount();
    net::ResetSignIn();
    screens::ResetNotices();
    table::ResetTableModel();
}

}  // namespace shell
