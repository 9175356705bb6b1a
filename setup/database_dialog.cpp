#include "setup/database_dialog.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "app/build_profile.h"
#include "platform/bounded.h"
#include "platform/file_dialog.h"
#include "platform/folders.h"
#include "platform/message_box.h"
#include "race/bitmap_painting.h"
#include "resources/database_dialog_ids.h"

namespace dbdialog {
namespace {

// One database dialog is open at a time (they are modal): its state lives here.
struct OpenDialog {
  char savedFolder[MAX_PATH] = {0};
  char shownPicture[MAX_PATH] = {0};
  HFONT normal = nullptr;
  HFONT bold = nullptr;
};
OpenDialog open;

void ShowWarning(HWND dialog, const std::string& text) {
  platform::ShowMessage(dialog, text.c_str(), Tr(Text::CaptionBeCareful), platform::kMbOk | platform::kMbIconWarning);
}

void RestoreFolder(const DialogSpec& spec) {
  if (spec.keepsFolder) platform::SetCurrentFolder(open.savedFolder);
}

int Selection(HWND dialog, const DialogSpec& spec) {
  return static_cast<int>(SendDlgItemMessageA(dialog, spec.keyList, LB_GETCURSEL, 0, 0));
}

void SetPosition(HWND dialog, const DialogSpec& spec, int position) {
  if (!spec.positionBox) return;
  char text[16];
  std::snprintf(text, sizeof text, "%d", position);
  // Exactly one entry: the new one is added, then the old one, if any, deleted.
  bool hadOne = SendDlgItemMessageA(dialog, spec.positionBox, LB_GETCOUNT, 0, 0) > 0;
  SendDlgItemMessageA(dialog, spec.positionBox, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
  if (hadOne) SendDlgItemMessageA(dialog, spec.positionBox, LB_DELETESTRING, 0, 0);
}

void RebuildList(HWND dialog, const DialogSpec& spec) {
  TableView table = spec.view();
  HWND list = GetDlgItem(dialog, spec.keyList);
  SendMessageA(list, LB_RESETCONTENT, 0, 0);
  int count = spec.fixedList ? table.capacity : CountKeys(table);
  for (int i = 0; i < count; ++i) {
    std::string key(table.Key(i), strnlen(table.Key(i), table.keyWidth));
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(key.c_str()));
  }
}

// An edit breaks its lines with CR LF; in memory a break is "\n", which the file layer
// writes as CR LF. A CR kept in memory would reach the file as a stray CR before the break.
std::string StoredLineBreaks(const std::string& text) {
  std::string stored;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    stored += text[i];
  }
  return stored;
}

std::string EditLineBreaks(const std::string& value) {
  std::string shown;
  for (char c : value) {
    if (c == '\n') shown += '\r';
    shown += c;
  }
  return shown;
}

void ShowRecord(HWND dialog, const DialogSpec& spec, int index) {
  TableView table = spec.view();
  char* record = static_cast<char*>(table.Record(index < 0 ? 0 : index));
  if (spec.keyDisplay) {
    std::string key(record + table.keyOffset, strnlen(record + table.keyOffset, table.keyWidth));
    SetDlgItemTextA(dialog, spec.keyDisplay, key.c_str());
  }
  for (int f = 0; f < spec.fieldCount; ++f) {
    const FieldBinding& field = spec.fields[f];
    std::string value(record + field.offset, strnlen(record + field.offset, field.width));
    if (field.kind == FieldKind::Combo) {
      // CB_FINDSTRINGEXACT ignores letter case; no match leaves no selection.
      LRESULT found = value.empty() ? CB_ERR
                                    : SendDlgItemMessageA(dialog, field.control, CB_FINDSTRINGEXACT,
                                                          static_cast<WPARAM>(-1),
                                                          reinterpret_cast<LPARAM>(value.c_str()));
      SendDlgItemMessageA(dialog, field.control, CB_SETCURSEL, found == CB_ERR ? -1 : found, 0);
    } else if (field.kind == FieldKind::MultiLineEdit) {
      SetDlgItemTextA(dialog, field.control, EditLineBreaks(value).c_str());
    } else {
      SetDlgItemTextA(dialog, field.control, value.c_str());
    }
  }
  if (spec.picture) {
    const PictureArea& picture = *spec.picture;
    std::string path(record + picture.pathOffset, strnlen(record + picture.pathOffset, picture.pathWidth));
    SetShownPicture(dialog, picture, path.c_str());
  }
  if (spec.showDerived) spec.showDerived(dialog, index < 0 ? 0 : index);
  SetPosition(dialog, spec, (index < 0 ? 0 : index) + 1);
}

void SelectAndShow(HWND dialog, const DialogSpec& spec, int index) {
  SendDlgItemMessageA(dialog, spec.keyList, LB_SETCURSEL, index, 0);
  ShowRecord(dialog, spec, index);
}

void StoreField(HWND dialog, const DialogSpec& spec, const FieldBinding& field, int code) {
  int index = Selection(dialog, spec);
  // No record is selected in an empty list: nothing to write to.
  if (index < 0) return;
  char* target = static_cast<char*>(spec.view().Record(index)) + field.offset;
  if (field.kind == FieldKind::Combo) {
    if (code != CBN_SELCHANGE) return;
    int chosen = ComboSelection(dialog, field.control);
    if (chosen < 0) return;
    platform::CopyBounded(target, field.width, ComboEntry(GetDlgItem(dialog, field.control), chosen).c_str());
    return;
  }
  if (code != EN_CHANGE) return;
  SendDlgItemMessageA(dialog, field.control, EM_LIMITTEXT, field.limit, 0);
  std::string text = ControlText(dialog, field.control);
  if (field.kind == FieldKind::MultiLineEdit) text = StoredLineBreaks(text);
  SanitizeText(&text[0], field.kind == FieldKind::MultiLineEdit);
  if (field.kind == FieldKind::Transponder) {
    if (text.size() == 6) platform::CopyBounded(target, field.width, text.c_str());
    return;
  }
  platform::CopyBounded(target, field.width, text.c_str());
  if (field.kind == FieldKind::UnderscoredEdit) {
    for (char* c = target; *c; ++c) {
      if (*c == '-') *c = '_';
    }
  }
}

void Add(HWND dialog, const DialogSpec& spec) {
  if (!spec.newField) return;
  std::string typed = ControlText(dialog, spec.newField);
  KeyCheck check;
  int index = AddKey(spec.view(), spec.rules(), typed.c_str(), &check);
  if (check == KeyCheck::RefusedWithMessage) ShowError(dialog, Text::DbPlainCharactersOnly, platform::kMbIconStop);
  if (index < 0) return;
  SetDlgItemTextA(dialog, spec.newField, "");
  RebuildList(dialog, spec);
  SelectAndShow(dialog, spec, spec.selectFirstAfterAdd ? 0 : index);
}

void Remove(HWND dialog, const DialogSpec& spec) {
  int index = Selection(dialog, spec);
  if (index < 0) return;
  if (RemoveAt(spec.view(), index, spec.minimumToRemove)) {
    RebuildList(dialog, spec);
    SelectAndShow(dialog, spec, 0);
  }
  if (spec.removeThenAdd) Add(dialog, spec);
}

std::string Filter(const DialogSpec& spec) {
  return std::string(Tr(spec.filterText)) + "|" + spec.pattern;
}

void Import(HWND dialog, const DialogSpec& spec) {
  char path[MAX_PATH] = {0};
  platform::FileDialogRequest request;
  request.owner = dialog;
  std::string filter = Filter(spec);
  request.filter = filter.c_str();
  bool chosen = platform::ChooseFile(request, path, sizeof path);
  RestoreFolder(spec);
  if (!chosen) return;
  TableView table = spec.view();
  // The private table is kept aside so that a failed import leaves it as it was.
  std::vector<char> kept(static_cast<char*>(table.records),
                         static_cast<char*>(table.records) + table.recordSize * static_cast<std::size_t>(table.capacity));
  ClearTable(table);
  ReadCounts counts;
  if (!spec.importFile(path, &counts)) {
    std::memcpy(table.records, kept.data(), kept.size());
    ShowError(dialog, spec.importMessage);
    RestoreFolder(spec);
    return;
  }
  ImportReport report;
  report.withoutKey = CountWithoutKey(table, counts.records);
  report.refused = DropRefusedRecords(table, spec.rules());
  report.beyondCapacity = counts.beyondCapacity;
  report.fieldsCut = counts.fieldsCut;
  report.taken = CountKeys(table);
  if (report.taken == 0) {
    // A file chosen by mistake must not empty the list that OK would then write.
    std::memcpy(table.records, kept.data(), kept.size());
    ShowWarning(dialog, Tr(Text::DbImportNothingReadable));
    RestoreFolder(spec);
    return;
  }
  if (spec.loadCorrections) spec.loadCorrections(dialog, false);
  if (report.LeftSomethingOut()) ShowWarning(dialog, ImportReportText(report, table.capacity));
  SetDlgItemTextA(dialog, spec.newField, "");
  RebuildList(dialog, spec);
  SelectAndShow(dialog, spec, 0);
  RestoreFolder(spec);
}

void Export(HWND dialog, const DialogSpec& spec) {
  char proposal[MAX_PATH];
  if (!BuildExportProposal(open.savedFolder, spec.pattern, proposal, sizeof proposal)) {
    platform::CopyBounded(proposal, spec.pattern);
  }
  char path[MAX_PATH];
  platform::CopyBounded(path, proposal);
  platform::FileDialogRequest request;
  request.owner = dialog;
  request.save = true;
  std::string filter = Filter(spec);
  request.filter = filter.c_str();
  request.initialFolder = open.savedFolder;
  bool chosen = platform::ChooseFile(request, path, sizeof path);
  RestoreFolder(spec);
  if (!chosen || std::strcmp(path, proposal) == 0) return;
  char target[MAX_PATH];
  if (!platform::NameWithExtension(path, spec.extension, target, sizeof target) ||
      !spec.write(target, CountKeys(spec.view()))) {
    ShowError(dialog, spec.exportMessage);
  }
  RestoreFolder(spec);
}

void Finish(HWND dialog) {
  if (open.normal) DeleteObject(open.normal);
  if (open.bold) DeleteObject(open.bold);
  open.normal = open.bold = nullptr;
  EndDialog(dialog, 0);
}

struct WriteRequest {
  const DialogSpec* spec;
  int count;
};

bool WriteThrough(const char* path, const void* context) {
  auto* request = static_cast<const WriteRequest*>(context);
  return request->spec->write(path, request->count);
}

void Confirm(HWND dialog, const DialogSpec& spec) {
  RestoreFolder(spec);
  WriteRequest request{&spec, spec.fixedList ? spec.view().capacity : CountKeys(spec.view())};
  if (!ReplaceDatabaseFile(spec.databaseFile, WriteThrough, &request)) {
    // The database file is as it was; the edits stay open for another try.
    ShowError(dialog, spec.fileMessage);
    return;
  }
  Finish(dialog);
}

BOOL CALLBACK AssignFont(HWND child, LPARAM lParam) {
  const DialogSpec& spec = *reinterpret_cast<const DialogSpec*>(lParam);
  int id = GetDlgCtrlID(child);
  if (id == IDC_DB_GROUP) return TRUE;
  bool isBold = false;
  for (int i = 0; i < spec.boldCount; ++i) isBold = isBold || spec.bold[i] == id;
  SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(isBold ? open.bold : open.normal), TRUE);
  return TRUE;
}

