#include "race/event_file.h"

#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <unordered_set>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "app/build_profile.h"
#include "platform/bounded.h"
#include "platform/files.h"
#include "race/text_fields.h"

namespace {

// The lookup reads the file in large raw chunks: it rescans the whole file for every section
// and a full event holds about ten megabytes.
constexpr std::size_t kScanChunk = 256 * 1024;
char scanBuffer[kScanChunk];

// Byte searches sixteen or eight bytes at a time (the C runtime's memchr is a plain byte loop
// under Wine). Words are loaded little-endian: byte 0 is the lowest.
static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "the byte searches read words little-endian");
constexpr std::uint64_t kEveryByte = 0x0101010101010101ull;
constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7Full;

std::uint64_t Word(const char* p) {
  std::uint64_t word;
  std::memcpy(&word, p, sizeof word);
  return word;
}

// 0x80 in each byte of x that is zero, exactly (no borrow between bytes).
std::uint64_t ZeroByteMask(std::uint64_t x) { return ~(((x & kLow7) + kLow7) | x | kLow7); }

// The first LF in [p, p + n).
const char* FindLineFeed(const char* p, std::size_t n) {
  std::size_t i = 0;
  for (; i + 8 <= n; i += 8) {
    if (std::uint64_t hits = ZeroByteMask(Word(p + i) ^ (kEveryByte * '\n'))) {
      return p + i + (__builtin_ctzll(hits) >> 3);
    }
  }
  for (; i < n; ++i) {
    if (p[i] == '\n') return p + i;
  }
  return nullptr;
}

// The first LF in [p, p + n - 1) that a CR or another LF follows: the end of a line that an
// empty line may follow. Empty lines are rare, so whole words go by without a stop.
const char* FindLineFeedBeforeBreak(const char* p, std::size_t n) {
  std::size_t i = 0;
#ifdef __SSE2__
  const __m128i lineFeeds = _mm_set1_epi8('\n');
  const __m128i returns = _mm_set1_epi8('\r');
  auto hitsAt = [&](std::size_t at) {
    __m128i here = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + at));
    __m128i next = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + at + 1));
    return _mm_and_si128(_mm_cmpeq_epi8(here, lineFeeds),
                         _mm_or_si128(_mm_cmpeq_epi8(next, returns), _mm_cmpeq_epi8(next, lineFeeds)));
  };
  // Four blocks of sixteen are tested together; the exact place is looked for only on a hit.
  for (; i + 65 <= n; i += 64) {
    __m128i any = _mm_or_si128(_mm_or_si128(hitsAt(i), hitsAt(i + 16)), _mm_or_si128(hitsAt(i + 32), hitsAt(i + 48)));
    if (_mm_movemask_epi8(any)) break;
  }
  for (; i + 17 <= n; i += 16) {
    if (int mask = _mm_movemask_epi8(hitsAt(i))) return p + i + __builtin_ctz(static_cast<unsigned>(mask));
  }
#endif
  for (; i + 9 <= n; i += 8) {
    std::uint64_t next = Word(p + i + 1);
    std::uint64_t hits = ZeroByteMask(Word(p + i) ^ (kEveryByte * '\n')) &
                         (ZeroByteMask(next ^ (kEveryByte * '\r')) | ZeroByteMask(next ^ (kEveryByte * '\n')));
    if (hits) return p + i + (__builtin_ctzll(hits) >> 3);
  }
  for (; i + 1 < n; ++i) {
    if (p[i] == '\n' && (p[i + 1] == '\r' || p[i + 1] == '\n')) return p + i;
  }
  return nullptr;
}

// A forward-only window on the raw bytes of a file.
class RawScanner {
 public:
  RawScanner(platform::TextFile& file, long from) : file_(file), base_(from) { file_.Seek(from, SEEK_SET); }

