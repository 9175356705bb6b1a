// The internet dialog (template INTERNET): the web event on the results web site and the
// publication switched on and off. The FTP probes and the wait for a folder that the web
// site makes run on a thread of their own while this thread goes on dispatching messages,
// so that the race timer keeps ticking while a stage is timed.
#include "results/internet_dialog.h"

#include <cstdio>
#include <functional>
#include <string>
#include <thread>

#include "app/build_profile.h"
#include "race/combo_fillers_win32.h"
#include "platform/bounded.h"
#include "platform/folders.h"
#include "platform/message_box.h"
#include "platform/shell.h"
#include "race/bitmap_painting.h"
#include "results/ftp_transfer_curl.h"
#include "results/internet_dialog_ids.h"
#include "results/internet_dialog_model.h"
#include "results/web_publishing.h"
#include "setup/setup_dialog_win32.h"

namespace {

constexpr int kLampMargin = 10;
constexpr UINT kOpeningProbesMessage = WM_APP + 25;

constexpr ControlText kTexts[] = {
    {0, Text::InternetCaption},
    {IDC_INTERNET_TITLE, Text::InternetTitle},
    {IDC_INTERNET_MESSAGE_GROUP, Text::InternetMessageGroup},
    {IDC_INTERNET_EVENT_GROUP, Text::InternetEventGroup},
    {IDC_INTERNET_EVENT_NAME_LABEL, Text::InternetEventNameLabel},
    {IDC_INTERNET_CHAMPIONSHIP_LABEL, Text::InternetChampionshipLabel},
    {IDC_INTERNET_DATE_LABEL, Text::InternetDateLabel},
    {IDC_INTERNET_VIDEO_LINKS_LABEL, Text::InternetVideoLinksLabel},
    {IDC_INTERNET_ACTIVATE, Text::InternetActivate},
    {IDC_INTERNET_VIEW, Text::InternetView},
    {IDOK, Text::InternetOk},
};
constexpr int kNormalFont[] = {IDOK,
                               IDC_INTERNET_MESSAGE,
                               IDC_INTERNET_EVENT_NAME,
                               IDC_INTERNET_DAY,
                               IDC_INTERNET_MONTH,
                               IDC_INTERNET_YEAR,
                               IDC_INTERNET_CHAMPIONSHIP,
                               IDC_INTERNET_VIDEO_LINKS,
                               IDC_INTERNET_ACTIVATE,
                               IDC_INTERNET_VIEW,
                               IDC_INTERNET_EVENT_NAME_LABEL,
                               IDC_INTERNET_DATE_LABEL,
                               IDC_INTERNET_CHAMPIONSHIP_LABEL,
                               IDC_INTERNET_VIDEO_LINKS_LABEL};
constexpr int kBoldFont[] = {IDC_INTERNET_TITLE, IDC_INTERNET_MESSAGE_GROUP, IDC_INTERNET_EVENT_GROUP};

// The edits of the web event, with the room their texts are read back into and their limits.
struct EventEdit {
  int control;
  int limit;
};
constexpr EventEdit kEdits[] = {{IDC_INTERNET_EVENT_NAME, 28},
                                {IDC_INTERNET_DAY, 2},
                                {IDC_INTERNET_MONTH, 2},
                                {IDC_INTERNET_YEAR, 4},
                                {IDC_INTERNET_VIDEO_LINKS, 198}};

DialogFonts fonts;
bool busy = false;  // a probe or the wait for a folder runs

FtpServer ResultsWebSite() { return ReadFtpServer(platform::ProgramPath(kFtpServerFile).c_str()); }

LocalDate Today() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return {now.wDay, now.wMonth, now.wYear};
}

void Error(HWND dialog, Text text) {
  platform::ShowMessage(dialog, Tr(text), Tr(Text::CaptionError), platform::kMbOk | platform::kMbIconStop);
}

void RedrawLamp(HWND dialog) { InvalidateRect(dialog, &kInternetLampArea, TRUE); }

