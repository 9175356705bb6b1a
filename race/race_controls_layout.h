// Placement of the race controls, computed from the screen size (a design of 1600 x 900
// scaled with integer arithmetic, the division last).
#pragma once

#include <array>

#include "resources/texts.h"

enum RaceControlId : int {
  kStartButton = 2001,
  kPauseButton = 2002,
  kClearButton = 2003,
  kStartLabel = 2004,
  kPauseLabel = 2005,
  kClearLabel = 2006,
  kPersonalChipsRadio = 2101,
  kClubChipsRadio = 2102,
  kTransponderSetCombo = 2103,
  kClubChipCombo = 2104,
  kMessageBoxCheck = 2105,
  kClockGroup = 2221,
  kCountdownGroup = 2222,
  kTransponderModeGroup = 2223,
  kCommentButton = 6101,
};

enum class ControlClass { Button, Edit, ComboBox };

struct RaceControlSpec {
  int id;
  ControlClass kind;
  Text text;  // Text::None for no text
  unsigned style;
  int x, y, width, height;
};

inline constexpr int kRaceControlCount = 15;
std::array<RaceControlSpec, kRaceControlCount> RaceControlLayout(int screenWidth, int screenHeight);

// The live table's scroll bar: x, width (y and height are the live table's zone).
inline int LiveScrollBarWidth(int screenWidth) { return screenWidth * 13 / 1600; }
