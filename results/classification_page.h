// What a classification page (stage or rally) shows without drawing it: its time texts, its
// titles by filter, which line of the page's list holds what, and how the printed list
// falls into pages of 30 lines.
#pragma once

#include <string>
#include <vector>

// The time column always shows the minutes: "h:mm:ss.mmm" or "m:ss.mmm".
std::string ClassificationTimeText(int milliseconds);
// The gap columns: "h:mm:ss.mmm", "m:ss.mmm" or "s.mmm".
std::string ClassificationGapText(int milliseconds);

// The classification title above the heads, by filter ("Toutes" is no filter): on the screen
// and on paper.
std::string StageScreenTitle(const char* carFilter, const char* ageFilter);
std::string StagePrintedTitle(int stage, const char* carFilter, const char* ageFilter);

// One line of a page's list.
enum class PageLineKind { Row, Empty, Note, TrackCondition, Comment, Abandon, Penalty };
struct PageLine {
  PageLineKind kind;
  int index;  // the row, the note, or the place in the abandon or penalty list
};

// The screen list: rows, an empty line, notes; every line past them is empty.
PageLine ScreenPageLine(int line, int rowCount, int noteCount);
// The printed list: rows, empty, notes, empty, track conditions, empty, comment.
PageLine PrintedPageLine(int line, int rowCount, int noteCount);

inline constexpr int kClassificationLinesPerPage = 30;
struct ClassificationPrintedPage {
  int first;     // the page's first line of the printed list
  int lines;     // lines on the page
  int rowLines;  // how many of them are rows
};
// Pages of 30 lines while the page's first line is at most the comment's.
std::vector<ClassificationPrintedPage> ClassificationPrintedPages(int rowCount, int noteCount);
// Pages of 30 of lineCount lines whose first rowCount are rows; at least one page.
std::vector<ClassificationPrintedPage> PrintedPagesOfLines(int rowCount, int lineCount);
