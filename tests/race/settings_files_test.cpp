// Sound switches, custom sounds, display settings and themes, and the stage comment; read
// also when read-only.
#include "race/settings_files.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

#include "platform/bounded.h"
#include "tests/race/storage_test_support.h"
#include "tests/support/temp_folder.h"

#ifdef _WIN32
#include "tests/support/read_only_file.h"
#endif

using storagetest::WorkingFolder;
using testsupport::ReadBytes;
using testsupport::WriteBytes;

TEST(SoundSettings, EachLineGivesItsOwnWord) {
  WorkingFolder folder;
  ASSERT_TRUE(folder.InstallFactoryFile(kSoundSettingsFile));
  SoundSettings settings = {};
  ASSERT_TRUE(ReadSoundSettings(&settings));
  EXPECT_STREQ(settings.language, kSoundLanguageEnglish);
  EXPECT_STREQ(settings.restClock, kSoundRestClockOn);

  // An empty line is an empty word: "SONFINSPECIALEoui" does not move up into the start
  // field, and the longest words still fit their fields.
  WriteBytes(kSoundSettingsFile,
             "SONLANGUEPersonn.\r\n\r\nSONFINSPECIALEoui\r\n  SONPASSAGEnon  \r\n"
             "SONMEILLEURTEMPSnon\r\nSONTOURREJETEnonEXTRA\r\nSONDECOMPTEoui\r\nSONHORLOGEREPOSnon");
  settings = {};
  ASSERT_TRUE(ReadSoundSettings(&settings));
  EXPECT_STREQ(settings.language, kSoundLanguageCustom);
  EXPECT_STREQ(settings.stageStart, "");
  EXPECT_STREQ(settings.stageEnd, kSoundStageEndOn);
  EXPECT_STREQ(settings.passages, kSoundPassagesOff);
  EXPECT_STREQ(settings.bestTime, kSoundBestTimeOff);
  EXPECT_STREQ(settings.lapRejected, "SONTOURREJETEnonE") << "cut to its field";
  EXPECT_STREQ(settings.countdown, kSoundCountdownOn);
  EXPECT_STREQ(settings.restClock, kSoundRestClockOff) << "a last line without line end";

  // A short file leaves the later words as the caller cleared them.
  WriteBytes(kSoundSettingsFile, "SONLANGUEFrancais\r\n");
  settings = {};
  ASSERT_TRUE(ReadSoundSettings(&settings));
  EXPECT_STREQ(settings.language, kSoundLanguageFrench);
  EXPECT_STREQ(settings.stageStart, "");

  platform::DeleteFileAt(kSoundSettingsFile);
  EXPECT_FALSE(ReadSoundSettings(&settings));
}

TEST(SoundSettings, WrittenAsTheyStandOneWordPerLine) {
  WorkingFolder folder;
  SoundSettings settings = {};
  platform::CopyBounded(settings.language, "SONLANGUEinconnu");
  platform::CopyBounded(settings.stageStart, kSoundStageStartOn);
  platform::CopyBounded(settings.passages, kSoundPassagesOff);
  platform::CopyBounded(settings.restClock, kSoundRestClockOn);
  ASSERT_TRUE(WriteSoundSettings(settings));
  // An unknown word and the empty words of a failed read go back as they stand.
  EXPECT_EQ(ReadBytes(kSoundSettingsFile),
            "SONLANGUEinconnu\r\nSONDEBUTSPECIALEoui\r\n\r\nSONPASSAGEnon\r\n\r\n\r\n\r\nSONHORLOGEREPOSoui\r\n");
  SoundSettings back = {};
  ASSERT_TRUE(ReadSoundSettings(&back));
  EXPECT_EQ(std::memcmp(&back, &settings, sizeof back), 0);

  // A field filled to its last byte is never written past its width.
  std::memset(settings.passages, 'P', sizeof settings.passages);
  ASSERT_TRUE(WriteSoundSettings(settings));
  EXPECT_NE(ReadBytes(kSoundSettingsFile).find("\r\n" + std::string(sizeof settings.passages - 1, 'P') + "\r\n\r\n"),
            std::string::npos);
}

