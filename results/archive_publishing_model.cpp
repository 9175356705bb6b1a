#include "results/archive_publishing_model.h"

#include <algorithm>
#include <cstring>

#include "app/build_profile.h"
#include "race/event_records.h"

std::string WebRallyFolder(const char* rallyName) {
  const char* replaced = ActiveProfile().language == Language::French ? " /" : "<>:\"/\\|?* ";
  std::string folder = rallyName ? rallyName : "";
  for (char& c : folder) {
    if (std::strchr(replaced, c)) c = '_';
  }
  return folder;
}

std::string ArchiveRallyKey(int rallyNumber, const char* rallyName) {
  return "R" + std::to_string(rallyNumber) + "-" + WebRallyFolder(rallyName);
}

std::string AdditionArchivePageUrl(const FtpServer& server, const std::string& championship,
                                   const std::string& eventFolder, const std::string& rallyKey,
                                   const std::string& archiveName) {
  // The FTP settings may name a port; the web pages are served on the host's own.
  std::string host = server.host;
  std::size_t colon = host.rfind(':');
  if (colon != std::string::npos && colon + 1 < host.size() &&
      host.find_first_not_of("0123456789", colon + 1) == std::string::npos) {
    host.erase(colon);
  }
  return "http://" + host + "/VellgrinRally/AdditionArchive.php?country=" + PercentEncode(championship) +
         "&event=" + PercentEncode(eventFolder) + "&rally=" + PercentEncode(rallyKey) +
         "&archive=" + PercentEncode(archiveName);
}
