#include "platform/choosers.h"

#include <deque>

#include "platform/system.h"

namespace platform {
namespace {

struct ColourAnswer {
  std::optional<int> colour;
  std::optional<ChooserCustomColours> customColours;
};

struct Interception {
  bool on = false;
  std::deque<ColourAnswer> colours;
  std::deque<std::optional<FontChoice>> fonts;
  std::vector<test::RecordedColourChooser> colourRequests;
  std::vector<test::RecordedFontChooser> fontRequests;
};
Interception& State() {
  static Interception state;
  return state;
}

}  // namespace

bool ChooseColour(WindowHandle owner, int initial, ChooserCustomColours* customColours, int* chosen) {
  Interception& state = State();
  if (!state.on) return system::ChooseColour(owner, initial, customColours, chosen);
  state.colourRequests.push_back({owner, initial, *customColours});
  ColourAnswer answer;
  if (!state.colours.empty()) {
    answer = state.colours.front();
    state.colours.pop_front();
  }
  if (answer.customColours) *customColours = *answer.customColours;
  if (!answer.colour) return false;
  *chosen = *answer.colour;
  return true;
}

bool ChooseScreenFont(WindowHandle owner, int minPoints, int maxPoints, FontChoice* font) {
  Interception& state = State();
  if (!state.on) return system::ChooseScreenFont(owner, minPoints, maxPoints, font);
  state.fontRequests.push_back({owner, minPoints, maxPoints, *font});
  std::optional<FontChoice> answer;
  if (!state.fonts.empty()) {
    answer = state.fonts.front();
    state.fonts.pop_front();
  }
  if (!answer) return false;
  *font = *answer;
  font->face[sizeof font->face - 1] = '\0';
  return true;
}

}  // namespace platform

namespace platform::test {

void InterceptChoosers() { State().on = true; }
void StopInterceptingChoosers() { State() = Interception{}; }
void QueueColourAnswer(std::optional<int> colour, std::optional<ChooserCustomColours> customColours) {
  State().colours.push_back({colour, customColours});
}
void QueueFontAnswer(std::optional<FontChoice> font) { State().fonts.push_back(font); }
const std::vector<RecordedColourChooser>& ColourChoosers() { return State().colourRequests; }
const std::vector<RecordedFontChooser>& FontChoosers() { return State().fontRequests; }

}  // namespace platform::test
