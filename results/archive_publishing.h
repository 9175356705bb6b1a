// Publishing an archive of a rally on the results web site, for the participants list and
// the classifications: the login probe that a dialog makes when it opens, the Publish
// button's picture, and the upload of "WebResults/Archive.txt" into the rally's folder.
#pragma once

#include <windows.h>

// The web state that a dialog keeps from its opening: the coordinates read from
// "WebResults/CoordonneesWeb.txt", with `connected` set by the login probe.
struct WebPublishingState {
  char eventFolder[41];
  char championship[20];
  char videoLinks[200];
  int connected;
  int publishingActive;
};

// Reads the web coordinates, probes the FTP login of the results web site and writes the
// coordinates back with the probe's result.
void CheckResultsWebSite(HWND owner, WebPublishingState* web);
// The Publish button shows the green picture only when both flags are 1.
bool PublishingIsReady(const WebPublishingState& web);
const char* PublishButtonPicture(const WebPublishingState& web);

// With the archive written: opens the site's page that registers it (and makes the rally's
// folder), waits for that folder and uploads the archive into it as remoteName. Every
// failure is told. The page is given pageName when the archive is registered under another
// name than the file uploaded.
void PublishArchive(HWND owner, const WebPublishingState& web, int rallyNumber, const char* rallyName,
                    const char* remoteName, const char* pageName = nullptr);
