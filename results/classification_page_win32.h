// The classification page as the stage and rally classifications draw it: on the screen
// inside a page rectangle of the dialog, and on a printed page of 700 x 900 logical units.
#pragma once

#include <windows.h>

#include <string>

#include "race/classification.h"
#include "race/event_records.h"
#include "race/penalty_record.h"
#include "results/classification_page.h"
#include "results/web_publishing.h"

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
// Prints every page of the classification as one document. False when the printer refused it
// (the operator is told in a box owned by owner).
bool PrintClassificationPages(HWND owner, HDC printer, const char* documentName, const char* logoPath,
                              const ClassificationPageContent& content, const ClassificationPrintedText& text);
