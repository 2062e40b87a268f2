// Records every font the client closes, so a test can tell that the fonts opened
// before a failure were really closed, and closed while SDL_ttf was still up.
#pragma once

#include <vector>

typedef struct _TTF_Font TTF_Font;

namespace spy {

struct ClosedFont {
    TTF_Font* font;      // the handle passed to TTF_CloseFont
    bool libraryUp;      // SDL_ttf was initialised at the time
};

void ClearClosedFonts();
std::vector<ClosedFont> ClosedFonts();
void NoteClosed(TTF_Font* font);

}  // namespace spy
