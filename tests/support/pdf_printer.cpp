#include "tests/support/pdf_printer.h"

#include <winspool.h>

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

}  // namespace

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