  // The bytes from `at` on (at never goes back); reads more when fewer than n are there.
  // Fewer than n only at the end of the file.
  std::size_t Ensure(long at, std::size_t n) {
    std::size_t offset = static_cast<std::size_t>(at - base_);
    if (length_ - offset < n && !end_) {
      std::memmove(scanBuffer, scanBuffer + offset, length_ - offset);
      length_ -= offset;
      base_ = at;
      offset = 0;
      while (length_ < n && !end_) {
        std::size_t got = file_.ReadRaw(scanBuffer + length_, kScanChunk - length_);
        if (got == 0) end_ = true;
        length_ += got;
      }
    }
    return length_ - offset;
  }

  const char* At(long at) const { return scanBuffer + (at - base_); }

  // Offset of the next LF at or after `at`, or -1 when the file ends first.
  long NextLineFeed(long at) {
    for (;;) {
      std::size_t available = Ensure(at, 1);
      if (available == 0) return -1;
      const char* from = At(at);
      if (const char* lf = FindLineFeed(from, available)) return at + static_cast<long>(lf - from);
      at += static_cast<long>(available);
    }
  }

  // Start of the next line that follows an LF at or after `at` and begins with a CR or an
  // LF (an empty line, or a line that begins with a lone CR); -1 when the file ends first.
  long NextBreak(long at) {
    for (;;) {
      std::size_t available = Ensure(at, 2);
      if (available < 2) return -1;
      const char* from = At(at);
      if (const char* lf = FindLineFeedBeforeBreak(from, available)) return at + static_cast<long>(lf - from) + 1;
      at += static_cast<long>(available) - 1;  // the last byte's follower is still to come
    }
  }

  // Offset just past the last byte of the file, once the end has been reached.
  long DataEnd() const { return base_ + static_cast<long>(length_); }

 private:
  platform::TextFile& file_;
  long base_;
  std::size_t length_ = 0;
  bool end_ = false;
};

// Length of the line end that makes up a whole empty line at p (CR LF or a lone LF), or 0.
std::size_t EmptyLineLength(const char* p, std::size_t available) {
  if (available >= 1 && p[0] == '\n') return 1;
  if (available >= 2 && p[0] == '\r' && p[1] == '\n') return 2;
  return 0;
}

// Does the line at p have the title as its whole first field?
bool FirstFieldIs(const char* p, std::size_t available, const char* title, std::size_t length) {
  if (available < length || std::memcmp(p, title, length) != 0) return false;
  if (available == length) return true;  // the file ends right after it
  char end = p[length];
  return end == '\t' || end == '\n' || (end == '\r' && available > length + 1 && p[length + 1] == '\n');
}

// A title the lookup can find: 1 to 104 characters, no TAB or line-end character.
bool ValidTitle(const char* title, std::size_t* length) {
  std::size_t n = strnlen(title, kSectionTitleSize);
  if (n == 0 || n >= static_cast<std::size_t>(kSectionTitleSize)) return false;
  if (std::strpbrk(title, "\t\r\n")) return false;
  *length = n;
  return true;
}

// Title lines: the lines that follow an empty line. Walks them from the top of the file
// (from == 0) or from the line end at `from`; for each, test(start of the line, start of the
// empty line before it, bytes available there) returns true to stop. Returns where it stopped:
// the line when test said so, the end of the file otherwise (then *lineStart is -1).
template <typename Test>
long WalkTitleLines(RawScanner& scan, long from, long* lineStart, Test test) {
  *lineStart = -1;
  // The first line of the file follows no line; it is checked as a possible empty line.
  long empty = from == 0 ? 0 : scan.NextBreak(from);
  while (empty >= 0) {
    std::size_t available = scan.Ensure(empty, 2);
    std::size_t n = EmptyLineLength(scan.At(empty), available);
    if (n == 0) {  // a line that begins with a lone CR, or a first line that is not empty
      if (available == 0) return empty;
      empty = scan.NextBreak(empty);
      continue;
    }
    long line = empty + static_cast<long>(n);
    for (;;) {
      available = scan.Ensure(line, kSectionTitleSize + 2);
      if (available == 0) return line;
      n = EmptyLineLength(scan.At(line), available);
      if (n == 0) break;
      empty = line;
      line += static_cast<long>(n);
    }
    if (test(line, empty, available)) {
      *lineStart = line;
      return line;
    }
    empty = scan.NextBreak(line);
  }
  return scan.DataEnd();
}

