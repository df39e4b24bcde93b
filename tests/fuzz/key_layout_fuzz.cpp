// The key layout reader: any bytes as Data\key.txt, loaded as the set-up screen loads it,
// then every key's marker position and a hit test at its corners.
#include "controls/keyboard_picker.h"
#include "fuzz_support.h"

#include <filesystem>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    fuzzing::UseHeadless();
    fuzzing::WriteInput("Data/key.txt", data, size);
    std::filesystem::current_path(fuzzing::Scratch());  // the layout is read from the game folder
    KeyboardPicker picker(600);
    picker.LoadLayout();
    const KeyLayout& layout = picker.Layout();
    for (int32_t key = 0; key < KeyLayout::kKeyCount; ++key) {
        if (!layout.Has(key)) continue;
        picker.MarkerPositionOf(key);
        const gfx::Rect& area = layout.Entry(key).area1;
        layout.KeyAt(area.left, area.top);
        layout.KeyAt(area.right - 1, area.bottom - 1);
    }
    return 0;
}
