// The operator's settings files in the working folder: the sound switches, the custom
// sound files, the display settings (and their ".scrn3" themes) and the comment of the
// current special stage. Each operation opens its file afresh ("r" to read, so that a
// read-only file, copied from a CD or on a locked share, is still read; "w+" to write),
// closes it before returning and reports false only when the file cannot be opened or
// created (or, for a writer, when a write fails); the callers show the messages.
#pragma once

#include <array>

inline constexpr const char* kSoundSettingsFile = "RéglagesSons.rg";
inline constexpr const char* kCustomSoundsFile = "Private/SonsPerso.sopr";
inline constexpr const char* kDisplaySettingsFile = "Private/RéglagesAffichage.rgsc";
inline constexpr const char* kDisplayThemeExtension = ".scrn3";
inline constexpr const char* kStageCommentFile = "CommentaireSpeciale.res";

// The words of the sound switches file. A switch is on when its line holds its "oui" word.
inline constexpr const char* kSoundLanguageEnglish = "SONLANGUEAnglais";
inline constexpr const char* kSoundLanguageFrench = "SONLANGUEFrancais";
inline constexpr const char* kSoundLanguageCustom = "SONLANGUEPersonn.";
inline constexpr const char* kSoundStageStartOn = "SONDEBUTSPECIALEoui";
inline constexpr const char* kSoundStageStartOff = "SONDEBUTSPECIALEnon";
inline constexpr const char* kSoundStageEndOn = "SONFINSPECIALEoui";
inline constexpr const char* kSoundStageEndOff = "SONFINSPECIALEnon";
inline constexpr const char* kSoundPassagesOn = "SONPASSAGEoui";
inline constexpr const char* kSoundPassagesOff = "SONPASSAGEnon";
inline constexpr const char* kSoundBestTimeOn = "SONMEILLEURTEMPSoui";
inline constexpr const char* kSoundBestTimeOff = "SONMEILLEURTEMPSnon";
inline constexpr const char* kSoundLapRejectedOn = "SONTOURREJETEoui";
inline constexpr const char* kSoundLapRejectedOff = "SONTOURREJETEnon";
inline constexpr const char* kSoundCountdownOn = "SONDECOMPTEoui";
inline constexpr const char* kSoundCountdownOff = "SONDECOMPTEnon";
inline constexpr const char* kSoundRestClockOn = "SONHORLOGEREPOSoui";
inline constexpr const char* kSoundRestClockOff = "SONHORLOGEREPOSnon";

// "RéglagesSons.rg": one word per line, in this order.
struct SoundSettings {
  char language[19];
  char stageStart[21];
  char stageEnd[19];
  char passages[15];
  char bestTime[21];
  char lapRejected[18];
  char countdown[16];
  char restClock[20];
};

// Reads the eight lines of "RéglagesSons.rg" into the eight words. Each line gives its own
// word (its first run of characters without blanks, cut to the field): an empty line is an
// empty word, and a short file leaves the words after its last line as they were.
bool ReadSoundSettings(SoundSettings* settings);
// Creates or truncates "RéglagesSons.rg" and writes the eight words as they stand, each
// followed by "\n" (an empty word gives an empty line).
bool WriteSoundSettings(const SoundSettings& settings);

// The operator's own sound files, used when the language word is "SONLANGUEPersonn.".
inline constexpr int kCustomSoundCount = 20;
enum CustomSoundSlot : int {
  kCustomSoundStageStart = 0,
  kCustomSoundStagePaused = 1,
  kCustomSoundStageEnd = 2,
  kCustomSoundDriverStarted = 3,
  kCustomSoundDriverFinished = 4,
  kCustomSoundBestTime = 5,
  kCustomSoundLapRejected = 6,
  kCustomSoundStart30Seconds = 7,
  kCustomSoundStart10Seconds = 8,
  kCustomSoundStart3 = 9,
  kCustomSoundStart2 = 10,
  kCustomSoundStart1 = 11,
  kCustomSoundStartGo = 12,
  kCustomSoundRest60Minutes = 13,
  kCustomSoundRest30Minutes = 14,
  kCustomSoundRest15Minutes = 15,
  kCustomSoundRest5Minutes = 16,
  kCustomSoundRest2Minutes = 17,
  kCustomSoundRest1Minute = 18,
  kCustomSoundRestOver = 19,
};

struct CustomSoundPaths {
  char path[kCustomSoundCount][260];  // a .wav file, or empty for the built-in sound
};

void ClearCustomSoundPaths(CustomSoundPaths* paths);
// Exactly 20 lines, slot 0 first, each the path and "\n".
bool WriteCustomSoundsFile(const char* filePath, const CustomSoundPaths& paths);
// Reads at most 20 lines into slots 0 to 19 and stops at the end of the file; an empty
// line leaves its slot as it was.
bool ReadCustomSoundsFile(const char* filePath, CustomSoundPaths* paths);

// How the race screen looks: "Private/RéglagesAffichage.rgsc" and the ".scrn3" themes.
inline constexpr int kDisplayFontCount = 12;
inline constexpr int kDisplayColourCount = 13;
inline constexpr int kLiveColumnCount = 9;
inline constexpr int kCustomColourCount = 16;
// The widest a live-table column is set (the display settings dialog's three digits).
inline constexpr int kMaxDisplayColumnWidth = 999;

struct FontSpec {
  char face[32];
  int size;  // the logical font's height as the font chooser gives it (negative for pixels)
  int weight;
  int italic;
  int underline;
  int strikeOut;
};

struct DisplaySettings {
  int tableStyle;  // 1 relief, 0 gradient
  int columnWidths[kLiveColumnCount];
  FontSpec fonts[kDisplayFontCount];
  int fontColours[kDisplayFontCount];        // COLORREF of each font
  int displayColours[kDisplayColourCount];  // COLORREF of the race screen's areas
  char logoPath[260];
};

// The colour chooser's custom colours, kept in the same file.
using CustomColours = std::array<int, kCustomColourCount>;

// Twelve lines: table style; logo path; the 12 faces; the 12 sizes, weights, italic,
// underline and strike-out flags (a line each); the 12 font colours; the 13 colours; the 9
// column widths; the 16 custom colours. Every field is followed by a TAB.
bool WriteDisplaySettingsFile(const char* filePath, const DisplaySettings& settings,
                              const CustomColours& customColours);
// Reads the file line by line: a line with fewer values than its share leaves the others as
// they were and never moves the next lines' values into the wrong fields. The caller
// clears the faces and the logo path first. Column widths are brought within
// 0 .. kMaxDisplayColumnWidth.
bool ReadDisplaySettingsFile(const char* filePath, DisplaySettings* settings,
                             CustomColours* customColours);

// The logo of the printed pages: the first field of the display settings' second line.
inline constexpr int kLogoPathSize = 260;
// False when the display settings file cannot be opened; the path is cleared first.
bool ReadLogoPath(char (&logoPath)[kLogoPathSize]);

// The comment of the current special stage, carried between the main window and the stage
// comment dialog through "CommentaireSpeciale.res".
struct StageComment {
  char trackCondition[7];  // "Dry", "Wet" or "Ice"
  char comment[100];       // never empty when written: an empty comment is one blank
};

// One line: "%s\t" the condition, "%s\t\n" the comment.
bool WriteStageComment(const StageComment& comment);
// The caller clears both fields first.
bool ReadStageComment(StageComment* comment);
