// The sponsors of a championship: up to 20, each a name and a logo placed on the margins of
// the championship page at a scale. Kept in "Championnats/<championship>/Sponsors.spr", one
// line per sponsor in table order: name, logo path, x, y, scale, each ended by a TAB; no
// header. The sponsors dialog edits them; the championship classification reads them and its
// page draws each logo at its place and scale.
//
// Places are in the sponsors dialog's client coordinates, on its preview page
// (20, 240)-(750, 840). At scale s a logo is s * 66 / 100 wide and s / 5 high; its centre,
// the point it is dragged by, is (x + s * 33 / 100, y + s / 10).
#pragma once

#include <array>
#include <cstddef>
#include "race/pixel_rect.h"

inline constexpr const char* kSponsorsFileName = "Sponsors.spr";
inline constexpr int kMaxSponsors = 20;
inline constexpr int kSponsorNameSize = 20;
inline constexpr int kSponsorNameTypedLimit = 18;
inline constexpr int kSponsorLogoPathSize = 260;
inline constexpr int kSponsorScaleDefault = 100;
inline constexpr int kSponsorScaleMinimum = 50;
inline constexpr int kSponsorScaleMaximum = 200;
inline constexpr int kSponsorScaleStep = 2;
// Logo places read from the file are kept within this many pixels of the page's origin.
inline constexpr int kSponsorPlaceLimit = 10000;

struct SponsorRecord {
  char name[kSponsorNameSize];  // the key
  char logoPath[kSponsorLogoPathSize];
  int x;
  int y;
  int scalePercent;  // 50..200 in steps of 2
};
// Kept sorted by name, the empty records last: the listed sponsors are the first ones.
using SponsorTable = std::array<SponsorRecord, kMaxSponsors>;

// Where the selected sponsor's logo is shown at 200 x 60, and the preview of the page.
inline constexpr PixelRect kSponsorLogoBox = {380, 140, 580, 200};
inline constexpr PixelRect kSponsorPreviewPage = {20, 240, 750, 840};

// Name and logo empty, x 0, y 0, scale 100.
void ClearSponsor(SponsorRecord* sponsor);
void ClearSponsors(SponsorTable* table);

// "Championnats/<championship>/Sponsors.spr"; false when the championship names no folder.
bool SponsorsFilePath(const char* championship, char* out, std::size_t size);

// Reads the file over the table from record 0, one record per line for at most 20 lines;
// records beyond the lines read keep their contents. Each record is cleared before it is
// filled and each text bounded to its field; only the end of the file ends the reading. False
// (the table as it was) when the file cannot be opened.
bool ReadSponsorsFile(const char* path, SponsorTable* table);
// Replaces the file with the first count records, written to a temporary file first: a
// failure leaves the previous file whole.
bool WriteSponsorsFile(const char* path, const SponsorTable& table, int count);

// The name sort of the database lists: A to Z lowered, byte order, empty names last, among
// equal names the later record first. Whole records move.
void SortSponsorsByName(SponsorTable* table);

// The sponsors listed: from record 0 up to the first empty name.
int ListedSponsorCount(const SponsorTable& table);
// The record of that name (exact), or -1.
int FindSponsor(const SponsorTable& table, const char* name);

// Adds a typed name ("-" stored as "_", at most 19 characters taken) to the listed sponsors
// and sorts the table. Returns the new sponsor's index, or -1 when refused: an empty name, a
// first character blank, a name already there, or 20 sponsors listed.
int AddSponsor(SponsorTable* table, const char* typed);
// Clears every record of that name, sorts the table and places the logos afresh.
void RemoveSponsor(SponsorTable* table, const char* name);

// Places every logo afresh at scale 100: the n-th sponsor with a logo goes down the left
// margin for n 0 to 9, then in two rows of five along the bottom margin.
void RelayoutSponsorLogos(SponsorTable* table);

// The selected sponsor's logo one step bigger (up to 200) or smaller (down to 50).
void EnlargeSponsorLogo(SponsorRecord* sponsor);
void ShrinkSponsorLogo(SponsorRecord* sponsor);

int SponsorLogoWidth(int scalePercent);
int SponsorLogoHeight(int scalePercent);
// The last sponsor with a logo whose centre is within 14 pixels across and 4 down of (x, y),
// or -1.
int SponsorLogoAt(const SponsorTable& table, int x, int y);
// Whether a logo may be dropped there: the page's left or bottom margin.
bool InSponsorDropZone(int x, int y);
// Whether (x, y) is inside the logo box, where double clicks choose or clear a logo.
bool InSponsorLogoBox(int x, int y);
// Moves the logo's centre to (x, y) when the drop zone takes it; false (unchanged) otherwise.
bool DropSponsorLogo(SponsorRecord* sponsor, int x, int y);
// A logo chosen for the sponsor (empty: cleared, with its place and scale reset); the logos
// are placed afresh.
void SetSponsorLogo(SponsorTable* table, int index, const char* path);
