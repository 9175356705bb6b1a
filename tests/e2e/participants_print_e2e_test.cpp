// The participants list printed for real: on the PDF printer of tests/support/pdf-printer,
// through the print dialog's hook and through the real print dialog, read back from the
// PDF it became. Also a cancelled dialog, and a printer that goes away.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "app/build_profile.h"
#include "platform/folders.h"
#include "platform/print_dialog.h"
#include "setup/participants_print.h"
#include "setup/participants_publishing.h"
#include "tests/support/message_texts.h"
#include "tests/support/pdf_printer.h"
#include "tests/support/process_windows.h"
#include "tests/support/temp_folder.h"
#include "tests/window/participants_sample.h"

namespace {

using testsupport::DefaultPrinterDC;
using testsupport::PrintedDocument;

const char* const kCodes[] = {"FRA", "BEL", "ESP", "XXX"};

std::string DriverName(int i) {
  char name[40];
  std::snprintf(name, sizeof name, "DRIVER %02d Longname", i + 1);
  return name;
}

// Where each text stands on a page, -1 when it is not there.
size_t At(const std::string& page, const std::string& text) {
  size_t found = page.find(text);
  return found == std::string::npos ? static_cast<size_t>(-1) : found;
}

class ParticipantsPrintOnPaper : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(printer.Present()) << "run inside tests/support/pdf-printer with";
    saved = platform::CurrentFolder();
    // The logo and the flags are read from the working folder: the program folder's assets.
    ASSERT_TRUE(platform::SetCurrentFolder(testsupport::HostPath(VELLGRIN_PROGRAM_ASSETS).c_str()));
    for (int i = 0; i < 31; ++i) {
      char number[8];
      std::snprintf(number, sizeof number, "%d", 101 + i);
      participantstest::Fill(&participants[i], {DriverName(i).c_str(), number, i % 3 ? "S" : "J", kCodes[i % 4],
                                                "Falcon GT8 Evo", "1/8 Buggy Thermique"});
    }
    track = participantstest::SampleTrack();
    listing = {participants, 31, 2, "Club Cup 2/3", "Spring Trophy / Club Cup 2/3", &track, 1, "images/trophee.bmp"};
    // Nothing left over from an earlier test.
    PrintedDocument before = printer.TakePrinted();
    ASSERT_EQ(before.problem, "");
  }
  void TearDown() override { platform::SetCurrentFolder(saved.c_str()); }

  // Checks the two pages of the 31-driver list as pdftotext reads them.
  void ExpectTheWholeList(const PrintedDocument& document) {
    ASSERT_TRUE(document.printed) << document.problem;
    EXPECT_EQ(document.pages, 2);
    EXPECT_EQ(document.title, Tr(Text::ParticipantsPrintDocument));
    ASSERT_EQ(document.pageTexts.size(), 2u);
    for (const std::string& page : document.pageTexts) {
      EXPECT_NE(At(page, "LIST OF PARTICIPANTS (31 recorded)"), std::string::npos) << page;
      EXPECT_NE(At(page, "Spring Trophy / Club Cup 2/3"), std::string::npos);
      EXPECT_NE(At(page, "Marc Olivier"), std::string::npos);
      EXPECT_NE(At(page, "RC Annecy"), std::string::npos);
      EXPECT_NE(At(page, "Nation"), std::string::npos) << "an international event";
      // The footer closes the page, below the last row.
      size_t footer = At(page, "(powered by Vellgrin software)");
      EXPECT_NE(footer, std::string::npos) << page;
      EXPECT_GT(footer, At(page, "Longname"));
    }
    const std::string& first = document.pageTexts[0];
    size_t previous = At(first, "LIST OF PARTICIPANTS");
    for (int i = 0; i < 30; ++i) {
      size_t row = At(first, DriverName(i));
      ASSERT_NE(row, std::string::npos) << DriverName(i) << " on page 1:\n" << first;
      EXPECT_GT(row, previous) << DriverName(i) << " out of order";
      previous = row;
    }
    EXPECT_EQ(At(first, DriverName(30)), std::string::npos);
    const std::string& second = document.pageTexts[1];
    EXPECT_NE(At(second, DriverName(30)), std::string::npos) << second;
    EXPECT_NE(At(second, "131"), std::string::npos) << "car number of row 31";
    for (int i = 0; i < 30; ++i) EXPECT_EQ(At(second, DriverName(i)), std::string::npos);
  }

  testsupport::PdfPrinter printer;
  std::string saved;
  ParticipantRecord participants[kMaxParticipants] = {};
  TrackDetails track = {};
  ParticipantsListing listing = {};
};

