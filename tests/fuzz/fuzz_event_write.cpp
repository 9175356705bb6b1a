// Writing into a damaged working copy: a section (in place, moved to the end, appended or
// refused) and the header. What was written reads back, and every other section found before
// is found afterwards with its body as it was (the lines after a body may only grow at the
// end of the file).
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "race/event_file.h"
#include "race/event_records.h"
#include "tests/fuzz/event_reference.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

const char* const kTitles[] = {"CourseRallyeDrapeauxTreeview", "PisteRallye",
                               "CourseRallye1ListeParticipants", "CourseRallye1Param\xE8tres",
                               "CourseRallye1ES1", "CourseRallyePenalites", "CourseRallye2ES1"};

// A section's body: from its first byte to the start of the next title line (or the end).
struct Snapshot {
  bool found;
  std::string body;
};

std::size_t NextTitleLine(const std::string& bytes, std::size_t from) {
  bool previousEmpty = false;
  std::size_t start = from;
  while (start < bytes.size()) {
    std::size_t lf = bytes.find('\n', start);
    std::size_t end = lf == std::string::npos ? bytes.size() : lf;
    bool empty = lf != std::string::npos && (end == start || (end == start + 1 && bytes[start] == '\r'));
    if (previousEmpty && !empty) return start;
    previousEmpty = empty;
    if (lf == std::string::npos) break;
    start = lf + 1;
  }
  return bytes.size();
}

std::vector<Snapshot> TakeSnapshots(const std::string& bytes) {
  std::vector<Snapshot> snapshots;
  for (const char* title : kTitles) {
    fuzz::ReferencePlace place = fuzz::ReferenceLookup(bytes, title);
    Snapshot s{place.found, std::string()};
    if (place.found) {
      // The body's empty lines before the next title belong to it (the walk starts at the
      // title line's LF, so a body that begins with an empty line ends there).
      std::size_t end = NextTitleLine(bytes, place.body - 1);
      s.body = bytes.substr(place.body, end > place.body ? end - place.body : 0);
    }
    snapshots.push_back(s);
  }
  return snapshots;
}

void CheckKept(const std::vector<Snapshot>& before, const std::string& after, int except, const char* what) {
  std::vector<Snapshot> now = TakeSnapshots(after);
  for (std::size_t i = 0; i < before.size(); ++i) {
    if (static_cast<int>(i) == except || !before[i].found) continue;
    if (!now[i].found) fuzz::Fail(what);
    // A body that ran to the end of the file may have been given its line end.
    if (now[i].body.compare(0, before[i].body.size(), before[i].body) != 0) fuzz::Fail(what);
  }
}

SectionBody MakeBody(int kind, int size) {
  SectionBody body;
  if (kind == 0) {
    const int values[3] = {size, 7, -3};
    AddNumbersLine(body, values, 3);
  } else if (kind == 1) {
    for (int line = 0; line < size; ++line) body.AddText("Driver\tname").AddText("").AddInt(line).EndLine();
  } else {
    body.AddText(std::string(static_cast<std::size_t>(size) * 8, 'c').c_str()).EndLine();
  }
  return body;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::EnterProgramFolder();
  if (size < 3) return 0;
  const int titleIndex = data[0] % (sizeof kTitles / sizeof kTitles[0]);
  const int kind = (data[0] >> 4) % 3;
  const int bodySize = data[1];
  const bool refuse = data[2] & 1;
  const int rallyCount = (data[2] >> 1) % 12;  // beyond 9 the count is clamped
  const std::string damaged(reinterpret_cast<const char*>(data + 3), size - 3);
  fuzz::WriteFile(kRallyFilePath, damaged);

  // A section.
  std::vector<Snapshot> before = TakeSnapshots(damaged);
  const char* title = kTitles[titleIndex];
  SectionBody body = MakeBody(kind, bodySize);
  bool written;
  {
    platform::TextFile file(kRallyFilePath, "r+");
    written = WriteRallySection(nullptr, file, title, 10, body, Text::RallyFileNotFound,
                                refuse ? MissingSection::Refuse : MissingSection::Append);
  }
  std::string after = fuzz::ReadFile(kRallyFilePath);
  if (!written && after != damaged) fuzz::Fail("a refused section changed the file");
  // A damaged file may hold a title twice: a section moved to the end then leaves the second
  // copy in front of it. Only a title of one section must read back.
  if (written && fuzz::ReferenceTitleLines(damaged, title).size() <= 1) {
    fuzz::ReferencePlace place = fuzz::ReferenceLookup(after, title);
    if (!place.found || after.compare(place.body, body.DiskBytes().size(), body.DiskBytes()) != 0)
      fuzz::Fail("a written section does not read back");
    if (kind == 0) {
      platform::TextFile file(kRallyFilePath, "r+");
      int first = 0, values[3] = {0, 0, 0};
      if (!FindTitledSection(file, title, &first) || ReadNumbersSection(file, first, values, 3) != 3 ||
          values[0] != bodySize || values[1] != 7 || values[2] != -3)
        fuzz::Fail("a written numbers line reads back other numbers");
    }
  }
  CheckKept(before, after, titleIndex, "writing a section spoiled another section");

  // The header.
  before = TakeSnapshots(after);
  RallyRecord rallies[kMaxRallies] = {};
  for (int i = 0; i < kMaxRallies; ++i) {
    std::snprintf(rallies[i].name, sizeof rallies[i].name, "R%d", i + 1);
    rallies[i].participantCount = bodySize;
    rallies[i].stageCount = i;
  }
  const int node = 10000 + bodySize;
  bool headerWritten = WriteRallyFileHeader(nullptr, node, rallyCount, rallies);
  std::string afterHeader = fuzz::ReadFile(kRallyFilePath);
  if (!headerWritten && afterHeader != after) fuzz::Fail("a refused header changed the file");
  CheckKept(before, afterHeader, -1, "writing the header spoiled a section");
  if (headerWritten) {
    int readNode = 0, readCount = 0;
    RallyRecord read[kMaxRallies];
    if (!ReadRallyFileHeader(&readNode, &readCount, read) || readNode != node ||
        readCount != (rallyCount > kMaxRallies ? kMaxRallies : rallyCount))
      fuzz::Fail("a written header does not read back");
    for (int i = 0; i < readCount; ++i) {
      if (std::strcmp(read[i].name, rallies[i].name) != 0 || read[i].stageCount != i)
        fuzz::Fail("a written header's rallies do not read back");
    }
  }
  fuzz::EndInput();
  return 0;
}
