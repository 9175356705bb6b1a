// A fresh working folder for the storage tests (the readers take their files from the
// current folder), with the factory files of data/ at hand.
#pragma once

#include <cstdlib>
#include <string>

#include "platform/files.h"
#include "platform/folders.h"
#include "tests/support/temp_folder.h"

namespace storagetest {

class WorkingFolder {
 public:
  WorkingFolder() : previous_(platform::CurrentFolder()) {
    platform::SetCurrentFolder(folder_.path().c_str());
    platform::CreateFolder("Private");
    platform::CreateFolder("paysDrapeaux");
  }
  ~WorkingFolder() { platform::SetCurrentFolder(previous_.c_str()); }
  WorkingFolder(const WorkingFolder&) = delete;
  WorkingFolder& operator=(const WorkingFolder&) = delete;

  // Copies a factory file of data/ to the same relative name here.
  bool InstallFactoryFile(const char* relative) const {
    const char* data = std::getenv("VELLGRIN_TEST_DATA");
    if (!data) return false;
    std::string from = testsupport::HostPath(data) + platform::PathSeparator() + relative;
    for (char& c : from) {
      if (c == '/') c = platform::PathSeparator();
    }
    return platform::CopyFileTo(from.c_str(), relative);
  }

 private:
  testsupport::TempFolder folder_;
  std::string previous_;
};

}  // namespace storagetest