struct SectionPlace {
  long titleLine;
  long body;
};

bool LocateSection(platform::TextFile& file, const char* title, std::size_t length, SectionPlace* place) {
  RawScanner scan(file, 0);
  long line = -1;
  WalkTitleLines(scan, 0, &line, [&](long at, long, std::size_t available) {
    return FirstFieldIs(scan.At(at), available, title, length);
  });
  if (line < 0) return false;
  long lf = scan.NextLineFeed(line);
  place->titleLine = line;
  place->body = lf < 0 ? scan.DataEnd() : lf + 1;
  return true;
}

// End of the section whose body starts at `body`: the start of the empty line before the next
// title line, or the end of the file.
long ExtentEnd(platform::TextFile& file, long body) {
  // From the title line's LF, so that an empty line at the very start of the body counts.
  long from = body - 1;
  RawScanner scan(file, from);
  long line = -1, emptyBefore = -1;
  long end = WalkTitleLines(scan, from, &line, [&](long, long empty, std::size_t) {
    emptyBefore = empty;
    return true;
  });
  return line < 0 ? end : emptyBefore;
}

// Completes image to `extent` bytes as a reserve of "1\t" pairs and its line end would stand
// under it: the rest of the pairs, then CR LF.
void FillReserve(std::string& image, std::size_t extent) {
  for (std::size_t i = image.size(); i < extent; ++i) {
    if (i + 1 == extent) {
      image += '\n';
    } else if (i + 2 == extent) {
      image += '\r';
    } else {
      image += i % 2 == 0 ? '1' : '\t';
    }
  }
}

void ShowError(platform::WindowHandle owner, Text message) {
  platform::ShowMessage(owner, Tr(message), Tr(Text::CaptionError), platform::kMbOk);
}

bool WriteImage(platform::WindowHandle owner, platform::TextFile& file, long at, const std::string& bytes) {
  bool written = (at < 0 ? file.Seek(0, SEEK_END) : file.Seek(at, SEEK_SET)) &&
                 file.WriteRaw(bytes.data(), bytes.size()) && file.Flush();
  if (!written) ShowError(owner, Text::EventFileNotWritten);
  return written;
}

bool AppendSection(platform::WindowHandle owner, platform::TextFile& file, const char* title, int reservePairs,
                   std::string image) {
  std::string section;
  long size = file.Seek(0, SEEK_END) ? file.Tell() : -1;
  if (size > 0) {
    // The title must follow an empty line: end a last line that has no line end first.
    char last = 0;
    if (file.Seek(size - 1, SEEK_SET) && file.ReadRaw(&last, 1) == 1 && last != '\n') section += "\r\n";
  }
  section += "\r\n";
  section += title;
  section += "\t\r\n";
  long needed = (static_cast<long>(image.size()) - 1) / 2;
  long pairs = reservePairs > needed ? reservePairs : needed;
  FillReserve(image, static_cast<std::size_t>(2 * pairs + 2));
  section += image;
  return WriteImage(owner, file, -1, section);
}

SectionBody HeaderLine(int selectedNode, int rallyCount, const RallyRecord* rallies) {
  SectionBody line;
  line.AddInt(selectedNode).AddInt(rallyCount);
  for (int i = 0; i < rallyCount; ++i) {
    line.AddText(rallies[i].name, kRallyNameSize - 1)
        .AddInt(rallies[i].participantCount)
        .AddInt(rallies[i].hasResults)
        .AddInt(rallies[i].stageCount);
  }
  return line;
}

