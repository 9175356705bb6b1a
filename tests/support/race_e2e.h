// What the end-to-end runs of a special stage share: the program in-process with its race
// timer, a local FTP server (or a stand-in that never answers) for the live results, the
// serial pair that tests/support/with-serial-pair made, and the pumping of the window's
// messages with the gaps between two race ticks measured.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/support/local_ftp_server.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_event.h"

namespace testsupport {

// One line "<ms> <transponder>" of a simulator scenario.
struct ScenarioPass {
  int ms;
  int transponder;
};

// Writes the passes in time order, and any extra lines after them (for example
// "silent <ms> <duration-ms>").
void WriteScenario(const std::string& path, std::vector<ScenarioPass> passes,
                   const std::vector<std::string>& extraLines = {});
std::vector<ScenarioPass> ReadScenario(const std::string& path);

// Live results of the event "Demo" of the championship "Cup" go to 127.0.0.1:port; the
// event's folder is made on the served side (the upload does not make it).
void PublishTo(const TempFolder& folder, const LocalFtpServer& server);
// The remote live results file of PublishTo.
inline constexpr const char* kRemoteLiveFile = "public_html/VellgrinRally/Cup/Demo/RallyLive.txt";

// Pulls the serial pair's cable out (both ends hang up, the ports cannot be opened) and
// plugs a new one in under the same names. False when the harness did not do it in 5 s.
bool BreakSerialPair();
bool RestoreSerialPair();

struct TickGaps {
  double longestMs = 0;
  int ticks = 0;
};

// The main window started in a fresh program folder with the factory content; closed and
// its class unregistered afterwards.
class RaceE2E : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Starts the program (window), writes the event into the file "event.rall" of the
  // folder, loads that file and selects the first special stage.
  void StartWithEvent(const TestEvent& event);
  // The same with a ZL1 on the program's end of the serial pair, and a results web site where
  // nobody listens, so that the classifications' login probe fails at once.
  void StartWithZL1AndNoWebSite(const TestEvent& event);
  // Loads an event file as the operator does, without saving the current one.
  void LoadEvent(const std::string& path);
  // Pumps the messages for ms.
  void Pump(DWORD ms);
  // Pumps the messages until done() or timeoutMs, running afterTick after each race tick;
  // returns the gaps between two race ticks.
  TickGaps RunUntil(const std::function<bool()>& done, DWORD timeoutMs,
                    const std::function<void()>& afterTick = {});
  TickGaps RunUntilStageEnds(DWORD timeoutMs);
  // Clicks Start as the operator does, once; the test checks the outcome. Returns how long
  // the click took (ms): with a ZL2, the clock reset's exchange.
  DWORD ClickStart();
  // The stage time elapsed since Start (ms), as the tick count runs.
  int StageElapsed() const;

  TempFolder folder;
  std::string saved;
  HWND window = nullptr;
};

// The longest that this process was kept from running during a stretch of time, seen from
// a thread of its own that never touches the program: it asks for 1 ms sleeps and keeps a
// 20 ms timer of its own, as the race timer is, and measures each oversleep and each timer
// message's lateness (under Wine a timer message also waits for the shared wineserver, which
// the other test programs keep busy). A race tick that comes late by that much was late for
// the machine, not for the program.
class StallProbe {
 public:
  StallProbe();
  ~StallProbe();
  StallProbe(const StallProbe&) = delete;
  StallProbe& operator=(const StallProbe&) = delete;
  double LongestStallMs() const;

 private:
  static DWORD WINAPI Run(void* self);
  HANDLE thread_ = nullptr;
  volatile LONG stop_ = 0;
  volatile LONG longestUs_ = 0;
};

}  // namespace testsupport