// What the operator may use: nothing while a probe runs; "Activate" and "view" only when
// connected; the web event is read-only and its championship fixed while publishing.
void ShowControlStates(HWND dialog) {
  const InternetDialogState& state = InternetDialogMemory();
  bool connected = state.connected == 1;
  bool active = state.publishingActive == 1;
  EnableWindow(GetDlgItem(dialog, IDC_INTERNET_ACTIVATE), connected && !busy);
  EnableWindow(GetDlgItem(dialog, IDC_INTERNET_VIEW), connected && !busy);
  for (const EventEdit& edit : kEdits) {
    HWND control = GetDlgItem(dialog, edit.control);
    SendMessageA(control, EM_SETREADONLY, active, 0);
    EnableWindow(control, !busy);
  }
  EnableWindow(GetDlgItem(dialog, IDC_INTERNET_CHAMPIONSHIP), !active && !busy);
  EnableWindow(GetDlgItem(dialog, IDOK), !busy);
}

void ShowMessageText(HWND dialog) {
  SetDlgItemTextA(dialog, IDC_INTERNET_MESSAGE, InternetDialogMemory().message.c_str());
}

void SetActivateButton(HWND dialog, bool checked) {
  CheckDlgButton(dialog, IDC_INTERNET_ACTIVATE, checked ? BST_CHECKED : BST_UNCHECKED);
  SetDlgItemTextA(dialog, IDC_INTERNET_ACTIVATE, Tr(checked ? Text::InternetDeactivate : Text::InternetActivate));
}

void SelectChampionship(HWND dialog, const char* shown) {
  HWND combo = GetDlgItem(dialog, IDC_INTERNET_CHAMPIONSHIP);
  // The item of that very text: the list's own search folds case its own way.
  const LRESULT found = FindExactComboItem(combo, shown);
  SendMessageA(combo, CB_SETCURSEL, found == CB_ERR ? static_cast<WPARAM>(-1) : found, 0);
}

void SelectedChampionship(HWND dialog, char (&shown)[20]) {
  platform::ZeroBytes(shown, sizeof shown);
  HWND combo = GetDlgItem(dialog, IDC_INTERNET_CHAMPIONSHIP);
  LRESULT selected = SendMessageA(combo, CB_GETCURSEL, 0, 0);
  if (selected == CB_ERR || SendMessageA(combo, CB_GETLBTEXTLEN, selected, 0) >= static_cast<LRESULT>(sizeof shown))
    return;
  SendMessageA(combo, CB_GETLBTEXT, selected, reinterpret_cast<LPARAM>(shown));
}

// Every text of the copy into its control; with onlyNonEmpty, an empty text leaves its
// control as it is.
void ShowWebEvent(HWND dialog, const WebEventCopy& copy, bool onlyNonEmpty) {
  const char* texts[] = {copy.eventName, copy.day, copy.month, copy.year, copy.videoLinks};
  for (int i = 0; i < 5; ++i) {
    if (!onlyNonEmpty || texts[i][0]) SetDlgItemTextA(dialog, kEdits[i].control, texts[i]);
  }
  if (!onlyNonEmpty || copy.championshipShown[0]) SelectChampionship(dialog, copy.championshipShown);
}

void ReadEnteredWebEvent(HWND dialog, WebEventCopy* entered) {
  ControlTextOf(dialog, IDC_INTERNET_EVENT_NAME, entered->eventName, sizeof entered->eventName);
  ControlTextOf(dialog, IDC_INTERNET_DAY, entered->day, sizeof entered->day);
  ControlTextOf(dialog, IDC_INTERNET_MONTH, entered->month, sizeof entered->month);
  ControlTextOf(dialog, IDC_INTERNET_YEAR, entered->year, sizeof entered->year);
  ControlTextOf(dialog, IDC_INTERNET_VIDEO_LINKS, entered->videoLinks, sizeof entered->videoLinks);
  SelectedChampionship(dialog, entered->championshipShown);
}

