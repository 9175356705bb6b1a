// The decisions of the display settings, sound options and custom sounds dialogs: the
// preview's rectangles and what a double click hits, the column width steps, the theme file
// names, the sound words of each control and the slot of each custom sound.
#pragma once

#include <cstddef>

#include "platform/choosers.h"
#include "race/pixel_rect.h"
#include "race/settings_files.h"
#include "resources/texts.h"

// ---- Display settings (AFFICHAGE) ----


inline constexpr PixelRect kSwatchRects[kDisplayColourCount] = {
    {200, 85, 240, 105},  {200, 115, 240, 135}, {200, 145, 240, 165}, {200, 215, 240, 235}, {200, 245, 240, 265},
    {200, 275, 240, 295}, {200, 305, 240, 325}, {200, 335, 240, 355}, {200, 405, 240, 425}, {250, 405, 290, 425},
    {200, 435, 240, 455}, {250, 435, 290, 455}, {300, 435, 390, 455}};
inline constexpr int kFontSampleCount = 4;
inline constexpr PixelRect kSampleRects[kFontSampleCount] = {
    {250, 215, 340, 235}, {250, 245, 340, 265}, {300, 405, 390, 425}, {300, 500, 390, 520}};
inline constexpr PixelRect kLogoRect = {300, 105, 497, 155};
inline constexpr int kLogoWidth = 196;
inline constexpr int kLogoHeight = 50;
inline constexpr const char* kFontSampleText = "AaBbYyZz";

// Where every control of the dialog stands, in client pixels: the preview is painted in
// client pixels, and no control may stand over it (group boxes only frame it).
inline constexpr int kDisplayClientWidth = 560;
inline constexpr int kDisplayClientHeight = 645;
extern const PlacedControl kDisplayLayout[];
extern const std::size_t kDisplayLayoutCount;
bool IsGroupBox(int id);

enum class PreviewTarget { None, Logo, Swatch, Sample };
struct PreviewHit {
  PreviewTarget target;
  int index;  // swatch 0..12 or sample 0..3
};
// What a left double click at (x, y) opens: the logo area (300 < x <= 496, 105 < y <= 154),
// else the first swatch, else the first sample that holds the point strictly inside.
PreviewHit HitPreview(int x, int y);
// A right double click clears the logo inside the same bounds.
bool InLogoArea(int x, int y);

// The font a sample shows: samples 0 to 2 fonts 0 to 2, sample 3 the selected column's.
int SampleFont(int sample, int column);
// Sizes in points the font chooser offers for a sample.
struct PointRange {
  int min, max;
};
PointRange SampleSizes(int sample);

// The column texts of the combo box, in column order.
Text DisplayColumnText(int column);
// The column a combo selection picks; a selection outside 0..8 (CB_ERR) keeps current.
int ColumnOfSelection(int selection, int current);
// "+" and "-": within 0..999, a step past either end changes nothing.
int WidthStepUp(int width);
int WidthStepDown(int width);
// The width edit's text as an unsigned number: 0 when it is not a number, at most 999.
int ParseColumnWidth(const char* text);

// What Save does with the file dialog's answer. proposed is the name the dialog was opened
// with: an answer equal to it writes nothing; a name without ".scrn3" gets it appended; a
// name that cannot be held in size bytes writes nothing either (out is then empty).
enum class ThemeSave { Nothing, Write, TooLong };
ThemeSave ThemeSaveName(const char* chosen, const char* proposed, char* out, std::size_t size);

// Reads a theme (or the settings file) into a scratch copy and takes it only when the read
// succeeds: a file that cannot be opened leaves the settings and the custom colours as they
// were. The faces and the logo path are cleared before the read, as the reader needs.
bool LoadDisplaySettings(const char* path, DisplaySettings* settings, CustomColours* customColours);

// The font chooser's starting point and its answer, for font k.
platform::FontChoice FontChoiceOf(const DisplaySettings& settings, int font);
void TakeFontChoice(const platform::FontChoice& choice, int font, DisplaySettings* settings);

// ---- Sound options (SONS) ----

// The language button a first line selects: English, French, else Custom (also for an empty
// or unknown word).
int LanguageButtonOf(const char* word);
// The word of a language button (4201 to 4203), or nullptr.
const char* LanguageWordOf(int button);
// Stores the word of a language button in the first line.
void SetSoundLanguage(SoundSettings* settings, int button);

// The seven switches 4204 to 4210: whether the line holds the switch's "oui" word exactly,
// and the word a click stores (the line is cleared first). Other controls do nothing.
bool SoundSwitchOn(const SoundSettings& settings, int control);
void SetSoundSwitch(SoundSettings* settings, int control, bool on);

// ---- Custom sounds (SONSPERSONNALISES) ----

inline constexpr int kCustomSoundGroups = 3;
// First slot and number of events of each group (special stage, countdown, rest).
int CustomSoundGroupFirst(int group);
int CustomSoundGroupSize(int group);
// The group (0..2) whose combo, path, Load or Listen control this is, or -1; the part is
// 0 combo, 1 path, 2 Load, 3 Listen.
int CustomSoundGroupOf(int control, int* part);
// The slot of an event of a group; -1 when the event is not one of the group's (CB_ERR).
int CustomSoundSlot(int group, int event);
// The combo texts of a group's events, in slot order.
Text CustomSoundEventText(int slot);
