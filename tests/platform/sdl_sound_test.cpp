// SDL's sound output on the dummy driver, as on a machine nobody can hear: it does not open,
// and everything after is a harmless no-op.
#include "platform/headless/recording_sound.h"
#include "platform/platform.h"

#include <gtest/gtest.h>

#include <cstdlib>

TEST(SdlSound, TheDummyDriverCountsAsNoDevice) {
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    platform::UseSdlSound();
    EXPECT_FALSE(platform::OpenSound());
    EXPECT_EQ(platform::LoadSound("Sounds\\right.wav"), -1);
    platform::PlaySound(0);
    platform::SetSoundVolume(50);
    platform::CloseSound();
    ::unsetenv("SDL_AUDIODRIVER");
    headless::InstallRecordingSound();
}
