// Every dialog of the three programs under Wine, opened on its template in each language whose
// build has it: each label, check box, radio button, group box and push button is measured in
// its own font against its room, and no two controls overlap, none leaves the client area and
// none stands over what the dialog paints itself. Each dialog is captured as it was measured.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/build_profile.h"
#include "platform/bounded.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "platform/test_hooks.h"
#include "race/database_files.h"
#include "race/event_tree_model.h"
#include "race/stage_timing.h"
#include "race/start_lights_window.h"
#include "results/championship_dialogs.h"
#include "results/classification_page_win32.h"
#include "results/internet_dialog.h"
#include "results/internet_dialog_ids.h"
#include "results/rally_classification_dialog.h"
#include "results/stage_classification_dialog.h"
#include "results/stage_classification_ids.h"
#include "setup/database_dialogs.h"
#include "setup/settings_dialogs.h"
#include "setup/setup_dialog_ids.h"
#include "setup/setup_dialogs.h"
#include "setup/start_order_paint.h"
#include "tests/results/rally_event.h"
#include "tests/support/capture.h"
#include "tests/support/internet_dialog_driving.h"
#include "tests/support/temp_folder.h"
#include "translation/translation_dialog.h"

namespace {

// ---- Measuring ----

struct Shown {
  HWND window;
  int id;
  std::string kind;  // the window class, lower case
  std::string text;
  LONG style;
  RECT rect;  // in the dialog's client pixels
};

std::vector<Shown> ShownControls(HWND dialog) {
  std::vector<Shown> shown;
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child)) continue;
    char kind[64] = {}, text[512] = {};
    GetClassNameA(child, kind, sizeof kind);
    CharLowerA(kind);
    GetWindowTextA(child, text, sizeof text);
    RECT rect;
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    const LONG style = static_cast<LONG>(GetWindowLongPtrA(child, GWL_STYLE));
    shown.push_back({child, GetDlgCtrlID(child), kind, text, style, rect});
  }
  return shown;
}

bool IsButtonOfType(const Shown& c, LONG type) { return c.kind == "button" && (c.style & BS_TYPEMASK) == type; }
bool IsGroupBox(const Shown& c) { return IsButtonOfType(c, BS_GROUPBOX); }
bool IsBox(const Shown& c) {
  if (c.kind != "button" || (c.style & BS_PUSHLIKE)) return false;
  switch (c.style & BS_TYPEMASK) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_RADIOBUTTON:
    case BS_3STATE:
    case BS_AUTO3STATE:
    case BS_AUTORADIOBUTTON: return true;
  }
  return false;
}
bool IsPushButton(const Shown& c) {
  if (c.kind != "button" || (c.style & (BS_BITMAP | BS_ICON))) return false;
  const LONG type = c.style & BS_TYPEMASK;
  return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || ((c.style & BS_PUSHLIKE) && !IsGroupBox(c));
}
bool IsTextStatic(const Shown& c) {
  if (c.kind != "static") return false;
  switch (c.style & SS_TYPEMASK) {
    case SS_LEFT:
    case SS_CENTER:
    case SS_RIGHT:
    case SS_LEFTNOWORDWRAP:
    case SS_SIMPLE: return true;
  }
  return false;
}
// A read-only edit of one line shows a text as a label does.
bool IsShowEdit(const Shown& c) { return c.kind == "edit" && (c.style & ES_READONLY) && !(c.style & ES_MULTILINE); }
bool Wraps(const Shown& c) {
  if (c.kind == "static") {
    const LONG type = c.style & SS_TYPEMASK;
    return type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT;
  }
  return c.kind == "button" && (c.style & BS_MULTILINE) != 0;
}

