#include "results/web_publishing.h"

#include <cstring>

#include "app/build_profile.h"
#include "platform/bounded.h"
#include "platform/files.h"
#include "platform/text_file.h"
#include "race/text_fields.h"

namespace {

void PrintLines(platform::TextFile& file, const char* const* texts, int count, const char* ending) {
  for (int i = 0; i < count; ++i) file.Printf("%s%s", texts[i] ? texts[i] : "", ending);
}

// Copies line into field, at most the field's width, blanks included.
template <std::size_t N>
bool ReadLineInto(platform::TextFile& file, char (&field)[N]) {
  char line[512];
  if (!file.ReadLine(line, sizeof line)) return false;
  platform::CopyBounded(field, line);
  return true;
}

}  // namespace

void WriteWebCoordinates(platform::WindowHandle owner, const char* eventFolder, const char* championship,
                         const char* videoLinks, int connected, int publishingActive) {
  platform::CreateFolder(kWebResultsFolder);
  platform::TextFile file(kWebCoordinatesFile, "w+");
  if (!file) {
    platform::ShowMessage(owner, Tr(Text::WebCoordinatesNotWritten), Tr(Text::CaptionErreur), platform::kMbOk);
    return;
  }
  file.Printf("%d\t%d\t\n", connected, publishingActive);
  const char* texts[] = {eventFolder, championship, videoLinks};
  PrintLines(file, texts, 3, "\n");
}

void ReadWebCoordinates(platform::WindowHandle, char (&eventFolder)[41], char (&championship)[20],
                        char (&videoLinks)[200], int* connected, int* publishingActive) {
  platform::CreateFolder(kWebResultsFolder);
  platform::TextFile file(kWebCoordinatesFile, "r+");
  if (!file) return;
  platform::ZeroBytes(eventFolder, sizeof eventFolder);
  platform::ZeroBytes(championship, sizeof championship);
  platform::ZeroBytes(videoLinks, sizeof videoLinks);
  // The clamping reader: a number beyond int must not wrap round to a flag that is on.
  int values[2];
  if (ReadNumberField(file, &values[0]) && ReadNumberField(file, &values[1])) {
    *connected = values[0];
    *publishingActive = values[1];
  }
  SkipRestOfLine(file);
  // A line per text: an empty text keeps its line, so nothing moves up into its place.
  ReadLineInto(file, eventFolder) && ReadLineInto(file, championship) && ReadLineInto(file, videoLinks);
}

bool WriteLiveResultsFile(const char* path, const StageDisplayRow rows[kMaxParticipants],
                          const StageClockTexts& clock, const char* stageTitle, const char* videoLinks,
                          int rowCount, int stageState, int international) {
  platform::TextFile file(path, "w+");
  if (!file) return false;
  // The count heads the rows that follow: both are clamped alike.
  int count = ClampParticipantCount(rowCount);
  file.Printf("%d\n%d\n%d\n", count, stageState, international);
  char elapsed[sizeof clock.elapsedText + 1];
  platform::ZeroBytes(elapsed, sizeof elapsed);
  std::memcpy(elapsed, clock.elapsedText, sizeof clock.elapsedText);
  file.Printf("%s\t\n", elapsed);
  for (int i = 0; i < count; ++i) {
    const StageDisplayRow& row = rows[i];
    file.Printf("%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%d\t%d\t\n", row.rankText, row.carNumber, row.name,
                row.category, row.team, row.timeText, row.gapToLeaderText, row.gapToPreviousText, row.state,
                row.equalsBest);
  }
  file.Printf("%s\t\n%s\t\n", stageTitle, videoLinks);
  return file.Flush();
}

