// The event file: a header line written over a reserve, then titled sections, each an empty
// line, a title line ("%s\t") and a body written over a reserve of "1\t" pairs. Sections are
// appended the first time they are written and rewritten in place afterwards. The
// championship classification file uses the same titles, reserves and lookup.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/message_box.h"
#include "platform/text_file.h"
#include "race/event_records.h"
#include "resources/texts.h"

// The working copy, relative to the working folder.
inline constexpr const char* kRallyFilePath = "Private/Rallye.rall";

inline constexpr int kHeaderReservePairs = 168;
inline constexpr std::size_t kHeaderSize = 2 * kHeaderReservePairs;  // characters before the line end

// Titles live in zero-filled buffers of this size: at most 104 characters.
inline constexpr int kSectionTitleSize = 105;

// Section keys, formatted with the rally number (and the stage number for a stage).
inline constexpr const char* kTreeviewFlagsKey = "CourseRallyeDrapeauxTreeview";
inline constexpr const char* kTrackKey = "PisteRallye";
inline constexpr const char* kParticipantsKey = "CourseRallye%dListeParticipants";
inline constexpr const char* kParticipantAgesKey = "CourseRallye%dAgeParticipants";
inline constexpr const char* kStartOrderKey = "CourseRallye%dRépartition";
inline constexpr const char* kRallyParametersKey = "CourseRallye%dParamètres";
inline constexpr const char* kStartTypeKey = "CourseRallye%dParamètres2";
inline constexpr const char* kStageResultsKey = "CourseRallye%dES%d";
inline constexpr const char* kPenaltiesKey = "CourseRallyePenalites";
inline constexpr const char* kRallyClassificationKey = "CourseRallye%dClassementRallye";
inline constexpr const char* kRallyClassificationOptionsKey = "CourseRallye%dClassementRallye2";
inline constexpr const char* kRallyClassificationRowsKey = "CourseRallye%dClassementRallye3";
inline constexpr const char* kPowerStageClassificationKey = "CourseRallye%dClassementPowerStage";

// Reserves, in "1\t" pairs. A stage's reserve follows its participant count (StageResultsReserve).
inline constexpr int kTreeviewFlagsReserve = 900;
inline constexpr int kTrackReserve = 103;
inline constexpr int kParticipantsReserve = 18220;
inline constexpr int kParticipantAgesReserve = 6300;
inline constexpr int kStartOrderReserve = 4115;
inline constexpr int kRallyParametersReserve = 10;
inline constexpr int kStartTypeReserve = 5;
inline constexpr int kPenaltiesReserve = 1280;
inline constexpr int kRallyClassificationReserve = 5;
inline constexpr int kRallyClassificationOptionsReserve = 5;
inline constexpr int kSavedClassificationReserve = 12801;

// The rally number of a TreeNodeCode.
constexpr int RallyOfNode(int selectedNode) { return selectedNode / 10000; }
// The rally of the selected node when it is one of the event's rallies, else 0 (the Track
// node, or a header that could not be read).
constexpr int EventRallyOfNode(int selectedNode, int rallyCount) {
  return RallyOfNode(selectedNode) >= 1 && RallyOfNode(selectedNode) <= rallyCount ? RallyOfNode(selectedNode) : 0;
}

// Clears the title buffer and formats the key into it (cut to 104 characters).
void FormatSectionTitle(char (&title)[kSectionTitleSize], const char* key, ...)
    __attribute__((format(printf, 2, 3)));

// Looks the title up from the top of the file. Only a title line counts: a line that follows
// an empty line and whose first field (up to TAB or line end) equals the title; body lines
// never match. Found: line holds the title, the first byte of the line after the title line
// is returned and already consumed. Not found: line is empty, the file stands at its end and
// EOF is returned. Callers tell "found" by comparing line with title.
int FindRallySection(platform::TextFile& file, char (&line)[kSectionTitleSize], const char* title);

