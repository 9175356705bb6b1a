// The rally classification dialog: the totals of the current rally over a range of its
// stages, filtered by car and age category, with the Power Stage and the worst stage left in
// or out; scrolled, printed, published, and saved for the championships when validated.
#include "results/rally_classification_dialog.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/build_profile.h"
#include "platform/folders.h"
#include "platform/message_box.h"
#include "platform/print_dialog.h"
#include "results/archive_publishing.h"
#include "results/classification_page_win32.h"
#include "results/rally_classification_ids.h"
#include "setup/setup_dialog_win32.h"

namespace {

constexpr ControlText kTexts[] = {
    {0, Text::RallyClassificationCaption},
    {IDOK, Text::StageClassificationValidate},
    {IDCANCEL, Text::RallyClassificationCancel},
    {IDC_RALLY_CLASS_ACCORDING, Text::RallyClassificationAccording},
    {IDC_RALLY_CLASS_CAR_LABEL, Text::StageClassificationCarCategories},
    {IDC_RALLY_CLASS_AGE_LABEL, Text::StageClassificationAgeCategories},
    {IDC_RALLY_CLASS_STAGES_LABEL, Text::RallyClassificationSpecialStages},
    {IDC_RALLY_CLASS_TO_LABEL, Text::RallyClassificationTo},
    {IDC_RALLY_CLASS_POWER_STAGE, Text::RallyClassificationPowerStageIncluded},
    {IDC_RALLY_CLASS_WORST_STAGE, Text::RallyClassificationWorstStageIncluded},
};
const std::vector<int> kFontControls = {IDOK,
                                 IDCANCEL,
                                 IDC_RALLY_CLASS_CAR_FILTER,
                                 IDC_RALLY_CLASS_AGE_FILTER,
                                 IDC_RALLY_CLASS_FROM,
                                 IDC_RALLY_CLASS_TO,
                                 IDC_RALLY_CLASS_POWER_STAGE,
                                 IDC_RALLY_CLASS_WORST_STAGE,
                                 IDC_RALLY_CLASS_ACCORDING,
                                 IDC_RALLY_CLASS_CAR_LABEL,
                                 IDC_RALLY_CLASS_AGE_LABEL,
                                 IDC_RALLY_CLASS_STAGES_LABEL,
                                 IDC_RALLY_CLASS_TO_LABEL};

RallyClassificationData data;
WebPublishingState web;
ClassificationDialogParts parts;
// The edits notify their changes while the opening and a correction fill them: those are
// no operator's changes (recomputing then would lose the grouping order of equal totals).
bool fillingEdits = false;

void ShowError(HWND dialog, Text text, Text caption = Text::CaptionError) {
  platform::ShowMessage(dialog, Tr(text), Tr(caption), platform::kMbOk | platform::kMbIconStop);
}

HWND ScrollBar(HWND dialog) { return GetDlgItem(dialog, IDC_RALLY_CLASS_SCROLL); }

void InvalidatePage(HWND dialog) { InvalidateClassificationPage(dialog, kRallyClassificationPage); }

void SetUpScrollBar(HWND dialog) {
  SetUpClassificationScrollBar(ScrollBar(dialog),
                               RallyScrollMaximum(data.rowCount, data.abandonLines, data.penaltyLines),
                               RallyScrollShown(data.rowCount, data.abandonLines, data.penaltyLines));
}

void WriteEdit(HWND dialog, int control, int value) {
  fillingEdits = true;
  SetDlgItemInt(dialog, control, static_cast<UINT>(value), TRUE);
  fillingEdits = false;
}

void Open(HWND dialog) {
  parts.openingFolder = platform::CurrentFolder();
  SetControlTexts(dialog, kTexts);
  FitClassificationPage(dialog, kRallyClassificationPage, IDC_RALLY_CLASS_SCROLL, {IDOK, IDCANCEL});
  LoadRallyClassification(dialog, &data);
  CheckResultsWebSite(dialog, &web);
  ClassificationFilterItems items = OpenRallyClassification(dialog, &data);
  // CBS_SORT is not set: the items keep the order of the groupings.
  FillFilterCombo(dialog, IDC_RALLY_CLASS_CAR_FILTER, items.cars);
  FillFilterCombo(dialog, IDC_RALLY_CLASS_AGE_FILTER, items.ages);
  for (int edit : {IDC_RALLY_CLASS_FROM, IDC_RALLY_CLASS_TO}) SendDlgItemMessageA(dialog, edit, EM_LIMITTEXT, 2, 0);
  WriteEdit(dialog, IDC_RALLY_CLASS_FROM, data.options.ssFrom);
  WriteEdit(dialog, IDC_RALLY_CLASS_TO, data.options.ssTo);
  if (RallyOptionsInBuild()) {
    CheckDlgButton(dialog, IDC_RALLY_CLASS_POWER_STAGE, data.options.powerStageIncluded ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(dialog, IDC_RALLY_CLASS_WORST_STAGE, data.options.worstStageIncluded ? BST_CHECKED : BST_UNCHECKED);
  } else {
    // This build has neither option: no box to tick.
    DestroyWindow(GetDlgItem(dialog, IDC_RALLY_CLASS_POWER_STAGE));
    DestroyWindow(GetDlgItem(dialog, IDC_RALLY_CLASS_WORST_STAGE));
  }
  SetUpScrollBar(dialog);
  parts.Dress(dialog, IDC_RALLY_CLASS_PRINT, IDC_RALLY_CLASS_PUBLISH, PublishButtonPicture(web), kFontControls);
  FitLabelsToText(dialog, {IDC_RALLY_CLASS_ACCORDING, IDC_RALLY_CLASS_CAR_LABEL, IDC_RALLY_CLASS_AGE_LABEL,
                           IDC_RALLY_CLASS_STAGES_LABEL, IDC_RALLY_CLASS_TO_LABEL, IDC_RALLY_CLASS_POWER_STAGE,
                           IDC_RALLY_CLASS_WORST_STAGE},
                  kRallyClassificationPage);
  InvalidatePage(dialog);
}

void Close(HWND dialog) {
  platform::SetCurrentFolder(parts.openingFolder.c_str());
  EndDialog(dialog, 0);
}

void Recompute(HWND dialog) {
  RecomputeRallyClassification(dialog, &data);
  SetUpScrollBar(dialog);
  InvalidatePage(dialog);
}

void ChangeFilters(HWND dialog) {
  ChangeRallyFilters(dialog, &data, FilterComboText(dialog, IDC_RALLY_CLASS_CAR_FILTER).c_str(),
                     FilterComboText(dialog, IDC_RALLY_CLASS_AGE_FILTER).c_str());
  SetUpScrollBar(dialog);
  InvalidatePage(dialog);
}

void ChangeRange(HWND dialog, int edit) {
  if (fillingEdits) return;
  char text[8] = {};
  GetDlgItemTextA(dialog, edit, text, sizeof text);
  const bool hasText = text[0] != '\0';
  const int typed = static_cast<int>(std::strtoul(text, nullptr, 10));
  const bool corrected = edit == IDC_RALLY_CLASS_FROM
                             ? ChangeFirstStage(&data.options, hasText, typed)
                             : ChangeLastStage(&data.options, hasText, typed, data.stageCount);
  if (corrected) {
    WriteEdit(dialog, edit, edit == IDC_RALLY_CLASS_FROM ? data.options.ssFrom : data.options.ssTo);
  }
  Recompute(dialog);
}

void ChangeOption(HWND dialog, int box) {
  const int ticked = IsDlgButtonChecked(dialog, box) == BST_CHECKED ? 1 : 0;
  if (box == IDC_RALLY_CLASS_POWER_STAGE) {
    data.options.powerStageIncluded = ticked;
  } else {
    data.options.worstStageIncluded = ticked;
  }
  Recompute(dialog);
}

RallyPageLists Lists() {
  return {data.options.ssFrom, data.options.ssTo, data.abandonLines, data.penaltyLines, data.excludedText};
}

ClassificationPageContent PageContent(const RallyClassificationData& shown, const RallyPageLists* lists) {
  ClassificationPageContent content = {shown.rows,
                                       shown.rowCount,
                                       nullptr,
                                       0,
                                       nullptr,
                                       0,
                                       &shown.track,
                                       shown.pageTitle,
                                       RallyClassificationTitle(shown.carFilter, shown.ageFilter),
                                       shown.international};
  content.rally = lists;
  return content;
}

void Print(HWND dialog) {
  platform::PrinterChoice printer;
  if (platform::ChoosePrinter(dialog, &printer)) {
    const RallyPageLists lists = Lists();
    PrintClassificationPages(dialog, static_cast<HDC>(printer.dc), Tr(Text::RallyClassificationPrintDocument),
                             data.logoPath, PageContent(data, &lists), {nullptr, nullptr});
    platform::ReleasePrinter(&printer);
  }
  platform::SetCurrentFolder(parts.openingFolder.c_str());
}

void Publish(HWND dialog) {
  switch (CheckRallyPublishing(web.connected, web.publishingActive, data.rowCount)) {
    case RallyPublishRefusal::NotConnected: ShowError(dialog, Text::PublishingNotConnected); return;
    case RallyPublishRefusal::NotActivated:
      ShowError(dialog, Text::PublishingNotActivated, Text::CaptionBeCareful);
      return;
    case RallyPublishRefusal::Empty: return;
    case RallyPublishRefusal::None: break;
  }
  ArchiveEvent event = {data.track.championship, data.track.eventName, data.track.location, data.track.date,
                        data.track.raceDirector, data.track.hostingClub, data.rallyName};
  if (!WriteRallyClassificationArchive(kArchiveFile, data.rows, data.carFilter, data.ageFilter, event,
                                       data.options.ssFrom, data.options.ssTo, data.rowCount, data.abandonLines,
                                       data.penaltyLines, data.international)) {
    // Going on would upload the previous archive under this classification's name.
    ShowError(dialog, Text::PublishingArchiveNotWritten);
  } else {
    const RallyArchiveNames names = RallyArchiveNamesOf(data.carFilter, data.ageFilter);
    PublishArchive(dialog, web, data.rally, data.rallyName, names.upload.c_str(), names.page.c_str());
  }
  platform::SetCurrentFolder(parts.openingFolder.c_str());
}

void Validate(HWND dialog) {
  platform::SetCurrentFolder(parts.openingFolder.c_str());
  char question[256];
  std::snprintf(question, sizeof question, Tr(Text::RallyClassificationConfirm), data.options.ssFrom,
                data.options.ssTo);
  if (platform::ShowMessage(dialog, question, Tr(Text::CaptionBeCareful),
                            platform::kMbOkCancel | platform::kMbIconWarning) != platform::kIdOk)
    return;
  SaveRallyClassification(dialog, data);
  Close(dialog);
}

void Scroll(HWND dialog, WPARAM wParam) {
  if (ScrollClassificationPage(ScrollBar(dialog), wParam)) InvalidatePage(dialog);
}

bool Command(HWND dialog, int id, int notification) {
  switch (id) {
    case IDC_RALLY_CLASS_CAR_FILTER:
    case IDC_RALLY_CLASS_AGE_FILTER:
      // A drop-down opening or the focus moving is no choice.
      if (notification == CBN_SELCHANGE) ChangeFilters(dialog);
      return true;
    case IDC_RALLY_CLASS_FROM:
    case IDC_RALLY_CLASS_TO:
      if (notification == EN_CHANGE) ChangeRange(dialog, id);
      return true;
    case IDC_RALLY_CLASS_POWER_STAGE:
    case IDC_RALLY_CLASS_WORST_STAGE:
      if (notification == BN_CLICKED) ChangeOption(dialog, id);
      return true;
    case IDC_RALLY_CLASS_PRINT: Print(dialog); return true;
    case IDC_RALLY_CLASS_PUBLISH: Publish(dialog); return true;
    case IDC_RALLY_CLASS_SCROLL: return true;
    case IDOK: Validate(dialog); return true;
  }
  Close(dialog);
  return false;
}

}  // namespace

void PaintRallyClassification(HWND dialog, RECT page, const SCROLLINFO& scroll, const RallyClassificationData& shown) {
  const RallyPageLists lists = {shown.options.ssFrom, shown.options.ssTo, shown.abandonLines, shown.penaltyLines,
                                shown.excludedText};
  PaintClassificationInWindow(dialog, page, scroll.nPos, PageContent(shown, &lists));
}

INT_PTR CALLBACK RallyClassificationDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      fillingEdits = true;  // until the edits hold the options
      Open(dialog);
      return FALSE;
    case WM_COMMAND:
      return Command(dialog, LOWORD(wParam), HIWORD(wParam)) ? TRUE : FALSE;
    case WM_VSCROLL:
      Scroll(dialog, wParam);
      return FALSE;
    case WM_PAINT: {
      const SCROLLINFO scroll = ClassificationScroll(ScrollBar(dialog));
      PaintRallyClassification(dialog, kRallyClassificationPage, scroll, data);
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
