// A fresh folder for one test, removed with its content afterwards.
#pragma once

#include <string>

namespace testsupport {

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& path() const { return path_; }
  // path() joined with a relative name.
  std::string operator/(const std::string& name) const;

 private:
  std::string path_;
};

// The whole content of a file as bytes, or "<missing>".
std::string ReadBytes(const std::string& path);
// Removes a file when it is there.
void DeleteFileIfAny(const std::string& path);
// Writes bytes as they are.
void WriteBytes(const std::string& path, const std::string& bytes);

// Turns a Linux path given by the build into one the program can open (under Wine the
// Linux root is drive Z:).
std::string HostPath(const std::string& path);

}  // namespace testsupport

namespace testsupport {
// Copies the factory content of the program folder (data/, named by VELLGRIN_TEST_DATA)
// into folder; false when the variable is not set.
bool CopyTestData(const std::string& folder);
}  // namespace testsupport