void Initialise(HWND dialog, const DialogSpec& spec) {
  SetWindowTextA(dialog, Tr(spec.caption));
  for (int i = 0; i < spec.labelCount; ++i) SetDlgItemTextA(dialog, spec.labels[i].control, Tr(spec.labels[i].text));
  open.shownPicture[0] = '\0';
  if (spec.keepsFolder) platform::CopyBounded(open.savedFolder, platform::CurrentFolder().c_str());
  if (spec.fillCombos) spec.fillCombos(dialog);
  TableView table = spec.view();
  ClearTable(table);
  ReadCounts counts;
  if (!spec.read(&counts)) {
    ShowError(dialog, spec.fileMessage);
  } else if (counts.beyondCapacity > 0) {
    // Said now, before OK writes the file back without them.
    ShowWarning(dialog, BeyondCapacityText(spec.databaseFile, counts.beyondCapacity, table.capacity));
  }
  // A record with an empty key would end the list early and hide the records behind it.
  if (!spec.fixedList) CompactTable(table);
  if (spec.loadCorrections) spec.loadCorrections(dialog, true);
  if (spec.newField) SendDlgItemMessageA(dialog, spec.newField, EM_LIMITTEXT, spec.newLimit, 0);
  RebuildList(dialog, spec);
  SelectAndShow(dialog, spec, 0);
  open.normal = CreateFontA(16, 0, 0, 0, FW_DONTCARE, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial");
  open.bold = CreateFontA(16, 0, 0, 0, 700, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial");
  EnumChildWindows(dialog, AssignFont, reinterpret_cast<LPARAM>(&spec));
}

bool InClicks(const PictureArea& picture, LPARAM lParam) {
  int x = static_cast<short>(LOWORD(lParam));
  int y = static_cast<short>(HIWORD(lParam));
  return x >= picture.clicks.left && x <= picture.clicks.right && y >= picture.clicks.top &&
         y <= picture.clicks.bottom;
}

void PickPicture(HWND dialog, const DialogSpec& spec, bool forget) {
  int index = Selection(dialog, spec);
  if (index < 0) return;
  const PictureArea& picture = *spec.picture;
  char path[MAX_PATH] = {0};
  if (!forget) {
    platform::FileDialogRequest request;
    request.owner = dialog;
    std::string filter = std::string(Tr(Text::DbImageFilter)) + "|*.bmp";
    request.filter = filter.c_str();
    bool chosen = platform::ChooseFile(request, path, sizeof path);
    RestoreFolder(spec);
    if (!chosen) return;
  }
  char* target = static_cast<char*>(spec.view().Record(index)) + picture.pathOffset;
  platform::CopyBounded(target, picture.pathWidth, path);
  SetShownPicture(dialog, picture, target);
}

void Command(HWND dialog, const DialogSpec& spec, int control, int code) {
  if (spec.command && spec.command(dialog, Selection(dialog, spec), control, code)) return;
  if (control == IDOK) return Confirm(dialog, spec);
  if (control == IDCANCEL) {
    RestoreFolder(spec);
    return Finish(dialog);
  }
  if (control == spec.keyList) {
    if (code == LBN_SELCHANGE) {
      int index = Selection(dialog, spec);
      if (index >= 0) ShowRecord(dialog, spec, index);
    }
    return;
  }
  if (spec.addButton && control == spec.addButton) return Add(dialog, spec);
  if (spec.removeButton && control == spec.removeButton) return Remove(dialog, spec);
  if (spec.importButton && control == spec.importButton) return Import(dialog, spec);
  if (spec.exportButton && control == spec.exportButton) return Export(dialog, spec);
  if (spec.newField && control == spec.newField) {
    if (code == EN_CHANGE) SendDlgItemMessageA(dialog, control, EM_LIMITTEXT, spec.newLimit, 0);
    return;
  }
  for (int f = 0; f < spec.fieldCount; ++f) {
    if (spec.fields[f].control == control) return StoreField(dialog, spec, spec.fields[f], code);
  }
}

}  // namespace

std::string ControlText(HWND dialog, int control) {
  HWND item = GetDlgItem(dialog, control);
  int length = GetWindowTextLengthA(item);
  std::string text(static_cast<std::size_t>(length < 0 ? 0 : length) + 1, '\0');
  GetWindowTextA(item, &text[0], length + 1);
  text.resize(std::strlen(text.c_str()));
  return text;
}

std::string ComboEntry(HWND combo, int index) {
  LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, index, 0);
  if (length == CB_ERR || length < 0) return std::string();
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  SendMessageA(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
  text.resize(std::strlen(text.c_str()));
  return text;
}

std::vector<std::string> ComboEntries(HWND combo, int maxEntries) {
  std::vector<std::string> entries;
  int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count && i < maxEntries; ++i) entries.push_back(ComboEntry(combo, i));
  return entries;
}

