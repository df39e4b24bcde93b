// A cross-fade between two pictures of the same size in a given number of steps: step 0
// shows the first, the last step the second, the steps between blend them.
#pragma once

#include "animated_picture.h"

#include <vector>

class FadePicture : public AnimatedPicture {
public:
    explicit FadePicture(int32_t id) : AnimatedPicture(id) {}

    // 0 when either picture is missing or their sizes differ; the control then draws nothing.
    int SetUp(int x, int y, const char* firstName, const char* secondName, int32_t steps,
              float stepPeriodSeconds, uint32_t flags);

    void Render() override;

    // The weight (0..255) of the second picture at a step between the first and the last.
    static uint8_t WeightOf(int32_t step, int32_t steps);

private:
    void Blend(uint8_t weight);

    // Bottom-up 24-bit rows, each padded to a multiple of four bytes.
    std::vector<uint8_t> first_;
    std::vector<uint8_t> second_;
    std::vector<uint8_t> output_;
};
