#include "results/championship_sponsors.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "platform/bounded.h"
#include "platform/text_file.h"
#include "race/name_sort.h"
#include "race/text_fields.h"
#include "results/championship_files.h"
#include "setup/database_dialog_model.h"

namespace {

// The logo column of the left margin, then the two rows of the bottom margin.
constexpr int kColumnLogos = 10;
constexpr int kRowLogos = 5;

struct SponsorsContent {
  const SponsorTable* table;
  int count;
};

bool WriteContent(const char* path, const void* context) {
  const auto& content = *static_cast<const SponsorsContent*>(context);
  platform::TextFile file(path, "w");
  if (!file) return false;
  bool ok = true;
  for (int i = 0; ok && i < content.count; ++i) {
    SponsorRecord sponsor = (*content.table)[static_cast<std::size_t>(i)];
    sponsor.name[sizeof sponsor.name - 1] = '\0';
    sponsor.logoPath[sizeof sponsor.logoPath - 1] = '\0';
    ok = file.Printf("%s\t%s\t%d\t%d\t%d\t\n", sponsor.name, sponsor.logoPath, sponsor.x, sponsor.y,
                     sponsor.scalePercent) > 0;
  }
  return ok && file.Flush();
}

}  // namespace

void ClearSponsor(SponsorRecord* sponsor) {
  platform::ZeroBytes(sponsor, sizeof *sponsor);
  sponsor->scalePercent = kSponsorScaleDefault;
}

void ClearSponsors(SponsorTable* table) {
  for (SponsorRecord& sponsor : *table) ClearSponsor(&sponsor);
}

bool SponsorsFilePath(const char* championship, char* out, std::size_t size) {
  return ChampionshipFilePath(championship, kSponsorsFileName, out, size);
}

bool ReadSponsorsFile(const char* path, SponsorTable* table) {
  platform::TextFile file(path, "r");
  if (!file) return false;
  std::size_t record = 0;
  while (record < table->size() && file.PeekChar() != EOF) {
    if (file.PeekChar() == '\n') {  // an empty line holds no sponsor
      file.GetChar();
      continue;
    }
    SponsorRecord& sponsor = (*table)[record++];
    ClearSponsor(&sponsor);
    if (ReadTextField(file, sponsor.name, FieldEnd::TabOrLineEnd) != '\t') continue;
    if (ReadTextField(file, sponsor.logoPath, FieldEnd::TabOrLineEnd) != '\t') continue;
    if (ReadNumberField(file, &sponsor.x) && ReadNumberField(file, &sponsor.y)) ReadNumberField(file, &sponsor.scalePercent);
    SkipRestOfLine(file);
    // A hand-edited line cannot ask for a logo of millions of pixels, nor overflow the
    // arithmetic of its place: the scale is one the dialog can set, the place near the page.
    sponsor.scalePercent = std::clamp(sponsor.scalePercent, kSponsorScaleMinimum, kSponsorScaleMaximum);
    sponsor.x = std::clamp(sponsor.x, -kSponsorPlaceLimit, kSponsorPlaceLimit);
    sponsor.y = std::clamp(sponsor.y, -kSponsorPlaceLimit, kSponsorPlaceLimit);
  }
  return true;
}

bool WriteSponsorsFile(const char* path, const SponsorTable& table, int count) {
  if (count < 0) count = 0;
  if (count > kMaxSponsors) count = kMaxSponsors;
  SponsorsContent content = {&table, count};
  return dbdialog::ReplaceDatabaseFile(path, WriteContent, &content);
}

void SortSponsorsByName(SponsorTable* table) { SortRecordsByKey<kMaxSponsors>(table->data(), &SponsorRecord::name); }

int ListedSponsorCount(const SponsorTable& table) {
  int n = 0;
  while (n < kMaxSponsors && table[static_cast<std::size_t>(n)].name[0] != '\0') ++n;
  return n;
}

int FindSponsor(const SponsorTable& table, const char* name) {
  if (!name || name[0] == '\0') return -1;
  for (int i = 0; i < kMaxSponsors; ++i) {
    if (std::strncmp(table[static_cast<std::size_t>(i)].name, name, kSponsorNameSize) == 0) return i;
  }
  return -1;
}

