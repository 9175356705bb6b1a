#include "tests/support/pdf_printer.h"

#include <winspool.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <sstream>

#include "platform/bounded.h"
#include "tests/support/process_windows.h"
#include "tests/support/temp_folder.h"

namespace testsupport {
namespace {

std::string Trimmed(const std::string& text) {
  size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

// The value of a "Name:    value" line of pdfinfo.
std::string InfoField(const std::string& info, const std::string& name) {
  std::istringstream lines(info);
  std::string line;
  while (std::getline(lines, line)) {
    if (line.compare(0, name.size() + 1, name + ":") == 0) return Trimmed(line.substr(name.size() + 1));
  }
  return "";
}

// An attribute's number in a tag of pdftotext -bbox: name="123.45".
double Attribute(const std::string& tag, const char* name) {
  const std::size_t at = tag.find(std::string(" ") + name + "=\"");
  return at == std::string::npos ? 0 : std::atof(tag.c_str() + at + std::strlen(name) + 3);
}

// A word's text as pdftotext writes it (UTF-8, markup characters escaped) in Windows-1252.
std::string WordText(const std::string& escaped) {
  std::string utf8;
  for (std::size_t i = 0; i < escaped.size(); ++i) {
    if (escaped[i] != '&') {
      utf8 += escaped[i];
      continue;
    }
    const std::size_t end = escaped.find(';', i);
    const std::string entity = escaped.substr(i + 1, end - i - 1);
    if (entity == "amp") utf8 += '&';
    else if (entity == "lt") utf8 += '<';
    else if (entity == "gt") utf8 += '>';
    else if (entity == "quot") utf8 += '"';
    else if (entity == "apos") utf8 += '\'';
    else utf8 += "?";
    i = end == std::string::npos ? escaped.size() : end;
  }
  std::wstring wide(utf8.size(), L'\0');
  wide.resize(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), &wide[0],
                                  static_cast<int>(wide.size())));
  for (wchar_t& c : wide) {
    if (c == 0x00AD) c = L'-';
  }
  std::string text(wide.size() * 2, '\0');
  text.resize(WideCharToMultiByte(1252, 0, wide.data(), static_cast<int>(wide.size()), &text[0],
                                  static_cast<int>(text.size()), "?", nullptr));
  return text;
}

// The pages of pdftotext -bbox's output, and the width of the first.
std::vector<std::vector<PrintedWord>> ReadWords(const std::string& html, double* pageWidth) {
  std::vector<std::vector<PrintedWord>> pages;
  for (std::size_t at = html.find('<'); at != std::string::npos; at = html.find('<', at + 1)) {
    const std::size_t close = html.find('>', at);
    if (close == std::string::npos) break;
    const std::string tag = html.substr(at, close - at + 1);
    if (tag.compare(0, 6, "<page ") == 0) {
      if (pages.empty()) *pageWidth = Attribute(tag, "width");
      pages.emplace_back();
    } else if (tag.compare(0, 6, "<word ") == 0 && !pages.empty()) {
      const std::size_t end = html.find("</word>", close);
      if (end == std::string::npos) break;
      pages.back().push_back({WordText(html.substr(close + 1, end - close - 1)), Attribute(tag, "xMin"),
                              Attribute(tag, "yMin"), Attribute(tag, "xMax"), Attribute(tag, "yMax")});
      at = end;
    }
  }
  return pages;
}

std::string Described(const PrintedWord& word) {
  std::ostringstream text;
  text << "\"" << word.text << "\" (" << word.left << ", " << word.top << ")-(" << word.right << ", " << word.bottom
       << ")";
  return text.str();
}

bool OnOneLine(const PrintedWord& a, const PrintedWord& b) {
  const double shared = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
  return shared > 0.5 * std::min(a.bottom - a.top, b.bottom - b.top);
}

}  // namespace

