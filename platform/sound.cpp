#include "platform/sound.h"

#include "platform/system.h"

namespace platform {
namespace {

struct Interception {
  bool on = false;
  std::vector<test::RecordedSound> recorded;
};
Interception& State() {
  static Interception state;
  return state;
}

}  // namespace

void PlaySoundFile(const char* path, SoundMode mode) {
  if (State().on) {
    State().recorded.push_back({path ? path : "", mode});
    return;
  }
  system::PlaySoundFile(path, mode);
}

}  // namespace platform

namespace platform::test {

void InterceptSounds() { State().on = true; }
void StopInterceptingSounds() { State() = Interception{}; }
const std::vector<RecordedSound>& Sounds() { return State().recorded; }
void ClearSounds() { State().recorded.clear(); }

}  // namespace platform::test
