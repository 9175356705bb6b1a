// The stage classification dialog: the classification of one special stage of the current
// rally, filtered by car and age category, scrolled, printed, published, and for a Power
// Stage stored for the championships when validated.
#include "results/stage_classification_dialog.h"

#include <string>

#include "app/build_profile.h"
#include "platform/folders.h"
#include "platform/message_box.h"
#include "platform/print_dialog.h"
#include "race/gdi_objects.h"
#include "results/archive_publishing.h"
#include "results/classification_page_win32.h"
#include "results/stage_classification_ids.h"
#include "setup/setup_dialog_win32.h"

namespace {

constexpr ControlText kTexts[] = {
    {0, Text::StageClassificationCaption},
    {IDOK, Text::StageClassificationValidate},
    {IDC_STAGE_CLASS_ACCORDING, Text::StageClassificationAccording},
    {IDC_STAGE_CLASS_CAR_LABEL, Text::StageClassificationCarCategories},
    {IDC_STAGE_CLASS_AGE_LABEL, Text::StageClassificationAgeCategories},
};
const std::vector<int> kFontControls = {IDOK, IDC_STAGE_CLASS_CAR_FILTER, IDC_STAGE_CLASS_AGE_FILTER,
                                 IDC_STAGE_CLASS_ACCORDING, IDC_STAGE_CLASS_CAR_LABEL, IDC_STAGE_CLASS_AGE_LABEL};

StageClassificationData data;
WebPublishingState web;
ClassificationDialogParts parts;

void ShowError(HWND dialog, Text text, Text caption = Text::CaptionError) {
  platform::ShowMessage(dialog, Tr(text), Tr(caption), platform::kMbOk | platform::kMbIconStop);
}

HWND ScrollBar(HWND dialog) { return GetDlgItem(dialog, IDC_STAGE_CLASS_SCROLL); }

void InvalidatePage(HWND dialog) { InvalidateClassificationPage(dialog, kStageClassificationPage); }

void SetUpScrollBar(HWND dialog) {
  SetUpClassificationScrollBar(ScrollBar(dialog), ClassificationScrollMaximum(data.rowCount, data.noteCount),
                               ClassificationScrollShown(data.rowCount, data.noteCount));
}

void Open(HWND dialog) {
  parts.openingFolder = platform::CurrentFolder();
  SetControlTexts(dialog, kTexts);
  FitClassificationPage(dialog, kStageClassificationPage, IDC_STAGE_CLASS_SCROLL, {IDOK});
  LoadStageClassification(dialog, &data);
  CheckResultsWebSite(dialog, &web);
  StageFilterItems items = OpenStageClassification(&data);
  // CBS_SORT is not set: the items keep the order of the groupings.
  FillFilterCombo(dialog, IDC_STAGE_CLASS_CAR_FILTER, items.cars);
  FillFilterCombo(dialog, IDC_STAGE_CLASS_AGE_FILTER, items.ages);
  SetUpScrollBar(dialog);
  parts.Dress(dialog, IDC_STAGE_CLASS_PRINT, IDC_STAGE_CLASS_PUBLISH, PublishButtonPicture(web), kFontControls);
  FitLabelsToText(dialog, {IDC_STAGE_CLASS_ACCORDING, IDC_STAGE_CLASS_CAR_LABEL, IDC_STAGE_CLASS_AGE_LABEL},
                  kStageClassificationPage);
  InvalidatePage(dialog);
}

void Close(HWND dialog) {
  platform::SetCurrentFolder(parts.openingFolder.c_str());
  EndDialog(dialog, 0);
}

void ChangeFilters(HWND dialog) {
  ChangeStageFilters(&data, FilterComboText(dialog, IDC_STAGE_CLASS_CAR_FILTER).c_str(),
                     FilterComboText(dialog, IDC_STAGE_CLASS_AGE_FILTER).c_str());
  SetUpScrollBar(dialog);
  InvalidatePage(dialog);
}

ClassificationPageContent PageContent(const std::string& title) {
  return {data.rows, data.rowCount, data.penalties, data.penaltyCount, data.notes, data.noteCount,
          &data.track, data.pageTitle, title, data.international};
}

void Print(HWND dialog) {
  platform::PrinterChoice printer;
  if (platform::ChoosePrinter(dialog, &printer)) {
    PrintClassificationPages(dialog, static_cast<HDC>(printer.dc), Tr(Text::StageClassificationPrintDocument), data.logoPath,
                             PageContent(StagePrintedTitle(data.stage, data.carFilter, data.ageFilter)),
                             {data.trackCondition, data.comment});
    platform::ReleasePrinter(&printer);
  }
  platform::SetCurrentFolder(parts.openingFolder.c_str());
}

void Publish(HWND dialog) {
  switch (CheckStagePublishing(web.connected, web.publishingActive, data)) {
    case StagePublishRefusal::NotConnected: ShowError(dialog, Text::PublishingNotConnected); return;
    case StagePublishRefusal::NotActivated:
      ShowError(dialog, Text::PublishingNotActivated, Text::CaptionBeCareful);
      return;
    case StagePublishRefusal::Filtered: ShowError(dialog, Text::StageClassificationOnlyGlobal); return;
    case StagePublishRefusal::Empty: return;
    case StagePublishRefusal::None: break;
  }
  ArchiveEvent event = {data.track.championship, data.track.eventName, data.track.location, data.track.date,
                        data.track.raceDirector, data.track.hostingClub, data.rallyName};
  if (!WriteStageClassificationArchive(kArchiveFile, data.rows, data.penalties, data.notes, data.trackCondition,
                                       data.comment, event, data.rowCount, data.noteCount, data.penaltyCount,
                                       data.international)) {
    // Going on would upload the previous archive under this stage's name.
    ShowError(dialog, Text::PublishingArchiveNotWritten);
  } else {
    PublishArchive(dialog, web, data.rally, data.rallyName, StageArchiveName(data).c_str());
  }
  platform::SetCurrentFolder(parts.openingFolder.c_str());
}

void Validate(HWND dialog) {
  platform::SetCurrentFolder(parts.openingFolder.c_str());
  SavePowerStageClassification(dialog, data);
  Close(dialog);
}

void Scroll(HWND dialog, WPARAM wParam) {
  if (ScrollClassificationPage(ScrollBar(dialog), wParam)) InvalidatePage(dialog);
}

bool Command(HWND dialog, int id, int notification) {
  switch (id) {
    case IDC_STAGE_CLASS_CAR_FILTER:
    case IDC_STAGE_CLASS_AGE_FILTER:
      // A drop-down opening or the focus moving is no choice.
      if (notification == CBN_SELCHANGE) ChangeFilters(dialog);
      return true;
    case IDC_STAGE_CLASS_PRINT: Print(dialog); return true;
    case IDC_STAGE_CLASS_SCROLL: return true;
    case IDC_STAGE_CLASS_PUBLISH: Publish(dialog); return true;
    case IDOK: Validate(dialog); return true;
  }
  Close(dialog);
  return false;
}

}  // namespace

void PaintStageClassification(HWND dialog, RECT page, const SCROLLINFO& scroll, const StageClassificationData& shown) {
  ClassificationPageContent content = {shown.rows, shown.rowCount, shown.penalties, shown.penaltyCount, shown.notes,
                                       shown.noteCount, &shown.track, shown.pageTitle,
                                       StageScreenTitle(shown.carFilter, shown.ageFilter), shown.international};
  PaintClassificationInWindow(dialog, page, scroll.nPos, content);
}

INT_PTR CALLBACK StageClassificationDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      Open(dialog);
      return FALSE;
    case WM_COMMAND:
      return Command(dialog, LOWORD(wParam), HIWORD(wParam)) ? TRUE : FALSE;
    case WM_VSCROLL:
      Scroll(dialog, wParam);
      return FALSE;
    case WM_PAINT: {
      const SCROLLINFO scroll = ClassificationScroll(ScrollBar(dialog));
      PaintStageClassification(dialog, kStageClassificationPage, scroll, data);
      return FALSE;
    }
    case WM_CLOSE:
      Close(dialog);
      return FALSE;
    case WM_DESTROY:
      parts.Release();
      return FALSE;
  }
  return FALSE;
}
