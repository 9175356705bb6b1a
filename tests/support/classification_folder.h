// The working folder a classification dialog opens in under the tests: the pictures of its
// buttons, the logo and two flags, display settings naming the logo, and an FTP server where
// nobody listens (the login probe fails at once and the dialog opens unconnected). And the
// Print button of such a dialog pressed against the tests' PDF printer.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/files.h"
#include "platform/folders.h"
#include "platform/test_hooks.h"
#include "race/settings_files.h"
#include "tests/support/dialog_driving.h"
#include "tests/support/pdf_printer.h"
#include "tests/support/temp_folder.h"

namespace testsupport {

inline void PrepareClassificationFolder() {
  platform::test::SetProgramFolder(platform::CurrentFolder());
  platform::CreateFolder("images");
  platform::CreateFolder("WebResults");
  for (const char* picture : {"images/impression.bmp", "images/wifiRouge.bmp", "images/wifiVert.bmp",
                              "images/trophee.bmp", "paysDrapeaux/FRA.bmp", "paysDrapeaux/ITA.bmp"}) {
    std::string from = HostPath(std::string(VELLGRIN_PROGRAM_ASSETS) + "/" + picture);
    platform::CopyFileTo(from.c_str(), picture);
  }
  WriteBytes(kDisplaySettingsFile, "1\t\r\nimages/trophee.bmp\t\r\n");
  WriteBytes("WebResults/ServeurFtp.txt", "127.0.0.1:29\r\nracer\r\nsecret\r\n");
}

// Opens the template, presses its Print button with the print dialog answered by the PDF
// printer, and takes the document, its page 1 rendered as capture; the dialog stays open and
// the working folder as it was.
inline PrintedDocument PrintFromClassificationDialog(PdfPrinter& printer, const char* templateName,
                                                      DLGPROC procedure, int printButton, const char* capture) {
  HWND dialog = OpenDialogOnTop(templateName, procedure);
  EXPECT_NE(dialog, nullptr);
  DefaultPrinterDC pdf;
  EXPECT_NE(pdf.get(), nullptr);
  platform::test::InterceptPrintDialog(pdf.get());
  const std::string working = platform::CurrentFolder();
  SendCommand(dialog, printButton);
  EXPECT_TRUE(IsWindowVisible(dialog));
  EXPECT_EQ(platform::CurrentFolder(), working);
  PrintedDocument document = printer.TakePrinted(capture, 1);
  DestroyWindow(dialog);
  platform::test::StopInterceptingPrintDialog();
  platform::test::StopInterceptingShell();
  return document;
}

}  // namespace testsupport
