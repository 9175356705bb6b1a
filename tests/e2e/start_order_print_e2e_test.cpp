// The start order printed for real: from the start order dialog's Print button, on the PDF
// printer of tests/support/pdf-printer, read back from the PDF it became; and on a printer
// that goes away, the operator's message.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/build_profile.h"
#include "platform/bounded.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/print_dialog.h"
#include "platform/text_file.h"
#include "race/event_file.h"
#include "race/settings_files.h"
#include "setup/setup_dialogs.h"
#include "setup/event_setup_dialog_ids.h"
#include "setup/start_order_paint.h"
#include "tests/race/storage_test_support.h"
#include "tests/support/dialog_driving.h"
#include "tests/support/message_texts.h"
#include "tests/support/page_texts.h"
#include "tests/support/pdf_printer.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_event.h"
#include "tests/window/participants_sample.h"

namespace {

using testsupport::DefaultPrinterDC;
using testsupport::PrintedDocument;

constexpr int kDrivers = 31;

using participantstest::LongListDriverName;

size_t At(const std::string& page, const std::string& text) { return page.find(text); }

// An event "Spring Trophy" whose rally "Club Cup" starts 31 drivers, DRIVER 01 (car 101)
// first, with the pictures and the logo of the program folder.
class StartOrderOnPaper : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(printer.Present()) << "run inside tests/support/pdf-printer with";
    ASSERT_EQ(printer.TakePrinted().problem, "") << "nothing left over from an earlier test";
    platform::CreateFolder("images");
    for (const char* picture : {"images/impression.bmp", "images/FlecheHaut.bmp", "images/FlecheBas.bmp",
                                "images/trophee.bmp"}) {
      platform::CopyFileTo(testsupport::HostPath(std::string(VELLGRIN_PROGRAM_ASSETS) + "/" + picture).c_str(),
                           picture);
    }
    testsupport::WriteBytes(kDisplaySettingsFile, "1\t\r\nimages/trophee.bmp\t\r\n");
    ASSERT_TRUE(WriteFreshEvent(nullptr, "Spring rally"));
    for (int i = 0; i < kDrivers; ++i) names.push_back(LongListDriverName(i));
    for (const std::string& name : names) pointers.push_back(name.c_str());
    testsupport::TestEvent event;
    event.rallyName = "Club Cup";
    event.drivers = pointers.data();
    event.driverCount = kDrivers;
    event.firstCarNumber = 101;
    ASSERT_TRUE(testsupport::WriteTestEvent(event));
    TrackDetails track = participantstest::SampleTrack();
    platform::CopyBounded(track.eventName, "Spring Trophy");
    SectionBody body;
    AddTrackBody(body, track);
    platform::TextFile file(kRallyFilePath, "r+");
    ASSERT_TRUE(WriteRallySection(nullptr, file, kTrackKey, kTrackReserve, body, Text::None));
  }
  void TearDown() override {
    if (dialog) DestroyWindow(dialog);
  }

  // Opens the dialog on the event and presses its Print button, the print dialog answered
  // with the default printer's device context.
  void PrintFromTheDialog(bool moveTheFirstDriverDown) {
    dialog = testsupport::OpenDialogOnTop("RALLYEREPARTITION", StartOrderDialogProc);
    ASSERT_NE(dialog, nullptr);
    // The first row's down arrow: DRIVER 02 now starts first.
    if (moveTheFirstDriverDown) SendMessageA(dialog, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(275, 118));
    DefaultPrinterDC pdf;
    ASSERT_NE(pdf.get(), nullptr) << "Wine lists no default printer";
    platform::test::InterceptPrintDialog(pdf.get());
    testsupport::SendCommand(dialog, IDC_START_ORDER_PRINT);
    EXPECT_EQ(platform::test::PrintDialogCalls(), 1);
    DestroyWindow(dialog);
    dialog = nullptr;
  }

  testsupport::PdfPrinter printer;
  storagetest::WorkingFolder folder;
  std::vector<std::string> names;
  std::vector<const char*> pointers;
  HWND dialog = nullptr;
};

