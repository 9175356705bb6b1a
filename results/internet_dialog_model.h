// What the internet dialog decides without a window: the web event's folder name on the
// results web site, the entry rules, the stored web event read back from its folder name,
// the pages that create, rename and list web events, the message it shows, and the state
// after its opening, an activation and its finishing step.
#pragma once

#include <string>

#include "race/database_files.h"
#include "results/ftp_upload.h"
#include "results/web_publishing.h"

// One copy of the web event: the one kept in the coordinates file, or the one entered.
struct WebEventCopy {
  char eventFolder[41];
  char eventName[30];
  char championship[20];       // blanks as "_": the folder level on the web site
  char championshipShown[20];  // as the championships list shows it
  char videoLinks[200];
  char day[3];
  char month[3];
  char year[5];
};

struct LocalDate {
  int day;
  int month;
  int year;
};

// "<name>_<day>_<month>_<year>", the forbidden characters of the name replaced by "_"; at
// most 40 characters.
std::string WebEventFolder(const char* eventName, const char* day, const char* month, const char* year);
// A name of at least one character; a day of two digits from 01 to 31, a month of two from
// 01 to 12, a year of four from 2011 to 2099.
bool WebEventEntryIsValid(const char* eventName, const char* day, const char* month, const char* year);
// The stored folder name split back into the event name and its date; false when it does
// not end in a valid "_dd_mm_yyyy".
bool SplitWebEventFolder(const char* folder, WebEventCopy* into);
// "_" shown as blanks, and back.
std::string ShownChampionship(const char* championship);
std::string StoredChampionship(const char* shown);
// The record of the championships table whose name is shown, ignoring case; -1 when none.
int FindChampionship(const ChampionshipsTable& table, const char* shown);

// "CreationEvent.php" asked to create a web event or to rename the current one.
std::string CreationEventPageUrl(const FtpServer& server, bool rename, const WebEventCopy& entered,
                                 const WebEventCopy& current);
// "ListeEvents.php", the list of web events.
std::string EventListPageUrl(const FtpServer& server);

struct InternetDialogState {
  WebCoordinates file;  // as the coordinates file held them at the opening
  WebEventCopy current;
  WebEventCopy entered;
  int connected;
  int publishingActive;
  ChampionshipsTable championships;
  std::string message;
};

// The dialog's own memory, kept by the process.
InternetDialogState& InternetDialogMemory();

void ClearWebEvent(WebEventCopy* copy);
// Clears both copies and puts today into the entered date.
void ForgetWebEvent(InternetDialogState* state, const LocalDate& today);

// The opening up to the probes: the championships read (false when their file is missing),
// the coordinates read, and the stored web event kept when its folder name and its
// championship are valid (else forgotten, with today's date entered). *storedActive is the
// flag the file held.
bool OpenInternetDialogState(InternetDialogState* state, const LocalDate& today, int* storedActive);

// What the probes of the opening found.
struct OpeningProbes {
  bool libraryFailed;  // the library or a handle could not be initialised
  bool loginWorked;
  bool probedFolder;  // the stored web event's folder was probed
  bool folderExists;
};
// Whether the folder of the stored web event is to be probed after a working login.
bool OpeningProbesFolder(const InternetDialogState& state);
// The opening after the probes: the flags, the message, the web event forgotten when its
// folder is gone from the site. True when the coordinates file must be rewritten with
// publishing off: the file said active and its web event was forgotten (its championship or
// its folder is gone, or its folder name is not valid), not when the site did not answer.
bool FinishInternetOpening(InternetDialogState* state, const OpeningProbes& probes, const LocalDate& today,
                           int storedActive);

// The message after an activation: connected, activated and the event line; or connected and
// not activated.
void ActivatedMessage(InternetDialogState* state);
void NotActivatedMessage(InternetDialogState* state);

enum class EntryCheck { Valid, NotCorrect, NoChampionship };
// Checks the entered web event and, when valid, builds its folder and its stored championship.
EntryCheck CheckEnteredWebEvent(WebEventCopy* entered);

// After the operator's answer (platform::kIdYes/kIdNo/kIdCancel) to the question on a
// changed web event, or without a question when there is no current web event.
enum class WebEventChange { Create, Rename, Cancel };
bool ChangeNeedsQuestion(const InternetDialogState& state);
WebEventChange ChooseWebEventChange(const InternetDialogState& state, int answer);

// The activation succeeded: the entered web event becomes the current one, publishing is on.
void ActivateWebEvent(InternetDialogState* state);
