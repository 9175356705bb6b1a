// The rules of the display settings, sound options and custom sounds dialogs.
#include "setup/settings_dialogs_model.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/bounded.h"
#include "setup/settings_dialog_ids.h"
#include "tests/race/storage_test_support.h"

namespace {

bool Overlap(const PixelRect& a, const PixelRect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}
bool Holds(const PixelRect& outer, const PixelRect& inner) {
  return outer.left <= inner.left && inner.right <= outer.right && outer.top <= inner.top &&
         inner.bottom <= outer.bottom;
}
// The combo box's rectangle includes its drop-down list: only its edit line stands.
PixelRect Standing(const PlacedControl& control) {
  PixelRect r = control.rect;
  if (control.id == IDC_DISPLAY_COLUMN) r.bottom = r.top + 24;
  return r;
}
// A painted rectangle with its one-pixel frame.
PixelRect Framed(const PixelRect& r) { return {r.left - 1, r.top - 1, r.right + 1, r.bottom + 1}; }

}  // namespace

TEST(DisplayPreview, DoubleClickHitsAtTheEdges) {
  EXPECT_EQ(HitPreview(300, 105).target, PreviewTarget::None) << "first row and column of the logo";
  EXPECT_EQ(HitPreview(300, 130).target, PreviewTarget::None);
  EXPECT_EQ(HitPreview(400, 105).target, PreviewTarget::None);
  EXPECT_EQ(HitPreview(301, 106).target, PreviewTarget::Logo);
  EXPECT_EQ(HitPreview(496, 154).target, PreviewTarget::Logo);
  EXPECT_EQ(HitPreview(497, 154).target, PreviewTarget::None);
  EXPECT_EQ(HitPreview(496, 155).target, PreviewTarget::None);

  PreviewHit hit = HitPreview(201, 95);
  EXPECT_EQ(hit.target, PreviewTarget::Swatch);
  EXPECT_EQ(hit.index, 0);
  EXPECT_EQ(HitPreview(200, 95).target, PreviewTarget::None) << "swatches hold points strictly inside";
  EXPECT_EQ(HitPreview(240, 95).target, PreviewTarget::None);
  hit = HitPreview(389, 454);
  EXPECT_EQ(hit.target, PreviewTarget::Swatch);
  EXPECT_EQ(hit.index, 12);
  hit = HitPreview(251, 216);
  EXPECT_EQ(hit.target, PreviewTarget::Sample);
  EXPECT_EQ(hit.index, 0);
  hit = HitPreview(389, 519);
  EXPECT_EQ(hit.target, PreviewTarget::Sample);
  EXPECT_EQ(hit.index, 3);
  EXPECT_EQ(HitPreview(390, 519).target, PreviewTarget::None);

  EXPECT_TRUE(InLogoArea(301, 106));
  EXPECT_FALSE(InLogoArea(300, 106));
}

TEST(DisplayPreview, SamplesFontsAndSizes) {
  EXPECT_EQ(SampleFont(0, 8), 0);
  EXPECT_EQ(SampleFont(2, 8), 2);
  EXPECT_EQ(SampleFont(3, 0), 3);
  EXPECT_EQ(SampleFont(3, 8), 11) << "\"Transp.\" edits font 11";
  EXPECT_EQ(SampleSizes(0).max, 20);
  EXPECT_EQ(SampleSizes(1).max, 40);
  EXPECT_EQ(SampleSizes(2).min, 8);
  EXPECT_EQ(SampleSizes(2).max, 16);
  EXPECT_EQ(SampleSizes(3).max, 50);
}

TEST(DisplayPreview, NoControlStandsOverThePaintedRectangles) {
  for (std::size_t i = 0; i < kDisplayLayoutCount; ++i) {
    const PlacedControl& control = kDisplayLayout[i];
    const PixelRect client = {0, 0, kDisplayClientWidth, kDisplayClientHeight};
    if (control.id != IDC_DISPLAY_COLUMN) {
      EXPECT_TRUE(Holds(client, control.rect)) << control.id;
    }
    if (IsGroupBox(control.id)) continue;
    const PixelRect standing = Standing(control);
    EXPECT_FALSE(Overlap(standing, Framed(kLogoRect))) << control.id;
    for (const PixelRect& r : kSwatchRects) EXPECT_FALSE(Overlap(standing, Framed(r))) << control.id;
    for (const PixelRect& r : kSampleRects) EXPECT_FALSE(Overlap(standing, Framed(r))) << control.id;
    for (std::size_t j = 0; j < i; ++j) {
      if (IsGroupBox(kDisplayLayout[j].id)) continue;
      EXPECT_FALSE(Overlap(standing, Standing(kDisplayLayout[j]))) << control.id << " and " << kDisplayLayout[j].id;
    }
  }
}

