// A temporary working folder with its "Private" folder, current for the life of the object,
// and byte-level helpers for the event file in it.
#pragma once

#include <string>

#include "platform/files.h"
#include "platform/folders.h"
#include "race/event_file.h"
#include "tests/support/temp_folder.h"

namespace testsupport {

class EventFolder {
 public:
  EventFolder() : previous_(platform::CurrentFolder()) {
    platform::CreateFolder((folder_ / "Private").c_str());
    platform::SetCurrentFolder(folder_.path().c_str());
  }
  ~EventFolder() { platform::SetCurrentFolder(previous_.c_str()); }
  EventFolder(const EventFolder&) = delete;
  EventFolder& operator=(const EventFolder&) = delete;

  std::string Bytes() const { return ReadBytes(kRallyFilePath); }
  void SetBytes(const std::string& bytes) const { WriteBytes(kRallyFilePath, bytes); }

 private:
  TempFolder folder_;
  std::string previous_;
};

// n pairs of "1\t".
inline std::string Pairs(int n) {
  std::string pairs;
  for (int i = 0; i < n; ++i) pairs += "1\t";
  return pairs;
}

// A reserve of n pairs and its line end as on disk, with the body (disk bytes) written over
// its start: what the reserve scheme leaves in the file.
inline std::string OverReserve(int n, const std::string& body) {
  std::string reserve = Pairs(n) + "\r\n";
  return body.size() <= reserve.size() ? reserve.replace(0, body.size(), body) : body;
}

// Text with "\n" as the CR LF that stands on disk.
inline std::string OnDisk(const std::string& text) {
  std::string bytes;
  for (char c : text) {
    if (c == '\n') bytes += '\r';
    bytes += c;
  }
  return bytes;
}

// A whole section as appended to the end of the file.
inline std::string Section(const std::string& title, int pairs, const std::string& bodyText) {
  return "\r\n" + title + "\t\r\n" + OverReserve(pairs, OnDisk(bodyText));
}

}  // namespace testsupport