// The header over its reserve, as it stands at the start of the file; false when too long.
bool HeaderImage(const SectionBody& line, std::string* image) {
  *image = line.text();
  if (image->size() > kHeaderSize) return false;
  FillReserve(*image, kHeaderSize + 2);
  return true;
}

int Clamp(int value, int low, int high) { return value < low ? low : value > high ? high : value; }

// A first line that is not the header's reserve (a file edited by hand or written by another
// program): written in place, the header would run over the lines after it. The file is
// written afresh instead, the header over its reserve in place of the first line, and swapped
// in. An empty first line is the one before the first title: the header goes before it.
bool RewriteWithHeader(platform::WindowHandle owner, platform::TextFile& file, long firstLineEnd,
                       const std::string& image) {
  long size = file.Size();
  std::string bytes(size > 0 ? static_cast<std::size_t>(size) : 0, '\0');
  file.Rewind();
  bool whole = file.ReadRaw(bytes.data(), bytes.size()) == bytes.size();
  file.Close();
  if (!whole) {
    ShowError(owner, Text::EventFileNotWritten);
    return false;
  }
  bool firstLineEmpty = firstLineEnd == 0 || (firstLineEnd == 1 && bytes[0] == '\r');
  std::size_t rest = firstLineEnd < 0 ? bytes.size() : firstLineEmpty ? 0 : static_cast<std::size_t>(firstLineEnd) + 1;
  const std::string temporary = std::string(kRallyFilePath) + ".tmp";
  bool written = false;
  {
    platform::TextFile copy(temporary.c_str(), "w");
    written = copy && copy.WriteRaw(image.data(), image.size()) &&
              copy.WriteRaw(bytes.data() + rest, bytes.size() - rest) && copy.Flush();
  }
  if (!written || !platform::MoveFileOver(temporary.c_str(), kRallyFilePath)) {
    platform::DeleteFileAt(temporary.c_str());
    ShowError(owner, Text::EventFileNotWritten);
    return false;
  }
  return true;
}

}  // namespace

void FormatSectionTitle(char (&title)[kSectionTitleSize], const char* key, ...) {
  platform::ZeroBytes(title, sizeof title);
  va_list args;
  va_start(args, key);
  std::vsnprintf(title, sizeof title, key, args);
  va_end(args);
}

int FindRallySection(platform::TextFile& file, char (&line)[kSectionTitleSize], const char* title) {
  platform::ZeroBytes(line, sizeof line);
  std::size_t length = 0;
  SectionPlace place;
  if (!file || !ValidTitle(title, &length) || !LocateSection(file, title, length, &place)) {
    file.Seek(0, SEEK_END);
    return EOF;
  }
  std::memcpy(line, title, length);
  file.Seek(place.body, SEEK_SET);
  return file.GetChar();
}

bool FindTitledSection(platform::TextFile& file, const char* title, int* firstByte) {
  char line[kSectionTitleSize];
  *firstByte = FindRallySection(file, line, title);
  return std::strcmp(line, title) == 0;
}

bool FindRallySectionOf(platform::TextFile& file, const char* key, int rally, int* firstByte) {
  char title[kSectionTitleSize];
  FormatSectionTitle(title, key, rally);
  return FindTitledSection(file, title, firstByte);
}

SectionBody& SectionBody::AddText(const char* field, std::size_t maxLength, bool keepLineBreaks) {
  std::size_t n = field ? strnlen(field, maxLength) : 0;
  for (std::size_t i = 0; i < n; ++i) {
    char c = field[i];
    if (c == '\r' && keepLineBreaks && i + 1 < n && field[i + 1] == '\n') {
      text_ += "\r\n";
      ++i;
    } else {
      text_ += c == '\t' || c == '\r' || c == '\n' ? ' ' : c;
    }
  }
  text_ += '\t';
  return *this;
}

