// The race engine: the work of each tick of timer 1 of the main window, on the
// process-wide tables. It supervises a ZL2 link, keeps the stage clock, triggers the live
// results, runs the countdowns, reads the decoder, turns each pass into a stage time,
// re-ranks and finishes or stops the special stage. The windows and the network come in
// through RaceEngineHost, the serial port through EnginePort, so that tests can run ticks
// with the manual clock and a scripted line.
#pragma once

#include <cstdint>
#include <string>

#include "platform/message_box.h"
#include "race/countdowns.h"
#include "race/decoder_link.h"
#include "race/decoder_protocol.h"
#include "race/main_state.h"
#include "race/stage_clock.h"

// The serial port as the engine uses it: opened and closed by the reconnection.
class EnginePort {
 public:
  virtual ~EnginePort() = default;
  virtual bool Open(const char* portName) = 0;
  virtual void Close() = 0;
  virtual SerialLine& Line() = 0;
};

class RaceEngineHost : public RaceScreenSink {
 public:
  virtual platform::WindowHandle Window() = 0;
  // The Pause button is clicked (the maximum stage time has run out).
  virtual void ClickPause() = 0;
  // Writes the loaded stage into the working event file, as leaving its node does.
  virtual void SaveStage() = 0;
  // Hands the live file's content to the upload; it must not wait for the network.
  virtual void UploadLive(std::string content) = 0;
  // Start greys the menus and controls that must not run during a stage (true); Pause and
  // a refused start give them back (false).
  virtual void SetTimingControls(bool timing) = 0;
  // Ends any in-place edit of the live table.
  virtual void CloseInPlaceEdit() = 0;
};

struct RaceEngineState {
  DecoderLinkState link;
  StartCountdown countdown;
  RestDelayCountdown rest;
  StageClockReading clock;  // the last computation of the stage clock
  std::uint32_t clockRefreshTick;
  std::int64_t counterFrequency;
  std::int64_t counterZero;  // high-resolution counter at Start: zero of the ZL1 pass times
  // The tail of a frame split across two reads, scanned with the next block. Every frame
  // goes to the pending queue before any pass is handled.
  ReceiveBuffer received;
  // Passes read but not handled yet, in the order received. A tick run inside a box opened
  // while an earlier tick handles a pass goes on with the passes after it, so each pass is
  // handled once and in order.
  struct PendingPass {
    PassFrame frame;
    std::int64_t counter;
  };
  static constexpr int kPendingCapacity = 4 * kMaxFramesPerBlock;
  PendingPass pending[kPendingCapacity];
  int pendingFirst;
  int pendingCount;
  // At most one box per kind is open; later events of that kind only change LinkLog.
  int linkBoxOpen;
  int uploadBoxOpen;
};

RaceEngineState& RaceEngine();

// The engine's files, from the program folder.
std::string EngineInterfaceSettingsPath();
std::string EngineLiveResultsPath();

// Appends to LinkLog and never passes its 119 characters: once an append would not fit,
// the first line (when the link was lost) is kept and the rest makes room for the new text.
void AppendLinkLog(char (&log)[120], const char* text);

// The elapsed stage time in whole tenths, as the link messages show it.
void FormatLinkTime(char (&text)[16], int elapsedMs);

// The decoder interface dialog takes the port over: no keep-alive and no reconnection while
// it is open (Suspend); afterwards (Resume) the next tick reads the link it recorded, model,
// port and state, and bytes kept from the old link are not scanned as frames of the new one.
void SuspendDecoderLink(RaceEngineState& engine);
void ResumeDecoderLink(RaceEngineState& engine);

// One tick of timer 1.
void RaceEngineTick(MainState& state, RaceEngineState& engine, EnginePort& port, RaceEngineHost& host);

// One pass, as the tick takes it from the decoder: the matching, recording, re-ranking and
// sounds. counter is the high-resolution counter when the frame was read (ZL1).
void MatchPass(MainState& state, RaceEngineState& engine, RaceEngineHost& host, const PassFrame& pass,
               DecoderModel model, std::int64_t counter);

// The live-results file written and its content handed to the upload (connected and
// publishing active). False when the file could not be written (the operator is told).
bool PublishLiveResults(MainState& state, RaceEngineHost& host);

// The elapsed stage time from startTick and keptElapsed.
int StageElapsedMs(const MainState& state);

// What the countdown and rest panels of the race screen show: the running start countdown
// while a stage with a start interval is timed (the start interval otherwise), and the rest
// between stages as its countdown left it (empty once Start has ended it).
struct CountdownPanelTexts {
  const char* startCountdown;
  const char* restMinutes;
  const char* restState;
  int restElapsed;  // 0 counting, 1 elapsed
};
CountdownPanelTexts RaceScreenCountdownTexts(const MainState& state, const RaceEngineState& engine);
