#include "race/race_controls_layout.h"

namespace {

constexpr unsigned kBitmapButton = 0x50000080;
constexpr unsigned kLabelEdit = 0x50000801;
constexpr unsigned kGroupBox = 0x50000007;
constexpr unsigned kFirstRadio = 0x50020009;
constexpr unsigned kRadio = 0x50000009;
constexpr unsigned kDropDownList = 0x50000003;
constexpr unsigned kCheckBox = 0x50000003;

}  // namespace

std::array<RaceControlSpec, kRaceControlCount> RaceControlLayout(int W, int H) {
  const int B = (W * 42 - 8400) / 100;
  const int C = W * 720 / 1600;
  using K = ControlClass;
  return {{
      {kStartButton, K::Button, Text::ControlStart, kBitmapButton, B + 100, H * 40 / 900, 80, H / 20},
      {kStartLabel, K::Edit, Text::ControlStart, kLabelEdit, B + 105, H * 86 / 900, 70, H / 45},
      {kPauseButton, K::Button, Text::ControlPause, kBitmapButton, B + 200, H * 40 / 900, 80, H / 20},
      {kPauseLabel, K::Edit, Text::ControlPause, kLabelEdit, B + 205, H * 86 / 900, 70, H / 45},
      {kClearButton, K::Button, Text::ControlClear, kBitmapButton, B + 300, H * 40 / 900, 80, H / 20},
      {kClearLabel, K::Edit, Text::ControlClear, kLabelEdit, B + 305, H * 86 / 900, 70, H / 45},
      {kCommentButton, K::Button, Text::ControlComment, kBitmapButton, W - 120, H / 15, 40, 40},
      {kClockGroup, K::Button, Text::ControlClockGroup, kGroupBox, W * 45 / 1600 + 200, H * 710 / 900, W / 4, H / 12},
      {kCountdownGroup, K::Button, Text::ControlCountdownGroup, kGroupBox, W * 440 / 1600 + 220, H * 710 / 900, 100,
       H / 12},
      // The two radios are wide enough for their bold texts in every language.
      {kTransponderModeGroup, K::Button, Text::ControlTransponderModeGroup, kGroupBox, C + 200, H * 690 / 900, 345,
       H * 52 / 900},
      {kPersonalChipsRadio, K::Button, Text::ControlPersonalChips, kFirstRadio, C + 205, H * 715 / 900, 130, H / 45},
      {kClubChipsRadio, K::Button, Text::ControlClubChips, kRadio, C + 340, H * 715 / 900, 120, H / 45},
      {kTransponderSetCombo, K::ComboBox, Text::ControlSetTransponders, kDropDownList, C + 465, H * 711 / 900, 72,
       H * 600 / 900},
      {kTransponderModeGroup, K::Button, Text::None, kGroupBox, C + 200, H * 740 / 900, 345, H / 20},
      {kMessageBoxCheck, K::Button, Text::ControlMessageBox, kCheckBox, C + 205, H * 756 / 900, 125, H * 23 / 900},
  }};
}