std::vector<std::string> OverlappingWords(const std::vector<PrintedWord>& page) {
  // Boxes that only meet along an edge (or by a rounding of it) are not over each other.
  constexpr double kSlack = 0.1;
  std::vector<std::string> found;
  for (std::size_t i = 0; i < page.size(); ++i) {
    for (std::size_t j = i + 1; j < page.size(); ++j) {
      const PrintedWord& a = page[i];
      const PrintedWord& b = page[j];
      if (std::min(a.right, b.right) - std::max(a.left, b.left) > kSlack &&
          std::min(a.bottom, b.bottom) - std::max(a.top, b.top) > kSlack) {
        found.push_back(Described(a) + " over " + Described(b));
      }
    }
  }
  return found;
}

std::vector<std::string> WordsOutside(const std::vector<PrintedWord>& page, double left, double right) {
  std::vector<std::string> found;
  for (const PrintedWord& word : page) {
    if (word.left < left || word.right > right) found.push_back(Described(word));
  }
  return found;
}

::testing::AssertionResult StandsApart(const std::vector<PrintedWord>& page, const std::string& text) {
  std::vector<std::string> tokens;
  std::istringstream split(text);
  for (std::string token; split >> token;) tokens.push_back(token);
  if (tokens.empty()) return ::testing::AssertionFailure() << "no text to look for";
  std::vector<PrintedWord> words = page;
  std::stable_sort(words.begin(), words.end(),
                   [](const PrintedWord& a, const PrintedWord& b) { return a.top < b.top; });
  for (const PrintedWord& first : words) {
    if (first.text != tokens[0]) continue;
    std::vector<PrintedWord> line;
    for (const PrintedWord& word : page) {
      if (OnOneLine(word, first)) line.push_back(word);
    }
    std::sort(line.begin(), line.end(), [](const PrintedWord& a, const PrintedWord& b) { return a.left < b.left; });
    std::size_t at = 0;
    while (line[at].left != first.left || line[at].text != first.text) ++at;
    if (at + tokens.size() > line.size()) continue;
    bool whole = true;
    for (std::size_t k = 1; k < tokens.size(); ++k) whole = whole && line[at + k].text == tokens[k];
    if (!whole) continue;
    const double apart = 0.4 * (first.bottom - first.top);
    const PrintedWord& last = line[at + tokens.size() - 1];
    if (at > 0 && first.left - line[at - 1].right < apart) {
      return ::testing::AssertionFailure() << "\"" << text << "\" comes " << first.left - line[at - 1].right
                                           << " pt after " << Described(line[at - 1]);
    }
    if (at + tokens.size() < line.size() && line[at + tokens.size()].left - last.right < apart) {
      return ::testing::AssertionFailure() << "\"" << text << "\" ends " << line[at + tokens.size()].left - last.right
                                           << " pt before " << Described(line[at + tokens.size()]);
    }
    return ::testing::AssertionSuccess();
  }
  // The words that hold one of its words show what it ran into.
  std::ostringstream holders;
  int shown = 0;
  for (const PrintedWord& word : words) {
    for (const std::string& token : tokens) {
      if (shown < 12 && word.text.find(token) != std::string::npos) {
        holders << " " << Described(word);
        ++shown;
        break;
      }
    }
  }
  return ::testing::AssertionFailure() << "\"" << text << "\" is not on the page as words of its own; words that hold its words:"
                                       << holders.str();
}

void ExpectLaidOutApart(const PrintedDocument& document, int frameLeft, int frameRight,
                        const std::vector<std::string>& texts) {
  ASSERT_FALSE(document.pageWords.empty()) << "no words read from the document";
  const double unit = document.pageWidth / 700;
  for (std::size_t p = 0; p < document.pageWords.size(); ++p) {
    const std::vector<PrintedWord>& page = document.pageWords[p];
    for (const std::string& overlap : OverlappingWords(page)) ADD_FAILURE() << "page " << p + 1 << ": " << overlap;
    // The frame's lines are 2 units wide.
    for (const std::string& out : WordsOutside(page, (frameLeft + 1) * unit, (frameRight - 1) * unit)) {
      ADD_FAILURE() << "page " << p + 1 << ": out of the frame: " << out;
    }
  }
  for (const std::string& text : texts) EXPECT_TRUE(StandsApart(document.pageWords[0], text));
}

