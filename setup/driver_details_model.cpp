#include "setup/driver_details_model.h"

#include <cstdio>
#include <cstring>

#include "app/build_profile.h"
#include "platform/bounded.h"
#include "platform/text_file.h"
#include "race/database_files.h"
#include "race/event_file.h"
#include "race/interface_settings.h"
#include "race/text_fields.h"

namespace {

void ShowError(platform::WindowHandle owner, Text text) {
  platform::ShowMessage(owner, Tr(text), Tr(Text::CaptionError), platform::kMbOk);
}

// The decoder name of the last link file read; kept for an opening that finds none.
char keptDecoderName[sizeof InterfaceSettings{}.decoderName];

unsigned char FoldCase(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
  // Windows-1252 capitals with their small letter 32 further (0xD7 is the multiplication sign).
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
  return c;
}

// Bytes that came before the scan, or that no scan wants: read and dropped.
void Discard(SerialLine& line) {
  unsigned char discard[kReadBlockSize + 1];
  int got = 0;
  line.Read(discard, kReadBlockSize, &got);
}

}  // namespace

int ParticipantOfNode(int code) {
  int n = code % 10000 - 1000;
  return n >= 1 && n <= kMaxParticipants ? n : 0;
}

void LoadDriverDetails(platform::WindowHandle owner, DriverDetailsData* data) {
  std::memset(data, 0, sizeof *data);
  platform::TextFile file(kRallyFilePath, "r+");
  if (!file) {
    ShowError(owner, Text::RallyFileNotFound);
    return;
  }
  file.Rewind();
  int code = 0;
  // Without a code no participant is named: OK must not write a guessed one.
  if (!ReadNumberField(file, &code)) return;
  data->rally = RallyOfNode(code);
  int first = 0;
  if (!FindRallySectionOf(file, kParticipantsKey, data->rally, &first)) {
    ShowError(owner, Text::DriverDetailsTitleNotFound);
  } else {
    ReadParticipantsSection(file, first, data->participants);
    data->listRead = 1;
  }
  data->participant = ParticipantOfNode(code);
}

ParticipantRecord* EditedParticipant(DriverDetailsData* data) {
  return data->participant >= 1 && data->participant <= kMaxParticipants ? &data->participants[data->participant - 1]
                                                                         : nullptr;
}

bool SaveDriverDetails(platform::WindowHandle owner, const DriverDetailsData& data) {
  platform::TextFile file(kRallyFilePath, "r+");
  if (!file) {
    ShowError(owner, Text::RallyFileNotFound);
    return false;
  }
  if (data.participant < 1 || data.participant > kMaxParticipants || !data.listRead) return false;
  char title[kSectionTitleSize];
  FormatSectionTitle(title, kParticipantsKey, data.rally);
  SectionBody body;
  AddParticipantsBody(body, data.participants);
  return WriteRallySection(owner, file, title, kParticipantsReserve, body, Text::DriverDetailsTitleNotFound,
                           MissingSection::Refuse);
}

const char* ReadScanDecoderName(platform::WindowHandle owner) {
  InterfaceSettings settings;
  if (ReadInterfaceSettings(kInterfaceSettingsFile, &settings)) {
    platform::CopyBounded(keptDecoderName, settings.decoderName);
  } else {
    ShowError(owner, Text::InterfaceFileNotFound);
  }
  return keptDecoderName;
}

void ForgetScanDecoderName() { keptDecoderName[0] = '\0'; }

bool CollectFrequencyCodes(ComboStrings* codes) {
  codes->clear();
  platform::TextFile file(kFrequenciesDatabaseFile, "r+");
  if (!file) return false;
  file.Rewind();
  // One byte more than a code, so that a longer line shows as such.
  char code[kFrequencyCodeLimit + 2];
  for (int line = 0; line < kMaxFrequencies && file.ReadLine(code, sizeof code); ++line) {
    std::size_t length = std::strlen(code);
    if (length >= 1 && length <= static_cast<std::size_t>(kFrequencyCodeLimit)) codes->push_back(code);
  }
  return true;
}

bool SameTextIgnoringCase(const char* a, const char* b) {
  if (!a || !b || a[0] == '\0') return false;
  for (;; ++a, ++b) {
    unsigned char x = FoldCase(static_cast<unsigned char>(*a));
    unsigned char y = FoldCase(static_cast<unsigned char>(*b));
    if (x != y) return false;
    if (x == '\0') return true;
  }
}

