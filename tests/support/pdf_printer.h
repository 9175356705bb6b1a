// The PDF printer of tests/support/pdf-printer, seen from a print test under Wine: ctest
// starts the test program inside "pdf-printer with", so Wine lists the queue "PDF" as the
// default printer and every job becomes a PDF file. A test prints on it (answering the
// print dialog with the printer's device context, or with the real dialog) and then takes
// what came out: page count, title, text, the words with their boxes, and a page rendered
// into the captures.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace testsupport {

// A word of a printed page as pdftotext -bbox reads it: its text in the programs' code page
// (Windows-1252, a hyphen read back as the soft hyphen given back as "-") and its box, in
// points from the page's top left corner.
struct PrintedWord {
  std::string text;
  double left, top, right, bottom;
};

// One print job as it came out of the printer.
struct PrintedDocument {
  bool printed = false;      // a PDF came out
  std::string problem;       // why nothing could be read ("" when printed or nothing came)
  int pages = 0;             // pdfinfo's page count
  std::string title;         // pdfinfo's Title: the document name given to StartDoc
  std::vector<std::string> pageTexts;  // pdftotext -layout, one entry a page
  std::vector<std::vector<PrintedWord>> pageWords;  // pdftotext -bbox, one entry a page
  double pageWidth = 0;      // points
  std::string imagePath;     // the rendered page, when one was asked for
};

// The default printer's device context as the print dialog returns it: portrait, medium
// quality. Null when Wine lists no printer. Deleted with the object.
class DefaultPrinterDC {
 public:
  DefaultPrinterDC();
  ~DefaultPrinterDC();
  DefaultPrinterDC(const DefaultPrinterDC&) = delete;
  DefaultPrinterDC& operator=(const DefaultPrinterDC&) = delete;
  HDC get() const { return dc_; }
  const std::string& printerName() const { return name_; }

 private:
  HDC dc_ = nullptr;
  std::string name_;
};

class PdfPrinter {
 public:
  PdfPrinter();
  // Whether this program runs inside "pdf-printer with".
  bool Present() const { return !folder_.empty(); }
  // Waits (bounded) until the printer has no job left, then takes the one PDF printed since
  // the last call. With a capture name, page `page` is rendered as <captures>/<name>.png.
  PrintedDocument TakePrinted(const char* captureName = nullptr, int page = 1);
  // Stops the printer's server, as a printer that goes away while the program runs; false
  // when it is still there after 15 s. (A server started again would not serve this
  // program: its connection to the old one is cached.)
  bool StopServer();

 private:
  bool Run(const std::string& arguments) const;
  bool WaitForFile(const std::string& name, bool exists, int timeoutMs) const;
  std::string folder_;  // the harness folder, as Wine opens it
  std::string unixFolder_;
};

// What no printed page may show, in any language: two words over each other, and words out
// of the page's frame (between left and right, in points). Each finding is described.
std::vector<std::string> OverlappingWords(const std::vector<PrintedWord>& page);
std::vector<std::string> WordsOutside(const std::vector<PrintedWord>& page, double left, double right);
// Whether text (words separated by blanks), where it first stands from the top of the page,
// stands as words of its own on one line and apart from the words before and after it on
// that line: no closer than 0.4 of its height, about one and a half blanks, where a page
// lays out two. A text that runs into another is read back as one word with it.
::testing::AssertionResult StandsApart(const std::vector<PrintedWord>& page, const std::string& text);
// All of it for a document printed on the programs' page 700 units wide, framed between
// frameLeft and frameRight: on every page no words over each other and none on or past the
// frame; on the first page each of texts standing apart.
void ExpectLaidOutApart(const PrintedDocument& document, int frameLeft, int frameRight,
                        const std::vector<std::string>& texts);

}  // namespace testsupport