// The order as the dialog holds it, moved by an arrow: 30 entries on page 1 under the
// title and the event, the 31st alone on page 2, the footer closing both.
TEST_F(StartOrderOnPaper, ThirtyOneDriversComeOutOnTwoPagesInTheDialogsOrder) {
  PrintFromTheDialog(true);
  EXPECT_TRUE(testsupport::ShownMessageTexts().empty());
  PrintedDocument document = printer.TakePrinted("start_order_print_pdf_page1", 1);
  ASSERT_TRUE(document.printed) << document.problem;
  EXPECT_EQ(document.pages, 2);
  EXPECT_EQ(document.title, "DRIVERS START ORDER : Printing...");
  ASSERT_EQ(document.pageTexts.size(), 2u);
  for (const std::string& page : document.pageTexts) {
    EXPECT_NE(At(page, "START ORDER (31 drivers)"), std::string::npos) << page;
    for (const char* detail : {"Spring Trophy / Club Cup", "Alps Cup", "Annecy", "14/06/2025", "Marc Olivier",
                               "RC Annecy"}) {
      EXPECT_NE(At(page, detail), std::string::npos) << detail << " on\n" << page;
    }
    size_t footer = At(page, "(powered by Vellgrin software)");
    EXPECT_NE(footer, std::string::npos) << page;
    EXPECT_GT(footer, At(page, "Longname")) << "the footer below the rows";
  }
  const std::string& first = document.pageTexts[0];
  std::vector<int> order = {1, 0};
  for (int i = 2; i < 30; ++i) order.push_back(i);
  size_t previous = At(first, "START ORDER");
  for (int position = 0; position < 30; ++position) {
    const int driver = order[static_cast<size_t>(position)];
    size_t row = At(first, LongListDriverName(driver));
    ASSERT_NE(row, std::string::npos) << LongListDriverName(driver) << " on page 1:\n" << first;
    EXPECT_GT(row, previous) << LongListDriverName(driver) << " out of order:\n" << first;
    // The car number goes with its driver.
    size_t line = first.rfind('\n', row);
    EXPECT_NE(first.substr(line, row - line).find(std::to_string(101 + driver)), std::string::npos)
        << LongListDriverName(driver);
    previous = row;
  }
  EXPECT_EQ(At(first, LongListDriverName(30)), std::string::npos);
  const std::string& second = document.pageTexts[1];
  EXPECT_NE(At(second, LongListDriverName(30)), std::string::npos) << second;
  EXPECT_NE(At(second, "131"), std::string::npos) << "car number of the 31st";
  for (int i = 0; i < 30; ++i) EXPECT_EQ(At(second, LongListDriverName(i)), std::string::npos) << i;
}

// A second job for page 2's picture (a job renders one page): the 31st driver alone.
TEST_F(StartOrderOnPaper, TheSecondPageHoldsTheLastDriverAlone) {
  PrintFromTheDialog(false);
  PrintedDocument document = printer.TakePrinted("start_order_print_pdf_page2", 2);
  ASSERT_TRUE(document.printed) << document.problem;
  ASSERT_EQ(document.pageTexts.size(), 2u);
  EXPECT_NE(At(document.pageTexts[1], LongListDriverName(30)), std::string::npos);
  EXPECT_EQ(At(document.pageTexts[1], LongListDriverName(29)), std::string::npos);
}

// Each program's start order read back from the paper: no text over another or out of the
// frame, each label, value and head apart from what stands beside it on its line (the
// Spanish "# coche" is wider than its column's room after "Pos").
TEST_F(StartOrderOnPaper, NoTextRunsIntoAnotherInAnyOfTheThreePrograms) {
  static StartOrderDialogData data;
  participantstest::FillSampleStartOrder(&data);
  for (const testsupport::ProgramBuild& build : testsupport::kProgramBuilds) {
    SetActiveProfile(*build.profile);
    DefaultPrinterDC pdf;
    ASSERT_NE(pdf.get(), nullptr);
    ASSERT_TRUE(PrintStartOrderPages(nullptr, pdf.get(), data));
    PrintedDocument document = printer.TakePrinted((std::string("start_order_print_spacing_") + build.name).c_str(), 1);
    ASSERT_TRUE(document.printed) << document.problem;
    char title[128], frequency[32];
    std::snprintf(title, sizeof title, Tr(Text::StartOrderPrintTitle), 3);
    std::snprintf(frequency, sizeof frequency, Tr(Text::StartOrderFrequency), 1);
    SCOPED_TRACE(title);
    std::vector<std::string> texts = testsupport::EventDetailsTexts(data.track, "Spring Trophy / Club Cup");
    texts.insert(texts.end(), {title, Tr(Text::StartOrderPosition), Tr(Text::ParticipantsPrintCarNumber),
                               Tr(Text::ParticipantsPrintDriver), Tr(Text::ParticipantsPrintAge),
                               Tr(Text::ParticipantsPrintCar), Tr(Text::ParticipantsPrintCategory),
                               Tr(Text::StartOrderTransponder), frequency, Tr(Text::ParticipantsPrintFooter)});
    testsupport::ExpectLaidOutApart(document, 20, 665, texts);
  }
  SetActiveProfile(kEnglishBuild);
}

// The printer's server stopped while the program runs: the job is refused at its end, and
// the operator is told once instead of being left to think it printed.
using StartOrderPrinterGone = StartOrderOnPaper;

TEST_F(StartOrderPrinterGone, TheStartOrderOnAPrinterGoneSaysItCouldNotBePrinted) {
  ASSERT_TRUE(printer.StopServer());
  PrintFromTheDialog(false);
  const auto& messages = platform::test::Messages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, "Error: the document could not be printed.");
  EXPECT_EQ(messages[0].caption, "Error");
  EXPECT_EQ(messages[0].type, platform::kMbOk | platform::kMbIconStop);
  PrintedDocument nothing = printer.TakePrinted();
  EXPECT_FALSE(nothing.printed);
  EXPECT_EQ(nothing.problem, "");
}

}  // namespace
