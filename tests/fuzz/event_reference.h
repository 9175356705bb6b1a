// The section lookup of the event file, written the plain way over the bytes in memory, to
// compare the program's fast lookup with. A title line is a non-empty line that follows an
// empty line ("\r\n" or "\n"); the file's first line follows none. Its first field, up to a
// TAB or the line end, must be the title.
#pragma once

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace fuzz {

struct ReferencePlace {
  bool found = false;
  std::size_t titleLine = 0;
  std::size_t body = 0;  // the byte after the title line's LF, or the end of the file
};

// Every title line of the title, from the top of the file.
inline std::vector<ReferencePlace> ReferenceTitleLines(const std::string& bytes, const char* title) {
  std::vector<ReferencePlace> places;
  const std::size_t length = std::strlen(title);
  bool previousEmpty = false;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t lf = bytes.find('\n', start);
    bool hasLineFeed = lf != std::string::npos;
    std::size_t end = hasLineFeed ? lf : bytes.size();
    const char* content = bytes.data() + start;
    const std::size_t size = end - start;
    bool empty = hasLineFeed && (size == 0 || (size == 1 && content[0] == '\r'));
    if (previousEmpty && !empty) {
      bool match = size >= length && std::memcmp(content, title, length) == 0 &&
                   (size == length || content[length] == '\t' ||
                    (hasLineFeed && size == length + 1 && content[length] == '\r'));
      if (match) places.push_back({true, start, hasLineFeed ? lf + 1 : bytes.size()});
    }
    previousEmpty = empty;
    if (!hasLineFeed) break;
    start = lf + 1;
  }
  return places;
}

// The title line the lookup must find: the first.
inline ReferencePlace ReferenceLookup(const std::string& bytes, const char* title) {
  std::vector<ReferencePlace> places = ReferenceTitleLines(bytes, title);
  return places.empty() ? ReferencePlace() : places.front();
}

// What GetChar returns at an offset: CR LF reads as LF.
inline int ReferenceChar(const std::string& bytes, std::size_t at) {
  if (at >= bytes.size()) return EOF;
  if (bytes[at] == '\r' && at + 1 < bytes.size() && bytes[at + 1] == '\n') return '\n';
  return static_cast<unsigned char>(bytes[at]);
}

}  // namespace fuzz