bool WriteParticipantsArchive(const char* path, const ParticipantRecord participants[kMaxParticipants],
                              const char* championship, const char* eventName, const char* location,
                              const char* date, const char* raceDirector, const char* hostingClub,
                              int participantCount, int international) {
  platform::TextFile file(path, "w+");
  if (!file) return false;
  file.Printf("%d\n%d\n", ClampParticipantCount(participantCount), international);
  const char* texts[] = {championship, eventName, location, date, raceDirector, hostingClub};
  PrintLines(file, texts, 6, "\n");
  for (int i = 0; i < ClampParticipantCount(participantCount); ++i) {
    const ParticipantRecord& p = participants[i];
    file.Printf("%s\t%s\t%s\t%s\t%s\t%s\t\n", p.carNumber, p.name, p.ageCategoryCode, p.team, p.car,
                p.carCategory);
  }
  return file.Flush();
}

bool WriteStageClassificationArchive(const char* path, const ClassificationRow rows[kMaxParticipants],
                                     const PenaltyRecord eventPenalties[kMaxPenalties],
                                     const PenaltyNote notes[kMaxPenalties], const char* trackCondition,
                                     const char* comment, const ArchiveEvent& event, int rowCount,
                                     int noteCount, int eventPenaltyCount, int international) {
  platform::TextFile file(path, "w+");
  if (!file) return false;
  file.Printf("%d\n%d\n%d\n%d\n", rowCount, noteCount, eventPenaltyCount, international);
  const char* texts[] = {event.championship, event.eventName,   event.location, event.date,   event.raceDirector,
                         event.hostingClub,  event.rallyName,   comment,        trackCondition};
  PrintLines(file, texts, 9, "\t\n");
  for (int i = 0; i < ClampParticipantCount(rowCount); ++i) {
    const ClassificationRow& r = rows[i];
    file.Printf("%s\t%s\t%s\t%s\t%s\t%d\t%d\t%d\t%d\t\n", r.carNumber, r.name, r.ageCode, r.team, r.category,
                r.state, r.time, r.gapToLeader, r.gapToPrevious);
  }
  int notesWritten = noteCount < 0 ? 0 : noteCount > kMaxPenalties ? kMaxPenalties : noteCount;
  for (int i = 0; i < notesWritten; ++i) {
    file.Printf("%s\t%s\t%d\t%d\t\n", notes[i].name, notes[i].code, notes[i].duration, notes[i].kind);
  }
  int codes = eventPenaltyCount < 0 ? 0 : eventPenaltyCount > kMaxPenalties ? kMaxPenalties : eventPenaltyCount;
  for (int i = 0; i < codes; ++i) file.Printf("%s\t\n", eventPenalties[i].code);
  return file.Flush();
}

bool WriteRallyClassificationArchive(const char* path, const ClassificationRow rows[kMaxParticipants],
                                     const char* carCategoryFilter, const char* ageCategoryFilter,
                                     const ArchiveEvent& event, int firstStage, int lastStage, int rowCount,
                                     int abandonRowCount, int penaltyRowCount, int international) {
  platform::TextFile file(path, "w+");
  if (!file) return false;
  file.Printf("%d\n%d\n%d\n%d\n%d\n%d\n", rowCount, abandonRowCount, penaltyRowCount, firstStage, lastStage,
              international);
  const char* texts[] = {event.championship, event.eventName, event.location,    event.date,       event.raceDirector,
                         event.hostingClub,  event.rallyName, carCategoryFilter, ageCategoryFilter};
  PrintLines(file, texts, 9, "\t\n");
  for (int i = 0; i < ClampParticipantCount(rowCount); ++i) {
    const ClassificationRow& r = rows[i];
    file.Printf("%s\t%s\t%s\t%s\t%s\t%d\t%d\t%d\t%d\t%d\t%d\t\n", r.carNumber, r.name, r.ageCode, r.team,
                r.category, r.time, r.gapToLeader, r.gapToPrevious, r.state, r.abandonCount, r.penaltyCount);
  }
  return file.Flush();
}

const char* PublishedEventName(const char* eventName, int* international) {
  std::size_t prefix = std::strlen(kInternationalPrefix);
  bool marked = std::strncmp(eventName, kInternationalPrefix, prefix) == 0;
  if (international) *international = marked ? 1 : 0;
  return marked ? eventName + prefix : eventName;
}