// The rectangle the text takes in the control's own font, wrapped at width when the control
// wraps its text and wrap is asked for, on one line otherwise.
RECT TextRect(const Shown& c, int width, bool wrap = true) {
  HDC dc = GetDC(c.window);
  HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageA(c.window, WM_GETFONT, 0, 0));
  HGDIOBJ old = SelectObject(dc, font ? font : GetStockObject(SYSTEM_FONT));
  RECT r = {0, 0, width, 0};
  UINT format = DT_CALCRECT | DT_EXPANDTABS | (wrap && Wraps(c) ? DT_WORDBREAK : DT_SINGLELINE);
  if (c.kind == "static" && (c.style & SS_NOPREFIX)) format |= DT_NOPREFIX;
  DrawTextA(dc, c.text.c_str(), -1, &r, format);
  SelectObject(dc, old);
  ReleaseDC(c.window, dc);
  return r;
}

// The box and its gap before the text of a check box or radio button; the frame and its
// inset around the caption of a group box; the border of a push button.
int BoxAndGap() { return GetSystemMetrics(SM_CXMENUCHECK) + 4; }
constexpr int kGroupCaptionInset = 8;
constexpr int kButtonBorder = 2;

// The room for the text inside the control: its client area less what the control draws
// beside the text.
RECT TextRoom(const Shown& c) {
  RECT room;
  GetClientRect(c.window, &room);
  if (IsBox(c)) room.left += BoxAndGap();
  if (IsGroupBox(c)) InflateRect(&room, -kGroupCaptionInset, 0);
  if (IsPushButton(c)) InflateRect(&room, -kButtonBorder, -kButtonBorder);
  if (IsShowEdit(c)) SendMessageA(c.window, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&room));
  return room;
}

bool HasMeasuredText(const Shown& c) {
  return !c.text.empty() && (IsTextStatic(c) || IsBox(c) || IsGroupBox(c) || IsPushButton(c) || IsShowEdit(c));
}

// Where a group box's caption is drawn, in the dialog's client pixels.
RECT CaptionRect(const Shown& group) {
  const RECT text = TextRect(group, 0, false);
  return {group.rect.left + kGroupCaptionInset - 1, group.rect.top,
          group.rect.left + kGroupCaptionInset + text.right + 1, group.rect.top + text.bottom};
}

bool Inside(const RECT& outer, const RECT& inner) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}
bool Meet(const RECT& a, const RECT& b) {
  RECT both;
  return IntersectRect(&both, &a, &b) != 0;
}

std::string Rect(const RECT& r) {
  char text[64];
  std::snprintf(text, sizeof text, "(%ld, %ld)-(%ld, %ld)", r.left, r.top, r.right, r.bottom);
  return text;
}
std::string Name(const Shown& c) { return "control " + std::to_string(c.id) + " \"" + c.text + "\""; }

