// Writing the game folder: file names, what is replaced and what is left alone, and an
// unwritable folder.
#include "output.h"
#include "table.h"

#include "test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using testing_support::ScratchFolder;

TEST(GameFiles, AreNamedAfterThePicturesInTheirFolders) {
    EXPECT_EQ(art::FilePathOf(*art::FindPicture("OneP\\ForP\\bg")), "Bitmaps/OneP/ForP/bg.png");
    EXPECT_EQ(art::FilePathOf(*art::FindPicture("timer")), "Bitmaps/timer.bmp");
    EXPECT_EQ(art::FilePathOf(*art::FindPicture("Ans\\ans_sw")), "Bitmaps/Ans/ans_sw.png");
    EXPECT_EQ(art::FilePathOf(*art::FindPicture("icon")), "Bitmaps/icon.bmp");
}

TEST(GameFiles, ReplaceTheBitmapsFolderAndLeaveTheRestOfTheGameAlone) {
    ScratchFolder game;
    game.Write("Data/otazky4.crp", "questions");
    game.Write("Bitmaps/left_over.bmp", "old");
    const std::vector<art::OutputFile> files = {{"Bitmaps/OneP/bg.png", {1, 2, 3}}, {"Data/key.txt", {'k'}}};
    ASSERT_TRUE(art::WriteGameFiles(game.Path(), files));
    EXPECT_EQ(game.Read("Data/otazky4.crp"), "questions");
    EXPECT_FALSE(std::filesystem::exists(game.Path() / "Bitmaps/left_over.bmp"));
    EXPECT_EQ(game.Read("Bitmaps/OneP/bg.png"), std::string("\1\2\3"));
    EXPECT_EQ(game.Read("Data/key.txt"), "k");
}

TEST(GameFiles, ReportAFolderThatCannotBeWritten) {
    ScratchFolder game;
    game.Write("Data", "a file where the folder should be");
    testing::internal::CaptureStderr();
    EXPECT_FALSE(art::WriteGameFiles(game.Path(), {{"Data/key.txt", {'k'}}}));
    EXPECT_NE(testing::internal::GetCapturedStderr().find("cannot write"), std::string::npos);
    EXPECT_EQ(game.Read("Data"), "a file where the folder should be");
}

}  // namespace
