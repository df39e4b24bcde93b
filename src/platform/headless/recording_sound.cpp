#include "recording_sound.h"

#include "../sound_output.h"

#include <cstdio>
#include <filesystem>

namespace headless {
namespace {

struct Records {
    std::vector<SoundRecord> played;
    std::vector<std::string> loaded;
};

Records& TheRecords() {
    static Records records;
    return records;
}

class RecordingSound : public platform::SoundOutput {
public:
    explicit RecordingSound(bool hasDevice) : hasDevice_(hasDevice) {}

    bool Open() override { return hasDevice_; }
    void Close() override {}

    int Load(const std::string& path) override {
        std::FILE* file = std::fopen(path.c_str(), "rb");
        if (!file) return -1;
        std::fclose(file);
        TheRecords().loaded.push_back(std::filesystem::path(path).stem().string());
        return static_cast<int>(TheRecords().loaded.size()) - 1;
    }

    void Play(int handle) override {
        const auto& loaded = TheRecords().loaded;
        if (handle < 0 || handle >= static_cast<int>(loaded.size())) return;
        TheRecords().played.push_back({loaded[static_cast<std::size_t>(handle)], volume_});
    }

    void SetVolume(int percent) override { volume_ = percent; }

private:
    bool hasDevice_;
    int volume_ = 100;
};

}  // namespace

void InstallRecordingSound(bool hasDevice) {
    TheRecords() = {};
    platform::InstallSoundOutput(std::make_unique<RecordingSound>(hasDevice));
}

const std::vector<SoundRecord>& PlayedSounds() { return TheRecords().played; }
void ClearPlayedSounds() { TheRecords().played.clear(); }
const std::vector<std::string>& LoadedSounds() { return TheRecords().loaded; }

}  // namespace headless
