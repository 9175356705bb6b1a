#include "results/internet_dialog_model.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/build_profile.h"
#include "platform/bounded.h"
#include "platform/message_box.h"
#include "results/archive_publishing_model.h"

namespace {

bool AllDigits(const char* text, std::size_t length) {
  if (std::strlen(text) != length) return false;
  for (std::size_t i = 0; i < length; ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
  }
  return true;
}

bool DateIsValid(const char* day, const char* month, const char* year) {
  if (!AllDigits(day, 2) || !AllDigits(month, 2) || !AllDigits(year, 4)) return false;
  int d = std::atoi(day), m = std::atoi(month), y = std::atoi(year);
  return d >= 1 && d <= 31 && m >= 1 && m <= 12 && y > 2010 && y <= 2099;
}

int LowerAscii(unsigned char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; }

bool EqualIgnoringCase(const char* a, const char* b) {
  for (; *a && *b; ++a, ++b) {
    if (LowerAscii(static_cast<unsigned char>(*a)) != LowerAscii(static_cast<unsigned char>(*b))) return false;
  }
  return *a == *b;
}

std::string Replaced(const char* text, char from, char to) {
  std::string out = text ? text : "";
  for (char& c : out) {
    if (c == from) c = to;
  }
  return out;
}

void SetDate(WebEventCopy* copy, const LocalDate& date) {
  std::snprintf(copy->day, sizeof copy->day, "%02d", date.day % 100);
  std::snprintf(copy->month, sizeof copy->month, "%02d", date.month % 100);
  std::snprintf(copy->year, sizeof copy->year, "%04d", date.year % 10000);
}

}  // namespace

std::string WebEventFolder(const char* eventName, const char* day, const char* month, const char* year) {
  std::string folder = ReplaceWebFolderCharacters(eventName) + "_" + day + "_" + month + "_" + year;
  // The folder field holds 40 characters; the entry limits keep within it.
  if (folder.size() > 40) folder.resize(40);
  return folder;
}

bool WebEventEntryIsValid(const char* eventName, const char* day, const char* month, const char* year) {
  return eventName[0] != '\0' && DateIsValid(day, month, year);
}

bool SplitWebEventFolder(const char* folder, WebEventCopy* into) {
  std::size_t length = std::strlen(folder);
  if (length < 12) return false;
  const char* date = folder + length - 11;  // "_dd_mm_yyyy"
  if (date[0] != '_' || date[3] != '_' || date[6] != '_') return false;
  char day[3] = {date[1], date[2], 0};
  char month[3] = {date[4], date[5], 0};
  char year[5] = {date[7], date[8], date[9], date[10], 0};
  if (!DateIsValid(day, month, year)) return false;
  std::string name(folder, length - 11);
  platform::CopyBounded(into->eventName, name.c_str());
  platform::CopyBounded(into->day, day);
  platform::CopyBounded(into->month, month);
  platform::CopyBounded(into->year, year);
  return true;
}

std::string ShownChampionship(const char* championship) { return Replaced(championship, '_', ' '); }
std::string StoredChampionship(const char* shown) { return Replaced(shown, ' ', '_'); }

int FindChampionship(const ChampionshipsTable& table, const char* shown) {
  for (std::size_t i = 0; i < table.size() && table[i].name[0]; ++i) {
    if (EqualIgnoringCase(table[i].name, shown)) return static_cast<int>(i);
  }
  return -1;
}

std::string CreationEventPageUrl(const FtpServer& server, bool rename, const WebEventCopy& entered,
                                 const WebEventCopy& current) {
  return WebSitePageUrl(server, "CreationEvent.php",
                        {{"action", rename ? "rename" : "create"},
                         {"payssaisie", entered.championship},
                         {"paysfichier", current.championship},
                         {"eventsaisie", entered.eventFolder},
                         {"eventfichier", current.eventFolder}});
}

std::string EventListPageUrl(const FtpServer& server) {
  return WebSitePageUrl(server, "ListeEvents.php", {{"lang", "GB"}, {"country", "_"}, {"event", "_"}, {"rally", "_"}});
}

InternetDialogState& InternetDialogMemory() {
  static InternetDialogState state;
  return state;
}

void ClearWebEvent(WebEventCopy* copy) { platform::ZeroBytes(copy, sizeof *copy); }

void ForgetWebEvent(InternetDialogState* state, const LocalDate& today) {
  ClearWebEvent(&state->current);
  ClearWebEvent(&state->entered);
  SetDate(&state->entered, today);
}