SectionBody& SectionBody::AddInt(int value) {
  char number[16];
  std::snprintf(number, sizeof number, "%d\t", value);
  text_ += number;
  return *this;
}

SectionBody& SectionBody::EndLine() {
  text_ += '\n';
  return *this;
}

std::string SectionBody::DiskBytes() const {
  std::string bytes;
  bytes.reserve(text_.size() + text_.size() / 16);
  for (char c : text_) {
    if (c == '\n') bytes += '\r';
    bytes += c;
  }
  return bytes;
}

namespace {

// Writes the body at its place, or, when it does not fit there, spoils the old title and
// appends the section afresh.
bool WriteSectionInPlace(platform::WindowHandle owner, platform::TextFile& file, const char* title,
                         const SectionPlace& place, int reservePairs, std::string image) {
  long extent = ExtentEnd(file, place.body) - place.body;
  if (static_cast<long>(image.size()) <= extent) {
    FillReserve(image, static_cast<std::size_t>(extent));
    return WriteImage(owner, file, place.body, image);
  }
  // Too long for its place: the old section is abandoned and the title goes to the end.
  if (!WriteImage(owner, file, place.titleLine, "\t")) return false;
  return AppendSection(owner, file, title, reservePairs, std::move(image));
}

}  // namespace

bool WriteRallySection(platform::WindowHandle owner, platform::TextFile& file, const char* title,
                       int reservePairs, const SectionBody& body, Text missingTitleMessage,
                       MissingSection missing) {
  std::size_t length = 0;
  if (!ValidTitle(title, &length)) {
    ShowError(owner, missingTitleMessage);
    return false;
  }
  if (!file) {
    ShowError(owner, Text::EventFileNotWritten);
    return false;
  }
  SectionPlace place;
  if (LocateSection(file, title, length, &place))
    return WriteSectionInPlace(owner, file, title, place, reservePairs, body.DiskBytes());
  if (missing == MissingSection::Refuse) {
    ShowError(owner, missingTitleMessage);
    return false;
  }
  return AppendSection(owner, file, title, reservePairs, body.DiskBytes());
}

std::vector<SectionLocation> ListSections(platform::TextFile& file) {
  std::vector<SectionLocation> sections;
  if (!file) return sections;
  std::unordered_set<std::string> seen;
  std::vector<std::size_t> lateLineEnds;  // title lines too long to end within the scan window
  {
    RawScanner scan(file, 0);
    long line = -1;
    WalkTitleLines(scan, 0, &line, [&](long at, long, std::size_t available) {
      const char* p = scan.At(at);
      std::size_t n = 0;
      while (n < available && p[n] != '\t' && p[n] != '\n' && !(p[n] == '\r' && n + 1 < available && p[n + 1] == '\n'))
        ++n;
      if (n == 0 || n >= static_cast<std::size_t>(kSectionTitleSize) || !FirstFieldIs(p, available, p, n)) return false;
      SectionLocation found = {};
      std::memcpy(found.title, p, n);
      if (!seen.insert(found.title).second) return false;
      found.titleLine = at;
      const char* lf = static_cast<const char*>(std::memchr(p, '\n', available));
      if (lf) {
        found.body = at + static_cast<long>(lf - p) + 1;
      } else if (available < kSectionTitleSize + 2) {
        found.body = at + static_cast<long>(available);  // the file ends on the title line
      } else {
        found.body = -1;
        lateLineEnds.push_back(sections.size());
      }
      sections.push_back(found);
      return false;
    });
  }
  for (std::size_t index : lateLineEnds) {
    RawScanner scan(file, sections[index].titleLine);
    long lf = scan.NextLineFeed(sections[index].titleLine);
    sections[index].body = lf < 0 ? scan.DataEnd() : lf + 1;
  }
  return sections;
}

