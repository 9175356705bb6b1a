#include "results/classification_page.h"

#include <cstdio>
#include <cstring>

#include "app/build_profile.h"
#include "race/time_format.h"
#include "results/stage_classification.h"

std::string ClassificationTimeText(int milliseconds) {
  int h = 0, m = 0, s = 0, ms = 0;
  SplitMilliseconds(milliseconds, &h, &m, &s, &ms);
  char text[32];
  if (h != 0) {
    std::snprintf(text, sizeof text, "%d:%02d:%02d.%03d", h, m, s, ms);
  } else {
    std::snprintf(text, sizeof text, "%d:%02d.%03d", m, s, ms);
  }
  return text;
}

std::string ClassificationGapText(int milliseconds) {
  int h = 0, m = 0, s = 0, ms = 0;
  SplitMilliseconds(milliseconds, &h, &m, &s, &ms);
  char text[32];
  FormatTime(text, h, m, s, ms);
  return text;
}

namespace {

bool Filtered(const char* filter) { return std::strcmp(filter ? filter : "", kAllCategories) != 0; }

std::string Format(const char* pattern, int number, const char* a = "", const char* b = "") {
  char text[256];
  if (number < 0) {
    std::snprintf(text, sizeof text, pattern, a, b);
  } else {
    std::snprintf(text, sizeof text, pattern, number, a, b);
  }
  return text;
}

}  // namespace

std::string StageScreenTitle(const char* carFilter, const char* ageFilter) {
  const bool car = Filtered(carFilter);
  const bool age = Filtered(ageFilter);
  if (car && age) return Format(Tr(Text::StageClassificationTitleBoth), -1, carFilter, ageFilter);
  if (car) return Format(Tr(Text::StageClassificationTitleOne), -1, carFilter);
  if (age) return Format(Tr(Text::StageClassificationTitleOne), -1, ageFilter);
  return Tr(Text::StageClassificationTitle);
}

std::string StagePrintedTitle(int stage, const char* carFilter, const char* ageFilter) {
  const bool car = Filtered(carFilter);
  const bool age = Filtered(ageFilter);
  if (car && age) return Format(Tr(Text::StageClassificationPrintTitleBoth), stage, carFilter, ageFilter);
  if (car) return Format(Tr(Text::StageClassificationPrintTitleOne), stage, carFilter);
  if (age) return Format(Tr(Text::StageClassificationPrintTitleOne), stage, ageFilter);
  return Format(Tr(Text::StageClassificationPrintTitle), stage);
}

PageLine ScreenPageLine(int line, int rowCount, int noteCount) {
  if (line >= 0 && line < rowCount) return {PageLineKind::Row, line};
  if (line > rowCount && line <= rowCount + noteCount) return {PageLineKind::Note, line - rowCount - 1};
  return {PageLineKind::Empty, 0};
}

PageLine PrintedPageLine(int line, int rowCount, int noteCount) {
  if (line == rowCount + noteCount + 2) return {PageLineKind::TrackCondition, 0};
  if (line == rowCount + noteCount + 4) return {PageLineKind::Comment, 0};
  return ScreenPageLine(line, rowCount, noteCount);
}

std::vector<ClassificationPrintedPage> ClassificationPrintedPages(int rowCount, int noteCount) {
  return PrintedPagesOfLines(rowCount, rowCount + noteCount + 5);  // up to the comment's line
}

std::vector<ClassificationPrintedPage> PrintedPagesOfLines(int rowCount, int lineCount) {
  std::vector<ClassificationPrintedPage> pages;
  const int last = lineCount - 1;
  for (int first = 0; first == 0 || first <= last; first += kClassificationLinesPerPage) {
    int lines = last - first + 1 < kClassificationLinesPerPage ? last - first + 1 : kClassificationLinesPerPage;
    if (lines < 0) lines = 0;
    int rows = rowCount - first;
    rows = rows < 0 ? 0 : rows > lines ? lines : rows;
    pages.push_back({first, lines, rows});
  }
  return pages;
}
