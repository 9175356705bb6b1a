#include "tests/fuzz/fuzz_support.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "platform/files.h"
#include "platform/folders.h"
#include "platform/test_hooks.h"
#include "race/country_files.h"

namespace fuzz {
namespace {

std::string folder;

void RemoveFolder() {
  std::error_code ignored;
  if (!folder.empty()) std::filesystem::remove_all(folder, ignored);
}

}  // namespace

void EnterProgramFolder() {
  if (!folder.empty()) return;
  // Literals must be the bytes on disk: "BaseDonn\xE9esPays.bd".
  if (static_cast<unsigned char>(kCountryNamesFile[8]) != 0xE9) Fail("literals are not Windows-1252");
  const char* base = std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : nullptr;
  if (!base) base = std::getenv("TMPDIR");
  std::string pattern = std::string(base ? base : "/tmp") + "/vellgrin-fuzz-XXXXXX";
  if (!mkdtemp(pattern.data())) Fail("no temporary folder");
  folder = pattern;
  std::atexit(RemoveFolder);
  if (!platform::SetCurrentFolder(folder.c_str())) Fail("cannot enter the temporary folder");
  platform::test::SetProgramFolder(folder);
  for (const char* sub : {"Private", "WebResults", "paysDrapeaux", "Championnats"}) platform::CreateFolder(sub);
  platform::test::InterceptAll();
}

void WriteFile(const char* path, const std::uint8_t* data, std::size_t size) {
  std::FILE* file = platform::OpenFile(path, "wb");
  if (!file) Fail("cannot write an input file");
  if (size > 0 && std::fwrite(data, 1, size, file) != size) Fail("cannot write an input file");
  std::fclose(file);
}

void WriteFile(const char* path, const std::string& bytes) {
  WriteFile(path, reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

void RemoveFile(const char* path) { platform::DeleteFileAt(path); }

std::string ReadFile(const char* path) {
  std::string bytes;
  std::FILE* file = platform::OpenFile(path, "rb");
  if (!file) return bytes;
  char block[65536];
  std::size_t n;
  while ((n = std::fread(block, 1, sizeof block, file)) > 0) bytes.append(block, n);
  std::fclose(file);
  return bytes;
}

void EndInput() { platform::test::ClearMessages(); }

void Fail(const char* what) {
  std::fprintf(stderr, "fuzz: %s\n", what);
  std::abort();
}

Choice Choose(const std::uint8_t* data, std::size_t size, int choices) {
  if (size == 0) return {0, data, 0};
  return {data[0] % choices, data + 1, size - 1};
}

}  // namespace fuzz
