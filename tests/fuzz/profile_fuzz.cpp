// The profile (tarvex_p.ini in the user folder): any bytes, read at start-up. Slashes become
// underscores so the paths it names stay inside the scratch folder: the log is written there.
#include "frame/interface.h"
#include "frame/profile_keys.h"
#include "frame/startup_properties.h"
#include "fuzz_support.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    fuzzing::UseHeadless();
    std::string text(reinterpret_cast<const char*>(data), size);
    std::replace(text.begin(), text.end(), '/', '_');
    std::replace(text.begin(), text.end(), '\\', '_');
    fuzzing::WriteInput("home/tarvex_p.ini", reinterpret_cast<const uint8_t*>(text.data()),
                        text.size());
    std::filesystem::current_path(fuzzing::Scratch());
    StartupProperties properties;
    if (Interface::PreInit(nullptr, "", &properties) == 1) {
        char path[260];
        Interface::MakePath("Bitmaps\\icon.bmp", path, Interface::kPathData);
        Interface::MakePath("Debug.log", path, Interface::kPathRuntime);
    }
    Interface::Shutdown();
    // A screen's own setting read from and written back into the same text.
    const std::string_view key = "Buzzer questions=";
    const std::string rewritten = profile::WithValue(text, properties.title, key, "10");
    fuzzing::Require(profile::FindValue(rewritten, properties.title, key) == "10",
                     "a written profile value reads back");
    return 0;
}
