// The drawing of the screens that have more than fields and close buttons.
// DrawFrame calls these from its per-state switch.
#pragma once

namespace screens {

void DrawHomeTopBar();      // home: balances, name, top buttons
void DrawHomeButtons();     // home: create / join and the side buttons
void DrawProfilePanel();    // home: the profile panel, while open
void DrawMerchantPanel();   // home: the agent panel, while open
void DrawTablePicker();     // the table-type picker
void DrawSpinWheel();       // the prize wheel

}  // namespace screens
