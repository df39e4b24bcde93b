// The headless backend's sound output: it plays nothing and records what the game asked
// for, so tests can tell which sound an event made and at what volume.
#pragma once

#include <string>
#include <vector>

namespace headless {

// Installs a fresh recording output; headless::Install does so with a device. Without one it
// stands for a machine that has no audio device.
void InstallRecordingSound(bool hasDevice = true);

struct SoundRecord {
    std::string name;  // the file's name without folder and extension, as "right"
    int volume = 0;    // 0..100 when it played
};
const std::vector<SoundRecord>& PlayedSounds();
void ClearPlayedSounds();
// The files the game loaded (their names, as above).
const std::vector<std::string>& LoadedSounds();

}  // namespace headless
