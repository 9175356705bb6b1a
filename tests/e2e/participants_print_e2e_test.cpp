// The participants list printed for real: on the PDF printer of tests/support/pdf-printer,
// through the print dialog's hook and through the real print dialog, read back from the
// PDF it became, and from the participants dialog's Print button. Also a cancelled dialog,
// a printer that goes away, and no printer at all.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/build_profile.h"
#include "platform/bounded.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "platform/message_box.h"
#include "platform/print_dialog.h"
#include "race/country_files.h"
#include "race/database_files.h"
#include "race/event_file.h"
#include "race/settings_files.h"
#include "setup/participants_dialog_ids.h"
#include "setup/participants_print.h"
#include "setup/participants_publishing.h"
#include "setup/setup_dialogs.h"
#include "tests/race/storage_test_support.h"
#include "tests/support/dialog_driving.h"
#include "tests/support/message_texts.h"
#include "tests/support/page_texts.h"
#include "tests/support/pdf_printer.h"
#include "tests/support/process_windows.h"
#include "tests/support/temp_folder.h"
#include "tests/window/participants_sample.h"

namespace {

using testsupport::DefaultPrinterDC;
using testsupport::PrintedDocument;

const char* const kCodes[] = {"FRA", "BEL", "ESP", "XXX"};

using participantstest::LongListDriverName;

// Where a text stands on a page (npos when it is not there): the text runs down the page.
size_t At(const std::string& page, const std::string& text) { return page.find(text); }

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
      participantstest::Fill(&participants[i], {LongListDriverName(i).c_str(), number, i % 3 ? "S" : "J", kCodes[i % 4],
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
      size_t row = At(first, LongListDriverName(i));
      ASSERT_NE(row, std::string::npos) << LongListDriverName(i) << " on page 1:\n" << first;
      EXPECT_GT(row, previous) << LongListDriverName(i) << " out of order";
      previous = row;
    }
    EXPECT_EQ(At(first, LongListDriverName(30)), std::string::npos);
    const std::string& second = document.pageTexts[1];
    EXPECT_NE(At(second, LongListDriverName(30)), std::string::npos) << second;
    EXPECT_NE(At(second, "131"), std::string::npos) << "car number of row 31";
    for (int i = 0; i < 30; ++i) EXPECT_EQ(At(second, LongListDriverName(i)), std::string::npos);
    // The long names keep apart from the age codes, and the long categories stay within the frame.
    testsupport::ExpectLaidOutApart(document, 20, 665, {LongListDriverName(0), "1/8 Buggy Thermique"});
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
  EXPECT_TRUE(testsupport::ShownMessageTexts().empty()) << "a cancelled dialog says nothing";
  {
    testsupport::DialogAnswerer ok(IDOK, nullptr, 30000);
    PrintParticipantsList(nullptr, listing);
    ASSERT_TRUE(ok.Answered());
  }
  ExpectTheWholeList(printer.TakePrinted());
}

// Each program's list, its labels, heads and values read back from the paper: none over
// another, none out of the frame, each apart from what stands beside it on its line (the
// French and Spanish labels and heads are longer than the English ones).
TEST_F(ParticipantsPrintOnPaper, NoTextRunsIntoAnotherInAnyOfTheThreePrograms) {
  static ParticipantRecord shortList[kMaxParticipants] = {};
  participantstest::Fill(&shortList[0], {"Anne Moreau", "7", "J", "FRA", "Falcon GT8", "1/8 Buggy"});
  participantstest::Fill(&shortList[1], {"Luis Ortega", "112", "S", "ESP", "Raptor 4", "1/10 Truck"});
  participantstest::Fill(&shortList[2], {"Piet Janssens", "48", "S", "BEL", "Falcon GT8", "1/8 Buggy"});
  for (const testsupport::ProgramBuild& build : testsupport::kProgramBuilds) {
    SetActiveProfile(*build.profile);
    for (int international : {1, 0}) {
      ParticipantsListing list = {shortList, 3, 1, "Club Cup", "Spring Trophy / Club Cup", &track, international,
                                  "images/trophee.bmp"};
      DefaultPrinterDC pdf;
      ASSERT_NE(pdf.get(), nullptr);
      ASSERT_TRUE(PrintParticipantsPages(nullptr, pdf.get(), list));
      const std::string capture = std::string("participants_print_spacing_") + build.name;
      PrintedDocument document = printer.TakePrinted(international ? capture.c_str() : nullptr, 1);
      ASSERT_TRUE(document.printed) << document.problem;
      char title[128];
      std::snprintf(title, sizeof title, Tr(Text::ParticipantsPrintTitle), 3);
      SCOPED_TRACE(std::string(title) + (international ? ", international" : ", club"));
      std::vector<std::string> texts = testsupport::EventDetailsTexts(track, "Spring Trophy / Club Cup");
      texts.insert(texts.end(),
                   {title, Tr(Text::ParticipantsPrintId), Tr(Text::ParticipantsPrintCarNumber),
                    Tr(Text::ParticipantsPrintDriver), Tr(Text::ParticipantsPrintAge),
                    Tr(international ? Text::ParticipantsPrintNation : Text::ParticipantsPrintTeam),
                    Tr(Text::ParticipantsPrintCar), Tr(Text::ParticipantsPrintCategory), Tr(Text::ParticipantsPrintFooter)});
      testsupport::ExpectLaidOutApart(document, 20, 665, texts);
    }
  }
  SetActiveProfile(kEnglishBuild);
}

// The dialog's Print button, on a rally that took 31 drivers of the database: the list as the
// dialog holds it, under the event's title, comes out on paper.
TEST(ParticipantsDialogOnPaper, PrintPutsTheRallysThirtyOneDriversOnTwoPages) {
  testsupport::PdfPrinter printer;
  ASSERT_TRUE(printer.Present());
  ASSERT_EQ(printer.TakePrinted().problem, "");
  storagetest::WorkingFolder folder;
  platform::CreateFolder("images");
  for (const char* picture : {"images/impression.bmp", "images/wifiVert.bmp", "images/wifiRouge.bmp",
                              "images/trophee.bmp"}) {
    platform::CopyFileTo(testsupport::HostPath(std::string(VELLGRIN_PROGRAM_ASSETS) + "/" + picture).c_str(),
                         picture);
  }
  ASSERT_TRUE(folder.InstallFactoryFile(kCountryNamesFile));
  ASSERT_TRUE(folder.InstallFactoryFile(kCountryCodesFile));
  static DriversTable drivers;
  for (int i = 0; i < 31; ++i) {
    platform::CopyBounded(drivers[i].name, LongListDriverName(i).c_str());
    platform::CopyBounded(drivers[i].team, "Ridge RC");
    platform::CopyBounded(drivers[i].car, "Buggy 8");
    platform::CopyBounded(drivers[i].carNumber, std::to_string(101 + i).c_str());
  }
  ASSERT_TRUE(WriteDriversDatabase(kDriversDatabaseFile, drivers, 31));
  static CarsTable cars;
  platform::CopyBounded(cars[0].name, "Buggy 8");
  platform::CopyBounded(cars[0].category, "1/8 buggy");
  ASSERT_TRUE(WriteCarsDatabase(kCarsDatabaseFile, cars, 1));
  static AgeCategoriesTable ages;
  ASSERT_TRUE(WriteAgeCategoriesDatabase(kAgeCategoriesDatabaseFile, ages, 0));
  testsupport::WriteBytes(kDisplaySettingsFile, "1\t\r\nimages/trophee.bmp\t\r\n");
  ASSERT_TRUE(WriteFreshEvent(nullptr, "Spring rally"));

  HWND dialog = testsupport::OpenDialogOnTop("RALLYEPILOTES", ParticipantsDialogProc);
  ASSERT_NE(dialog, nullptr);
  for (int i = 0; i < 31; ++i) {
    SendDlgItemMessageA(dialog, IDC_PARTICIPANTS_DRIVERS, LB_SETCURSEL, i, 0);
    testsupport::SendCommand(dialog, IDC_PARTICIPANTS_TAKE);
  }
  EXPECT_EQ(testsupport::ControlText(dialog, IDC_PARTICIPANTS_COUNT), "(31)");
  DefaultPrinterDC pdf;
  platform::test::InterceptPrintDialog(pdf.get());
  testsupport::SendCommand(dialog, IDC_PARTICIPANTS_PRINT);
  EXPECT_EQ(platform::test::PrintDialogCalls(), 1);
  DestroyWindow(dialog);

  PrintedDocument document = printer.TakePrinted("participants_dialog_print_pdf_page2", 2);
  ASSERT_TRUE(document.printed) << document.problem;
  EXPECT_EQ(document.pages, 2);
  ASSERT_EQ(document.pageTexts.size(), 2u);
  const std::string& first = document.pageTexts[0];
  EXPECT_NE(At(first, "LIST OF PARTICIPANTS (31 recorded)"), std::string::npos) << first;
  EXPECT_NE(At(first, " / Spring rally"), std::string::npos) << "the event's title";
  EXPECT_NE(At(first, "Team"), std::string::npos) << "a club event";
  EXPECT_NE(At(first, "1/8 buggy"), std::string::npos) << "the car's category";
  for (int i = 1; i < 30; ++i) EXPECT_GT(At(first, LongListDriverName(i)), At(first, LongListDriverName(i - 1))) << i;
  EXPECT_EQ(At(first, LongListDriverName(30)), std::string::npos);
  EXPECT_NE(At(document.pageTexts[1], LongListDriverName(30)), std::string::npos);
}

// The printer vanishes while the program runs (its server stopped): Wine still lists it and
// gives its device context, and refuses the job at its end. Nothing comes out, the operator
// is told once a job, and the program goes on.
using ParticipantsPrinterGone = ParticipantsPrintOnPaper;

TEST_F(ParticipantsPrinterGone, AJobOnAPrinterGoneWhileTheProgramRunsPrintsNothingAndSaysSo) {
  ASSERT_TRUE(printer.StopServer());
  DefaultPrinterDC pdf;
  ASSERT_NE(pdf.get(), nullptr);
  EXPECT_FALSE(PrintParticipantsPages(nullptr, pdf.get(), listing));
  EXPECT_EQ(testsupport::ShownMessageTexts(), std::vector<std::string>{"Error: the document could not be printed."});
  platform::test::InterceptPrintDialog(pdf.get());
  PrintParticipantsList(nullptr, listing);
  EXPECT_EQ(platform::test::PrintDialogCalls(), 1);
  const auto& messages = platform::test::Messages();
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[1].text, "Error: the document could not be printed.");
  EXPECT_EQ(messages[1].caption, "Error");
  EXPECT_EQ(messages[1].type, platform::kMbOk | platform::kMbIconStop);
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
  EXPECT_TRUE(testsupport::ShownMessageTexts().empty()) << "no job, so no refused job";
  PrintedDocument nothing = printer.TakePrinted();
  EXPECT_FALSE(nothing.printed);
  EXPECT_EQ(nothing.problem, "");
}

}  // namespace
