#include "race/event_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/build_profile.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/text_file.h"
#include "tests/race/event_folder.h"

using testsupport::EventFolder;
using testsupport::Pairs;
using testsupport::Section;

namespace {

const std::string kFreshHeader = "10000\t1\tRALLY 1\t0\t0\t0\t" + Pairs(157) + "\r\n";

std::string FreshFlags() {
  std::string zeros;
  for (int i = 0; i < 891; ++i) zeros += "0\t";
  return Section("CourseRallyeDrapeauxTreeview", 900, zeros + "\n");
}

SectionBody Numbers(std::initializer_list<int> values) {
  SectionBody body;
  for (int value : values) body.AddInt(value);
  body.EndLine();
  return body;
}

bool Write(const char* title, int pairs, const SectionBody& body, MissingSection missing = MissingSection::Append,
           const char* mode = "r+") {
  platform::TextFile file(kRallyFilePath, mode);
  return WriteRallySection(nullptr, file, title, pairs, body, Text::StageTitleNotFound, missing);
}

// The numbers on the first line of the section's body, or "missing".
std::string FirstLine(const char* title) {
  platform::TextFile file(kRallyFilePath, "r+");
  char line[kSectionTitleSize];
  int first = FindRallySection(file, line, title);
  if (std::strcmp(line, title) != 0) return "missing";
  if (first == EOF) return "";
  file.Seek(-1, SEEK_CUR);
  char text[256];
  file.ReadLine(text, sizeof text);
  return text;
}

RallyRecord Rally(const char* name, int participants, int results, int stages) {
  RallyRecord rally = {};
  std::strncpy(rally.name, name, sizeof rally.name - 1);
  rally.participantCount = participants;
  rally.hasResults = results;
  rally.stageCount = stages;
  return rally;
}

}  // namespace

TEST(EventFile, FreshEventIsByteExactAndReadsBack) {
  EventFolder folder;
  ASSERT_TRUE(WriteFreshEvent(nullptr, "RALLY 1"));
  EXPECT_EQ(folder.Bytes(), kFreshHeader + FreshFlags());
  EXPECT_EQ(kFreshHeader.size(), 338u) << "the header keeps its 336 characters and the line end";

  int node = -1, count = -1;
  RallyRecord rallies[kMaxRallies];
  ASSERT_TRUE(ReadRallyFileHeader(&node, &count, rallies));
  EXPECT_EQ(node, 10000);
  ASSERT_EQ(count, 1);
  EXPECT_STREQ(rallies[0].name, "RALLY 1");
  EXPECT_EQ(rallies[0].participantCount + rallies[0].hasResults + rallies[0].stageCount, 0);
  EXPECT_TRUE(platform::test::Messages().empty());
}

TEST(EventFile, HeaderIsRewrittenOverItsReserveAndRefusedWhenTooLong) {
  EventFolder folder;
  ASSERT_TRUE(WriteFreshEvent(nullptr, "RALLY 1"));
  const std::string fresh = folder.Bytes();

  // Nine names of 29 characters with full counts need 359 characters: refused, nothing written.
  RallyRecord rallies[kMaxRallies];
  for (int i = 0; i < kMaxRallies; ++i) rallies[i] = Rally(std::string(29, char('A' + i)).c_str(), 200, 1, 99);
  EXPECT_FALSE(WriteRallyFileHeader(nullptr, 90000, 9, rallies));
  EXPECT_EQ(folder.Bytes(), fresh);
  ASSERT_EQ(platform::test::Messages().size(), 1u);
  EXPECT_EQ(platform::test::Messages()[0].text, Tr(Text::RallyHeaderTooLong));
  EXPECT_EQ(platform::test::Messages()[0].caption, Tr(Text::CaptionError));

  // Names of 20 fit (278 characters); the rest of line 1 stays pairs and the sections stay.
  std::string header = "30104\t9\t";
  for (int i = 0; i < kMaxRallies; ++i) {
    rallies[i] = Rally(std::string(20, char('a' + i)).c_str(), 200, i % 2, 99);
    header += std::string(20, char('a' + i)) + "\t200\t" + std::to_string(i % 2) + "\t99\t";
  }
  ASSERT_EQ(header.size(), 278u);
  ASSERT_TRUE(WriteRallyFileHeader(nullptr, 30104, 9, rallies));
  EXPECT_EQ(folder.Bytes(), header + Pairs(29) + "\r\n" + FreshFlags());

  int node = 0, count = 0;
  RallyRecord read[kMaxRallies];
  ASSERT_TRUE(ReadRallyFileHeader(&node, &count, read));
  EXPECT_EQ(node, 30104);
  ASSERT_EQ(count, 9);
  for (int i = 0; i < kMaxRallies; ++i) {
    EXPECT_STREQ(read[i].name, rallies[i].name);
    EXPECT_EQ(read[i].hasResults, i % 2);
    EXPECT_EQ(read[i].stageCount, 99);
  }
}

