// The sound options dialog (template SONS) and the custom sounds dialog it opens
// (template SONSPERSONNALISES).
#include <string>

#include "app/build_profile.h"
#include "platform/bounded.h"
#include "platform/file_dialog.h"
#include "platform/folders.h"
#include "platform/sound.h"
#include "setup/settings_dialog_ids.h"
#include "setup/settings_dialogs.h"
#include "setup/settings_dialogs_model.h"
#include "setup/setup_dialog_win32.h"

namespace {

// ---- Sound options ----

constexpr ControlText kSoundTexts[] = {
    {0, Text::SoundsCaption},
    {IDOK, Text::DialogOk},
    {IDCANCEL, Text::DialogCancel},
    {IDC_SOUNDS_TITLE, Text::SoundsTitle},
    {IDC_SOUNDS_ENGLISH, Text::SoundsEnglish},
    {IDC_SOUNDS_FRENCH, Text::SoundsFrench},
    {IDC_SOUNDS_CUSTOM, Text::SoundsCustom},
    {IDC_SOUNDS_STAGE_GROUP, Text::SoundsStageGroup},
    {IDC_SOUNDS_COMPETITORS_GROUP, Text::SoundsCompetitorsGroup},
    {IDC_SOUNDS_REST_GROUP, Text::SoundsRestGroup},
    {IDC_SOUNDS_STAGE_START, Text::SoundsStageStart},
    {IDC_SOUNDS_STAGE_END, Text::SoundsStageEnd},
    {IDC_SOUNDS_PASSAGES, Text::SoundsPassages},
    {IDC_SOUNDS_BEST_TIME, Text::SoundsBestTime},
    {IDC_SOUNDS_LAP_REJECTED, Text::SoundsLapRejected},
    {IDC_SOUNDS_COUNTDOWN, Text::SoundsCountdown},
    {IDC_SOUNDS_REST_CLOCK, Text::SoundsRestClock},
    {IDC_SOUNDS_CUSTOM_LABEL, Text::SoundsCustomLabel},
    {IDC_SOUNDS_MODIFY, Text::SoundsModify},
};
constexpr int kSoundNormalFont[] = {IDOK,
                                    IDCANCEL,
                                    IDC_SOUNDS_ENGLISH,
                                    IDC_SOUNDS_FRENCH,
                                    IDC_SOUNDS_CUSTOM,
                                    IDC_SOUNDS_STAGE_START,
                                    IDC_SOUNDS_STAGE_END,
                                    IDC_SOUNDS_PASSAGES,
                                    IDC_SOUNDS_BEST_TIME,
                                    IDC_SOUNDS_LAP_REJECTED,
                                    IDC_SOUNDS_COUNTDOWN,
                                    IDC_SOUNDS_REST_CLOCK,
                                    IDC_SOUNDS_MODIFY,
                                    IDC_SOUNDS_CUSTOM_LABEL};
constexpr int kSoundBoldFont[] = {IDC_SOUNDS_TITLE, IDC_SOUNDS_STAGE_GROUP, IDC_SOUNDS_COMPETITORS_GROUP,
                                  IDC_SOUNDS_REST_GROUP};

SoundSettings sounds;
DialogFonts soundFonts;

void ShowError(HWND dialog, Text text) {
  platform::ShowMessage(dialog, Tr(text), Tr(Text::CaptionError), platform::kMbOk);
}

void InitSoundsDialog(HWND dialog) {
  SetControlTexts(dialog, kSoundTexts);
  platform::ZeroBytes(&sounds, sizeof sounds);
  if (!ReadSoundSettings(&sounds)) ShowError(dialog, Text::SoundSettingsNotFound);
  CheckRadioButton(dialog, IDC_SOUNDS_ENGLISH, IDC_SOUNDS_CUSTOM, LanguageButtonOf(sounds.language));
  for (int control = IDC_SOUNDS_STAGE_START; control <= IDC_SOUNDS_REST_CLOCK; ++control) {
    CheckDlgButton(dialog, control, SoundSwitchOn(sounds, control) ? BST_CHECKED : BST_UNCHECKED);
  }
  soundFonts.Open(dialog, kSoundNormalFont, kSoundBoldFont);
}

void ConfirmSounds(HWND dialog) {
  if (!WriteSoundSettings(sounds)) ShowError(dialog, Text::SoundSettingsNotFound);
  soundFonts.Close(dialog);
}

// ---- Custom sounds ----

constexpr ControlText kCustomTexts[] = {
    {0, Text::CustomSoundsCaption},
    {IDOK, Text::DialogOk},
    {IDCANCEL, Text::DialogCancel},
    {IDC_CUSTOM_TITLE, Text::CustomSoundsCaption},
    {IDC_CUSTOM_STAGE_GROUP, Text::SoundsStageGroup},
    {IDC_CUSTOM_COUNTDOWN_GROUP, Text::CustomSoundsCountdownGroup},
    {IDC_CUSTOM_REST_GROUP, Text::SoundsRestGroup},
    {IDC_CUSTOM_STAGE_LOAD, Text::CustomSoundsLoad},
    {IDC_CUSTOM_COUNTDOWN_LOAD, Text::CustomSoundsLoad},
    {IDC_CUSTOM_REST_LOAD, Text::CustomSoundsLoad},
    {IDC_CUSTOM_STAGE_LISTEN, Text::CustomSoundsListen},
    {IDC_CUSTOM_COUNTDOWN_LISTEN, Text::CustomSoundsListen},
    {IDC_CUSTOM_REST_LISTEN, Text::CustomSoundsListen},
};
constexpr int kCustomNormalFont[] = {IDOK,
                                     IDCANCEL,
                                     IDC_CUSTOM_STAGE_EVENTS,
                                     IDC_CUSTOM_COUNTDOWN_EVENTS,
                                     IDC_CUSTOM_REST_EVENTS,
                                     IDC_CUSTOM_STAGE_LOAD,
                                     IDC_CUSTOM_COUNTDOWN_LOAD,
                                     IDC_CUSTOM_REST_LOAD,
                                     IDC_CUSTOM_STAGE_LISTEN,
                                     IDC_CUSTOM_COUNTDOWN_LISTEN,
                                     IDC_CUSTOM_REST_LISTEN};
constexpr int kCustomBoldFont[] = {IDC_CUSTOM_TITLE, IDC_CUSTOM_STAGE_GROUP, IDC_CUSTOM_COUNTDOWN_GROUP,
                                   IDC_CUSTOM_REST_GROUP};
constexpr int kPathEdits[] = {IDC_CUSTOM_STAGE_PATH, IDC_CUSTOM_COUNTDOWN_PATH, IDC_CUSTOM_REST_PATH};
constexpr int kPathFontHeight = 14;

struct CustomSoundsData {
  CustomSoundPaths paths;
  int selected[kCustomSoundGroups];
  std::string savedFolder;
};
CustomSoundsData custom;
DialogFonts customFonts;
HFONT pathFont;
ButtonPicture loadPictures[kCustomSoundGroups];
ButtonPicture listenPictures[kCustomSoundGroups];

int GroupControl(int group, int part) { return IDC_CUSTOM_STAGE_EVENTS + 4 * group + part; }

void ShowPath(HWND dialog, int group) {
  const int slot = CustomSoundSlot(group, custom.selected[group]);
  char path[sizeof custom.paths.path[0]];
  platform::CopyBounded(path, slot >= 0 ? custom.paths.path[slot] : "");
  SetDlgItemTextA(dialog, kPathEdits[group], path);
}

void InitCustomSoundsDialog(HWND dialog) {
  custom.savedFolder = platform::CurrentFolder();
  SetControlTexts(dialog, kCustomTexts);
  ClearCustomSoundPaths(&custom.paths);
  if (!ReadCustomSoundsFile(kCustomSoundsFile, &custom.paths)) ShowError(dialog, Text::CustomSoundsNotFound);
  for (int group = 0; group < kCustomSoundGroups; ++group) {
    const int combo = GroupControl(group, 0);
    const int first = CustomSoundGroupFirst(group);
    for (int event = 0; event < CustomSoundGroupSize(group); ++event) {
      SendDlgItemMessageA(dialog, combo, CB_ADDSTRING, 0,
                          reinterpret_cast<LPARAM>(Tr(CustomSoundEventText(first + event))));
    }
    SendDlgItemMessageA(dialog, combo, CB_SETCURSEL, 0, 0);
    custom.selected[group] = 0;
    ShowPath(dialog, group);
    loadPictures[group].Set(dialog, GroupControl(group, 2), "images/chargercourse.bmp");
    listenPictures[group].Set(dialog, GroupControl(group, 3), "images/Sons2.bmp");
  }
  customFonts.Open(dialog, kCustomNormalFont, kCustomBoldFont);
  pathFont = CreateFontA(kPathFontHeight, 0, 0, 0, FW_DONTCARE, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial");
  for (int edit : kPathEdits) SendDlgItemMessageA(dialog, edit, WM_SETFONT, reinterpret_cast<WPARAM>(pathFont), TRUE);
}

void CloseCustomSounds(HWND dialog) {
  platform::SetCurrentFolder(custom.savedFolder.c_str());
  if (pathFont) DeleteObject(pathFont);
  pathFont = nullptr;
  for (int group = 0; group < kCustomSoundGroups; ++group) {
    loadPictures[group].Release();
    listenPictures[group].Release();
  }
  customFonts.Close(dialog);
}

void ConfirmCustomSounds(HWND dialog) {
  platform::SetCurrentFolder(custom.savedFolder.c_str());
  if (!WriteCustomSoundsFile(kCustomSoundsFile, custom.paths)) ShowError(dialog, Text::CustomSoundsNotFound);
  CloseCustomSounds(dialog);
}

void LoadCustomSound(HWND dialog, int group) {
  const int slot = CustomSoundSlot(group, custom.selected[group]);
  if (slot < 0) return;
  char path[sizeof custom.paths.path[0]] = "";
  std::string filter = std::string(Tr(Text::CustomSoundsFilter)) + "|*.wav";
  platform::FileDialogRequest request;
  request.owner = dialog;
  request.filter = filter.c_str();
  if (!platform::ChooseFile(request, path, sizeof path)) return;
  platform::ZeroBytes(custom.paths.path[slot], sizeof custom.paths.path[slot]);
  platform::CopyBounded(custom.paths.path[slot], path);
  ShowPath(dialog, group);
  platform::SetCurrentFolder(custom.savedFolder.c_str());
}

void CustomSoundCommand(HWND dialog, int control, int code) {
  int part = 0;
  const int group = CustomSoundGroupOf(control, &part);
  if (group < 0) return;
  if (part == 0 && code == CBN_SELCHANGE) {
    const int selection = static_cast<int>(SendDlgItemMessageA(dialog, control, CB_GETCURSEL, 0, 0));
    if (CustomSoundSlot(group, selection) >= 0) custom.selected[group] = selection;
    ShowPath(dialog, group);
  } else if (part == 2) {
    LoadCustomSound(dialog, group);
  } else if (part == 3) {
    const int slot = CustomSoundSlot(group, custom.selected[group]);
    if (slot >= 0) platform::PlaySoundFile(custom.paths.path[slot], platform::SoundMode::Async);
  }
}

}  // namespace

INT_PTR CALLBACK SoundSettingsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      InitSoundsDialog(dialog);
      return TRUE;
    case WM_CLOSE:
      soundFonts.Close(dialog);
      return TRUE;
    case WM_COMMAND: {
      const int control = LOWORD(wParam);
      switch (control) {
        case IDOK:
          ConfirmSounds(dialog);
          return TRUE;
        case IDCANCEL:
          soundFonts.Close(dialog);
          return TRUE;
        case IDC_SOUNDS_ENGLISH:
        case IDC_SOUNDS_FRENCH:
        case IDC_SOUNDS_CUSTOM:
          SetSoundLanguage(&sounds, control);
          return TRUE;
        case IDC_SOUNDS_MODIFY:
          DialogBoxParamA(reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(dialog, GWLP_HINSTANCE)),
                          "SONSPERSONNALISES", dialog, CustomSoundsDialogProc, 0);
          return TRUE;
      }
      if (control >= IDC_SOUNDS_STAGE_START && control <= IDC_SOUNDS_REST_CLOCK) {
        SetSoundSwitch(&sounds, control, IsDlgButtonChecked(dialog, control) == BST_CHECKED);
        return TRUE;
      }
      break;
    }
  }
  return FALSE;
}

INT_PTR CALLBACK CustomSoundsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      InitCustomSoundsDialog(dialog);
      return TRUE;
    case WM_CLOSE:
      CloseCustomSounds(dialog);
      return TRUE;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDOK:
          ConfirmCustomSounds(dialog);
          return TRUE;
        case IDCANCEL:
          CloseCustomSounds(dialog);
          return TRUE;
      }
      CustomSoundCommand(dialog, LOWORD(wParam), HIWORD(wParam));
      return TRUE;
  }
  return FALSE;
}
