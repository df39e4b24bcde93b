// Fullscreen and the scale mode in the profile: read at start, and the player's switch
// written back with every other line of the file kept.
#include "frame_fixture.h"

using frame_testing::FrameTest;

namespace {

void SwitchFullscreen(bool fullscreen) {
    platform::SetFullscreen(fullscreen);
    platform::PostMessage({platform::kWmPresentationChanged, 0, 0});
    Interface::PumpMessages();
}

}  // namespace

TEST_F(FrameTest, ThePresentationKeysAreReadFromTheTitlesSection) {
    dir.Write("home/tarvex_p.ini", "[Other]\nFull screen=1\n[Brellik]\r\nFull screen=0\r\n"
                                   "Integer scale=1\r\n");
    ASSERT_TRUE(Start({}));
    EXPECT_EQ(platform::GetPresentation(), (platform::Presentation{false, true}));
    dir.Write("home/tarvex_p.ini", "[Brellik]\nData path=x/\n");
    ASSERT_TRUE(Start({}));
    EXPECT_EQ(platform::GetPresentation(), (platform::Presentation{true, false}));
}

TEST_F(FrameTest, TheFullscreenSwitchIsStoredKeepingTheOtherLines) {
    const std::string before = "; mine\r\n[Other]\r\nFull screen=1\r\n[Brellik] x\r\n"
                               "Data path=d/\r\nFull screen=1\r\nRuntime path=\r\n[Last]\r\n";
    dir.Write("home/tarvex_p.ini", before);
    ASSERT_TRUE(Start({}));
    SwitchFullscreen(false);
    std::string expected = before;
    expected.replace(expected.find("Full screen=1\r\nRuntime"), 13, "Full screen=0");
    EXPECT_EQ(dir.Read("home/tarvex_p.ini"), expected);
    // The next start takes it, and still reads the paths.
    ASSERT_TRUE(Start({}));
    EXPECT_FALSE(platform::GetPresentation().fullscreen);
    char out[260];
    Interface::MakePath("a", out, Interface::kPathData);
    EXPECT_STREQ(out, "d/a");
    SwitchFullscreen(true);
    EXPECT_EQ(dir.Read("home/tarvex_p.ini"), before);
}

TEST_F(FrameTest, TheFirstSwitchMakesTheProfileOrItsSection) {
    ASSERT_TRUE(Start({}));
    SwitchFullscreen(false);
    EXPECT_EQ(dir.Read("home/tarvex_p.ini"), "[Brellik]\nFull screen=0\n");
    dir.Write("home/tarvex_p.ini", "[Other]\nkey=1");
    ASSERT_TRUE(Start({}));
    SwitchFullscreen(false);
    EXPECT_EQ(dir.Read("home/tarvex_p.ini"), "[Other]\nkey=1\n[Brellik]\nFull screen=0\n");
    // A section without the key gets it right under its header.
    dir.Write("home/tarvex_p.ini", "[Brellik]\nData path=\n");
    ASSERT_TRUE(Start({}));
    SwitchFullscreen(false);
    EXPECT_EQ(dir.Read("home/tarvex_p.ini"), "[Brellik]\nFull screen=0\nData path=\n");
}