TEST(EventFile, HeaderOverAShortFirstLineLeavesTheSectionsWhole) {
  EventFolder folder;
  const std::string sections = FreshFlags() + Section("CourseRallye1Param\xE8tres", 10, "30\t0\t2\t\n");
  RallyRecord rallies[kMaxRallies] = {Rally("RALLY 1", 4, 0, 2)};
  std::string header = "20000\t1\tRALLY 1\t4\t0\t2\t";
  header += Pairs(kHeaderReservePairs - static_cast<int>(header.size()) / 2) + "\r\n";

  // A header line shorter than its reserve (written by hand or by another program), and one
  // that is longer: the header takes the first line's place at its own size.
  for (const std::string& firstLine : {std::string("10000\t1\tRALLY 1\t0\t0\t0\t\r\n"),
                                       "10000\t1\tR\t0\t0\t0\t" + Pairs(200) + "\r\n"}) {
    folder.SetBytes(firstLine + sections);
    ASSERT_TRUE(WriteRallyFileHeader(nullptr, 20000, 1, rallies));
    EXPECT_EQ(folder.Bytes(), header + sections);
    EXPECT_EQ(FirstLine("CourseRallyeDrapeauxTreeview").substr(0, 4), "0\t0\t");
    EXPECT_EQ(FirstLine("CourseRallye1Param\xE8tres"), "30\t0\t2\t");
    EXPECT_FALSE(platform::FileExists("Private/Rallye.rall.tmp"));
  }

  // No header line at all: the file begins with the empty line before the first title, which
  // stays; an empty file just gets the header.
  folder.SetBytes(sections);
  ASSERT_TRUE(WriteRallyFileHeader(nullptr, 20000, 1, rallies));
  EXPECT_EQ(folder.Bytes(), header + sections);
  folder.SetBytes("");
  ASSERT_TRUE(WriteRallyFileHeader(nullptr, 20000, 1, rallies));
  EXPECT_EQ(folder.Bytes(), header);
  EXPECT_TRUE(platform::test::Messages().empty());
}

TEST(EventFile, HeaderReadsEmptyNamesClampsCountsAndBoundsNames) {
  EventFolder folder;
  ASSERT_TRUE(WriteFreshEvent(nullptr, "RALLY 1"));
  // The tree accepts an empty rally name: the rallies after it must not shift.
  RallyRecord rallies[kMaxRallies] = {Rally("First", 3, 1, 4), Rally("", 5, 0, 6), Rally("Third", 7, 0, 8)};
  ASSERT_TRUE(WriteRallyFileHeader(nullptr, 20000, 3, rallies));
  int node = 0, count = 0;
  RallyRecord read[kMaxRallies];
  ASSERT_TRUE(ReadRallyFileHeader(&node, &count, read));
  ASSERT_EQ(count, 3);
  EXPECT_STREQ(read[1].name, "");
  EXPECT_EQ(read[1].participantCount, 5);
  EXPECT_EQ(read[1].stageCount, 6);
  EXPECT_STREQ(read[2].name, "Third");
  EXPECT_EQ(read[2].participantCount, 7);

  // A damaged header: counts beyond the tables and a name beyond its field.
  folder.SetBytes("10000\t50\t" + std::string(80, 'N') + "\t9999\t1\t500\t\r\n");
  ASSERT_TRUE(ReadRallyFileHeader(&node, &count, read));
  EXPECT_EQ(count, kMaxRallies);
  EXPECT_EQ(std::string(read[0].name), std::string(29, 'N'));
  EXPECT_EQ(read[0].participantCount, kMaxParticipants);
  EXPECT_EQ(read[0].stageCount, kMaxStages);
  EXPECT_STREQ(read[1].name, "") << "the line ended: nothing more is read";

  folder.SetBytes("");
  ASSERT_TRUE(ReadRallyFileHeader(&node, &count, read));
  EXPECT_EQ(count, 0);
}