TEST(CustomSounds, RoundTripAndShortFiles) {
  WorkingFolder folder;
  static CustomSoundPaths paths, back;
  ClearCustomSoundPaths(&paths);
  std::string longest(259, 'w');
  longest.replace(0, 3, "C:\\");
  platform::CopyBounded(paths.path[kCustomSoundStageStart], longest.c_str());
  platform::CopyBounded(paths.path[kCustomSoundStartGo], "C:\\Sons perso\\go é.wav");
  platform::CopyBounded(paths.path[kCustomSoundRestOver], "fin.wav");
  ASSERT_TRUE(WriteCustomSoundsFile(kCustomSoundsFile, paths));
  std::string bytes = ReadBytes(kCustomSoundsFile);
  EXPECT_EQ(bytes.substr(bytes.size() - 11), "\r\nfin.wav\r\n");
  ClearCustomSoundPaths(&back);
  ASSERT_TRUE(ReadCustomSoundsFile(kCustomSoundsFile, &back));
  EXPECT_EQ(std::memcmp(&paths, &back, sizeof paths), 0);

  ASSERT_TRUE(folder.InstallFactoryFile(kCustomSoundsFile));
  platform::CopyBounded(back.path[5], "kept");
  ASSERT_TRUE(ReadCustomSoundsFile(kCustomSoundsFile, &back));
  EXPECT_STREQ(back.path[5], "kept") << "20 empty lines leave the slots as they were";
  ClearCustomSoundPaths(&back);
  ASSERT_TRUE(ReadCustomSoundsFile(kCustomSoundsFile, &back));
  for (const auto& path : back.path) EXPECT_STREQ(path, "");

  // Three lines, the last without line end; then 25 lines, one too long.
  WriteBytes(kCustomSoundsFile, "a.wav\r\n\r\nc.wav");
  ClearCustomSoundPaths(&back);
  ASSERT_TRUE(ReadCustomSoundsFile(kCustomSoundsFile, &back));
  EXPECT_STREQ(back.path[0], "a.wav");
  EXPECT_STREQ(back.path[1], "");
  EXPECT_STREQ(back.path[2], "c.wav");
  EXPECT_STREQ(back.path[3], "");
  std::string many = std::string(400, 'x') + "\r\n";
  for (int i = 1; i < 25; ++i) many += std::to_string(i) + ".wav\r\n";
  WriteBytes(kCustomSoundsFile, many);
  ASSERT_TRUE(ReadCustomSoundsFile(kCustomSoundsFile, &back));
  EXPECT_EQ(std::string(back.path[0]), std::string(259, 'x'));
  EXPECT_STREQ(back.path[19], "19.wav");

  EXPECT_FALSE(ReadCustomSoundsFile("absent.sopr", &back));
  EXPECT_FALSE(WriteCustomSoundsFile("absent/x.sopr", paths));
}

namespace {

void FillDisplaySettings(DisplaySettings* settings, CustomColours* colours) {
  *settings = {};
  settings->tableStyle = 2;
  std::string logo = "C:\\Program Files\\Veravoda Reviv\\images\\logo club.bmp";
  logo += std::string(259 - logo.size(), 'L');
  platform::CopyBounded(settings->logoPath, logo.c_str());
  for (int i = 0; i < kDisplayFontCount; ++i) {
    FontSpec& font = settings->fonts[i];
    std::string face = "Face" + std::to_string(i) + std::string(40, 'f');
    platform::CopyBounded(font.face, face.c_str());
    font.size = -10 - i;
    font.weight = 100 * i;
    font.italic = i % 2;
    font.underline = i % 3 == 0;
    font.strikeOut = 255;
    settings->fontColours[i] = 0x00010203 * i;
  }
  for (int i = 0; i < kDisplayColourCount; ++i) settings->displayColours[i] = 0x00FFFFFF - i;
  for (int i = 0; i < kLiveColumnCount; ++i) settings->columnWidths[i] = i * 111;
  for (int i = 0; i < kCustomColourCount; ++i) (*colours)[static_cast<std::size_t>(i)] = i * 4096;
}

}  // namespace