TEST_F(ParticipantsPrintOnPaper, ThirtyOneDriversComeOutOnTwoA4PagesWithTitleRowsInOrderAndFooter) {
  DefaultPrinterDC pdf;
  ASSERT_NE(pdf.get(), nullptr) << "Wine lists no default printer";
  EXPECT_EQ(pdf.printerName(), "PDF");
  // A4 at 300 dpi: the page's 700 x 900 space is scaled to it.
  EXPECT_NEAR(GetDeviceCaps(pdf.get(), HORZRES), 2479, 100);
  EXPECT_NEAR(GetDeviceCaps(pdf.get(), VERTRES), 3508, 150);
  platform::test::InterceptPrintDialog(pdf.get());
  std::string folder = platform::CurrentFolder();
  PrintParticipantsList(nullptr, listing);
  EXPECT_EQ(platform::test::PrintDialogCalls(), 1);
  EXPECT_EQ(platform::CurrentFolder(), folder);
  PrintedDocument document = printer.TakePrinted("participants_print_pdf_page1", 1);
  ExpectTheWholeList(document);
  EXPECT_TRUE(testsupport::ShownMessageTexts().empty());
}

TEST_F(ParticipantsPrintOnPaper, TheRealPrintDialogPrintsOnOkAndNothingOnCancel) {
  platform::test::StopInterceptingPrintDialog();
  {
    testsupport::DialogAnswerer cancel(IDCANCEL, "participants_print_dialog", 30000);
    PrintParticipantsList(nullptr, listing);
    ASSERT_TRUE(cancel.Answered());
    EXPECT_EQ(cancel.title(), "Print");
  }
  PrintedDocument nothing = printer.TakePrinted();
  EXPECT_FALSE(nothing.printed) << "a cancelled dialog printed " << nothing.pages << " pages";
  EXPECT_EQ(nothing.problem, "");
  {
    testsupport::DialogAnswerer ok(IDOK, nullptr, 30000);
    PrintParticipantsList(nullptr, listing);
    ASSERT_TRUE(ok.Answered());
  }
  ExpectTheWholeList(printer.TakePrinted());
}

// The printer vanishes while the program runs (its server stopped): Wine still lists it and
// gives its device context, and refuses the job at its end. Nothing comes out, and the
// program goes on.
using PrinterGone = ParticipantsPrintOnPaper;

TEST_F(PrinterGone, AJobOnAPrinterGoneWhileTheProgramRunsPrintsNothing) {
  ASSERT_TRUE(printer.StopServer());
  DefaultPrinterDC pdf;
  ASSERT_NE(pdf.get(), nullptr);
  EXPECT_FALSE(PrintParticipantsPages(pdf.get(), listing));
  platform::test::InterceptPrintDialog(pdf.get());
  PrintParticipantsList(nullptr, listing);
  EXPECT_EQ(platform::test::PrintDialogCalls(), 1);
  PrintedDocument nothing = printer.TakePrinted();
  EXPECT_FALSE(nothing.printed);
  EXPECT_EQ(nothing.problem, "");
}

// With the printer's server stopped before the program started: Wine lists no printer at
// all, and the print dialog says so before it gives up.
using PrinterMissing = ParticipantsPrintOnPaper;

TEST_F(PrinterMissing, ThePrintDialogSaysSoAndNothingPrints) {
  DefaultPrinterDC none;
  EXPECT_EQ(none.get(), nullptr);
  platform::test::StopInterceptingPrintDialog();
  {
    testsupport::DialogAnswerer ok(IDOK, "participants_print_no_printer", 30000);
    PrintParticipantsList(nullptr, listing);
    ASSERT_TRUE(ok.Answered());
    EXPECT_NE(ok.text().find("install a printer"), std::string::npos) << ok.text();
  }
  PrintedDocument nothing = printer.TakePrinted();
  EXPECT_FALSE(nothing.printed);
  EXPECT_EQ(nothing.problem, "");
}

}  // namespace
