// Records every texture the client destroys, so a test can tell that a texture was
// really freed and not only forgotten.
#pragma once

struct SDL_Texture;

namespace spy {

// Forgets what was recorded so far.
void ClearDestroyedTextures();

// Whether texture was passed to SDL_DestroyTexture since the last clear.
bool WasDestroyed(const SDL_Texture* texture);

}  // namespace spy
