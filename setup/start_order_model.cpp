#include "setup/start_order_model.h"

#include <cstring>

#include "app/build_profile.h"
#include "platform/bounded.h"
#include "platform/text_file.h"
#include "race/event_file.h"
#include "race/participant_fields.h"

namespace {

void ShowError(platform::WindowHandle owner, Text text) {
  platform::ShowMessage(owner, Tr(text), Tr(Text::CaptionError), platform::kMbOk);
}

template <std::size_t N>
bool SameField(const char (&a)[N], const char (&b)[N]) {
  return std::strncmp(a, b, N) == 0;
}

void ReadRallySections(platform::WindowHandle owner, platform::TextFile& file, StartOrderDialogData* data) {
  int first = 0;
  if (FindTitledSection(file, kTrackKey, &first)) {
    ReadTrackSection(file, first, &data->track);
    StripInternationalPrefix(&data->track);
  }
  if (data->rally == 0) return;
  if (FindRallySectionOf(file, kParticipantsKey, data->rally, &first)) {
    ReadParticipantsSection(file, first, data->participants);
  } else {
    ShowError(owner, Text::ParticipantsListTitleNotFound);
  }
  if (FindRallySectionOf(file, kParticipantAgesKey, data->rally, &first)) {
    ReadParticipantAgesSection(file, first, data->participants);
  }
  if (FindRallySectionOf(file, kStartOrderKey, data->rally, &first)) {
    ReadStartOrderIntoParticipants(file, first, &data->rallies[data->rally - 1].hasResults, data->label,
                                   data->order);
  } else {
    ShowError(owner, Text::StartOrderTitleNotFound);
  }
}

}  // namespace

void LoadStartOrderData(platform::WindowHandle owner, StartOrderDialogData* data) {
  platform::ZeroBytes(data, sizeof *data);
  if (!ReadRallyFileHeader(&data->selectedNode, &data->rallyCount, data->rallies)) {
    ShowError(owner, Text::RallyFileNotFound);
  }
  // A header that names no rally of the event (the Track node, or none) gives no rows.
  data->rally = EventRallyOfNode(data->selectedNode, data->rallyCount);
  {
    platform::TextFile file(kRallyFilePath, "r+");
    if (file) {
      ReadRallySections(owner, file, data);
    } else {
      ShowError(owner, Text::RallyFileNotFound);
    }
  }
  if (!ReadLogoPath(data->logoPath)) ShowError(owner, Text::DisplaySettingsNotFound);
  CompleteStartOrder(data->order, data->participants);
}

void CompleteStartOrder(ParticipantRecord order[kMaxParticipants],
                        const ParticipantRecord participants[kMaxParticipants]) {
  for (int e = 0; e < kMaxParticipants; ++e) {
    ParticipantRecord& entry = order[e];
    for (int p = 0; p < kMaxParticipants; ++p) {
      const ParticipantRecord& from = participants[p];
      if (!SameField(entry.name, from.name)) continue;
      std::memcpy(entry.car, from.car, sizeof entry.car);
      std::memcpy(entry.carCategory, from.carCategory, sizeof entry.carCategory);
      std::memcpy(entry.carNumber, from.carNumber, sizeof entry.carNumber);
      std::memcpy(entry.transponder, from.transponder, sizeof entry.transponder);
      std::memcpy(entry.ageCategoryCode, from.ageCategoryCode, sizeof entry.ageCategoryCode);
      std::memcpy(entry.ageCategoryName, from.ageCategoryName, sizeof entry.ageCategoryName);
      std::memcpy(entry.frequencies, from.frequencies, sizeof entry.frequencies);
    }
  }
}

int StartOrderRowCount(const StartOrderDialogData& data) {
  return data.rally ? data.rallies[data.rally - 1].participantCount : 0;
}

const char* StartOrderRallyName(const StartOrderDialogData& data) {
  return data.rally ? data.rallies[data.rally - 1].name : "";
}

void CountRadioConflicts(const ParticipantRecord order[kMaxParticipants], int count,
                         int conflicts[kMaxParticipants]) {
  if (count > kMaxParticipants) count = kMaxParticipants;
  for (int e = 0; e < kMaxParticipants; ++e) conflicts[e] = 0;
  for (int e = 0; e < count; ++e) {
    const auto& code = order[e].frequencies[0];
    if (code[0] == '\0' || std::strncmp(code, kSpreadSpectrumFrequency, sizeof code) == 0) continue;
    for (int other = 0; other < count && conflicts[e] < 2; ++other) {
      if (SameField(order[other].frequencies[0], code)) ++conflicts[e];
    }
  }
}

int ScrolledPosition(ScrollRequest request, int position, int maximum, int thumb) {
  switch (request) {
    case ScrollRequest::LineUp:
      return position > 0 ? position - 1 : position;
    case ScrollRequest::LineDown:
      return position < maximum ? position + 1 : position;
    case ScrollRequest::PageUp:
      return 0;
    case ScrollRequest::PageDown:
      return maximum;
    case ScrollRequest::ThumbPosition:
      // The position becomes the first row shown: never beyond the bar's range.
      return thumb < 0 ? 0 : thumb > maximum ? maximum : thumb;
    case ScrollRequest::Other:
      break;
  }
  return position;
}

int StartOrderArrowHit(int x, int y, int count) {
  const int pairs = StartOrderArrowPairs(count);
  for (int i = 0; i < pairs; ++i) {
    const int top = 114 + 20 * i;
    const bool up = x >= 251 && x <= 261 && y > top + 20 && y <= top + 31;
    const bool down = x >= 271 && x <= 281 && y > top && y <= top + 11;
    if (up || down) return i;
  }
  return -1;
}

void SwapStartOrderEntries(ParticipantRecord order[kMaxParticipants], int a, int b) {
  if (a < 0 || b < 0 || a >= kMaxParticipants || b >= kMaxParticipants) return;
  ParticipantRecord kept = order[a];
  order[a] = order[b];
  order[b] = kept;
}

bool MoveDriverAt(StartOrderDialogData* data, int first, int x, int y) {
  const int count = StartOrderRowCount(*data);
  const int row = StartOrderArrowHit(x, y, count);
  if (row < 0 || first < 0 || first + row + 1 >= count) return false;
  SwapStartOrderEntries(data->order, first + row, first + row + 1);
  return true;
}

void AddGeneratedStartOrderBody(SectionBody& body, const StartOrderDialogData& data) {
  static char names[kMaxParticipants][kDriverNameSize];
  for (int i = 0; i < kMaxParticipants; ++i) std::memcpy(names[i], data.order[i].name, kDriverNameSize);
  const int hasResults = data.rally ? data.rallies[data.rally - 1].hasResults : 0;
  AddStartOrderBody(body, hasResults, data.label, names);
}

bool GenerateStartOrder(platform::WindowHandle owner, StartOrderDialogData* data) {
  if (data->rally == 0) return false;
  RallyRecord& rally = data->rallies[data->rally - 1];
  if (rally.hasResults == 0) rally.stageCount = 1;
  RewriteRallyFileHeader(owner, data->selectedNode, data->rallyCount, data->rallies);
  platform::TextFile file(kRallyFilePath, "r+");
  if (!file) {
    ShowError(owner, Text::RallyFileNotFound);
    return false;
  }
  char title[kSectionTitleSize];
  FormatSectionTitle(title, kStartOrderKey, data->rally);
  SectionBody body;
  AddGeneratedStartOrderBody(body, *data);
  return WriteRallySection(owner, file, title, kStartOrderReserve, body, Text::StartOrderTitleNotFound,
                           MissingSection::Refuse);
}
