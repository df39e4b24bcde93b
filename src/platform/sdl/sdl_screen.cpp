#include "sdl_screen.h"

#include <algorithm>
#include <cstring>
#include <iostream>

namespace platform {

namespace {

SDL_PixelFormatEnum SdlFormatOf(PixelLayout layout) {
    switch (layout) {
        case PixelLayout::Rgb565: return SDL_PIXELFORMAT_RGB565;
        case PixelLayout::Rgb555: return SDL_PIXELFORMAT_RGB555;
        case PixelLayout::Bgr24: return SDL_PIXELFORMAT_BGR24;
        case PixelLayout::Bgrx32: return SDL_PIXELFORMAT_RGB888;
    }
    return SDL_PIXELFORMAT_UNKNOWN;
}

// The part of a rectangle at (x, y) of width x height that lies on the play area.
SDL_Rect OnPlayArea(int x, int y, int width, int height) {
    const int left = std::max(0, x), top = std::max(0, y);
    const int right = std::min(kPlayAreaWidth, x + width);
    const int bottom = std::min(kPlayAreaHeight, y + height);
    return {left, top, std::max(0, right - left), std::max(0, bottom - top)};
}

}  // namespace

bool SdlScreen::Create(const char* title) {
    Destroy();
    int width = 0, height = 0;
    const bool windowedStart = WindowedStartSize(width, height);
    if (windowedStart) FitAskedWindow(width, height);
    else DefaultWindowSize(width, height);
    windowedWidth_ = width;
    windowedHeight_ = height;
    fullscreen_ = GetPresentation().fullscreen && !windowedStart;
    // Fullscreen is also a borderless window covering the desktop, for X servers without a
    // window manager to carry out the fullscreen request.
    SDL_Rect area{SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height};
    if (fullscreen_) area = DesktopArea();
    const Uint32 flags = SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE |
                         (fullscreen_ ? SDL_WINDOW_BORDERLESS | SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
    window_ = SDL_CreateWindow(title ? title : "", area.x, area.y, area.w, area.h, flags);
    if (!window_) {
        std::cerr << "Cannot create the window: " << SDL_GetError() << "\n";
        return false;
    }
    SDL_SetWindowMinimumSize(window_, kPlayAreaWidth / 4, kPlayAreaHeight / 4);
    if (!MakeRenderer()) {
        Destroy();
        return false;
    }
    if (!fullscreen_) {
        Presentation presentation = GetPresentation();
        presentation.fullscreen = false;
        SetPresentation(presentation);
    }
    return true;
}

bool SdlScreen::MakeRenderer() {
    // An accelerated renderer where there is one, else SDL's software renderer. No vsync: the
    // frame loop keeps its own time.
    renderer_ = SDL_CreateRenderer(window_, -1, 0);
    if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
    if (!renderer_) std::cerr << "Cannot create a renderer: " << SDL_GetError() << "\n";
    return renderer_ != nullptr;
}

void SdlScreen::Destroy() {
    DropTexture();
    if (renderer_) SDL_DestroyRenderer(renderer_);
    renderer_ = nullptr;
    if (window_) SDL_DestroyWindow(window_);
    window_ = nullptr;
}

void SdlScreen::DropTexture() {
    if (texture_) SDL_DestroyTexture(texture_);
    texture_ = nullptr;
    hasPicture_ = false;
    DropBandTextures();
}

void SdlScreen::DropBandTextures() {
    if (leftBand_) SDL_DestroyTexture(leftBand_);
    if (rightBand_) SDL_DestroyTexture(rightBand_);
    leftBand_ = rightBand_ = nullptr;
    bandVersion_ = ~uint64_t{0};
}

SDL_Texture* SdlScreen::BandTexture(const BandPicture& picture) {
    if (picture.pixels.empty()) return nullptr;
    SDL_Texture* texture = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888,
                                             SDL_TEXTUREACCESS_STATIC, picture.width,
                                             picture.height);
    if (texture) {
        SDL_UpdateTexture(texture, nullptr, picture.pixels.data(),
                          picture.width * static_cast<int>(sizeof(uint32_t)));
    }
    return texture;
}

void SdlScreen::UpdateBands(const BandRects& rects) {
    if (rects == bandRects_ && SideBandsVersion() == bandVersion_) return;
    DropBandTextures();
    bandRects_ = rects;
    bandVersion_ = SideBandsVersion();
    const SideBands& bands = CurrentSideBands();
    BandPicture picture;
    if (PaintSideBand(bands.left, rects.left.width, rects.left.height, picture)) {
        leftBand_ = BandTexture(picture);
    }
    if (PaintSideBand(bands.right, rects.right.width, rects.right.height, picture)) {
        rightBand_ = BandTexture(picture);
    }
}

ScaleMode SdlScreen::Mode() const {
    return GetPresentation().integerScale ? ScaleMode::Integer : ScaleMode::Smooth;
}

SDL_Rect SdlScreen::DesktopArea() const {
    SDL_Rect area{0, 0, 1024, 768};
    const int display = window_ ? std::max(0, SDL_GetWindowDisplayIndex(window_)) : 0;
    SDL_GetDisplayBounds(display, &area);
    return area;
}

void SdlScreen::DefaultWindowSize(int& width, int& height) const {
    const SDL_Rect desktop = DesktopArea();
    const PictureRect fit = FitPlayArea(desktop.w * 4 / 5, desktop.h * 4 / 5, ScaleMode::Smooth);
    width = fit.width;
    height = fit.height;
}

void SdlScreen::FitAskedWindow(int& width, int& height) const {
    const SDL_Rect desktop = DesktopArea();
    const int askedWidth = width, askedHeight = height;
    if (FitWindowToDisplay(width, height, desktop.w, desktop.h)) {
        std::cerr << "brellik: a " << askedWidth << "x" << askedHeight
                  << " window does not fit the " << desktop.w << "x" << desktop.h
                  << " display; it opens at " << width << "x" << height << "\n";
    }
}

bool SdlScreen::EnsureTexture(PixelLayout layout) {
    if (texture_ && textureLayout_ == layout) return true;
    DropTexture();
    texture_ = SDL_CreateTexture(renderer_, SdlFormatOf(layout), SDL_TEXTUREACCESS_STREAMING,
                                 kPlayAreaWidth, kPlayAreaHeight);
    if (!texture_) return false;
    textureLayout_ = layout;
    SDL_SetTextureScaleMode(texture_, Mode() == ScaleMode::Integer ? SDL_ScaleModeNearest
                                                                   : SDL_ScaleModeLinear);
    return true;
}

void SdlScreen::Present(const uint8_t* bits, int width, int height, int stride,
                        PixelLayout layout, int x, int y) {
    if (!renderer_ || !EnsureTexture(layout)) return;
    const SDL_Rect area = OnPlayArea(x, y, width, height);
    void* pixels = nullptr;
    int pitch = 0;
    if (area.w > 0 && area.h > 0 && SDL_LockTexture(texture_, &area, &pixels, &pitch) == 0) {
        const int bytes = BytesPerPixel(layout);
        for (int row = 0; row < area.h; ++row) {
            // The back buffer is bottom-up: its top row is the last in memory.
            const int pictureRow = area.y + row - y;
            const uint8_t* source = bits +
                                    static_cast<std::size_t>(height - 1 - pictureRow) * stride +
                                    static_cast<std::size_t>(area.x - x) * bytes;
            std::memcpy(static_cast<uint8_t*>(pixels) + static_cast<std::size_t>(row) * pitch,
                        source, static_cast<std::size_t>(area.w) * bytes);
        }
        SDL_UnlockTexture(texture_);
        hasPicture_ = true;
    }
    Redraw();
}

void SdlScreen::Redraw() {
    if (!renderer_) return;
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    int width = 0, height = 0;
    if (hasPicture_ && SDL_GetRendererOutputSize(renderer_, &width, &height) == 0) {
        const PictureRect fit = FitPlayArea(width, height, Mode());
        const SDL_Rect target{fit.x, fit.y, fit.width, fit.height};
        SDL_RenderCopy(renderer_, texture_, nullptr, &target);
        const BandRects rects = SideBandRects(width, height, fit);
        UpdateBands(rects);
        const SDL_Rect left{rects.left.x, rects.left.y, rects.left.width, rects.left.height};
        const SDL_Rect right{rects.right.x, rects.right.y, rects.right.width, rects.right.height};
        if (leftBand_) SDL_RenderCopy(renderer_, leftBand_, nullptr, &left);
        if (rightBand_) SDL_RenderCopy(renderer_, rightBand_, nullptr, &right);
    }
    SDL_RenderPresent(renderer_);
}

void SdlScreen::Apply(const Presentation& presentation) {
    if (texture_) {
        SDL_SetTextureScaleMode(texture_, presentation.integerScale ? SDL_ScaleModeNearest
                                                                    : SDL_ScaleModeLinear);
    }
    if (window_ && presentation.fullscreen != fullscreen_) {
        fullscreen_ = presentation.fullscreen;
        if (fullscreen_) {
            const SDL_Rect desktop = DesktopArea();
            SDL_SetWindowBordered(window_, SDL_FALSE);
            SDL_SetWindowPosition(window_, desktop.x, desktop.y);
            SDL_SetWindowSize(window_, desktop.w, desktop.h);
            SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP);
        } else {
            SDL_SetWindowFullscreen(window_, 0);
            SDL_SetWindowBordered(window_, SDL_TRUE);
            SDL_SetWindowSize(window_, windowedWidth_, windowedHeight_);
            SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
        }
    }
    Redraw();
}

void SdlScreen::OnResized() {
    if (window_ && !fullscreen_) SDL_GetWindowSize(window_, &windowedWidth_, &windowedHeight_);
    Redraw();
}

PlayAreaPoint SdlScreen::ToPlayArea(int windowX, int windowY) const {
    int width = 0, height = 0;
    if (window_) SDL_GetWindowSize(window_, &width, &height);
    return WindowToPlayArea(FitPlayArea(width, height, Mode()), windowX, windowY);
}

}  // namespace platform