TEST(EventFile, SectionRewrittenInPlaceKeepsItsPlaceAndAShorterBodyReadsBackExactly) {
  EventFolder folder;
  ASSERT_TRUE(WriteFreshEvent(nullptr, "RALLY 1"));
  char parameters[kSectionTitleSize], startType[kSectionTitleSize];
  FormatSectionTitle(parameters, kRallyParametersKey, 1);
  FormatSectionTitle(startType, kStartTypeKey, 1);
  ASSERT_TRUE(Write(parameters, kRallyParametersReserve, Numbers({60, 0, 2})));
  ASSERT_TRUE(Write(startType, kStartTypeReserve, Numbers({1})));
  const std::string head = kFreshHeader + FreshFlags();
  EXPECT_EQ(folder.Bytes(), head + Section(parameters, 10, "60\t0\t2\t\n") + Section(startType, 5, "1\t\n"));

  ASSERT_TRUE(Write(parameters, kRallyParametersReserve, Numbers({1234567, 1234567, 7})));
  ASSERT_TRUE(Write(parameters, kRallyParametersReserve, Numbers({120, 5, 3})));
  EXPECT_EQ(folder.Bytes(), head + Section(parameters, 10, "120\t5\t3\t\n") + Section(startType, 5, "1\t\n"))
      << "no trace of the longer body is left";
  EXPECT_EQ(FirstLine(parameters), "120\t5\t3\t");
  EXPECT_EQ(FirstLine(startType), "1\t");
  EXPECT_TRUE(platform::test::Messages().empty());
}

TEST(EventFile, TitlesThatArePrefixesOfOthersAreNeverConfused) {
  EventFolder folder;
  ASSERT_TRUE(WriteFreshEvent(nullptr, "RALLY 1"));
  struct {
    const char* key;
    int value;
  } const sections[] = {{"CourseRallye1ES10", 10},         {"CourseRallye1ES1", 1},
                        {"CourseRallye1Paramètres2", 22},  {"CourseRallye1Paramètres", 21},
                        {"CourseRallye1ClassementRallye3", 33}, {"CourseRallye1ClassementRallye2", 32},
                        {"CourseRallye1ClassementRallye", 31}};
  // Each longer title is written first, so a prefix match would find it.
  EXPECT_EQ(FirstLine("CourseRallye1ES1"), "missing");
  for (const auto& section : sections) ASSERT_TRUE(Write(section.key, 5, Numbers({section.value})));
  for (const auto& section : sections) {
    EXPECT_EQ(FirstLine(section.key), std::to_string(section.value) + "\t") << section.key;
  }
  EXPECT_EQ(FirstLine("CourseRallye1ES"), "missing");
  EXPECT_EQ(FirstLine("CourseRallye1ES100"), "missing");
}

TEST(EventFile, Windows1252TitlesMatchByteForByte) {
  EventFolder folder;
  ASSERT_TRUE(WriteFreshEvent(nullptr, "RALLY 1"));
  char title[kSectionTitleSize];
  FormatSectionTitle(title, kStartOrderKey, 3);
  ASSERT_EQ(std::strlen(title), 24u);
  ASSERT_TRUE(Write(title, 5, Numbers({0})));
  EXPECT_NE(folder.Bytes().find("\r\n\r\nCourseRallye3R\xE9partition\t\r\n0\t\r\n"), std::string::npos);
  EXPECT_EQ(FirstLine(title), "0\t");
  EXPECT_EQ(FirstLine("CourseRallye3Repartition"), "missing");
  EXPECT_EQ(FirstLine("CourseRallye3R\xC3\xA9partition"), "missing") << "UTF-8 is another title";
}

