// Makes the game's sound effects into a game folder:
//   brellik_sfx GAME_DIR      every effect as GAME_DIR/Sounds/<name>.wav
#include "effects.h"
#include "wav_writer.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

bool WriteFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 || argv[1][0] == '-') {
        std::fprintf(stderr, "usage: %s GAME_DIR\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = std::filesystem::path(argv[1]) / "Sounds";
    std::error_code error;
    std::filesystem::remove_all(folder, error);
    std::filesystem::create_directories(folder, error);
    for (const sfx::Effect& effect : sfx::EffectTable()) {
        const std::filesystem::path path = folder / (effect.name + ".wav");
        if (!WriteFile(path, sfx::EncodeWav(sfx::Render(effect), sfx::kSampleRate))) {
            std::fprintf(stderr, "sfx: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