TEST(DisplayColumns, WidthStepsParsingAndSelection) {
  EXPECT_EQ(WidthStepUp(998), 999);
  EXPECT_EQ(WidthStepUp(999), 999);
  EXPECT_EQ(WidthStepDown(1), 0);
  EXPECT_EQ(WidthStepDown(0), 0);
  EXPECT_EQ(ParseColumnWidth("120"), 120);
  EXPECT_EQ(ParseColumnWidth("007"), 7);
  EXPECT_EQ(ParseColumnWidth(""), 0);
  EXPECT_EQ(ParseColumnWidth("-5"), 0);
  EXPECT_EQ(ParseColumnWidth("1a"), 0);
  EXPECT_EQ(ParseColumnWidth("99999999999999999999"), 999) << "a pasted long number stays within the widths";
  EXPECT_EQ(ColumnOfSelection(8, 2), 8);
  EXPECT_EQ(ColumnOfSelection(-1, 2), 2) << "CB_ERR never indexes the widths";
  EXPECT_EQ(ColumnOfSelection(9, 2), 2);
}

TEST(DisplayThemes, SaveNameRules) {
  const char* proposed = "C:\\Program Files\\Veravoda Reviv\\*.scrn3";
  char out[260];
  EXPECT_EQ(ThemeSaveName(proposed, proposed, out, sizeof out), ThemeSave::Nothing);
  EXPECT_EQ(ThemeSaveName("C:\\t\\night", proposed, out, sizeof out), ThemeSave::Write);
  EXPECT_STREQ(out, "C:\\t\\night.scrn3");
  EXPECT_EQ(ThemeSaveName("C:\\t\\a.scrn3.bak", proposed, out, sizeof out), ThemeSave::Write);
  EXPECT_STREQ(out, "C:\\t\\a.scrn3.bak") << "\".scrn3\" anywhere keeps the name";
  // The longest name that still takes the extension, and one byte more.
  std::string name = "C:\\" + std::string(259 - 3 - 6, 'n');
  EXPECT_EQ(ThemeSaveName(name.c_str(), proposed, out, sizeof out), ThemeSave::Write);
  EXPECT_EQ(std::strlen(out), 259u);
  name += "n";
  EXPECT_EQ(ThemeSaveName(name.c_str(), proposed, out, sizeof out), ThemeSave::TooLong);
  EXPECT_STREQ(out, "");
}

TEST(DisplayThemes, AFailedLoadKeepsTheCopy) {
  storagetest::WorkingFolder folder;
  static DisplaySettings settings, theme;
  CustomColours colours{}, themeColours{};
  settings = {};
  platform::CopyBounded(settings.fonts[0].face, "Arial");
  platform::CopyBounded(settings.logoPath, "images/logo.bmp");
  settings.columnWidths[4] = 150;
  colours[3] = 77;
  EXPECT_FALSE(LoadDisplaySettings("missing.scrn3", &settings, &colours));
  EXPECT_STREQ(settings.fonts[0].face, "Arial");
  EXPECT_STREQ(settings.logoPath, "images/logo.bmp");
  EXPECT_EQ(colours[3], 77);

  theme = {};
  theme.tableStyle = 2;
  platform::CopyBounded(theme.fonts[0].face, "Verdana");
  theme.columnWidths[4] = 90;
  themeColours[3] = 55;
  ASSERT_TRUE(WriteDisplaySettingsFile("night.scrn3", theme, themeColours));
  ASSERT_TRUE(LoadDisplaySettings("night.scrn3", &settings, &colours));
  EXPECT_STREQ(settings.fonts[0].face, "Verdana");
  EXPECT_STREQ(settings.logoPath, "") << "a theme without a logo clears it";
  EXPECT_EQ(settings.tableStyle, 2);
  EXPECT_EQ(settings.columnWidths[4], 90);
  EXPECT_EQ(colours[3], 55);
}

TEST(DisplayFonts, ChooserStartsFromTheSpecAndItsAnswerIsStored) {
  static DisplaySettings settings;
  settings = {};
  FontSpec& spec = settings.fonts[11];
  platform::CopyBounded(spec.face, "Arial");
  spec.size = -21;
  spec.weight = 700;
  spec.italic = 1;
  settings.fontColours[11] = 0x00FF00;
  platform::FontChoice choice = FontChoiceOf(settings, 11);
  EXPECT_STREQ(choice.face, "Arial");
  EXPECT_EQ(choice.height, -21);
  EXPECT_EQ(choice.weight, 700);
  EXPECT_EQ(choice.italic, 1);
  EXPECT_EQ(choice.colour, 0x00FF00);

  platform::FontChoice answer = {};
  platform::CopyBounded(answer.face, "Courier New");
  answer.height = -40;
  answer.weight = 400;
  answer.strikeOut = 255;
  answer.colour = 0x123456;
  platform::CopyBounded(spec.face, "Comic Sans MS long face");
  TakeFontChoice(answer, 11, &settings);
  EXPECT_EQ(std::string(spec.face, sizeof spec.face), std::string("Courier New") + std::string(21, '\0'))
      << "the face is cleared before the chosen one";
  EXPECT_EQ(spec.size, -40);
  EXPECT_EQ(spec.italic, 0);
  EXPECT_EQ(spec.strikeOut, 255) << "the byte flag widened without sign";
  EXPECT_EQ(settings.fontColours[11], 0x123456);
  EXPECT_EQ(settings.fontColours[10], 0);
}