// Every fault of the dialog's layout as it is shown now, one sentence each.
std::vector<std::string> LayoutFaults(HWND dialog, const std::vector<RECT>& painted) {
  std::vector<std::string> faults;
  const std::vector<Shown> controls = ShownControls(dialog);
  RECT client;
  GetClientRect(dialog, &client);
  for (const Shown& c : controls) {
    if (!Inside(client, c.rect)) {
      faults.push_back(Name(c) + " at " + Rect(c.rect) + " leaves the client area " + Rect(client));
    }
    if (HasMeasuredText(c)) {
      const RECT room = TextRoom(c);
      const int roomWidth = room.right - room.left, roomHeight = room.bottom - room.top;
      const RECT text = TextRect(c, roomWidth);
      // A group box's caption stands on its frame: only its width matters.
      const bool tooTall = !IsGroupBox(c) && text.bottom > roomHeight;
      if (text.right > roomWidth || tooTall) {
        const RECT line = TextRect(c, 0, false);
        faults.push_back(Name(c) + " is cut: its text needs " + std::to_string(text.right) + " x " +
                         std::to_string(text.bottom) + " pixels (" + std::to_string(line.right) +
                         " on one line), it has " + std::to_string(roomWidth) + " x " + std::to_string(roomHeight));
      }
    }
    for (const RECT& area : painted) {
      // A page's own scroll bars stand beside or on it.
      if (c.kind == "scrollbar" || !Meet(c.rect, area)) continue;
      // A group box may frame a painted area, clear of its frame and caption.
      if (IsGroupBox(c)) {
        RECT inner = c.rect;
        inner.top = CaptionRect(c).bottom;
        InflateRect(&inner, -2, 0);
        inner.bottom -= 2;
        if (Inside(inner, area)) continue;
      }
      faults.push_back(Name(c) + " at " + Rect(c.rect) + " covers the painted area " + Rect(area));
    }
  }
  for (std::size_t i = 0; i < controls.size(); ++i) {
    for (std::size_t j = i + 1; j < controls.size(); ++j) {
      const Shown& a = controls[i];
      const Shown& b = controls[j];
      if (!Meet(a.rect, b.rect)) continue;
      const Shown* group = IsGroupBox(a) && Inside(a.rect, b.rect)   ? &a
                           : IsGroupBox(b) && Inside(b.rect, a.rect) ? &b
                                                                     : nullptr;
      if (!group) {
        faults.push_back(Name(a) + " at " + Rect(a.rect) + " overlaps " + Name(b) + " at " + Rect(b.rect));
      } else if (!group->text.empty()) {
        const Shown& inner = group == &a ? b : a;
        if (Meet(inner.rect, CaptionRect(*group)))
          faults.push_back(Name(inner) + " at " + Rect(inner.rect) + " covers the caption of " + Name(*group));
      }
    }
  }
  return faults;
}

// ---- The dialogs ----

RECT R(const PixelRect& r) { return {r.left, r.top, r.right, r.bottom}; }
// The display preview's frames are drawn a pixel outside its rectangles.
RECT Framed(const PixelRect& r) { return {r.left - 1, r.top - 1, r.right + 1, r.bottom + 1}; }

std::vector<RECT> DisplayPreview() {
  std::vector<RECT> areas = {Framed(kLogoRect)};
  for (const PixelRect& r : kSwatchRects) areas.push_back(Framed(r));
  for (const PixelRect& r : kSampleRects) areas.push_back(Framed(r));
  return areas;
}

// The light where it stands before, during and after the last ten seconds, and the bands of
// the name and the seconds below it.
std::vector<RECT> StartLightsPainting() {
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  const StartLightsState& state = StartLights();
  std::vector<RECT> areas;
  for (int seconds : {11, 5, 0}) {
    const StartLightsDrawing d = ComputeStartLightsDrawing(width, height, state.zoomX, state.zoomY, seconds, 0);
    areas.push_back({d.lightX, d.lightY, d.lightX + d.lightSide, d.lightY + d.lightSide});
  }
  const StartLightsZones zones = ComputeStartLightsZones(width, height, state.zoomX, state.zoomY);
  for (const LightsZone& z : {zones.name, zones.seconds}) areas.push_back({z.left, z.top, z.right, z.bottom});
  return areas;
}

bool EveryBuild(const BuildProfile&) { return true; }
bool WithChampionshipsDatabase(const BuildProfile& b) { return b.championshipsDatabase; }
bool WithChampionshipClassification(const BuildProfile& b) { return b.championshipClassification; }
bool WithDriverPenaltyDialog(const BuildProfile& b) { return b.driverPenaltyDialog; }
bool WithTranslationEditor(const BuildProfile& b) { return b.translationEditor; }
bool WithStartLights(const BuildProfile& b) { return !b.translationEditor; }

char championshipName[] = "Cup A";
StageEntry penalisedDriver = [] {
  StageEntry entry = {};
  platform::CopyBounded(entry.name, "Driver 02");
  entry.state = 5;  // the late start, the longest code of the list
  return entry;
}();

// Later states: the late start's own controls, the text "Activate" gives way to.
void ShowLateStartPenalty(HWND dialog) {
  SendDlgItemMessageA(dialog, IDC_PENALTY_CODES, LB_SETCURSEL, 1, 0);
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_PENALTY_CODES, LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_PENALTY_CODES)));
}
void ShowDeactivate(HWND dialog) { SetDlgItemTextA(dialog, IDC_INTERNET_ACTIVATE, Tr(Text::InternetDeactivate)); }

