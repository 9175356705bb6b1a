// The championship files: the points scale file "Championnats/ChampionnatPoints.pts", a
// championship's sponsors file and its classification file. What a reader leaves is bounded, and written back by the
// program's writer it reads back the same. The points and totals computed from what was read
// stay within the int range.
#include <cstdint>
#include <cstring>

#include "results/championship_classification.h"
#include "results/championship_files.h"
#include "results/championship_sponsors.h"
#include "results/points_scale_file.h"
#include "tests/fuzz/fuzz_checks.h"

namespace {

// Texts compare up to their terminator (a NUL byte read from the file ends the text there).
template <std::size_t N>
bool SameText(const char (&a)[N], const char (&b)[N]) {
  return std::strncmp(a, b, N) == 0;
}

bool SameScale(const PointsAllocation& a, const PointsAllocation& b) {
  return SameText(a.name, b.name) && a.order == b.order && a.rallyMode == b.rallyMode &&
         a.powerStageMode == b.powerStageMode && std::memcmp(a.rally, b.rally, sizeof a.rally) == 0 &&
         std::memcmp(a.powerStage, b.powerStage, sizeof a.powerStage) == 0;
}

bool SameSponsor(const SponsorRecord& a, const SponsorRecord& b) {
  return SameText(a.name, b.name) && SameText(a.logoPath, b.logoPath) && a.x == b.x && a.y == b.y &&
         a.scalePercent == b.scalePercent;
}

void PointsFile(const std::uint8_t* data, std::size_t size) {
  fuzz::WriteFile(kPointsScaleFile, data, size);
  static PointsScaleTable first, second;
  char selected[kChampionshipNameSize] = {}, again[kChampionshipNameSize] = {};
  SetDefaultPointsScales(&first);
  if (!ReadPointsAllocationFile(selected, &first)) fuzz::Fail("the points file could not be read");
  fuzz::CheckText(selected);
  for (const PointsAllocation& scale : first) {
    fuzz::CheckText(scale.name);
    // Whatever the file holds, the points of every place are summed without overflow.
    int points[kMaxParticipants];
    ComputePlacePoints(scale.rally, kRallyScaleValues, scale.order, scale.rallyMode, kMaxParticipants, points);
    ComputePlacePoints(scale.powerStage, kPowerStageScaleValues, scale.order, scale.powerStageMode, kMaxParticipants,
                       points);
  }
  if (!WritePointsAllocationFile(selected, first, kMaxPointsScales)) fuzz::Fail("the points file could not be written");
  SetDefaultPointsScales(&second);
  ReadPointsAllocationFile(again, &second);
  bool same = SameText(selected, again);
  for (std::size_t i = 0; i < first.size(); ++i) same = same && SameScale(first[i], second[i]);
  if (!same) fuzz::Fail("the points file read back differs from what was written");
}

void SponsorsFile(const std::uint8_t* data, std::size_t size) {
  const char* path = "Championnats/Cup/Sponsors.spr";
  fuzz::WriteFile(path, data, size);
  static SponsorTable first, second;
  ClearSponsors(&first);
  if (!ReadSponsorsFile(path, &first)) fuzz::Fail("the sponsors file could not be read");
  for (const SponsorRecord& sponsor : first) fuzz::CheckTexts(sponsor.name, sponsor.logoPath);
  SortSponsorsByName(&first);
  RelayoutSponsorLogos(&first);
  if (!WriteSponsorsFile(path, first, kMaxSponsors)) fuzz::Fail("the sponsors file could not be written");
  ClearSponsors(&second);
  ReadSponsorsFile(path, &second);
  for (std::size_t i = 0; i < first.size(); ++i) {
    if (!SameSponsor(first[i], second[i])) fuzz::Fail("the sponsors file read back differs from what was written");
  }
}

void ClassificationFile(const std::uint8_t* data, std::size_t size) {
  const char* path = "Championnats/Cup/ClassementChampionnat.clt";
  fuzz::WriteFile(path, data, size);
  ChampionshipState state{&CurrentChampionship(), 0, 0};
  ReadChampionshipClassificationFile(path, &state);
  if (state.eventCount < 0 || state.eventCount > kMaxChampionshipEvents || state.tables->rallyCount < 0 ||
      state.tables->rallyCount > kMaxChampionshipRallies) {
    fuzz::Fail("a count of the classification file is out of its table");
  }
  for (const ChampionshipEvent& event : state.tables->events) fuzz::CheckTexts(event.name, event.imagePath);
  for (int r = 0; r < state.tables->rallyCount; ++r) {
    const ChampionshipRally& rally = state.tables->rallies[r];
    if (rally.rowCount < 0 || rally.rowCount > kMaxChampionshipDrivers) fuzz::Fail("a row count is out of its table");
    fuzz::CheckText(rally.name);
    for (const ChampionshipRow& row : rally.rows) {
      fuzz::CheckTexts(row.driver, row.team, row.carCategory, row.ageCode, row.ageName);
      for (int place : row.place)
        if (place != kNoChampionshipResult && (place < 1 || place > kMaxChampionshipDrivers))
          fuzz::Fail("a place that no import gives");
    }
  }
  ComputeChampionshipTotals(&state);  // without overflow, whatever the points read
  const std::string written = ChampionshipClassificationImage(state);
  if (!WriteChampionshipClassificationFile(path, state)) fuzz::Fail("the classification file could not be written");
  ReadChampionshipClassificationFile(path, &state);
  if (ChampionshipClassificationImage(state) != written) {
    fuzz::Fail("the classification file read back differs from what was written");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::EnterProgramFolder();
  static const bool folder = CreateChampionshipFolder("Cup");
  if (!folder) fuzz::Fail("the championship's folder could not be made");
  fuzz::Choice in = fuzz::Choose(data, size, 3);
  if (in.pick == 0) {
    PointsFile(in.data, in.size);
  } else if (in.pick == 1) {
    SponsorsFile(in.data, in.size);
  } else {
    ClassificationFile(in.data, in.size);
  }
  fuzz::EndInput();
  return 0;
}
