// The classification page as the stage and rally classifications draw it: on the screen
// inside a page rectangle of the dialog, and on a printed page of 700 x 900 logical units.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "race/classification.h"
#include "race/event_records.h"
#include "race/penalty_record.h"
#include "results/classification_page.h"
#include "results/web_publishing.h"
#include "setup/setup_dialog_win32.h"

// What only a rally classification's page shows: its range, the stages left out beside the
// title, and the lists of abandons and penalties after the rows.
struct RallyPageLists {
  int ssFrom;
  int ssTo;
  int abandonLines;
  int penaltyLines;
  const char* excludedText;
};

// What a classification page shows; everything stays the caller's.
struct ClassificationPageContent {
  const ClassificationRow* rows;  // kMaxParticipants rows, in classification order
  int rowCount;
  const PenaltyRecord* penalties;  // the event's list: a row's state s >= 4 carries s - 4
  int penaltyCount;
  const PenaltyNote* notes;
  int noteCount;
  const TrackDetails* track;  // event name without the international prefix
  const char* pageTitle;
  std::string classificationTitle;  // above the heads
  int international;
  // A rally classification's page: its title stands left with the excluded stages beside
  // it, each row is marked with its abandons and penalties, and the lists follow the rows.
  const RallyPageLists* rally = nullptr;
};

// The screen page, its first line at the scroll position.
void PaintClassificationScreenPage(HDC dc, const RECT& page, int first, const ClassificationPageContent& content);

// One printed page on a mapped printer: the frame of every printed list, the heads when
// the page holds rows, then its lines (rows, notes, track conditions, comment).
struct ClassificationPrintedText {
  const char* trackCondition;
  const char* comment;
};
void PaintClassificationPrintedPage(HDC dc, HDC logo, const ClassificationPrintedPage& page,
                                    const ClassificationPageContent& content, const ClassificationPrintedText& text);
// The rally classification's printed page stands this much lower than the stage's.
inline constexpr int kRallyPrintedPageDrop = 20;
// Prints every page of the classification as one document. False when the printer refused it
// (the operator is told in a box owned by owner).
bool PrintClassificationPages(HWND owner, HDC printer, const char* documentName, const char* logoPath,
                              const ClassificationPageContent& content, const ClassificationPrintedText& text);

// What the classification dialogs do alike with their windows.
// The page is drawn in pixels while the controls follow the dialog units of the system font,
// which differ between systems: the window grows until its client area holds the page, the
// scroll bar stands beside the page's lines, and the buttons (left to right) stay centred
// under the page, whatever the units come to.
void FitClassificationPage(HWND dialog, const RECT& page, int scrollBar, const std::vector<int>& buttons);
// Redraws the page at once, without the child controls.
void InvalidateClassificationPage(HWND dialog, const RECT& page);
// The bar at position 0 over 0..maximum, shown or hidden.
void SetUpClassificationScrollBar(HWND bar, int maximum, bool shown);
// WM_VSCROLL on the page's bar: moves it by the request; true when the position changed.
bool ScrollClassificationPage(HWND bar, WPARAM wParam);
// A filter combo's items, the first selected; its current text.
void FillFilterCombo(HWND dialog, int control, const std::vector<std::string>& items);
std::string FilterComboText(HWND dialog, int control);

// What a classification dialog keeps from its opening to its end: the working folder to
// restore, the pictures of its Print and Publish buttons, and its font (Arial 16).
struct ClassificationDialogParts {
  std::string openingFolder;
  ButtonPicture printPicture;
  ButtonPicture publishPicture;
  HFONT font = nullptr;
  // The buttons' pictures and the font given to the controls.
  void Dress(HWND dialog, int printButton, int publishButton, const char* publishPicturePath,
             const std::vector<int>& fontControls);
  // On WM_DESTROY.
  void Release();
};
// The page's bar as WM_PAINT reads it.
SCROLLINFO ClassificationScroll(HWND bar);
// Paints the page within the window's paint cycle, so only for WM_PAINT.
void PaintClassificationInWindow(HWND dialog, const RECT& page, int first, const ClassificationPageContent& content);
// Labels and check boxes drawn in the dialog's font may be wider than the system font's
// dialog units gave them: each grows to its text up to the next control on its line, and a
// label that still does not fit takes a second line when the space below is free. Neither
// reaches into the page, which the dialog paints itself.
void FitLabelsToText(HWND dialog, const std::vector<int>& labels, const RECT& page);
