// The stage comment dialog (template SPECIALECOMMENTAIRE).
#include "app/build_profile.h"
#include "platform/bounded.h"
#include "setup/setup_dialog_ids.h"
#include "setup/setup_dialog_win32.h"
#include "setup/setup_dialogs.h"
#include "setup/stage_comment_model.h"

namespace {

constexpr ControlText kTexts[] = {
    {0, Text::StageCommentCaption},
    {IDOK, Text::StageCommentEnter},
    {IDCANCEL, Text::DialogCancel},
    {IDC_COMMENT_CONDITIONS_LABEL, Text::StageCommentConditions},
    {IDC_COMMENT_DRY, Text::StageCommentDryButton},
    {IDC_COMMENT_WET, Text::StageCommentWetButton},
    {IDC_COMMENT_ICE, Text::StageCommentIceButton},
    {IDC_COMMENT_TEXT_LABEL, Text::StageCommentAdd},
};
constexpr int kNormalFont[] = {IDOK, IDCANCEL, IDC_COMMENT_DRY, IDC_COMMENT_WET, IDC_COMMENT_ICE, IDC_COMMENT_TEXT};
constexpr int kBoldFont[] = {IDC_COMMENT_CONDITIONS_LABEL, IDC_COMMENT_TEXT_LABEL};
constexpr int kCommentLimit = 98;

DialogFonts fonts;
StageComment comment;

int ButtonOf(TrackCondition condition) {
  switch (condition) {
    case TrackCondition::Wet:
      return IDC_COMMENT_WET;
    case TrackCondition::Ice:
      return IDC_COMMENT_ICE;
    case TrackCondition::Dry:
    case TrackCondition::Other:
      break;
  }
  return IDC_COMMENT_DRY;
}

void InitCommentDialog(HWND dialog) {
  SetControlTexts(dialog, kTexts);
  comment = OpenStageComment(dialog);
  const StageComment opened = comment;
  CheckRadioButton(dialog, IDC_COMMENT_DRY, IDC_COMMENT_ICE, ButtonOf(ConditionOfWord(opened.trackCondition)));
  SetDlgItemTextA(dialog, IDC_COMMENT_TEXT, opened.comment);
  fonts.Open(dialog, kNormalFont, kBoldFont);
}

void TakeComment(HWND dialog) {
  SendDlgItemMessageA(dialog, IDC_COMMENT_TEXT, EM_LIMITTEXT, kCommentLimit, 0);
  char text[sizeof comment.comment];
  ControlTextOf(dialog, IDC_COMMENT_TEXT, text, sizeof text);
  SetCommentText(&comment, text);
}

}  // namespace

INT_PTR CALLBACK StageCommentDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      InitCommentDialog(dialog);
      return TRUE;
    case WM_CLOSE:
      fonts.Close(dialog);
      return TRUE;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDOK:
          StoreStageComment(dialog, comment);
          fonts.Close(dialog);
          return TRUE;
        case IDCANCEL:
          fonts.Close(dialog);
          return TRUE;
        case IDC_COMMENT_DRY:
          platform::CopyBounded(comment.trackCondition, ConditionWord(TrackCondition::Dry));
          return TRUE;
        case IDC_COMMENT_WET:
          platform::CopyBounded(comment.trackCondition, ConditionWord(TrackCondition::Wet));
          return TRUE;
        case IDC_COMMENT_ICE:
          platform::CopyBounded(comment.trackCondition, ConditionWord(TrackCondition::Ice));
          return TRUE;
        case IDC_COMMENT_TEXT:
          if (HIWORD(wParam) == EN_CHANGE) TakeComment(dialog);
          return TRUE;
      }
      break;
  }
  return FALSE;
}