DefaultPrinterDC::DefaultPrinterDC() {
  char name[256] = "";
  DWORD size = sizeof name;
  if (!GetDefaultPrinterA(name, &size)) return;
  name_ = name;
  // What the program asks of the print dialog: portrait, medium quality.
  DEVMODEA mode = {};
  platform::CopyBounded(reinterpret_cast<char*>(mode.dmDeviceName), sizeof mode.dmDeviceName, name);
  mode.dmSize = sizeof mode;
  mode.dmFields = DM_ORIENTATION | DM_PRINTQUALITY;
  mode.dmOrientation = DMORIENT_PORTRAIT;
  mode.dmPrintQuality = DMRES_MEDIUM;
  dc_ = CreateDCA(nullptr, name, nullptr, &mode);
}

DefaultPrinterDC::~DefaultPrinterDC() {
  if (dc_) DeleteDC(dc_);
}

PdfPrinter::PdfPrinter() {
  const char* folder = std::getenv("VELLGRIN_PDF_PRINTER");
  if (folder && *folder) {
    unixFolder_ = folder;
    folder_ = HostPath(folder);
  }
}

PrintedDocument PdfPrinter::TakePrinted(const char* captureName, int page) {
  PrintedDocument document;
  if (!Present()) {
    document.problem = "no PDF printer: the test program must run inside tests/support/pdf-printer with";
    return document;
  }
  // Names are never reused in a program, so no answer of an earlier call can be taken for
  // this one's.
  static int taken = 0;
  std::string name = "job" + std::to_string(++taken);
  std::string arguments = "collect " + unixFolder_ + " " + name;
  if (captureName) {
    const char* captures = std::getenv("VELLGRIN_CAPTURES");
    document.imagePath = std::string(captures ? captures : unixFolder_) + "/" + captureName + ".png";
    arguments += " " + std::to_string(page) + " " + document.imagePath;
  }
  std::string results = folder_ + "\\results\\" + name;
  // The harness waits up to 60 s for the queue and 10 s for the file.
  if (!Run(arguments) || !WaitForFile("results\\" + name + ".status", true, 90000)) {
    document.problem = "the printer harness gave no answer within 90 s";
    return document;
  }
  std::string status = Trimmed(ReadBytes(results + ".status"));
  if (status == "nothing") return document;
  if (status != "printed") {
    document.problem = status;
    return document;
  }
  document.printed = true;
  std::string info = ReadBytes(results + ".info");
  document.pages = std::atoi(InfoField(info, "Pages").c_str());
  document.title = InfoField(info, "Title");
  // pdftotext ends each page with a form feed.
  std::string text = ReadBytes(results + ".txt");
  size_t start = 0;
  for (size_t feed; (feed = text.find('\f', start)) != std::string::npos; start = feed + 1) {
    document.pageTexts.push_back(text.substr(start, feed - start));
  }
  document.pageWords = ReadWords(ReadBytes(results + ".bbox"), &document.pageWidth);
  return document;
}

bool PdfPrinter::StopServer() { return Present() && Run("stop " + unixFolder_) && WaitForFile("ready", false, 15000); }

bool PdfPrinter::Run(const std::string& arguments) const {
  const char* script = std::getenv("VELLGRIN_PDF_PRINTER_SCRIPT");
  return script && LaunchUnixCommand(script, arguments);
}

bool PdfPrinter::WaitForFile(const std::string& name, bool exists, int timeoutMs) const {
  std::string path = folder_ + "\\" + name;
  for (DWORD start = GetTickCount(); static_cast<int>(GetTickCount() - start) < timeoutMs; Sleep(50)) {
    if ((GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) == exists) return true;
  }
  return false;
}

}  // namespace testsupport
