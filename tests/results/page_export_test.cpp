// The championship page's bitmap layout at every depth, and the JPEG export's dialog and
// its decisions (with a stand-in converter; the FreeImage one is tested under Wine).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/build_profile.h"
#include "platform/folders.h"
#include "platform/test_hooks.h"
#include "results/jpeg_conversion.h"
#include "results/page_export.h"
#include "tests/support/temp_folder.h"

namespace {

TEST(PageCaptureLayout, FollowsTheDepthOfTheBitmap) {
  // The screen depths: no colour table at 24 and 32 bits.
  CaptureBitmapLayout l = CaptureLayout(1040, 590, 1, 32);
  EXPECT_EQ(l.depth, 32);
  EXPECT_EQ(l.colours, 0u);
  EXPECT_EQ(l.imageBytes, 1040u * 4 * 590);
  EXPECT_EQ(l.pixelOffset, 54u);
  EXPECT_EQ(l.fileBytes, 54u + 1040 * 4 * 590);
  l = CaptureLayout(1040, 590, 1, 24);
  EXPECT_EQ(l.rowBytes, 3120u);
  EXPECT_EQ(l.fileBytes, 54u + 3120 * 590);
  // 16 bits carry a table of 65536 entries.
  l = CaptureLayout(1040, 590, 1, 16);
  EXPECT_EQ(l.colours, 65536u);
  EXPECT_EQ(l.pixelOffset, 54u + 4 * 65536);
  EXPECT_EQ(l.fileBytes, 54u + 4 * 65536 + 2080 * 590);
  // Odd depths round up; rows are padded to 4 bytes.
  l = CaptureLayout(1040, 590, 1, 15);
  EXPECT_EQ(l.depth, 16);
  l = CaptureLayout(1040, 590, 2, 4);
  EXPECT_EQ(l.depth, 8);
  EXPECT_EQ(l.colours, 256u);
  l = CaptureLayout(1057, 2, 1, 1);
  EXPECT_EQ(l.depth, 1);
  EXPECT_EQ(l.colours, 2u);
  EXPECT_EQ(l.rowBytes, 136u);
  EXPECT_EQ(CaptureLayout(3, 1, 1, 24).rowBytes, 12u);
  EXPECT_EQ(CaptureLayout(10, 1, 1, 48).depth, 32);
}

struct Conversion {
  std::string bitmap, jpeg;
};
std::vector<Conversion> g_conversions;
bool g_convertResult = true;

bool RecordConversion(const char* bitmapPath, const char* jpegPath) {
  g_conversions.push_back({bitmapPath, jpegPath});
  return g_convertResult;
}

class JpegExport : public ::testing::Test {
 protected:
  void SetUp() override {
    SetActiveProfile(kEnglishBuild);
    platform::test::SetProgramFolder(folder_.path());
    platform::test::InterceptFileDialogs();
    g_conversions.clear();
    g_convertResult = true;
    UseBitmapToJpegConverter(RecordConversion);
  }
  void TearDown() override {
    UseBitmapToJpegConverter(nullptr);
    platform::test::StopInterceptingFileDialogs();
    platform::test::ResetProgramFolder();
  }
  std::string Proposed() const { return folder_.path() + "\\*.jpeg"; }
  testsupport::TempFolder folder_;
};

TEST_F(JpegExport, ConvertsTheCapturedPageUnderTheNameAsTyped) {
  platform::test::QueueFileDialogAnswer(std::string("page"));
  EXPECT_TRUE(ExportPageAsJpeg(nullptr));
  ASSERT_EQ(platform::test::FileDialogs().size(), 1u);
  const platform::test::RecordedFileDialog& dialog = platform::test::FileDialogs()[0];
  EXPECT_TRUE(dialog.save);
  EXPECT_EQ(dialog.filter, "Image (.jpeg)|*.jpeg");
  EXPECT_EQ(dialog.proposed, Proposed());
  ASSERT_EQ(g_conversions.size(), 1u);
  EXPECT_EQ(g_conversions[0].bitmap, platform::ProgramPath("Private/Archive.bmp"));
  EXPECT_EQ(g_conversions[0].jpeg, "page");  // no extension added
  // A converter that writes nothing is no success.
  g_convertResult = false;
  platform::test::QueueFileDialogAnswer(std::string("other.jpeg"));
  EXPECT_FALSE(ExportPageAsJpeg(nullptr));
  EXPECT_EQ(g_conversions.size(), 2u);
}

TEST_F(JpegExport, TheProposedNameCancelOrNoConverterWriteNothing) {
  platform::test::QueueFileDialogAnswer(Proposed());
  EXPECT_FALSE(ExportPageAsJpeg(nullptr));
  platform::test::QueueFileDialogAnswer(std::nullopt);
  EXPECT_FALSE(ExportPageAsJpeg(nullptr));
  EXPECT_TRUE(g_conversions.empty());
  // The French and Spanish programs install no converter.
  UseBitmapToJpegConverter(nullptr);
  EXPECT_FALSE(HasBitmapToJpegConverter());
  platform::test::QueueFileDialogAnswer(std::string("page.jpeg"));
  EXPECT_FALSE(ExportPageAsJpeg(nullptr));
  EXPECT_TRUE(g_conversions.empty());
  EXPECT_EQ(platform::test::FileDialogs().size(), 3u);
}

}  // namespace
