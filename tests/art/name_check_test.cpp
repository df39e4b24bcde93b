// The game may load only pictures the generator draws: the picture names in the sources
// against the table.
#include "name_check.h"

#include "test_support.h"

#include <gtest/gtest.h>

namespace {

using testing_support::ScratchFolder;

TEST(PictureNameCheck, PassesWhenTheSourcesLoadNoPictures) {
    ScratchFolder src;
    src.Write("frame/frame.cpp", "int main() { return 0; }\n");
    EXPECT_TRUE(art::FindPictureReferences(src.Path()).empty());
    EXPECT_TRUE(art::UnknownPictures(src.Path()).empty());
}

TEST(PictureNameCheck, AcceptsNamesTheTableHasInTheWaysTheGameWritesThem) {
    ScratchFolder src;
    src.Write("screens/builder.cpp",
              "const char* a = \"Bitmaps\\\\OneP\\\\ForP\\\\bg\";\n"
              "const char* b = \"Bitmaps\\\\ans\\\\ans_mm_b\";   // folder spelt in small letters\n"
              "const char* c = \"Bitmaps\\\\Intro\\\\%s%02d_b\";\n"
              "const char* d = \"Bitmaps\\\\OneP\\\\ForP\\\\%d-sub\";\n"
              "const char* e = \"Bitmaps\\\\MultiP\\\\\";\n"
              "const char* f = \"Bitmaps\\\\icon.bmp\";\n");
    const auto references = art::FindPictureReferences(src.Path());
    ASSERT_EQ(references.size(), 6u);
    EXPECT_EQ(references[0].name, "OneP\\ForP\\bg");
    EXPECT_EQ(references[0].line, 1);
    EXPECT_TRUE(art::UnknownPictures(src.Path()).empty());
}

TEST(PictureNameCheck, ReportsANameTheTableLacksWithItsPlace) {
    ScratchFolder src;
    src.Write("single/single.h", "#pragma once\n");
    src.Write("single/single.cpp", "// clock\nLoad(\"Bitmaps\\\\OneP\\\\bg\");\nLoad(\"Bitmaps\\\\OneP\\\\clock_face\");\n");
    src.Write("single/notes.txt", "\"Bitmaps\\\\not_source\"");
    const auto unknown = art::UnknownPictures(src.Path());
    ASSERT_EQ(unknown.size(), 1u);
    EXPECT_EQ(unknown[0].name, "OneP\\clock_face");
    EXPECT_EQ(unknown[0].line, 3);
    EXPECT_TRUE(unknown[0].file.ends_with("single.cpp"));
}

TEST(PictureNameCheck, PatternsAndFoldersMustStillMatchSomething) {
    EXPECT_TRUE(art::TableHasPicture("Intro\\%s%02d"));
    EXPECT_FALSE(art::TableHasPicture("Intro\\%s%02d_c"));
    EXPECT_FALSE(art::TableHasPicture("Sounds\\"));
    EXPECT_FALSE(art::TableHasPicture("OneP\\ForP\\11-subx"));
    EXPECT_TRUE(art::TableHasPicture("ONEP\\FORR\\JOKERS.PNG"));
}

// The real check: every picture name in the game's sources is one the generator draws.
TEST(PictureNameCheck, EveryPictureTheGameLoadsIsDrawn) {
    for (const art::PictureReference& reference : art::UnknownPictures(BRELLIK_SOURCE_DIR "/src")) {
        ADD_FAILURE() << reference.file << ":" << reference.line << ": no picture Bitmaps\\" << reference.name
                      << " in the art generator's table (tools/art/table.cpp)";
    }
}

}  // namespace
