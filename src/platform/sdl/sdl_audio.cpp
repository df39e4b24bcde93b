// Sound through SDL_mixer: every effect is decoded into the device's format when it is
// loaded, so playing one only hands it to a free mixer channel.
#include "../sound_output.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstring>
#include <vector>

namespace platform {
namespace {

constexpr int kRate = 44100;
constexpr int kChannels = 2;
constexpr int kBufferFrames = 1024;
constexpr int kMixerChannels = 16;  // enough for a claim over a tick over a click

class SdlSound : public SoundOutput {
public:
    ~SdlSound() override { Close(); }

    bool Open() override {
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
        // The dummy and disk drivers open but nobody hears them: that is silence.
        const char* driver = SDL_GetCurrentAudioDriver();
        if (!driver || std::strcmp(driver, "dummy") == 0 || std::strcmp(driver, "disk") == 0 ||
            Mix_OpenAudio(kRate, AUDIO_S16SYS, kChannels, kBufferFrames) != 0) {
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            return false;
        }
        Mix_AllocateChannels(kMixerChannels);
        open_ = true;
        return true;
    }

    void Close() override {
        if (!open_) return;
        Mix_HaltChannel(-1);
        for (Mix_Chunk* chunk : chunks_) Mix_FreeChunk(chunk);
        chunks_.clear();
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        open_ = false;
    }

    int Load(const std::string& path) override {
        Mix_Chunk* chunk = Mix_LoadWAV(path.c_str());
        if (!chunk) return -1;
        chunks_.push_back(chunk);
        return static_cast<int>(chunks_.size()) - 1;
    }

    void Play(int handle) override {
        if (handle >= 0 && handle < static_cast<int>(chunks_.size())) {
            Mix_PlayChannel(-1, chunks_[static_cast<std::size_t>(handle)],
                            0);  // none free: skipped
        }
    }

    void SetVolume(int percent) override { Mix_Volume(-1, percent * MIX_MAX_VOLUME / 100); }

private:
    std::vector<Mix_Chunk*> chunks_;
    bool open_ = false;
};

}  // namespace

void UseSdlSound() { InstallSoundOutput(std::make_unique<SdlSound>()); }

}  // namespace platform
