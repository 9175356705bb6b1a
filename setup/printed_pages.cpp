#include "setup/printed_pages.h"

#include <algorithm>

#include "race/event_records.h"

std::vector<PrintedPage> PrintedPages(int count) {
  std::vector<PrintedPage> pages;
  count = std::min(count, kMaxParticipants);
  for (int first = 0; first < count; first += kRowsPerPrintedPage) {
    pages.push_back({first, std::min(kRowsPerPrintedPage, count - first)});
  }
  return pages;
}