TEST(EventFile, BodyLinesAreNeverTakenForTitles) {
  EventFolder folder;
  ASSERT_TRUE(WriteFreshEvent(nullptr, "RALLY 1"));
  // Participants named like sections: the first body line follows the title line, the others
  // follow body lines; none is a title line.
  SectionBody body;
  body.AddText("PisteRallye").AddText("Team").EndLine();
  body.AddText("CourseRallye1ES1").AddText("Team").EndLine();
  ASSERT_TRUE(Write("CourseRallye1ListeParticipants", 50, body));
  EXPECT_EQ(FirstLine("PisteRallye"), "missing");
  EXPECT_EQ(FirstLine("CourseRallye1ES1"), "missing");

  ASSERT_TRUE(Write("PisteRallye", kTrackReserve, SectionBody().AddText("Event").EndLine()));
  EXPECT_EQ(FirstLine("PisteRallye"), "Event\t");
  EXPECT_EQ(FirstLine("CourseRallye1ListeParticipants"), "PisteRallye\tTeam\t");

  // The last line of the file holds the title as its first field: the line buffer must not
  // say "found".
  folder.SetBytes(kFreshHeader + "\r\nCourseRallye1ES1\t\r\nPisteRallye\t");
  platform::TextFile file(kRallyFilePath, "r+");
  char line[kSectionTitleSize];
  EXPECT_EQ(FindRallySection(file, line, "PisteRallye"), EOF);
  EXPECT_STREQ(line, "");
}

TEST(EventFile, BodyLongerThanItsPlaceMovesTheSectionAndLeavesTheNextOneAlone) {
  EventFolder folder;
  ASSERT_TRUE(WriteFreshEvent(nullptr, "RALLY 1"));
  ASSERT_TRUE(Write("Alpha", 5, Numbers({1})));
  ASSERT_TRUE(Write("Beta", 5, Numbers({2})));
  const std::string before = folder.Bytes();
  const std::size_t alpha = before.find("\r\n\r\nAlpha\t") + 4;

  // 39 bytes on disk do not fit in 12: Alpha's title is spoiled and it moves to the end with
  // a reserve of 19 pairs (40 bytes, so its last byte is the reserve's lone LF).
  SectionBody longer;
  for (int i = 0; i < 3; ++i) longer.AddText("abcdefghij").EndLine();
  ASSERT_TRUE(Write("Alpha", 5, longer));
  std::string expected = before;
  expected[alpha] = '\t';
  expected += Section("Alpha", 19, "abcdefghij\t\nabcdefghij\t\nabcdefghij\t\n");
  EXPECT_EQ(folder.Bytes(), expected);
  EXPECT_EQ(FirstLine("Alpha"), "abcdefghij\t");
  EXPECT_EQ(FirstLine("Beta"), "2\t");

  // From now on it is rewritten in its new place.
  const std::size_t length = folder.Bytes().size();
  ASSERT_TRUE(Write("Alpha", 5, Numbers({3})));
  EXPECT_EQ(folder.Bytes().size(), length);
  EXPECT_EQ(FirstLine("Alpha"), "3\t");
  EXPECT_TRUE(platform::test::Messages().empty());
}

