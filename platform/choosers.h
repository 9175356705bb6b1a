// The colour and font choosers of the system.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "platform/message_box.h"

namespace platform {

inline constexpr int kChooserCustomColours = 16;
using ChooserCustomColours = std::array<int, kChooserCustomColours>;

// Shows the colour chooser, modal to owner, starting from initial (0x00BBGGRR). The custom
// colours are edited in place, also when the operator cancels. True with the choice in
// chosen when the operator confirms.
bool ChooseColour(WindowHandle owner, int initial, ChooserCustomColours* customColours, int* chosen);

// A logical font as the font chooser gives it, and its text colour.
struct FontChoice {
  char face[32];
  int height;
  int weight;
  int italic;
  int underline;
  int strikeOut;
  int colour;
};

// Shows the font chooser (screen fonts, with colour, underline and strike-out), modal to
// owner, starting from font and offering sizes from minPoints to maxPoints. True with the
// choice in font when the operator confirms; font is left as it was otherwise.
bool ChooseScreenFont(WindowHandle owner, int minPoints, int maxPoints, FontChoice* font);

}  // namespace platform

namespace platform::test {

struct RecordedColourChooser {
  WindowHandle owner;
  int initial;
  platform::ChooserCustomColours customColours;
};

struct RecordedFontChooser {
  WindowHandle owner;
  int minPoints, maxPoints;
  platform::FontChoice font;
};

// Choosers are answered from their queues: a choice, or std::nullopt for Cancel; an empty
// queue answers Cancel. A queued custom-colour table replaces the caller's, as the
// operator's edits in the chooser would.
void InterceptChoosers();
void StopInterceptingChoosers();
void QueueColourAnswer(std::optional<int> colour,
                       std::optional<platform::ChooserCustomColours> customColours = std::nullopt);
void QueueFontAnswer(std::optional<platform::FontChoice> font);
const std::vector<RecordedColourChooser>& ColourChoosers();
const std::vector<RecordedFontChooser>& FontChoosers();

}  // namespace platform::test