struct DialogCase {
  const char* name;  // the template
  DLGPROC procedure;
  bool (*inBuild)(const BuildProfile&);
  int selectedNode;  // the tree node the event file's header names as it opens
  std::vector<RECT> (*painted)();
  LPARAM parameter;
  // What the dialog shows later that its layout must also hold (null: only the opening),
  // and the name of that state.
  void (*later)(HWND) = nullptr;
  const char* laterName = "";
};

std::vector<RECT> Nothing() { return {}; }
constexpr int kRally = NodeCode(1, kRallyNode);

const DialogCase kCases[] = {
    {"BASECATEGORIES", CarCategoriesDialogProc, EveryBuild, kRally, Nothing, 0, nullptr},
    {"BASEVOITURES", CarsDialogProc, EveryBuild, kRally, [] { return std::vector<RECT>{kCarPictureArea}; }, 0, nullptr},
    {"BASECLUBS", ClubsDialogProc, EveryBuild, kRally, Nothing, 0, nullptr},
    {"BASEAGES", AgeCategoriesDialogProc, EveryBuild, kRally, Nothing, 0, nullptr},
    {"BASEPILOTES", DriversDialogProc, EveryBuild, kRally, [] { return std::vector<RECT>{kDriverPhotoArea}; }, 0,
     nullptr},
    {"BASECHAMPIONNATS", ChampionshipsDialogProc, WithChampionshipsDatabase, kRally, Nothing, 0, nullptr},
    {"BASETRANSPONDEURS", TransponderSetsDialogProc, EveryBuild, kRally, Nothing, 0, nullptr},
    {"BASEFREQUENCES", FrequenciesDialogProc, EveryBuild, kRally, Nothing, 0, nullptr},
    {"PENALITES", PenaltiesDialogProc, EveryBuild, kRally, Nothing, 0, ShowLateStartPenalty, "late_start"},
    {"PENALITESBIS", DriverPenaltyDialogProc, WithDriverPenaltyDialog, NodeCode(1, kFirstStageNode + 1), Nothing,
     reinterpret_cast<LPARAM>(&penalisedDriver), nullptr},
    {"CHAMPIONNATSGESTION", ChampionshipManagementDialogProc, WithChampionshipClassification, kRally, Nothing, 0,
     nullptr},
    {"CHAMPIONNATSPONSORS", SponsorsDialogProc, WithChampionshipClassification, kRally,
     [] { return std::vector<RECT>{R(kSponsorLogoBox), R(kSponsorPreviewPage)}; },
     reinterpret_cast<LPARAM>(championshipName), nullptr},
    {"CHAMPIONNATCLASSEMENT", ChampionshipClassificationDialogProc, WithChampionshipClassification, kRally,
     [] { return std::vector<RECT>{R(kChampionshipPage)}; }, reinterpret_cast<LPARAM>(championshipName), nullptr},
    {"SONS", SoundSettingsDialogProc, EveryBuild, kRally, Nothing, 0, nullptr},
    {"SONSPERSONNALISES", CustomSoundsDialogProc, EveryBuild, kRally, Nothing, 0, nullptr},
    {"AFFICHAGE", DisplaySettingsDialogProc, EveryBuild, kRally, DisplayPreview, 0, nullptr},
    {"INTERFACE", InterfaceDialogProc, EveryBuild, kRally, [] { return std::vector<RECT>{kInterfaceLampArea}; }, 0,
     nullptr},
    {"INTERNET", InternetDialogProc, EveryBuild, kRally, [] { return std::vector<RECT>{kInternetLampArea}; }, 0,
     ShowDeactivate, "deactivate"},
    {"RALLYEPISTE", TrackDetailsDialogProc, EveryBuild, NodeCode(1, kTrackNode), Nothing, 0, nullptr},
    {"RALLYEPILOTES", ParticipantsDialogProc, EveryBuild, NodeCode(1, kDriversNode), Nothing, 0, nullptr},
    {"RALLYEREPARTITION", StartOrderDialogProc, EveryBuild, NodeCode(1, kStartOrderNode),
     [] { return std::vector<RECT>{kStartOrderTableArea}; }, 0, nullptr},
    {"RALLYEPARAMETRES", RallyParametersDialogProc, EveryBuild, NodeCode(1, kParametersNode), Nothing, 0, nullptr},
    {"SPECIALECOMMENTAIRE", StageCommentDialogProc, EveryBuild, NodeCode(1, kFirstStageNode + 1), Nothing, 0, nullptr},
    {"RALLYEPILOTEDETAILS", DriverDetailsDialogProc, EveryBuild, NodeCode(1, kFirstParticipantNode),
     [] { return std::vector<RECT>{kDriverDetailsLampArea}; }, 0, nullptr},
    {"RALLYECLASSEMENTSPECIALE", StageClassificationDialogProc, EveryBuild, NodeCode(1, kRallyClassificationNode + 1),
     [] { return std::vector<RECT>{kStageClassificationPage}; }, 0, nullptr},
    {"RALLYECLASSEMENTRALLYE", RallyClassificationDialogProc, EveryBuild, NodeCode(1, kRallyClassificationNode),
     [] { return std::vector<RECT>{kRallyClassificationPage}; }, 0, nullptr},
    {"TRADUCTION", TranslationDialogProc, WithTranslationEditor, kRally, Nothing, 0, nullptr},
    {"DECOMPTEECRANADDITIONNEL", StartLightsCountdownDialogProc, WithStartLights, kRally, StartLightsPainting, 0,
     nullptr},
};