// Runs work on a thread of its own with the controls disabled; meanwhile this thread goes on
// dispatching its messages (the race timer's among them). Returns when the work is done.
void RunBesideMessages(HWND dialog, const std::function<void()>& work) {
  busy = true;
  ShowControlStates(dialog);
  HANDLE done = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  std::thread worker([&work, done] {
    work();
    SetEvent(done);
  });
  bool quit = false;
  WPARAM quitCode = 0;
  while (MsgWaitForMultipleObjects(1, &done, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0) {
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
      if (m.message == WM_QUIT) {
        quit = true;
        quitCode = m.wParam;
        continue;
      }
      if (!IsDialogMessageA(dialog, &m)) {
        TranslateMessage(&m);
        DispatchMessageA(&m);
      }
    }
  }
  worker.join();
  CloseHandle(done);
  if (quit) PostQuitMessage(static_cast<int>(quitCode));
  busy = false;
  ShowControlStates(dialog);
}

enum class Probe { LibraryFailed, Exists, Missing };

// One probe of a folder, or the wait for it after the web site was asked to make it.
Probe ProbeFolder(HWND dialog, const FtpServer& server, const std::string& url, bool wait) {
  Probe result = Probe::Missing;
  RunBesideMessages(dialog, [&] {
    FtpFolderProbe probe(server, url);
    if (!probe.Ready()) {
      result = Probe::LibraryFailed;
      return;
    }
    bool exists = wait ? PollUntilFolderExists([&probe] { return probe.Exists(); }) : probe.Exists();
    result = exists ? Probe::Exists : Probe::Missing;
  });
  return result;
}