int FindTextIgnoringCase(const ComboStrings& strings, const char* text) {
  for (std::size_t i = 0; i < strings.size(); ++i) {
    if (SameTextIgnoringCase(strings[i].c_str(), text)) return static_cast<int>(i);
  }
  return -1;
}

bool TakeTransponderText(ParticipantRecord* participant, const char* text) {
  if (!participant || std::strlen(text) != static_cast<std::size_t>(kTransponderLimit)) return false;
  platform::CopyBounded(participant->transponder, text);
  return true;
}

void ResetTransponderScan(TransponderScan* scan) {
  std::memset(scan, 0, sizeof *scan);
  scan->model = DecoderModel::Unknown;
}

void StartTransponderScan(TransponderScan* scan, DecoderModel model, SerialLine& line, bool stageTimed,
                          std::int64_t counterFrequency, std::int64_t counterNow) {
  if (!stageTimed) Discard(line);
  ClearReceiveBuffer(&scan->received);
  scan->scanning = 1;
  scan->model = model;
  scan->counterFrequency = counterFrequency;
  scan->scanStart = counterNow;
  scan->totalCentiseconds = 0;
  scan->cycleStart = 0;
  scan->lampState = 1;
  scan->position = 0;
}

void StopTransponderScan(TransponderScan* scan) {
  scan->scanning = 0;
  scan->lampState = 0;
  scan->position = 0;
  ClearReceiveBuffer(&scan->received);
}

bool StepScanLamp(TransponderScan* scan, std::int64_t counterNow) {
  if (scan->counterFrequency != 0) {
    scan->totalCentiseconds = (counterNow - scan->scanStart) * 100 / scan->counterFrequency;
  }
  scan->position = static_cast<int>(scan->totalCentiseconds - scan->cycleStart);
  const unsigned position = static_cast<unsigned>(scan->position);
  int& lamp = scan->lampState;
  bool redraw = false;
  if (position <= 19 && lamp == 0) {
    lamp = 1;
    redraw = true;
  }
  if (position >= 21 && position <= 40 && lamp == 1) {
    lamp = 2;
    redraw = true;
  }
  if (position >= 42 && position <= 61 && lamp == 2) {
    lamp = 3;
    redraw = true;
  }
  if (position >= 63 && position <= 82 && lamp == 3) {
    lamp = 4;
    redraw = true;
  }
  // A late tick (the thread held by a box) may find the cycle long over: it starts again
  // all the same, or the lamp would stay lit for good.
  if (position >= 84) {
    scan->cycleStart = static_cast<int>(scan->totalCentiseconds);
    lamp = 0;
  }
  return redraw;
}

ScanTickResult TransponderScanTick(TransponderScan* scan, SerialLine& line, bool stageTimed,
                                   std::uint32_t nowTick, std::int64_t counterNow) {
  ScanTickResult result = {};
  if (!scan->scanning) {
    if (!stageTimed) Discard(line);
    ClearReceiveBuffer(&scan->received);
    return result;
  }
  if (!stageTimed) {
    ReceiveBuffer& received = scan->received;
    int room = 0;
    unsigned char* target = ReadTarget(&received, &room);
    int got = 0;
    bool ok = line.Read(target, room, &got);
    RecordRead(&received, ok ? got : 0, nowTick, RemainderSilenceLimitMs(scan->model, kScanPeriodMs));
    if (ok) {
      PassFrame frames[kMaxFramesPerBlock];
      int consumed = 0;
      int count = ScanPassFrames(scan->model, received.bytes, received.length, frames, kMaxFramesPerBlock, &consumed);
      KeepRemainder(&received, consumed);
      if (count > 0) {
        result.passFound = true;
        platform::CopyBounded(result.passText, frames[count - 1].passText);
      }
    }
  }
  result.redrawLamp = StepScanLamp(scan, counterNow);
  return result;
}

const char* ScanLampPicture(int lampState) {
  static const char* const kPictures[] = {"images/voyantScanPuce1.bmp", "images/voyantScanPuce2.bmp",
                                          "images/voyantScanPuce3.bmp", "images/voyantScanPuce4.bmp"};
  return lampState >= 1 && lampState <= 4 ? kPictures[lampState - 1] : nullptr;
}

void ParticipantCaption(const ParticipantRecord& participant, char* text, int size) {
  if (size <= 0) return;
  std::snprintf(text, static_cast<std::size_t>(size), "%s ( %s )", participant.name, participant.team);
}

