#include <gtest/gtest.h>

#include "platform/bounded.h"
#include "platform/test_hooks.h"

namespace test = platform::test;

TEST(MessageHook, RecordsBoxesAndAnswersFromTheQueueOrTheDefaultButton) {
  test::QueueMessageAnswer(platform::kIdNo);
  EXPECT_EQ(platform::ShowMessage(nullptr, "Save the event ?", "Message", platform::kMbYesNo),
            platform::kIdNo);
  EXPECT_EQ(platform::ShowMessage(nullptr, "Quit ?", "Message", platform::kMbYesNoCancel),
            platform::kIdYes);
  EXPECT_EQ(platform::ShowMessage(nullptr, "x", "y", platform::kMbYesNo | platform::kMbDefButton2),
            platform::kIdNo);
  EXPECT_EQ(platform::ShowMessage(nullptr, "Could not open the COM port", "Message", platform::kMbOk),
            platform::kIdOk);
  const auto& seen = test::Messages();
  ASSERT_EQ(seen.size(), 4u);
  EXPECT_EQ(seen[0].text, "Save the event ?");
  EXPECT_EQ(seen[0].answer, platform::kIdNo);
  EXPECT_EQ(seen[3].caption, "Message");
  EXPECT_EQ(platform::DefaultAnswer(platform::kMbOkCancel | platform::kMbIconWarning), platform::kIdOk);
  EXPECT_EQ(platform::DefaultAnswer(platform::kMbYesNoCancel | platform::kMbDefButton3), platform::kIdCancel);
}

TEST(OtherHooks, SoundsFileDialogsPrinterAndShellAreAnsweredWithoutBlocking) {
  platform::PlaySoundFile("sons/beep1.wav", platform::SoundMode::Sync);
  ASSERT_EQ(test::Sounds().size(), 1u);
  EXPECT_EQ(test::Sounds()[0].path, "sons/beep1.wav");
  EXPECT_EQ(test::Sounds()[0].mode, platform::SoundMode::Sync);

  char path[12] = "proposal";
  platform::FileDialogRequest request;
  request.save = true;
  request.filter = "Drivers (*.bdp2)|*.bdp2";
  test::QueueFileDialogAnswer(std::string("C:\\a\\very\\long\\name.bdp2"));
  ASSERT_TRUE(platform::ChooseFile(request, path, sizeof path));
  EXPECT_STREQ(path, "C:\\a\\very\\l") << "the answer is cut to the caller's buffer";
  EXPECT_FALSE(platform::ChooseFile(request, path, sizeof path)) << "empty queue cancels";
  ASSERT_EQ(test::FileDialogs().size(), 2u);
  EXPECT_EQ(test::FileDialogs()[0].proposed, "proposal");

  platform::PrinterChoice printer;
  EXPECT_FALSE(platform::ChoosePrinter(nullptr, &printer));
  EXPECT_EQ(test::PrintDialogCalls(), 1);

  EXPECT_TRUE(platform::OpenWithShell(nullptr, "Guides\\HelpRallyeGB.pdf"));
  ASSERT_EQ(test::OpenedTargets().size(), 1u);
  EXPECT_EQ(test::OpenedTargets()[0], "Guides\\HelpRallyeGB.pdf");
}

TEST(OtherHooks, ChoosersAnswerFromTheirQueuesAndRecordWhatTheyWereAsked) {
  test::InterceptChoosers();
  platform::ChooserCustomColours custom{};
  custom[2] = 5;
  platform::ChooserCustomColours edited{};
  edited[15] = 0xABCDEF;
  test::QueueColourAnswer(0x00FF00);
  test::QueueColourAnswer(std::nullopt, edited);
  int chosen = -1;
  int owner = 0;
  EXPECT_TRUE(platform::ChooseColour(&owner, 0x0000FF, &custom, &chosen));
  EXPECT_EQ(chosen, 0x00FF00);
  chosen = -1;
  EXPECT_FALSE(platform::ChooseColour(&owner, 7, &custom, &chosen));
  EXPECT_EQ(chosen, -1);
  EXPECT_EQ(custom[15], 0xABCDEF) << "custom colours are edited also when the choice is cancelled";
  EXPECT_FALSE(platform::ChooseColour(nullptr, 7, &custom, &chosen)) << "an empty queue cancels";
  ASSERT_EQ(test::ColourChoosers().size(), 3u);
  EXPECT_EQ(test::ColourChoosers()[0].owner, &owner);
  EXPECT_EQ(test::ColourChoosers()[0].initial, 0x0000FF);
  EXPECT_EQ(test::ColourChoosers()[0].customColours[2], 5);

  platform::FontChoice font = {};
  platform::CopyBounded(font.face, "Arial");
  font.height = -21;
  platform::FontChoice answer = font;
  platform::CopyBounded(answer.face, "Verdana");
  test::QueueFontAnswer(answer);
  EXPECT_TRUE(platform::ChooseScreenFont(&owner, 8, 16, &font));
  EXPECT_STREQ(font.face, "Verdana");
  EXPECT_FALSE(platform::ChooseScreenFont(&owner, 0, 20, &font));
  EXPECT_STREQ(font.face, "Verdana") << "a cancelled chooser leaves the font";
  ASSERT_EQ(test::FontChoosers().size(), 2u);
  EXPECT_STREQ(test::FontChoosers()[0].font.face, "Arial");
  EXPECT_EQ(test::FontChoosers()[0].minPoints, 8);
  EXPECT_EQ(test::FontChoosers()[0].maxPoints, 16);
  test::StopInterceptingChoosers();
  EXPECT_TRUE(test::ColourChoosers().empty());
}

TEST(ManualClock, MovesOnlyWhenToldAndCanImitateAMissingCounter) {
  test::UseManualClock(0xFFFFFFF0u, 3000000);
  std::uint32_t start = platform::TickCount();
  std::int64_t counter = platform::PerformanceCounter();
  test::AdvanceClock(100);
  EXPECT_EQ(platform::TickCount() - start, 100u) << "unsigned differences survive the wrap";
  EXPECT_EQ(platform::PerformanceCounter() - counter, 300000);
  EXPECT_EQ(platform::PerformanceFrequency(), 3000000);
  platform::SleepMs(20);
  EXPECT_EQ(platform::TickCount() - start, 120u);

  test::UseManualClock(0, 0);
  test::SetClockStepPerQuery(5);
  EXPECT_EQ(platform::PerformanceFrequency(), 0);
  std::uint32_t first = platform::TickCount();
  EXPECT_EQ(platform::TickCount() - first, 5u);
}

TEST(ProgramFolder, IsTheProgramFilesFolderOrTheOneATestChose) {
  std::string real = platform::ProgramFolder();
  EXPECT_NE(real.find("Veravoda Reviv"), std::string::npos);
  test::SetProgramFolder("folder");
  EXPECT_EQ(platform::ProgramPath("sons"), std::string("folder") + platform::PathSeparator() + "sons");
  test::ResetProgramFolder();
  EXPECT_EQ(platform::ProgramFolder(), real);
}

TEST(Bounded, CopiesNeverPassTheFieldAndAlwaysTerminate) {
  char field[6];
  EXPECT_EQ(platform::CopyBounded(field, "COM123456"), 5u);
  EXPECT_STREQ(field, "COM12");
  EXPECT_EQ(platform::CopyBounded(field, nullptr), 0u);
  EXPECT_STREQ(field, "");
  EXPECT_EQ(platform::CopyBounded(field, 0, "x"), 0u);
}
