// The championships window (template CHAMPIONNATSGESTION, command 1015 of the English build):
// each championship's points scale, recorded in the points scale file, and the doors to its
// sponsors and its classification; and the sponsors dialog (CHAMPIONNATSPONSORS), opened
// from it with the championship's name as creation parameter.
#pragma once

#include <windows.h>

#include "results/championship_classification.h"
#include "results/championship_sponsors.h"

INT_PTR CALLBACK ChampionshipManagementDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK SponsorsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The sponsors dialog's page preview: the page's frame, title and footer, the software's logo,
// the selected sponsor's logo in the logo box and every placed logo at its scale. Opens and
// closes the window's paint cycle, so only for WM_PAINT.
void PaintSponsorsPreview(HWND dialog, const PixelRect& logoBox, const PixelRect& page, const SponsorTable& sponsors,
                          const char* championship, const char* softwareLogo, const char* currentLogo);

// The championship classification (CHAMPIONNATCLASSEMENT), opened from the championships
// window with the championship's name as creation parameter.
INT_PTR CALLBACK ChampionshipClassificationDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The championship page: the standings of the view from the vertical bar's position, the
// event columns from the horizontal bar's position (only events that exist), the logo and
// the sponsors, captured into "Private/Archive.bmp" before the paint ends. Opens and closes
// the window's paint cycle, so only for WM_PAINT.
void PaintChampionshipClassification(HWND dialog, const PixelRect& page, const ChampionshipRally& view,
                                     const ChampionshipEvent* events, const ScrollBarState& vertical,
                                     const ScrollBarState& horizontal, const SponsorTable& sponsors,
                                     const char* carFilter, const char* ageFilter, const char* championship,
                                     const char* rallyName, int viewRows, int eventCount, const char* logoPath,
                                     int powerStageIncluded, int international);

// The championship page, in client pixels.
inline constexpr PixelRect kChampionshipPage = {20, 250, 1060, 840};
// Paints of the championship page since the program started, for tests that watch for a
// paint loop.
int ChampionshipPagePaints();
