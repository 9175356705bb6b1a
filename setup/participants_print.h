// The printed participants list: the painter of one page and the print job on a printer's
// device context, apart from the print dialog so that a test can run either on a device
// context of its own.
#pragma once

#include <windows.h>

#include "setup/participants_publishing.h"
#include "setup/printed_page_win32.h"

// Draws one page of the list on dc, whose drawable area is deviceWidth x deviceHeight
// pixels; logo holds the logo of the display settings, or is nullptr. The device context is
// left as it was.
void PaintParticipantsPage(HDC dc, int deviceWidth, int deviceHeight, const ParticipantsListing& listing,
                           const PrintedPage& page, HDC logo);

// Prints the whole list as one document on a printer's device context (which stays the
// caller's). False when the list is empty or the printer refused the document, which a box
// owned by owner tells.
bool PrintParticipantsPages(HWND owner, HDC printer, const ParticipantsListing& listing);
