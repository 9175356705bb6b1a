// A file that refuses to be opened for writing while the object lives, as on a CD or a
// locked share: its read-only attribute set, and held open by a handle that shares it for
// reading only. (Under Wine the attribute stops no one running as root, the tests' user;
// the sharing is enforced whoever asks.)
#pragma once

#include <windows.h>

namespace testsupport {

class ReadOnlyFile {
 public:
  explicit ReadOnlyFile(const char* path) : path_(path) {
    SetFileAttributesA(path, FILE_ATTRIBUTE_READONLY);
    holder_ = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  }
  ~ReadOnlyFile() {
    if (holder_ != INVALID_HANDLE_VALUE) CloseHandle(holder_);
    SetFileAttributesA(path_, FILE_ATTRIBUTE_NORMAL);
  }
  ReadOnlyFile(const ReadOnlyFile&) = delete;
  ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

  bool held() const { return holder_ != INVALID_HANDLE_VALUE; }

 private:
  const char* path_;
  HANDLE holder_ = INVALID_HANDLE_VALUE;
};

}  // namespace testsupport