// One scan lists every section where the lookup finds it; a listed section is rewritten as
// the section writer would.
TEST(EventFile, SectionsAreListedInOneScanAndRewrittenInTheirPlace) {
  EventFolder folder;
  ASSERT_TRUE(WriteFreshEvent(nullptr, "RALLY 1"));
  ASSERT_TRUE(Write("Alpha", 5, Numbers({1})));
  ASSERT_TRUE(Write("Beta", 5, Numbers({2})));
  // A title standing twice is the first one's; an over-long first field is no title; a title
  // line may carry more after its TAB, beyond the scan's window.
  folder.SetBytes(folder.Bytes() + "\r\nAlpha\t\r\n9\t\r\n\r\n" + std::string(kSectionTitleSize, 'T') +
                  "\t\r\nx\r\n\r\nGamma\t" + std::string(300, 'g') + "\r\n7\t\r\n");
  platform::TextFile file(kRallyFilePath, "r+");
  std::vector<SectionLocation> sections = ListSections(file);
  std::vector<std::string> titles;
  for (const SectionLocation& s : sections) titles.push_back(s.title);
  EXPECT_EQ(titles, (std::vector<std::string>{kTreeviewFlagsKey, "Alpha", "Beta", "Gamma"}));
  for (const SectionLocation& s : sections) {
    char line[kSectionTitleSize];
    FindRallySection(file, line, s.title);
    EXPECT_EQ(file.Tell() - 1, s.body) << s.title;
  }
  const std::string before = folder.Bytes();
  ASSERT_TRUE(RewriteListedSection(nullptr, file, sections[2], 5, Numbers({42})));
  file.Close();
  EXPECT_EQ(folder.Bytes().substr(0, static_cast<std::size_t>(sections[2].body)),
            before.substr(0, static_cast<std::size_t>(sections[2].body)));
  EXPECT_EQ(FirstLine("Beta"), "42\t");
  EXPECT_EQ(FirstLine("Alpha"), "1\t");
  EXPECT_EQ(FirstLine("Gamma"), "7\t");
  EXPECT_EQ(folder.Bytes().size(), before.size());
}

TEST(EventFile, MissingOrUnwritableSectionsAreReportedAndLeaveTheFileAsItWas) {
  EventFolder folder;
  ASSERT_TRUE(WriteFreshEvent(nullptr, "RALLY 1"));
  const std::string fresh = folder.Bytes();

  EXPECT_FALSE(Write("CourseRallye1ListeParticipants", 10, Numbers({1}), MissingSection::Refuse));
  EXPECT_FALSE(Write("", 10, Numbers({1})));
  EXPECT_FALSE(Write(std::string(kSectionTitleSize, 'T').c_str(), 10, Numbers({1})));
  EXPECT_FALSE(Write("Two\tfields", 10, Numbers({1})));
  EXPECT_EQ(folder.Bytes(), fresh);
  ASSERT_EQ(platform::test::Messages().size(), 4u);
  for (const auto& message : platform::test::Messages()) {
    EXPECT_EQ(message.text, Tr(Text::StageTitleNotFound));
    EXPECT_EQ(message.caption, Tr(Text::CaptionError));
  }
  platform::test::ClearMessages();

  // A longest title of 104 characters is fine; a stream that cannot be written is no success.
  EXPECT_TRUE(Write(std::string(kSectionTitleSize - 1, 'T').c_str(), 10, Numbers({1})));
  EXPECT_FALSE(Write("Gamma", 10, Numbers({1}), MissingSection::Append, "r"));
  ASSERT_EQ(platform::test::Messages().size(), 1u);
  EXPECT_EQ(platform::test::Messages()[0].text, Tr(Text::EventFileNotWritten));
  EXPECT_EQ(FirstLine("Gamma"), "missing");

  // The working copy is missing: the header and the fresh event report it.
  platform::DeleteFileAt(kRallyFilePath);
  RallyRecord rallies[kMaxRallies] = {Rally("R", 0, 0, 0)};
  EXPECT_FALSE(WriteRallyFileHeader(nullptr, 10000, 1, rallies));
  int node = 0, count = 0;
  EXPECT_FALSE(ReadRallyFileHeader(&node, &count, rallies));
  EXPECT_FALSE(platform::FileExists(kRallyFilePath)) << "an update never creates the file";
}