void InitInternetDialog(HWND dialog) {
  busy = false;
  SetControlTexts(dialog, kTexts);
  // The template is in dialog units, the lamp in pixels: the dialog grows to show it whole.
  GrowClientToHold(dialog, kInternetLampArea.right + kLampMargin, kInternetLampArea.bottom + kLampMargin);
  // The lamp stands between Activate and view: where a dialog unit is fewer pixels, view
  // would cover it, so it moves right of the lamp.
  if (HWND view = GetDlgItem(dialog, IDC_INTERNET_VIEW)) {
    RECT r;
    GetWindowRect(view, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    if (r.left < kInternetLampArea.right + kLampMargin && r.right > kInternetLampArea.left) {
      SetWindowPos(view, nullptr, kInternetLampArea.right + kLampMargin, r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }
  InternetDialogState& state = InternetDialogMemory();
  int storedActive = 0;
  if (!OpenInternetDialogState(&state, Today(), &storedActive)) {
    platform::ShowMessage(dialog, Tr(Text::InternetChampionshipsNotFound), Tr(Text::CaptionError), platform::kMbOk);
  }
  HWND combo = GetDlgItem(dialog, IDC_INTERNET_CHAMPIONSHIP);
  for (const ChampionshipRecord& record : state.championships) {
    if (!record.name[0]) break;
    SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(record.name));
  }
  for (const EventEdit& edit : kEdits) SendDlgItemMessageA(dialog, edit.control, EM_LIMITTEXT, edit.limit, 0);
  SetActivateButton(dialog, false);
  ShowWebEvent(dialog, state.entered, false);
  SetDlgItemTextA(dialog, IDC_INTERNET_MESSAGE, Tr(Text::InternetProbing));
  fonts.Open(dialog, kNormalFont, kBoldFont);
  busy = true;
  ShowControlStates(dialog);
  // The dialog shows at once; the probes follow once it is up.
  PostMessageA(dialog, kOpeningProbesMessage, storedActive, 0);
}

void ProbeAtOpening(HWND dialog, int storedActive) {
  InternetDialogState& state = InternetDialogMemory();
  FtpServer server = ResultsWebSite();
  bool probeFolder = OpeningProbesFolder(state);
  std::string folderUrl = EventFolderUrl(server, state.current.championship, state.current.eventFolder);
  OpeningProbes probes = {};
  RunBesideMessages(dialog, [&] {
    FtpFolderProbe login(server, LoginUrl(server));
    if (!login.Ready()) {
      probes.libraryFailed = true;
      return;
    }
    probes.loginWorked = login.Exists();
    if (!probes.loginWorked || !probeFolder) return;
    FtpFolderProbe folder(server, folderUrl);
    if (!folder.Ready()) {
      probes.libraryFailed = true;
      return;
    }
    probes.probedFolder = true;
    probes.folderExists = folder.Exists();
  });
  bool rewrite = FinishInternetOpening(&state, probes, Today(), storedActive);
  if (probes.libraryFailed) Error(dialog, Text::PublishingLibcurlFailed);
  // The main window reads the file when the dialog closes: it must not go on publishing
  // into a web event that this opening found gone.
  if (rewrite) {
    WriteWebCoordinates(dialog, state.file.eventFolder, state.file.championship, state.file.videoLinks,
                        state.connected, 0);
  }
  SetActivateButton(dialog, state.publishingActive == 1);
  ShowMessageText(dialog);
  ShowWebEvent(dialog, state.entered, false);
  ShowControlStates(dialog);
  RedrawLamp(dialog);
}

void Activated(HWND dialog) {
  InternetDialogState& state = InternetDialogMemory();
  ActivateWebEvent(&state);
  SetActivateButton(dialog, true);
  const WebEventCopy& current = state.current;
  WriteWebCoordinates(dialog, current.eventFolder, current.championship, current.videoLinks, state.connected, 1);
  ShowControlStates(dialog);
}

// The activation did not happen: publishing off, the current web event back in the fields.
void NotActivated(HWND dialog, bool restoreCurrent) {
  InternetDialogState& state = InternetDialogMemory();
  state.publishingActive = 0;
  CheckDlgButton(dialog, IDC_INTERNET_ACTIVATE, BST_UNCHECKED);
  if (restoreCurrent) ShowWebEvent(dialog, state.current, true);
}

void Activate(HWND dialog) {
  InternetDialogState& state = InternetDialogMemory();
  ReadEnteredWebEvent(dialog, &state.entered);
  EntryCheck check = CheckEnteredWebEvent(&state.entered);
  if (check != EntryCheck::Valid) {
    Error(dialog, check == EntryCheck::NotCorrect ? Text::InternetEntryNotCorrect : Text::InternetNoChampionship);
    NotActivated(dialog, false);
    return;
  }
  FtpServer server = ResultsWebSite();
  std::string folderUrl = EventFolderUrl(server, state.entered.championship, state.entered.eventFolder);
  Probe found = ProbeFolder(dialog, server, folderUrl, false);
  if (found == Probe::LibraryFailed) {
    Error(dialog, Text::PublishingLibcurlFailed);
    NotActivated(dialog, false);
    return;
  }
  if (found == Probe::Exists) {
    char question[256];
    std::snprintf(question, sizeof question, Tr(Text::InternetEventExists), state.entered.eventFolder);
    int answer = platform::ShowMessage(dialog, question, Tr(Text::CaptionBeCareful),
                                       platform::kMbYesNo | platform::kMbIconQuestion);
    if (answer == platform::kIdYes) Activated(dialog);
    else NotActivated(dialog, true);
    return;
  }
  int answer = 0;
  if (ChangeNeedsQuestion(state)) {
    answer = platform::ShowMessage(dialog, Tr(Text::InternetEventChanged), Tr(Text::CaptionBeCareful),
                                   platform::kMbYesNoCancel | platform::kMbIconQuestion);
  }
  WebEventChange change = ChooseWebEventChange(state, answer);
  if (change == WebEventChange::Cancel) {
    NotActivated(dialog, true);
    return;
  }
  bool rename = change == WebEventChange::Rename;
  platform::OpenWithShell(dialog, CreationEventPageUrl(server, rename, state.entered, state.current).c_str());
  found = ProbeFolder(dialog, server, folderUrl, true);
  if (found == Probe::Exists) {
    Activated(dialog);
    return;
  }
  if (found == Probe::LibraryFailed) Error(dialog, Text::PublishingLibcurlFailed);
  else Error(dialog, rename ? Text::InternetRenameFailed : Text::InternetCreationFailed);
  NotActivated(dialog, true);
}

// After every click on "Activate": an unchecked button leaves publishing off in the file.
void FinishActivation(HWND dialog) {
  InternetDialogState& state = InternetDialogMemory();
  if (IsDlgButtonChecked(dialog, IDC_INTERNET_ACTIVATE) != BST_CHECKED) {
    state.publishingActive = 0;
    const WebEventCopy& current = state.current;
    if (current.eventFolder[0] && current.championship[0]) {
      WriteWebCoordinates(dialog, current.eventFolder, current.championship, current.videoLinks, state.connected, 0);
    }
    SetActivateButton(dialog, false);
    NotActivatedMessage(&state);
    ShowControlStates(dialog);
  }
  ShowMessageText(dialog);
  RedrawLamp(dialog);
}

void CloseDialog(HWND dialog) { fonts.Close(dialog); }

}  // namespace

INT_PTR CALLBACK InternetDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      InitInternetDialog(dialog);
      return FALSE;
    case kOpeningProbesMessage:
      ProbeAtOpening(dialog, static_cast<int>(wParam));
      return TRUE;
    case WM_PAINT: {
      const InternetDialogState& state = InternetDialogMemory();
      bool lit = state.connected == 1 && state.publishingActive == 1;
      PaintBitmapFile(dialog, lit ? "images/wifiVert.bmp" : "images/wifiRouge.bmp", kInternetLampArea.left, kInternetLampArea.top);
      return TRUE;
    }
    case WM_CLOSE:
      // Not while a probe runs: its result still has to be shown and written.
      if (!busy) CloseDialog(dialog);
      return busy ? TRUE : FALSE;
    case WM_COMMAND: {
      int id = LOWORD(wParam);
      int code = HIWORD(wParam);
      switch (id) {
        case IDOK:
          if (!busy) CloseDialog(dialog);
          return TRUE;
        case IDC_INTERNET_ACTIVATE:
          if (code == BN_CLICKED && !busy) {
            if (IsDlgButtonChecked(dialog, IDC_INTERNET_ACTIVATE) == BST_CHECKED) Activate(dialog);
            FinishActivation(dialog);
          }
          return TRUE;
        case IDC_INTERNET_VIEW:
          if (code == BN_CLICKED && !busy) platform::OpenWithShell(dialog, EventListPageUrl(ResultsWebSite()).c_str());
          return TRUE;
        case IDC_INTERNET_CHAMPIONSHIP:
          if (code == CBN_SELCHANGE) SelectedChampionship(dialog, InternetDialogMemory().entered.championshipShown);
          return TRUE;
        case IDC_INTERNET_EVENT_NAME:
        case IDC_INTERNET_DAY:
        case IDC_INTERNET_MONTH:
        case IDC_INTERNET_YEAR:
        case IDC_INTERNET_VIDEO_LINKS:
          if (code == EN_CHANGE) {
            for (const EventEdit& edit : kEdits) {
              if (edit.control == id) SendDlgItemMessageA(dialog, id, EM_LIMITTEXT, edit.limit, 0);
            }
          }
          return TRUE;
        case IDC_INTERNET_MESSAGE:
        case IDC_INTERNET_TITLE:
        case IDC_INTERNET_MESSAGE_GROUP:
        case IDC_INTERNET_EVENT_GROUP:
        case IDC_INTERNET_EVENT_NAME_LABEL:
        case IDC_INTERNET_DATE_LABEL:
        case IDC_INTERNET_CHAMPIONSHIP_LABEL:
        case IDC_INTERNET_VIDEO_LINKS_LABEL:
          // Focus and scroll notifications of the message box and the labels: the dialog
          // stays open with what the operator entered.
          return TRUE;
        default:
          // Escape (IDCANCEL) and commands of no control of the dialog close it.
          if (busy) return TRUE;
          CloseDialog(dialog);
          return FALSE;
      }
    }
  }
  return FALSE;
}