// The same, for callers that only ask whether the section is there: true when found, with
// *firstByte the body's first byte (already consumed).
bool FindTitledSection(platform::TextFile& file, const char* title, int* firstByte);
// The section "key" of a rally (key holds the rally's "%d", or none).
bool FindRallySectionOf(platform::TextFile& file, const char* key, int rally, int* firstByte);

// A body rendered in memory before it is written: "%s\t" and "%d\t" fields, "\n" line ends.
class SectionBody {
 public:
  // At most maxLength bytes of the field are taken. A TAB would split the field and a line
  // end could start an empty line, which ends a section: they become blanks, except the
  // CR LF pairs of a multi-line comment when keepLineBreaks is set (its reader stops at the
  // TAB only, and on disk such a pair never makes an empty line).
  SectionBody& AddText(const char* field, std::size_t maxLength = static_cast<std::size_t>(-1),
                       bool keepLineBreaks = false);
  SectionBody& AddInt(int value);
  SectionBody& EndLine();

  const std::string& text() const { return text_; }
  // The bytes on disk: every "\n" as CR LF.
  std::string DiskBytes() const;

 private:
  std::string text_;
};

enum class MissingSection { Append, Refuse };

// The one section writer. Finds the title and measures the section's extent on disk (up to
// the empty line before the next title, or the end of the file). A body that fits is written
// at the start of the extent and the rest is filled with "1\t" pairs and a line end. A body
// that does not fit is never written over the next section: the old title is spoiled (its
// first byte becomes a TAB, so no lookup finds it) and the section is appended afresh with a
// reserve large enough. A missing section is appended with reservePairs, unless the caller
// refuses it: then missingTitleMessage is shown. True when the body is on disk.
bool WriteRallySection(platform::WindowHandle owner, platform::TextFile& file, const char* title,
                       int reservePairs, const SectionBody& body, Text missingTitleMessage,
                       MissingSection missing = MissingSection::Append);

// A section as one scan of the file found it: its title and the first byte of its body.
struct SectionLocation {
  char title[kSectionTitleSize];
  long titleLine;
  long body;
};
// Every titled section of the file in file order, in one scan, for work over many sections
// that would otherwise look each one up from the top. A title that stands twice is listed
// once, where the lookup finds it (the first). A title line whose first field is longer than
// a title is no section.
std::vector<SectionLocation> ListSections(platform::TextFile& file);
// WriteRallySection for a section that ListSections found (the file unchanged since): the
// same writing, without looking the title up again.
bool RewriteListedSection(platform::WindowHandle owner, platform::TextFile& file, const SectionLocation& section,
                          int reservePairs, const SectionBody& body);

// Opens the working copy and reads the header; the records are cleared first, the rally count
// is clamped to 0..9 and the per-rally counts to their tables. False when the file cannot be
// opened.
bool ReadRallyFileHeader(int* selectedNode, int* rallyCount, RallyRecord rallies[kMaxRallies]);
// The same from any event file, open at any position.
void ReadRallyFileHeaderFrom(platform::TextFile& file, int* selectedNode, int* rallyCount,
                             RallyRecord rallies[kMaxRallies]);
// Rewrites the header over its reserve. Refuses with a message, writing nothing, a header that
// would not fit in its 336 characters. False also when the file cannot be opened. A first line
// that is not the reserve is replaced through a rewritten copy of the file (an empty one is
// kept after the header): the sections after it stay whole.
bool WriteRallyFileHeader(platform::WindowHandle owner, int selectedNode, int rallyCount,
                          const RallyRecord rallies[kMaxRallies]);

// The same, telling the operator that the event file is missing when it cannot be opened
// (a header too long has already been told).
bool RewriteRallyFileHeader(platform::WindowHandle owner, int selectedNode, int rallyCount,
                            const RallyRecord rallies[kMaxRallies]);

// True when the header line of these rallies fits its reserve.
bool RallyHeaderFits(int selectedNode, int rallyCount, const RallyRecord rallies[kMaxRallies]);

// Creates the working copy of a new event: one rally of that name, selected, without
// participants or stages, and the tree-view flags section with every value 0. False when the
// file cannot be created or written.
bool WriteFreshEvent(platform::WindowHandle owner, const char* rallyName);
