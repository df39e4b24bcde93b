#include "fade_picture.h"

#include "frame/interface.h"
#include "platform/platform.h"

#include <algorithm>
#include <cmath>

int FadePicture::SetUp(int x, int y, const char* firstName, const char* secondName,
                       int32_t steps, float stepPeriodSeconds, uint32_t flags) {
    first_.clear();
    second_.clear();
    output_.clear();
    SetPosition(x, y);
    SetFlags(flags);
    animation_.running = false;
    animation_.frames = std::max(steps, 1);
    animation_.periodMs = Animation::PeriodMs(stepPeriodSeconds);
    animation_.shownFrame = -1;
    animation_.currentFrame = 0;

    std::unique_ptr<gfx::Surface> picture;
    int32_t width = 0, height = 0;
    if (!Interface::LoadPicture(&picture, firstName, &width, &height, 0)) return 0;
    SetSize(width, height);
    std::vector<uint8_t> first = gfx::ReadRows24(*picture);

    int32_t secondWidth = 0, secondHeight = 0;
    if (!Interface::LoadPicture(&picture, secondName, &secondWidth, &secondHeight, 0)) return 0;
    if (secondWidth != width || secondHeight != height) return 0;
    second_ = gfx::ReadRows24(*picture);
    first_ = std::move(first);
    output_.resize(first_.size());
    Render();
    return 1;
}

uint8_t FadePicture::WeightOf(int32_t step, int32_t steps) {
    return static_cast<uint8_t>(static_cast<int>(std::trunc(step * 256.0 / (steps - 1))));
}

void FadePicture::Blend(uint8_t weight) {
    for (std::size_t i = 0; i < output_.size(); ++i) {
        output_[i] = static_cast<uint8_t>((first_[i] * (256 - weight) + second_[i] * weight) >> 8);
    }
}

void FadePicture::Render() {
    gfx::Surface* face = Picture();
    if (!face || output_.empty()) return;
    const Animation::Step step = animation_.Advance(platform::GetTickCount());
    if (step.redraw) {
        const int32_t n = animation_.Frames(), f = animation_.currentFrame;
        if (f <= 0) {
            gfx::WriteRows24(*face, first_);
        } else if (f >= n - 1) {
            gfx::WriteRows24(*face, second_);
        } else {
            Blend(WeightOf(f, n));
            gfx::WriteRows24(*face, output_);
        }
    }
    if (step.finished) ReportEnd();
}
