#include "platform.h"

namespace platform {

namespace {
uint32_t randomState = 1;  // the runtime's state before any seeding
}

void SeedRandom(uint32_t seed) { randomState = seed; }

int Random() {
    randomState = randomState * 214013u + 2531011u;
    return static_cast<int>(randomState >> 16 & 0x7FFF);
}

}  // namespace platform