TEST(SoundOptions, WordsByControl) {
  EXPECT_EQ(LanguageButtonOf("SONLANGUEAnglais"), IDC_SOUNDS_ENGLISH);
  EXPECT_EQ(LanguageButtonOf("SONLANGUEFrancais"), IDC_SOUNDS_FRENCH);
  EXPECT_EQ(LanguageButtonOf("SONLANGUEPersonn."), IDC_SOUNDS_CUSTOM);
  EXPECT_EQ(LanguageButtonOf("SONLANGUEDeutsch"), IDC_SOUNDS_CUSTOM) << "an unknown word shows Custom sounds";
  EXPECT_EQ(LanguageButtonOf(""), IDC_SOUNDS_CUSTOM);

  SoundSettings settings = {};
  platform::CopyBounded(settings.language, "SONLANGUEDeutsch");
  platform::CopyBounded(settings.passages, "SONPASSAGEoui");
  platform::CopyBounded(settings.countdown, "SONDECOMPTEOUI");
  EXPECT_TRUE(SoundSwitchOn(settings, IDC_SOUNDS_PASSAGES));
  EXPECT_FALSE(SoundSwitchOn(settings, IDC_SOUNDS_COUNTDOWN)) << "only the exact word is on";
  EXPECT_FALSE(SoundSwitchOn(settings, IDC_SOUNDS_MODIFY));

  // Clicks store their words in the lines of their controls (the group boxes mix them).
  SoundSettings before = settings;
  SetSoundSwitch(&settings, IDC_SOUNDS_PASSAGES, false);
  SetSoundSwitch(&settings, IDC_SOUNDS_COUNTDOWN, true);
  SetSoundSwitch(&settings, IDC_SOUNDS_REST_CLOCK, true);
  SetSoundSwitch(&settings, IDC_SOUNDS_MODIFY, true);
  EXPECT_STREQ(settings.passages, "SONPASSAGEnon");
  EXPECT_STREQ(settings.countdown, "SONDECOMPTEoui");
  EXPECT_STREQ(settings.restClock, "SONHORLOGEREPOSoui");
  EXPECT_STREQ(settings.language, "SONLANGUEDeutsch") << "lines no click touched stay as read";
  EXPECT_STREQ(settings.stageStart, before.stageStart);
  SetSoundLanguage(&settings, IDC_SOUNDS_FRENCH);
  EXPECT_STREQ(settings.language, "SONLANGUEFrancais");
  EXPECT_EQ(std::string(settings.language, sizeof settings.language),
            std::string("SONLANGUEFrancais") + std::string(2, '\0'));
}

TEST(CustomSoundsSlots, GroupsAndEvents) {
  EXPECT_EQ(CustomSoundSlot(0, 0), 0);
  EXPECT_EQ(CustomSoundSlot(0, 6), 6);
  EXPECT_EQ(CustomSoundSlot(1, 5), 12) << "\"go\"";
  EXPECT_EQ(CustomSoundSlot(2, 5), 18) << "\"  1 minute before special\"";
  EXPECT_EQ(CustomSoundSlot(2, 6), 19);
  EXPECT_EQ(CustomSoundSlot(1, 6), -1);
  EXPECT_EQ(CustomSoundSlot(0, -1), -1) << "CB_ERR";
  EXPECT_EQ(CustomSoundEventText(12), Text::CustomSoundGo);
  EXPECT_EQ(CustomSoundEventText(18), Text::CustomSound1Minute);
  int part = -1;
  EXPECT_EQ(CustomSoundGroupOf(IDC_CUSTOM_COUNTDOWN_LOAD, &part), 1);
  EXPECT_EQ(part, 2);
  EXPECT_EQ(CustomSoundGroupOf(IDC_CUSTOM_REST_LISTEN, &part), 2);
  EXPECT_EQ(part, 3);
  EXPECT_EQ(CustomSoundGroupOf(IDC_CUSTOM_TITLE, &part), -1);
}