int ComboSelection(HWND dialog, int control) {
  return static_cast<int>(SendDlgItemMessageA(dialog, control, CB_GETCURSEL, 0, 0));
}

void ShowError(HWND dialog, Text message, unsigned icon) {
  platform::ShowMessage(dialog, Tr(message), Tr(Text::CaptionError), platform::kMbOk | icon);
}

void SetShownPicture(HWND dialog, const PictureArea& picture, const char* path) {
  platform::CopyBounded(open.shownPicture, path);
  // Without RDW_ALLCHILDREN: the controls over the area keep their own painting.
  RedrawWindow(dialog, &picture.area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ERASENOW);
}

INT_PTR HandleDatabaseDialog(const DialogSpec& spec, HWND dialog, UINT message, WPARAM wParam,
                             LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      Initialise(dialog, spec);
      return TRUE;
    case WM_COMMAND:
      Command(dialog, spec, LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    case WM_CLOSE:
      RestoreFolder(spec);
      Finish(dialog);
      return TRUE;
    case WM_PAINT:
      if (!spec.picture || open.shownPicture[0] == '\0') return FALSE;
      PaintBitmapFileScaled(dialog, open.shownPicture, spec.picture->x, spec.picture->y,
                            spec.picture->width, spec.picture->height);
      return TRUE;
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
      if (spec.picture && InClicks(*spec.picture, lParam)) PickPicture(dialog, spec, message == WM_RBUTTONDBLCLK);
      return TRUE;
    default:
      return FALSE;
  }
}

}  // namespace dbdialog