TEST(DisplaySettingsFile, ThemeRoundTripsWithNegativeHeights) {
  WorkingFolder folder;
  DisplaySettings settings, back = {};
  CustomColours colours, backColours = {};
  FillDisplaySettings(&settings, &colours);
  ASSERT_TRUE(WriteDisplaySettingsFile("dark.scrn3", settings, colours));
  ASSERT_TRUE(ReadDisplaySettingsFile("dark.scrn3", &back, &backColours));
  EXPECT_EQ(std::memcmp(&settings, &back, sizeof settings), 0);
  EXPECT_EQ(colours, backColours);

  std::string bytes = ReadBytes("dark.scrn3");
  EXPECT_EQ(bytes.substr(0, 4), "2\t\r\n");
  EXPECT_NE(bytes.find("\r\n-10\t-11\t-12\t"), std::string::npos);
  int lines = 0;
  for (std::size_t at = bytes.find("\t\r\n"); at != std::string::npos; at = bytes.find("\t\r\n", at + 1)) ++lines;
  EXPECT_EQ(lines, 12);
}

TEST(DisplaySettingsFile, ShortLinesDoNotShiftTheNextOnes) {
  WorkingFolder folder;
  DisplaySettings settings;
  CustomColours colours;
  FillDisplaySettings(&settings, &colours);
  // Line 4 (sizes) holds 2 values, line 5 (weights) is not a number at all.
  std::string file = "1\t\r\nlogo.bmp\t\r\nArial\t\tTahoma\t\r\n-20\t-21\t\r\nbold\t\r\n";
  for (int line = 6; line <= 12; ++line) file += "7\t7\t\r\n";
  WriteBytes("short.scrn3", file);
  platform::ZeroBytes(settings.logoPath, sizeof settings.logoPath);
  ASSERT_TRUE(ReadDisplaySettingsFile("short.scrn3", &settings, &colours));
  EXPECT_EQ(settings.tableStyle, 1);
  EXPECT_STREQ(settings.logoPath, "logo.bmp");
  EXPECT_STREQ(settings.fonts[0].face, "Arial");
  EXPECT_NE(std::string(settings.fonts[1].face), "") << "an empty face leaves the field as it was";
  EXPECT_STREQ(settings.fonts[2].face, "Tahoma");
  EXPECT_EQ(settings.fonts[1].size, -21);
  EXPECT_EQ(settings.fonts[2].size, -12);
  EXPECT_EQ(settings.fonts[1].weight, 100);
  EXPECT_EQ(settings.fonts[0].italic, 7);
  EXPECT_EQ(settings.columnWidths[1], 7);
  EXPECT_EQ(settings.columnWidths[2], 222);
  EXPECT_EQ(colours[1], 7);

  EXPECT_FALSE(ReadDisplaySettingsFile("absent.scrn3", &settings, &colours));
  EXPECT_FALSE(WriteDisplaySettingsFile("absent/x.scrn3", settings, colours));
}

TEST(DisplaySettingsFile, ColumnWidthsStayWithinWhatTheDialogSets) {
  WorkingFolder folder;
  DisplaySettings settings, back = {};
  CustomColours colours, backColours = {};
  FillDisplaySettings(&settings, &colours);
  // The race screen multiplies and adds these: the ends of the int range would overflow it.
  const int written[kLiveColumnCount] = {INT_MIN, 5000, 999, 0, -1, INT_MAX, 666, 777, 888};
  std::memcpy(settings.columnWidths, written, sizeof written);
  ASSERT_TRUE(WriteDisplaySettingsFile("damaged.scrn3", settings, colours));
  ASSERT_TRUE(ReadDisplaySettingsFile("damaged.scrn3", &back, &backColours));
  const int expected[kLiveColumnCount] = {0, 999, 999, 0, 0, 999, 666, 777, 888};
  for (int i = 0; i < kLiveColumnCount; ++i) EXPECT_EQ(back.columnWidths[i], expected[i]) << i;
  EXPECT_EQ(colours, backColours) << "the line after the widths is still read";
}

