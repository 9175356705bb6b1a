// What the print and the publication of a rally's participants list decide without a
// window: the rally's folder and key on the results web site, the site's page that registers
// an archive, and how the list falls into printed pages.
#pragma once

#include <string>
#include <vector>

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

inline constexpr int kParticipantsPerPage = 30;

// One printed page: the participants first .. first + rows - 1 of the list.
struct ParticipantsPage {
  int first;
  int rows;
};

// The pages of a list of count participants (at most the table's 200).
std::vector<ParticipantsPage> ParticipantsPages(int count);
// The number printed before a row: 1 for the list's first participant, counting on across pages.
inline int RunningNumber(const ParticipantsPage& page, int row) { return page.first + row + 1; }
// The grey band lies under the 1st, 3rd, 5th ... row of each page.
inline bool RowHasBand(int row) { return row % 2 == 0; }