bool OpenInternetDialogState(InternetDialogState* state, const LocalDate& today, int* storedActive) {
  ClearWebEvent(&state->current);
  ClearWebEvent(&state->entered);
  state->connected = 0;
  state->publishingActive = 0;
  state->message.clear();
  for (ChampionshipRecord& record : state->championships) record = ChampionshipRecord{};
  bool championshipsRead = ReadChampionshipsDatabase(&state->championships);

  state->file = WebCoordinates{};
  WebCoordinates& file = state->file;
  ReadWebCoordinates(nullptr, file.eventFolder, file.championship, file.videoLinks, &file.connected,
                     &file.publishingActive);
  *storedActive = file.publishingActive;
  WebEventCopy& current = state->current;
  platform::CopyBounded(current.eventFolder, file.eventFolder);
  platform::CopyBounded(current.championship, file.championship);
  platform::CopyBounded(current.videoLinks, file.videoLinks);
  state->publishingActive = file.publishingActive;

  bool folderValid = SplitWebEventFolder(current.eventFolder, &current);
  bool championshipValid = false;
  if (current.championship[0]) {
    platform::CopyBounded(current.championshipShown, ShownChampionship(current.championship).c_str());
    const int found = FindChampionship(state->championships, current.championshipShown);
    championshipValid = found >= 0;
    // Shown as the database spells it, so that the list selects that very item.
    if (championshipValid) {
      platform::CopyBounded(current.championshipShown, state->championships[static_cast<std::size_t>(found)].name);
    }
  }
  if (folderValid && championshipValid) {
    state->entered = current;
  } else {
    state->publishingActive = 0;
    ForgetWebEvent(state, today);
  }
  return championshipsRead;
}

bool OpeningProbesFolder(const InternetDialogState& state) {
  return state.current.championship[0] && state.current.eventFolder[0];
}

bool FinishInternetOpening(InternetDialogState* state, const OpeningProbes& probes, const LocalDate& today,
                           int storedActive) {
  state->connected = probes.loginWorked ? 1 : 0;
  state->message = Tr(state->connected ? Text::InternetConnected : Text::InternetNotConnected);
  if (state->connected && probes.probedFolder && !probes.folderExists) ForgetWebEvent(state, today);
  bool folderFound = state->connected && probes.probedFolder && probes.folderExists;
  if (folderFound && state->publishingActive == 1) {
    ActivatedMessage(state);
  } else {
    state->publishingActive = 0;
    if (state->connected) state->message += Tr(Text::InternetNotActivated);
  }
  // Only a web event found gone is switched off in the file: a site that does not answer now
  // (a refused login, no network) may answer at the next live upload.
  const bool forgotten = state->file.eventFolder[0] != '\0' && state->current.eventFolder[0] == '\0';
  return storedActive == 1 && state->publishingActive == 0 && forgotten;
}

void ActivatedMessage(InternetDialogState* state) {
  const WebEventCopy& e = state->entered;
  char line[128];
  std::snprintf(line, sizeof line, "'%s %s/%s/%s'", e.eventName, e.day, e.month, e.year);
  state->message = std::string(Tr(Text::InternetConnected)) + Tr(Text::InternetActivated) +
                   Tr(Text::InternetEventLine) + line;
}

void NotActivatedMessage(InternetDialogState* state) {
  state->message = std::string(Tr(Text::InternetConnected)) + Tr(Text::InternetNotActivated);
}

EntryCheck CheckEnteredWebEvent(WebEventCopy* entered) {
  if (!WebEventEntryIsValid(entered->eventName, entered->day, entered->month, entered->year))
    return EntryCheck::NotCorrect;
  if (!entered->championshipShown[0]) return EntryCheck::NoChampionship;
  platform::CopyBounded(entered->eventName, ReplaceWebFolderCharacters(entered->eventName).c_str());
  platform::CopyBounded(entered->eventFolder,
                        WebEventFolder(entered->eventName, entered->day, entered->month, entered->year).c_str());
  platform::CopyBounded(entered->championship, StoredChampionship(entered->championshipShown).c_str());
  return EntryCheck::Valid;
}

bool ChangeNeedsQuestion(const InternetDialogState& state) { return state.current.eventFolder[0] != '\0'; }

WebEventChange ChooseWebEventChange(const InternetDialogState& state, int answer) {
  // Without a current web event, or one without championship, there is nothing to rename.
  if (!ChangeNeedsQuestion(state) || !state.current.championship[0]) return WebEventChange::Create;
  if (answer == platform::kIdYes) return WebEventChange::Create;
  if (answer == platform::kIdNo) return WebEventChange::Rename;
  return WebEventChange::Cancel;
}

void ActivateWebEvent(InternetDialogState* state) {
  state->publishingActive = 1;
  ActivatedMessage(state);
  state->current = state->entered;
}
