// Playing .wav files.
#pragma once

#include <string>
#include <vector>

namespace platform {

enum class SoundMode { Async, Sync };

// Plays a .wav file; Sync holds the thread until it ends. A missing file plays nothing.
void PlaySoundFile(const char* path, SoundMode mode);

}  // namespace platform

namespace platform::test {

struct RecordedSound {
  std::string path;
  platform::SoundMode mode;
};

// Sounds are recorded instead of played.
void InterceptSounds();
void StopInterceptingSounds();
const std::vector<RecordedSound>& Sounds();
void ClearSounds();

}  // namespace platform::test