int AddSponsor(SponsorTable* table, const char* typed) {
  char name[kSponsorNameSize];
  platform::CopyBounded(name, typed);
  for (char& c : name) {
    if (c == '-') c = '_';
  }
  const int listed = ListedSponsorCount(*table);
  if (name[0] == '\0' || name[0] == ' ' || FindSponsor(*table, name) >= 0 || listed >= kMaxSponsors) return -1;
  SponsorRecord& fresh = (*table)[static_cast<std::size_t>(listed)];
  ClearSponsor(&fresh);
  platform::CopyBounded(fresh.name, name);
  SortSponsorsByName(table);
  return FindSponsor(*table, name);
}

void RemoveSponsor(SponsorTable* table, const char* name) {
  if (!name || name[0] == '\0') return;
  for (SponsorRecord& sponsor : *table) {
    if (std::strncmp(sponsor.name, name, kSponsorNameSize) == 0) ClearSponsor(&sponsor);
  }
  SortSponsorsByName(table);
  RelayoutSponsorLogos(table);
}

void RelayoutSponsorLogos(SponsorTable* table) {
  const PixelRect& page = kSponsorPreviewPage;
  int n = 0;
  for (SponsorRecord& sponsor : *table) {
    if (sponsor.logoPath[0] == '\0') continue;
    sponsor.scalePercent = kSponsorScaleDefault;
    if (n < kColumnLogos) {
      sponsor.x = page.left + 20;
      sponsor.y = page.top + 110 + 30 * n;
    } else {
      sponsor.x = page.left + 150 + 100 * ((n - kColumnLogos) % kRowLogos);
      sponsor.y = page.bottom - 80 + 30 * ((n - kColumnLogos) / kRowLogos);
    }
    ++n;
  }
}

void EnlargeSponsorLogo(SponsorRecord* sponsor) {
  if (sponsor->scalePercent <= kSponsorScaleMaximum - kSponsorScaleStep) sponsor->scalePercent += kSponsorScaleStep;
}

void ShrinkSponsorLogo(SponsorRecord* sponsor) {
  if (sponsor->scalePercent > kSponsorScaleMinimum + 1) sponsor->scalePercent -= kSponsorScaleStep;
}

int SponsorLogoWidth(int scalePercent) { return scalePercent * 66 / 100; }
int SponsorLogoHeight(int scalePercent) { return scalePercent / 5; }

int SponsorLogoAt(const SponsorTable& table, int x, int y) {
  int found = -1;
  for (int i = 0; i < kMaxSponsors; ++i) {
    const SponsorRecord& sponsor = table[static_cast<std::size_t>(i)];
    if (sponsor.logoPath[0] == '\0') continue;
    const int centreX = sponsor.x + sponsor.scalePercent * 33 / 100;
    const int centreY = sponsor.y + sponsor.scalePercent / 10;
    if (std::abs(x - centreX) <= 14 && std::abs(y - centreY) <= 4) found = i;
  }
  return found;
}

bool InSponsorDropZone(int x, int y) {
  const bool leftMargin = x >= 21 && x <= 109 && y >= 241 && y <= 829;
  const bool bottomMargin = x >= 110 && x <= 729 && y >= 760 && y <= 829;
  return leftMargin || bottomMargin;
}

bool InSponsorLogoBox(int x, int y) {
  const PixelRect& box = kSponsorLogoBox;
  return x > box.left && x < box.right && y > box.top && y < box.bottom;
}

bool DropSponsorLogo(SponsorRecord* sponsor, int x, int y) {
  if (!InSponsorDropZone(x, y)) return false;
  sponsor->x = x - sponsor->scalePercent * 33 / 100;
  sponsor->y = y - sponsor->scalePercent / 10;
  return true;
}

void SetSponsorLogo(SponsorTable* table, int index, const char* path) {
  if (index < 0 || index >= kMaxSponsors) return;
  SponsorRecord& sponsor = (*table)[static_cast<std::size_t>(index)];
  platform::CopyBounded(sponsor.logoPath, path);
  if (sponsor.logoPath[0] == '\0') {
    sponsor.x = 0;
    sponsor.y = 0;
    sponsor.scalePercent = kSponsorScaleDefault;
  }
  RelayoutSponsorLogos(table);
}
