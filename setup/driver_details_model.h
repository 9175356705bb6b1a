// The driver details dialog's rules: which participant it edits, what it reads of the event
// file and the reference files, how edits reach its copy of the participant list, how OK
// writes it back, and the transponder scan (the decoder read every tick, the lamp cycle).
#pragma once

#include <cstdint>

#include "platform/message_box.h"
#include "race/combo_fillers.h"
#include "race/database_files.h"
#include "race/decoder_link.h"
#include "race/decoder_protocol.h"
#include "race/event_records.h"

inline constexpr int kCarNumberLimit = 4;
inline constexpr int kTransponderLimit = 6;
inline constexpr int kFrequencyCodeLimit = 6;

// The dialog's copy of one rally's participant list.
struct DriverDetailsData {
  ParticipantRecord participants[kMaxParticipants];
  int rally;
  int participant;  // n, 1..200; 0 when the event file's header named no participant
  int listRead;     // 1 once the participants section was read: only then may OK write it
};

// The participant number n of a TreeNodeCode (code % 10000 - 1000), or 0 when that is not
// one of the 200.
int ParticipantOfNode(int code);

// Clears the copy, then reads the header code and the rally's participants section of the
// working event file. Shows "Error : File of the rally not found" or "Error: Title of the
// participants list not found".
void LoadDriverDetails(platform::WindowHandle owner, DriverDetailsData* data);
// The edited record, or nullptr when the header named no participant.
ParticipantRecord* EditedParticipant(DriverDetailsData* data);

// Writes the copy over the participants section in place. Nothing is written when no
// participant is edited, the list was never read, the file cannot be opened (message) or
// the section is missing (message): this dialog never adds a section. True when written.
bool SaveDriverDetails(platform::WindowHandle owner, const DriverDetailsData& data);

// The decoder name of the link file. A missing file shows "Error: Interface file not
// found" and keeps the name of the previous call (none at first).
const char* ReadScanDecoderName(platform::WindowHandle owner);
// Forgets the kept name (tests).
void ForgetScanDecoderName();

// The codes of "BaseDonnéesFréquences.bd", one a line, from at most 100 lines. An empty
// line, or one longer than a code, is no code and is skipped. False when the file is missing.
bool CollectFrequencyCodes(ComboStrings* codes);

// Whole texts equal but for the case of letters (A-Z and the accented capitals of
// Windows-1252). An empty text equals nothing.
bool SameTextIgnoringCase(const char* a, const char* b);
// The first of the strings equal to text in that sense, or -1.
int FindTextIgnoringCase(const ComboStrings& strings, const char* text);

// name " ( " team " )".
void ParticipantCaption(const ParticipantRecord& participant, char* text, int size);

// The transponder edit's rule: only a text of exactly six characters becomes the
// participant's transponder; anything shorter leaves the stored one. True when stored.
bool TakeTransponderText(ParticipantRecord* participant, const char* text);

// The scan of the transponder: bytes from the decoder every tick while the dialog is open,
// the number of the last pass while Scan is down, and the lamp beside the button.
struct TransponderScan {
  int scanning;
  int lampState;  // 0: no lamp; 1 to 4: the picture shown
  std::int64_t counterFrequency;
  std::int64_t scanStart;
  std::int64_t totalCentiseconds;
  int cycleStart;
  int position;  // totalCentiseconds - cycleStart, compared as unsigned
  DecoderModel model;
  ReceiveBuffer received;
};

void ResetTransponderScan(TransponderScan* scan);
// Scan down: what the decoder sent before is thrown away (unless the race engine owns the
// port because a stage is timed), the lamp starts its cycle at 1 and the clock at the counter.
void StartTransponderScan(TransponderScan* scan, DecoderModel model, SerialLine& line, bool stageTimed,
                          std::int64_t counterFrequency, std::int64_t counterNow);
// Scan up, or the dialog closes: the lamp goes out.
void StopTransponderScan(TransponderScan* scan);

struct ScanTickResult {
  bool passFound;
  char passText[7];  // "%06d" of the last pass of the tick
  bool redrawLamp;
};

// The scan reads the line on a timer of this period.
inline constexpr unsigned kScanPeriodMs = 10;

// One tick of the dialog's timer. While a stage is timed the port is the race engine's and
// is not read. Otherwise the bytes are thrown away while Scan is up; while it is down they
// are cut into the model's frames (a frame split across two reads is completed by the
// next), then the lamp steps with the counter.
ScanTickResult TransponderScanTick(TransponderScan* scan, SerialLine& line, bool stageTimed,
                                   std::uint32_t nowTick, std::int64_t counterNow);
// The lamp step of a tick from the scan's clock; true when the lamp must be redrawn.
bool StepScanLamp(TransponderScan* scan, std::int64_t counterNow);
// "images/voyantScanPuce<lamp>.bmp", or nullptr for lamp 0.
const char* ScanLampPicture(int lampState);
