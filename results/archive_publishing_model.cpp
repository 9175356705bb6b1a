#include "results/archive_publishing_model.h"

#include <algorithm>
#include <cstring>

#include "app/build_profile.h"
#include "race/event_records.h"

std::string ReplaceWebFolderCharacters(const char* text, const char* forbidden) {
  std::string folder = text ? text : "";
  for (char& c : folder) {
    if (std::strchr(forbidden, c)) c = '_';
  }
  return folder;
}

std::string WebRallyFolder(const char* rallyName) {
  return ReplaceWebFolderCharacters(
      rallyName, ActiveProfile().language == Language::French ? " /" : kWebFolderForbiddenCharacters);
}

std::string ArchiveRallyKey(int rallyNumber, const char* rallyName) {
  return "R" + std::to_string(rallyNumber) + "-" + WebRallyFolder(rallyName);
}

std::string WebSitePageUrl(const FtpServer& server, const char* page, std::initializer_list<PageQueryValue> query) {
  // The FTP settings may name a port; the web pages are served on the host's own.
  std::string host = server.host;
  std::size_t colon = host.rfind(':');
  if (colon != std::string::npos && colon + 1 < host.size() &&
      host.find_first_not_of("0123456789", colon + 1) == std::string::npos) {
    host.erase(colon);
  }
  std::string url = "http://" + host + "/VellgrinRally/" + page;
  char separator = '?';
  for (const PageQueryValue& item : query) {
    url += separator;
    url += item.key;
    url += '=';
    url += PercentEncode(item.value);
    separator = '&';
  }
  return url;
}

std::string AdditionArchivePageUrl(const FtpServer& server, const std::string& championship,
                                   const std::string& eventFolder, const std::string& rallyKey,
                                   const std::string& archiveName) {
  return WebSitePageUrl(server, "AdditionArchive.php",
                        {{"country", championship}, {"event", eventFolder}, {"rally", rallyKey}, {"archive", archiveName}});
}
