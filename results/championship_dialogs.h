// The championships window (template CHAMPIONNATSGESTION, command 1015 of the English build):
// each championship's points scale, recorded in the points scale file, and the doors to its
// sponsors and its classification; and the sponsors dialog (CHAMPIONNATSPONSORS), opened
// from it with the championship's name as creation parameter.
#pragma once

#include <windows.h>

#include "results/championship_sponsors.h"

INT_PTR CALLBACK ChampionshipManagementDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK SponsorsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The sponsors dialog's page preview: the page's frame, title and footer, the software's logo,
// the selected sponsor's logo in the logo box and every placed logo at its scale. Opens and
// closes the window's paint cycle, so only for WM_PAINT.
void PaintSponsorsPreview(HWND dialog, const PixelRect& logoBox, const PixelRect& page, const SponsorTable& sponsors,
                          const char* championship, const char* softwareLogo, const char* currentLogo);
