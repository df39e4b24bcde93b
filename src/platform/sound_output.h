// What a sound output supplies: the SDL one in sdl/sdl_audio.cpp, the recording one of the
// headless backend. Kept apart from Backend so the game's picture and its sound come and go
// independently.
#pragma once

#include <memory>
#include <string>

namespace platform {

class SoundOutput {
public:
    virtual ~SoundOutput() = default;

    virtual bool Open() = 0;
    virtual void Close() = 0;
    // `path` is a Linux path; -1 when it cannot be read as a sound.
    virtual int Load(const std::string& path) = 0;
    virtual void Play(int handle) = 0;
    virtual void SetVolume(int percent) = 0;
};

// Installs an output (none: silence); the previous one is closed and destroyed.
void InstallSoundOutput(std::unique_ptr<SoundOutput> output);

}  // namespace platform
