// What the tests of the painted and printed pages share: the three programs, each with the
// name its captures carry, and the event's details that every page shows, labels (in the
// active build's language) and values, in the order they stand.
#pragma once

#include <string>
#include <vector>

#include "app/build_profile.h"
#include "race/event_records.h"
#include "setup/printed_page_win32.h"

namespace testsupport {

struct ProgramBuild {
  const BuildProfile* profile;
  const char* name;
};
inline const ProgramBuild kProgramBuilds[] = {{&kEnglishBuild, "en"}, {&kFrenchBuild, "fr"}, {&kSpanishBuild, "es"}};

inline std::vector<std::string> EventDetailsTexts(const TrackDetails& track, const std::string& rallyName) {
  return {Tr(Text::ParticipantsPrintChampionship), FieldText(track.championship),
          Tr(Text::ParticipantsPrintRallyName),    rallyName,
          Tr(Text::ParticipantsPrintLocation),     FieldText(track.location),
          Tr(Text::ParticipantsPrintDate),         FieldText(track.date),
          Tr(Text::ParticipantsPrintRaceDirector), FieldText(track.raceDirector),
          Tr(Text::ParticipantsPrintHostingClub),  FieldText(track.hostingClub)};
}

// The heads of a classification page's table, left to right.
inline std::vector<std::string> ClassificationHeadTexts(bool international) {
  return {Tr(Text::ClassificationHeadPosition), Tr(Text::ClassificationHeadNumber),
          Tr(Text::ClassificationHeadDriver),   Tr(Text::ClassificationHeadAge),
          Tr(international ? Text::ClassificationHeadNation : Text::ClassificationHeadTeam),
          Tr(Text::ClassificationHeadCategory), Tr(Text::ClassificationHeadTime),
          Tr(Text::ClassificationHeadLeader),   Tr(Text::ClassificationHeadPrevious),
          Tr(Text::ClassificationHeadPenalty)};
}

// What follows the texts of those.
inline std::vector<std::string> Followed(std::vector<std::string> texts, const std::vector<std::string>& more) {
  texts.insert(texts.end(), more.begin(), more.end());
  return texts;
}

// A classification page's event details, the heads of its table, then the texts that follow.
inline std::vector<std::string> ClassificationPageTexts(const TrackDetails& track, const std::string& rallyName,
                                                        bool international, const std::vector<std::string>& more) {
  return Followed(Followed(EventDetailsTexts(track, rallyName), ClassificationHeadTexts(international)), more);
}

}  // namespace testsupport