TEST(DisplaySettingsFile, FactorySettingsFitTheRaceScreen) {
  WorkingFolder folder;
  ASSERT_TRUE(folder.InstallFactoryFile(kDisplaySettingsFile));
  DisplaySettings settings = {};
  CustomColours colours = {};
  ASSERT_TRUE(ReadDisplaySettingsFile(kDisplaySettingsFile, &settings, &colours));
  EXPECT_EQ(settings.tableStyle, 1);
  int sum = 100;  // the start-time column while the late start is on
  for (int width : settings.columnWidths) sum += width;
  EXPECT_LE(sum + 105 + 200, 1600) << "the header band ends inside a 1600-wide screen";
  for (const FontSpec& font : settings.fonts) {
    EXPECT_STREQ(font.face, "Arial");
    EXPECT_LT(font.size, 0);
  }
  EXPECT_NE(settings.displayColours[8], settings.displayColours[9]);
}

TEST(StageComment, OneLineWithTheConditionAndTheComment) {
  WorkingFolder folder;
  StageComment comment = {"Wet", " "};
  ASSERT_TRUE(WriteStageComment(comment));
  EXPECT_EQ(ReadBytes(kStageCommentFile), "Wet\t \t\r\n");
  StageComment back = {};
  ASSERT_TRUE(ReadStageComment(&back));
  EXPECT_STREQ(back.trackCondition, "Wet");
  EXPECT_STREQ(back.comment, " ");

  // A multi-line comment at full width comes back whole.
  std::string text(99, 'c');
  text.replace(20, 2, "\r\n");
  platform::CopyBounded(comment.comment, text.c_str());
  ASSERT_TRUE(WriteStageComment(comment));
  back = {};
  ASSERT_TRUE(ReadStageComment(&back));
  EXPECT_EQ(std::string(back.comment), text);

  WriteBytes(kStageCommentFile, "Pluie-verglas\t" + std::string(300, 'x') + "\t\r\n");
  back = {};
  ASSERT_TRUE(ReadStageComment(&back));
  EXPECT_STREQ(back.trackCondition, "Pluie-");
  EXPECT_EQ(std::string(back.comment), std::string(99, 'x'));

  platform::DeleteFileAt(kStageCommentFile);
  EXPECT_FALSE(ReadStageComment(&back));
}

#ifdef _WIN32
// A settings folder copied from a CD or on a locked share: reading its files asks for no
// write access.
TEST(SettingsFiles, ReadOnlyFilesAreStillRead) {
  WorkingFolder folder;
  WriteBytes(kDisplaySettingsFile, "1\t\r\nlogos/club.bmp\t\r\n");
  WriteBytes(kSoundSettingsFile, "SONLANGUEFrancais\r\n");
  WriteBytes(kCustomSoundsFile, "sons/go.wav\r\n");
  WriteBytes(kStageCommentFile, "Wet\tMuddy\t\r\n");
  testsupport::ReadOnlyFile display(kDisplaySettingsFile), sound(kSoundSettingsFile), custom(kCustomSoundsFile),
      stage(kStageCommentFile);
  for (const testsupport::ReadOnlyFile* file : {&display, &sound, &custom, &stage}) ASSERT_TRUE(file->held());

  char logo[kLogoPathSize];
  EXPECT_TRUE(ReadLogoPath(logo));
  EXPECT_STREQ(logo, "logos/club.bmp");
  static DisplaySettings settings;
  settings = {};
  CustomColours colours = {};
  EXPECT_TRUE(ReadDisplaySettingsFile(kDisplaySettingsFile, &settings, &colours));
  EXPECT_STREQ(settings.logoPath, "logos/club.bmp");
  SoundSettings sounds = {};
  EXPECT_TRUE(ReadSoundSettings(&sounds));
  EXPECT_STREQ(sounds.language, "SONLANGUEFrancais");
  static CustomSoundPaths paths;
  ClearCustomSoundPaths(&paths);
  EXPECT_TRUE(ReadCustomSoundsFile(kCustomSoundsFile, &paths));
  EXPECT_STREQ(paths.path[0], "sons/go.wav");
  StageComment comment = {};
  EXPECT_TRUE(ReadStageComment(&comment));
  EXPECT_STREQ(comment.comment, "Muddy");
  // The file is locked indeed: a writer is refused.
  EXPECT_FALSE(WriteStageComment(comment));
}
#endif
