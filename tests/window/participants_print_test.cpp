// The printed participants list: pages painted into a memory canvas (captured for a look),
// the print dialog's Cancel, and the print job on a device context that refuses it.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "app/build_profile.h"
#include "platform/folders.h"
#include "platform/message_box.h"
#include "platform/print_dialog.h"
#include "setup/participants_print.h"
#include "setup/participants_publishing.h"
#include "tests/support/capture.h"
#include "tests/support/temp_folder.h"
#include "tests/window/participants_sample.h"

namespace {

const char* const kCodes[] = {"FRA", "BEL", "ESP", "XXX"};  // XXX has no flag

// A page at one device pixel a logical unit: 700 wide, as tall as an A4 sheet is.
constexpr int kCanvasWidth = 700;
constexpr int kCanvasHeight = 990;

class ParticipantsPrint : public ::testing::Test {
 protected:
  void SetUp() override {
    saved = platform::CurrentFolder();
    // The flags are read from the working folder: the program folder's assets.
    assets = testsupport::HostPath(VELLGRIN_PROGRAM_ASSETS);
    ASSERT_TRUE(platform::SetCurrentFolder(assets.c_str()));
    for (int i = 0; i < 31; ++i) {
      char name[40];
      char number[8];
      std::snprintf(name, sizeof name, "DRIVER %02d Longname", i + 1);
      std::snprintf(number, sizeof number, "%d", 101 + i);
      participantstest::Fill(&participants[i],
                             {name, number, i % 3 ? "S" : "J", kCodes[i % 4], "Falcon GT8 Evo", "1/8 Buggy Thermique"});
    }
    track = participantstest::SampleTrack();
    listing = {participants, 31, 2, "Club Cup 2/3", "Spring Trophy / Club Cup 2/3", &track, 1, "images/trophee.bmp"};
  }
  void TearDown() override { platform::SetCurrentFolder(saved.c_str()); }

  std::string saved;
  std::string assets;
  ParticipantRecord participants[kMaxParticipants] = {};
  TrackDetails track = {};
  ParticipantsListing listing = {};
};

// A page at one device pixel a logical unit.
class Canvas : public testsupport::MemoryCanvas {
 public:
  Canvas() : MemoryCanvas(kCanvasWidth, kCanvasHeight) {}
};

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kGrey = RGB(234, 234, 234);
constexpr COLORREF kHeading = RGB(255, 214, 142);

bool AnyInk(const Canvas& canvas, int left, int top, int right, int bottom, COLORREF background) {
  return canvas.AnyBut(left, top, right, bottom, background);
}

TEST_F(ParticipantsPrint, ThirtyOneParticipantsMakeAFullFirstPageAndASecondWithRow31Alone) {
  std::vector<PrintedPage> pages = PrintedPages(listing.count);
  ASSERT_EQ(pages.size(), 2u);
  MemoryBitmap logo(nullptr, listing.logoPath, kPrintLogoWidth, kPrintLogoHeight);
  ASSERT_NE(logo.dc(), nullptr);

  Canvas first;
  PaintParticipantsPage(first.dc(), kCanvasWidth, kCanvasHeight, listing, pages[0], logo.dc());
  first.Save("participants_print_page1");
  Canvas second;
  PaintParticipantsPage(second.dc(), kCanvasWidth, kCanvasHeight, listing, pages[1], logo.dc());
  second.Save("participants_print_page2");

  for (const Canvas* page : {&first, &second}) {
    EXPECT_EQ(page->At(650, 257), kHeading);
    EXPECT_TRUE(AnyInk(*page, 25, 25, 221, 75, kWhite)) << "logo";
    EXPECT_NE(page->At(20, 500), kWhite) << "frame";
    EXPECT_NE(page->At(400, 910), kWhite) << "frame";
    EXPECT_TRUE(AnyInk(*page, 30, 915, 120, 930, kWhite)) << "race director label";
    // The first row of each page: band, running number, flag of FRA or BEL.
    EXPECT_EQ(page->At(650, 274), kGrey);
    EXPECT_TRUE(AnyInk(*page, 40, 275, 70, 290, kGrey)) << "running number";
    EXPECT_TRUE(AnyInk(*page, 350, 275, 370, 288, kGrey)) << "flag";
  }
  // Page 1: bands under rows 1, 3 ... 29, none under 2, 4 ... 30.
  EXPECT_EQ(first.At(650, 274 + 20 * 28), kGrey);
  EXPECT_EQ(first.At(650, 274 + 20), kWhite);
  EXPECT_EQ(first.At(650, 274 + 20 * 29), kWhite);
  EXPECT_TRUE(AnyInk(first, 140, 275 + 20 * 29, 260, 290 + 20 * 29, kWhite)) << "row 30";
  // Row 4 is XXX, which has no flag: nothing drawn after its code.
  EXPECT_FALSE(AnyInk(first, 350, 275 + 20 * 3, 370, 288 + 20 * 3, kWhite));
  // Page 2: row 31 only.
  EXPECT_FALSE(AnyInk(second, 30, 295, 655, 900, kWhite));
}

TEST_F(ParticipantsPrint, AMissingLogoAndAClubEventShowNoPictures) {
  listing.international = 0;
  listing.logoPath = "images/none.bmp";
  MemoryBitmap logo(nullptr, listing.logoPath, kPrintLogoWidth, kPrintLogoHeight);
  EXPECT_EQ(logo.dc(), nullptr);
  Canvas page;
  PaintParticipantsPage(page.dc(), kCanvasWidth, kCanvasHeight, listing, PrintedPages(30)[0], logo.dc());
  page.Save("participants_print_club_event");
  EXPECT_FALSE(AnyInk(page, 25, 25, 221, 75, kWhite));
  EXPECT_FALSE(AnyInk(page, 350, 275, 370, 288, kGrey));
}

TEST_F(ParticipantsPrint, ACancelledPrintDialogOrAnEmptyListPrintsNothing) {
  std::string folder = platform::CurrentFolder();
  platform::test::InterceptPrintDialog(nullptr);
  PrintParticipantsList(nullptr, listing);
  EXPECT_EQ(platform::test::PrintDialogCalls(), 1);
  listing.count = 0;
  PrintParticipantsList(nullptr, listing);
  EXPECT_EQ(platform::test::PrintDialogCalls(), 1);
  EXPECT_EQ(platform::CurrentFolder(), folder);
  EXPECT_TRUE(platform::test::Messages().empty());
}

// A device context that refuses the document (a memory one does): nothing may be drawn on
// it, and the operator is told, once a job. Real print jobs are the end-to-end print tests'
// (e2e/participants_print_e2e_test.cpp).
TEST_F(ParticipantsPrint, APrinterThatRefusesTheDocumentGetsNoPageAndTheOperatorIsTold) {
  Canvas refusing;
  EXPECT_FALSE(PrintParticipantsPages(nullptr, refusing.dc(), listing));
  platform::test::InterceptPrintDialog(refusing.dc());
  PrintParticipantsList(nullptr, listing);
  EXPECT_EQ(platform::test::PrintDialogCalls(), 1);
  EXPECT_FALSE(AnyInk(refusing, 0, 0, kCanvasWidth, kCanvasHeight, kWhite));
  const auto& messages = platform::test::Messages();
  ASSERT_EQ(messages.size(), 2u);
  for (const auto& message : messages) {
    EXPECT_EQ(message.text, "Error: the document could not be printed.");
    EXPECT_EQ(message.caption, "Error");
    EXPECT_EQ(message.type, platform::kMbOk | platform::kMbIconStop);
  }
}

}  // namespace
