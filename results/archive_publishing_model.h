// What publishing an archive of a rally (participants list, stage or rally classification)
// decides without a window: the rally's folder and key on the results web site and the
// site's page that registers an archive.
#pragma once

#include <initializer_list>
#include <string>

#include "results/ftp_upload.h"

// The characters a folder name of the web site may not hold; each becomes "_".
inline constexpr const char* kWebFolderForbiddenCharacters = "<>:\"/\\|?* ";
// text with each character of forbidden replaced by "_".
std::string ReplaceWebFolderCharacters(const char* text, const char* forbidden = kWebFolderForbiddenCharacters);

// The rally name as a folder of the web site: "<>:\"/\\|?*" and blanks become "_". The
// French build replaces only blanks and slashes.
std::string WebRallyFolder(const char* rallyName);
// The rally's key in the web event: "R<number>-" followed by its folder.
std::string ArchiveRallyKey(int rallyNumber, const char* rallyName);

// A page of the results web site ("http://<host>/VellgrinRally/<page>"), on the web server
// of the FTP host (without the FTP port), with its query: every value percent-encoded, so
// that "&", "#", "%", "+", "=" and accented letters neither split the query nor cut it.
struct PageQueryValue {
  const char* key;
  std::string value;
};
std::string WebSitePageUrl(const FtpServer& server, const char* page, std::initializer_list<PageQueryValue> query);

// The page that registers the archive archiveName of a rally and makes the rally's folder,
// on the web server of the FTP host (without the FTP port); every value percent-encoded.
std::string AdditionArchivePageUrl(const FtpServer& server, const std::string& championship,
                                   const std::string& eventFolder, const std::string& rallyKey,
                                   const std::string& archiveName);