bool RewriteListedSection(platform::WindowHandle owner, platform::TextFile& file, const SectionLocation& section,
                          int reservePairs, const SectionBody& body) {
  if (!file) {
    ShowError(owner, Text::EventFileNotWritten);
    return false;
  }
  SectionPlace place = {section.titleLine, section.body};
  return WriteSectionInPlace(owner, file, section.title, place, reservePairs, body.DiskBytes());
}

bool ReadRallyFileHeader(int* selectedNode, int* rallyCount, RallyRecord rallies[kMaxRallies]) {
  platform::TextFile file(kRallyFilePath, "r+");
  if (!file) return false;
  ReadRallyFileHeaderFrom(file, selectedNode, rallyCount, rallies);
  return true;
}

void ReadRallyFileHeaderFrom(platform::TextFile& file, int* selectedNode, int* rallyCount,
                             RallyRecord rallies[kMaxRallies]) {
  ClearRallyList(rallies);
  *selectedNode = 0;
  *rallyCount = 0;
  file.Rewind();
  int count = 0;
  if (!ReadNumberField(file, selectedNode) || !ReadNumberField(file, &count)) return;
  *rallyCount = Clamp(count, 0, kMaxRallies);
  for (int i = 0; i < *rallyCount && !file.AtEnd(); ++i) {
    RallyRecord& rally = rallies[i];
    if (ReadTextField(file, rally.name, FieldEnd::TabOrLineEnd) != '\t') break;
    ReadNumberField(file, &rally.participantCount);
    ReadNumberField(file, &rally.hasResults);
    ReadNumberField(file, &rally.stageCount);
    rally.participantCount = Clamp(rally.participantCount, 0, kMaxParticipants);
    rally.stageCount = Clamp(rally.stageCount, 0, kMaxStages);
  }
}

bool WriteRallyFileHeader(platform::WindowHandle owner, int selectedNode, int rallyCount,
                          const RallyRecord rallies[kMaxRallies]) {
  std::string image;
  if (!HeaderImage(HeaderLine(selectedNode, Clamp(rallyCount, 0, kMaxRallies), rallies), &image)) {
    ShowError(owner, Text::RallyHeaderTooLong);
    return false;
  }
  platform::TextFile file(kRallyFilePath, "r+");
  if (!file) return false;
  long firstLineEnd = RawScanner(file, 0).NextLineFeed(0);
  if (firstLineEnd == static_cast<long>(kHeaderSize) + 1 || file.Size() == 0) return WriteImage(owner, file, 0, image);
  return RewriteWithHeader(owner, file, firstLineEnd, image);
}

bool RewriteRallyFileHeader(platform::WindowHandle owner, int selectedNode, int rallyCount,
                            const RallyRecord rallies[kMaxRallies]) {
  if (WriteRallyFileHeader(owner, selectedNode, rallyCount, rallies)) return true;
  if (RallyHeaderFits(selectedNode, rallyCount, rallies)) ShowError(owner, Text::RallyFileNotFound);
  return false;
}

bool RallyHeaderFits(int selectedNode, int rallyCount, const RallyRecord rallies[kMaxRallies]) {
  std::string image;
  return HeaderImage(HeaderLine(selectedNode, Clamp(rallyCount, 0, kMaxRallies), rallies), &image);
}

bool WriteFreshEvent(platform::WindowHandle owner, const char* rallyName) {
  RallyRecord rally = {};
  platform::CopyBounded(rally.name, rallyName);
  std::string image;
  HeaderImage(HeaderLine(10000, 1, &rally), &image);
  platform::TextFile file(kRallyFilePath, "w+");
  if (!file || !WriteImage(owner, file, 0, image)) return false;
  static TreeviewFlags flags;
  ClearTreeviewFlags(flags);
  SectionBody body;
  AddTreeviewFlagsBody(body, flags);
  return WriteRallySection(owner, file, kTreeviewFlagsKey, kTreeviewFlagsReserve, body,
                           Text::TreeviewFlagsTitleNotFoundMain);
}
