// The sound calls of platform.h, forwarded to the installed output.
#include "platform.h"
#include "sound_output.h"

#include <algorithm>

namespace platform {
namespace {

std::unique_ptr<SoundOutput>& Output() {
    static std::unique_ptr<SoundOutput> output;
    return output;
}

bool& IsOpen() {
    static bool open = false;
    return open;
}

}  // namespace

void InstallSoundOutput(std::unique_ptr<SoundOutput> output) {
    CloseSound();
    Output() = std::move(output);
}

bool OpenSound() {
    if (!Output()) return false;
    if (!IsOpen()) IsOpen() = Output()->Open();
    return IsOpen();
}

void CloseSound() {
    if (Output() && IsOpen()) Output()->Close();
    IsOpen() = false;
}

int LoadSound(std::string_view windowsName) {
    if (!IsOpen()) return -1;
    const std::string path = TranslatePath(windowsName);
    if (!SoundFileIsSane(path)) return -1;
    return Output()->Load(path);
}

void PlaySound(int handle) {
    if (IsOpen() && handle >= 0) Output()->Play(handle);
}

void SetSoundVolume(int percent) {
    if (IsOpen()) Output()->SetVolume(std::clamp(percent, 0, 100));
}

}  // namespace platform