TEST(EventFile, EmptyAndTruncatedFilesNeverHangAndStayWritable) {
  EventFolder folder;
  folder.SetBytes("");
  {
    platform::TextFile file(kRallyFilePath, "r+");
    char line[kSectionTitleSize];
    EXPECT_EQ(FindRallySection(file, line, "PisteRallye"), EOF);
    EXPECT_STREQ(line, "");
  }

  ASSERT_TRUE(WriteFreshEvent(nullptr, "RALLY 1"));
  ASSERT_TRUE(Write("CourseRallye1Paramètres", 10, Numbers({60, 0, 2})));
  SectionBody stage;
  for (int i = 0; i < 20; ++i) stage.AddText("Driver").AddInt(3).AddInt(61000 + i).EndLine();
  ASSERT_TRUE(Write("CourseRallye1ES1", 400, stage));
  ASSERT_TRUE(Write("PisteRallye", kTrackReserve, SectionBody().AddText("Event").EndLine()));
  const std::string whole = folder.Bytes();

  // A crash may cut the file anywhere: every lookup ends, and a section written afterwards
  // can be found again.
  for (std::size_t cut = 0; cut < whole.size(); cut += 7) {
    folder.SetBytes(whole.substr(0, cut));
    int node = 0, count = 0;
    RallyRecord rallies[kMaxRallies];
    ASSERT_TRUE(ReadRallyFileHeader(&node, &count, rallies));
    for (const char* title : {"CourseRallyeDrapeauxTreeview", "CourseRallye1ES1", "PisteRallye"}) FirstLine(title);
    ASSERT_TRUE(Write("CourseRallye1Paramètres", 10, Numbers({7, 8, 9}))) << cut;
    ASSERT_EQ(FirstLine("CourseRallye1Paramètres"), "7\t8\t9\t") << cut;
  }
  // Without its last line end the file still holds every section, and a new one appended
  // to it begins on a title line of its own.
  folder.SetBytes(whole.substr(0, whole.size() - 2));
  EXPECT_EQ(FirstLine("PisteRallye"), "Event\t");
  ASSERT_TRUE(Write("Delta", 5, Numbers({4})));
  EXPECT_EQ(FirstLine("Delta"), "4\t");
  EXPECT_EQ(FirstLine("PisteRallye"), "Event\t");
  EXPECT_TRUE(platform::test::Messages().empty());
}

TEST(EventFile, OverLongFirstFieldsAreBoundedAndNeverMatchTheirPrefix) {
  EventFolder folder;
  const std::string title(kSectionTitleSize - 2, 'T');  // 103 characters
  folder.SetBytes(kFreshHeader + "\r\n" + std::string(3000, 'C') + "\t\r\n1\t\r\n" + "\r\n" + title + "TT\t\r\n2\t\r\n" +
                  "\r\n" + title + "\r\n3\t\r\n");
  EXPECT_EQ(FirstLine(title.c_str()), "3\t") << "a title line may end without its TAB";
  EXPECT_EQ(FirstLine((title + "T").c_str()), "missing");
}

TEST(EventFile, TitleLinesAreFoundAtEveryAlignmentAndAcrossReadBlocks) {
  EventFolder folder;
  // The empty line before the title at every place within the blocks the lookup tests
  // together, with either line end.
  for (std::size_t pad = 0; pad < 70; ++pad) {
    const char* empty = pad % 2 ? "\r\n" : "\n";
    folder.SetBytes("H\t\r\n" + std::string(pad, 'x') + "\t\r\n" + empty + "Title\t\r\n5\t\r\n\r\nTitle2\t\r\n6\t\r\n");
    ASSERT_EQ(FirstLine("Title"), "5\t") << pad;
    ASSERT_EQ(FirstLine("Title2"), "6\t") << pad;
  }
  // Around the boundary of the lookup's first read of 256 KiB.
  for (int shift = -4; shift <= 3; ++shift) {
    std::string bytes = "H\t\r\n" + std::string(256 * 1024 + shift - 6, 'x') + "\t\r\n";
    folder.SetBytes(bytes + "\r\nTitle\t\r\n5\t\r\n");
    ASSERT_EQ(FirstLine("Title"), "5\t") << shift;
    ASSERT_TRUE(Write("Title", 5, Numbers({7})));
    const std::string written = folder.Bytes();
    ASSERT_TRUE(written == bytes + "\r\nTitle\t\r\n7\t\r\n") << shift << ": " << written.substr(bytes.size() - 8);
  }
}
