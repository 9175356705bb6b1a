// How a printed list (participants, start order) falls into pages: 30 rows a page, drawn
// in the logical units of a page 700 wide and 900 high.
#pragma once

#include <vector>

inline constexpr int kPrintedPageWidth = 700;
inline constexpr int kPrintedPageHeight = 900;
inline constexpr int kRowsPerPrintedPage = 30;

// One printed page: the rows first .. first + rows - 1 of the list.
struct PrintedPage {
  int first;
  int rows;
};

// The pages of a list of count rows (at most the tables' 200).
std::vector<PrintedPage> PrintedPages(int count);
// The number printed before a row: 1 for the list's first row, counting on across pages.
inline int RunningNumber(const PrintedPage& page, int row) { return page.first + row + 1; }
// The grey band lies under the 1st, 3rd, 5th ... row of each page.
inline bool RowHasBand(int row) { return row % 2 == 0; }
