// The game's window on SDL: a renderer and one streaming texture in the back buffer's own
// pixel format, the play area scaled into the window with bars around it, fullscreen or a
// resizable window. What size the engine is told is explained in play_area_fit.h.
#pragma once

#include "../platform.h"
#include "../play_area_fit.h"
#include "../side_bands.h"

#include <SDL.h>

namespace platform {

class SdlScreen {
public:
    SdlScreen() = default;
    SdlScreen(const SdlScreen&) = delete;
    SdlScreen& operator=(const SdlScreen&) = delete;
    ~SdlScreen() { Destroy(); }

    // A hidden window, fullscreen unless the presentation or a size asked for at start says
    // otherwise, and its renderer.
    bool Create(const char* title);
    void Destroy();
    SDL_Window* Window() const { return window_; }

    // Uploads the part of the back buffer that falls on the 800 x 600 screen the engine sees
    // (the buffer's top-left corner at (x, y)) and shows it scaled.
    void Present(const uint8_t* bits, int width, int height, int stride, PixelLayout layout,
                 int x, int y);
    // Shows the last uploaded picture again: after an expose, a resize or a switch.
    void Redraw();
    // Puts fullscreen and the scale mode into effect.
    void Apply(const Presentation& presentation);
    // The window changed size (by the player or by a switch).
    void OnResized();
    // The renderer lost its textures; the next present makes a new one.
    void DropTexture();

    // A window point as the engine's mouse position: a play-area point.
    PlayAreaPoint ToPlayArea(int windowX, int windowY) const;

private:
    bool MakeRenderer();
    bool EnsureTexture(PixelLayout layout);
    SDL_Rect DesktopArea() const;
    void DefaultWindowSize(int& width, int& height) const;
    // Cuts a size asked for by --window or BRELLIK_WINDOW to the display, saying so.
    void FitAskedWindow(int& width, int& height) const;
    ScaleMode Mode() const;
    // Paints the side bands again when their description or the window's size changed.
    void UpdateBands(const BandRects& rects);
    SDL_Texture* BandTexture(const BandPicture& picture);
    void DropBandTextures();

    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    PixelLayout textureLayout_ = PixelLayout::Bgrx32;
    bool hasPicture_ = false;
    SDL_Texture* leftBand_ = nullptr;
    SDL_Texture* rightBand_ = nullptr;
    BandRects bandRects_;
    uint64_t bandVersion_ = ~uint64_t{0};
    bool fullscreen_ = true;
    int windowedWidth_ = 0;
    int windowedHeight_ = 0;
};

}  // namespace platform
