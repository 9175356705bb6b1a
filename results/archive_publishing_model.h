// What publishing an archive of a rally (participants list, stage or rally classification)
// decides without a window: the rally's folder and key on the results web site and the
// site's page that registers an archive.
#pragma once

#include <string>

#include "results/ftp_upload.h"

// The rally name as a folder of the web site: "<>:\"/\\|?*" and blanks become "_". The
// French build replaces only blanks and slashes.
std::string WebRallyFolder(const char* rallyName);
// The rally's key in the web event: "R<number>-" followed by its folder.
std::string ArchiveRallyKey(int rallyNumber, const char* rallyName);

// The page that registers the archive archiveName of a rally and makes the rally's folder,
// on the web server of the FTP host (without the FTP port); every value percent-encoded.
std::string AdditionArchivePageUrl(const FtpServer& server, const std::string& championship,
                                   const std::string& eventFolder, const std::string& rallyKey,
                                   const std::string& archiveName);
