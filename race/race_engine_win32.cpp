#include "race/race_engine_win32.h"

#include <commctrl.h>

#include <memory>

#include "app/build_profile.h"
#include "platform/folders.h"
#include "race/command_ids.h"
#include "race/event_tree.h"
#include "race/main_window_actions.h"
#include "race/main_window_paint.h"
#include "race/menus.h"
#include "race/race_controls_layout.h"
#include "race/race_start.h"
#include "race/serial_port.h"
#include "race/start_lights_window.h"
#include "results/ftp_transfer_curl.h"

namespace {

class SystemEnginePort : public EnginePort {
 public:
  bool Open(const char* portName) override { return OpenSerialPort(portName) == 1; }
  void Close() override { CloseSerialPort(); }
  SerialLine& Line() override { return SystemSerialLine(); }
};

HWND uploadOwner = nullptr;

LiveUploadWorker& Uploads() {
  static LiveUploadWorker worker(
      [](const UploadJob& job) {
        FtpServer server = ReadFtpServer(platform::ProgramPath(kFtpServerFile).c_str());
        return FtpUploadContent(server, job.url, job.content);
      },
      [] {
        if (uploadOwner) PostMessageA(uploadOwner, kLiveUploadFailedMessage, 0, 0);
      });
  return worker;
}

class WindowHost : public RaceEngineHost {
 public:
  explicit WindowHost(HWND window) : window_(window) {}
  platform::WindowHandle Window() override { return window_; }
  void Redraw(RaceArea area) override { RedrawRaceArea(window_, area); }
  void StartLights(const char* driverText, int seconds) override { SendStartLights(driverText, seconds); }
  void ClickPause() override { SendDlgItemMessageA(window_, kPauseButton, BM_CLICK, 0, 0); }
  void SaveStage() override {
    platform::SetCurrentFolder(platform::ProgramFolder().c_str());
    LeaveLoadedStage(window_);
  }
  void UploadLive(std::string content) override {
    const MainState& s = Main();
    FtpServer server = ReadFtpServer(platform::ProgramPath(kFtpServerFile).c_str());
    uploadOwner = window_;
    Uploads().Submit({LiveResultsUrl(server, s.web.championship, s.web.eventFolder), std::move(content)});
  }
  void SetTimingControls(bool timing) override {
    UINT state = MF_BYCOMMAND | (timing ? MF_GRAYED : MF_ENABLED);
    const int kItems[] = {kCmdNewEvent, kCmdLoadEvent, kCmdSaveAs, kCmdQuit, kCmdCarCategories, kCmdCars, kCmdClubs,
                          kCmdAgeCategories, kCmdDrivers, kCmdTransponders, kCmdFrequencies, kCmdPenalties,
                          kCmdSounds, kCmdDisplay, kCmdInterface};
    for (int id : kItems) EnableMenuItem(Menus().bar, id, state);
    bool saveAllowed = !timing && Main().eventFilePath[0];
    EnableMenuItem(Menus().bar, kCmdSave, MF_BYCOMMAND | (saveAllowed ? MF_ENABLED : MF_GRAYED));
    for (int id : {kCmdActivateResults, kCmdDeactivateResults, kCmdAddComment})
      EnableMenuItem(Menus().resultsPopup, id, state);
    if (HWND tree = EventTree()) EnableWindow(tree, !timing);
    for (int id : {kStartButton, kClearButton, kPersonalChipsRadio, kClubChipsRadio, kTransponderSetCombo})
      EnableWindow(GetDlgItem(window_, id), !timing);
  }
  void CloseInPlaceEdit() override { CloseInPlaceEdits(window_); }

 private:
  HWND window_;
};

SystemEnginePort& Port() {
  static SystemEnginePort port;
  return port;
}

}  // namespace

void RaceEngineTick(HWND window) {
  WindowHost host(window);
  RaceEngineTick(Main(), RaceEngine(), Port(), host);
}

void RaceStartCommand(HWND window) {
  WindowHost host(window);
  StartStage(Main(), RaceEngine(), Port(), host);
}

void RacePauseCommand(HWND window) {
  WindowHost host(window);
  PauseStage(Main(), RaceEngine(), host);
}

void RaceClearCommand(HWND window) {
  WindowHost host(window);
  ClearStage(Main(), RaceEngine(), host);
}

void ShowLiveUploadFailure(HWND window) {
  RaceEngineState& engine = RaceEngine();
  if (engine.uploadBoxOpen) return;
  engine.uploadBoxOpen = 1;
  platform::ShowMessage(window, Tr(Text::LiveResultsTransferFailed), Tr(Text::CaptionError),
                        platform::kMbOk | platform::kMbIconStop);
  engine.uploadBoxOpen = 0;
}

void DrainLiveUploads() { Uploads().Drain(); }
