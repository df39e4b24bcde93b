// The intro layout reader: any bytes as Data\intro.dat.
#include "fuzz_support.h"
#include "quiz/intro_layout.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    fuzzing::UseHeadless();
    const std::string path = fuzzing::WriteInput("intro.dat", data, size);
    quiz::IntroLayout layout;
    layout.Read(path);
    fuzzing::Require(layout.count >= 0 && layout.count <= quiz::IntroLayout::kMaxPositions,
                     "the position count stays within the table");
    fuzzing::Require(layout.prefix[quiz::IntroLayout::kPrefixSize - 1] == '\0',
                     "the prefix is terminated");
    return 0;
}