struct Language {
  const BuildProfile* build;
  const char* code;
};
const Language kLanguages[] = {{&kEnglishBuild, "en"}, {&kFrenchBuild, "fr"}, {&kSpanishBuild, "es"}};

// ---- The working folder: the factory content, the pictures, an event of two stages ----

class DialogLabels : public ::testing::TestWithParam<std::tuple<int, int>> {
 protected:
  static void SetUpTestSuite() {
    folder = new testsupport::TempFolder;
    saved = platform::CurrentFolder();
    ASSERT_TRUE(testsupport::CopyTestData(folder->path()));
    ASSERT_TRUE(platform::SetCurrentFolder(folder->path().c_str()));
    platform::CreateFolder("images");
    const std::string assets = testsupport::HostPath(std::string(VELLGRIN_PROGRAM_ASSETS) + "/images");
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((assets + "\\*.bmp").c_str(), &found);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    do {
      const std::string name = found.cFileName;
      platform::CopyFileTo((assets + "\\" + name).c_str(), ("images\\" + name).c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
    platform::CreateFolder("WebResults");
    // Nobody listens there: the dialogs open unconnected at once.
    testsupport::WriteBytes("WebResults/ServeurFtp.txt", "127.0.0.1:29\r\nracer\r\nsecret\r\n");
    testsupport::WriteBytes(kChampionshipsDatabaseFile, "Cup A\tThe cup\t\r\nAlps Cup\tThe Alps\t\r\n");
  }
  static void TearDownTestSuite() {
    platform::SetCurrentFolder(saved.c_str());
    delete folder;
    folder = nullptr;
  }
  void SetUp() override {
    platform::test::SetProgramFolder(folder->path());
    platform::test::InterceptShell();
    SetActiveProfile(*Lang().build);
    rallytest::RallyEvent event;
    event.drivers = 6;
    event.stages = 2;
    event.selectedNode = Case().selectedNode;
    ASSERT_TRUE(rallytest::WriteRallyEvent(event));
    std::vector<rallytest::StageRow> rows;
    for (int k = 1; k <= event.drivers; ++k) rows.push_back({k, 60000 + 700 * k, 3});
    ASSERT_TRUE(rallytest::WriteStage(1, rows, event.drivers));
    ASSERT_TRUE(rallytest::WriteStage(2, rows, event.drivers));
  }
  void TearDown() override {
    if (dialog && IsWindow(dialog)) DestroyWindow(dialog);
    platform::test::StopInterceptingShell();
    SetActiveProfile(kEnglishBuild);
  }
  static const DialogCase& Case() { return kCases[std::get<0>(GetParam())]; }
  static const Language& Lang() { return kLanguages[std::get<1>(GetParam())]; }

  void Open() {
    dialog = CreateDialogParamA(GetModuleHandleA(nullptr), Case().name, nullptr, Case().procedure, Case().parameter);
    ASSERT_NE(dialog, nullptr);
    SetWindowPos(dialog, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    testsupport::PumpMessages();
    if (Case().procedure == InternetDialogProc) {
      ASSERT_TRUE(testsupport::WaitForInternetProbes(dialog));
    }
  }
  // The faults of the layout shown now, with a capture of it.
  void Check(const char* state) {
    ASSERT_TRUE(IsWindowVisible(dialog)) << Case().name << " closed itself";
    const std::string where = std::string(Case().name) + " (" + Lang().code + (*state ? ", " : "") + state + ")";
    for (const std::string& fault : LayoutFaults(dialog, Case().painted())) ADD_FAILURE() << where << ": " << fault;
    const std::string capture = std::string("labels_") + Case().name + "_" + Lang().code + (*state ? "_" : "") + state;
    testsupport::CaptureWindow(dialog, capture.c_str());
  }

  static testsupport::TempFolder* folder;
  static std::string saved;
  HWND dialog = nullptr;
};

testsupport::TempFolder* DialogLabels::folder = nullptr;
std::string DialogLabels::saved;

TEST_P(DialogLabels, EveryTextHasRoomAndNoControlOverlapsAnotherOrThePaintedAreas) {
  Open();
  Check("");
  if (Case().later) {
    Case().later(dialog);
    testsupport::PumpMessages();
    Check(Case().laterName);
  }
}

// Each dialog in each program that has it.
std::vector<std::tuple<int, int>> AllCases() {
  std::vector<std::tuple<int, int>> all;
  for (int d = 0; d < static_cast<int>(std::size(kCases)); ++d) {
    for (int l = 0; l < static_cast<int>(std::size(kLanguages)); ++l) {
      if (kCases[d].inBuild(*kLanguages[l].build)) all.emplace_back(d, l);
    }
  }
  return all;
}

INSTANTIATE_TEST_SUITE_P(ThreePrograms, DialogLabels, ::testing::ValuesIn(AllCases()),
                         [](const ::testing::TestParamInfo<std::tuple<int, int>>& param) {
                           return std::string(kCases[std::get<0>(param.param)].name) + "_" +
                                  kLanguages[std::get<1>(param.param)].code;
                         });

}  // namespace

namespace {

INT_PTR CALLBACK PlainDialog(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// A label too long for its line keeps to it rather than take a second line over the page.
TEST(FitLabelsToText, NeverGrowsALabelIntoThePage) {
  HWND dialog = CreateDialogParamA(GetModuleHandleA(nullptr), "RALLYECLASSEMENTSPECIALE", nullptr, PlainDialog, 0);
  ASSERT_NE(dialog, nullptr);
  HWND label = GetDlgItem(dialog, IDC_STAGE_CLASS_AGE_LABEL);
  SetWindowTextA(label, "Age categories of the drivers of the rally");
  RECT before;
  GetWindowRect(label, &before);
  FitLabelsToText(dialog, {IDC_STAGE_CLASS_AGE_LABEL}, kStageClassificationPage);
  RECT after;
  GetWindowRect(label, &after);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&after), 2);
  EXPECT_LE(after.bottom, kStageClassificationPage.top) << "the label reaches into the page";
  EXPECT_EQ(after.bottom - after.top, before.bottom - before.top);
  DestroyWindow(dialog);
}

}  // namespace
