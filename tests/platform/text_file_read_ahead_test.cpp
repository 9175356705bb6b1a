// The text-file layer reads ahead in blocks of its own: line ends, offsets and in-place
// rewrites must stay exact across the block boundaries.
#include <gtest/gtest.h>

#include <string>

#include "platform/text_file.h"
#include "tests/support/temp_folder.h"

using platform::TextFile;
using testsupport::ReadBytes;
using testsupport::TempFolder;
using testsupport::WriteBytes;

namespace {
constexpr long kBlock = 64 * 1024;
}

TEST(TextFileReadAhead, LineEndsAndOffsetsStayExactAcrossBlocks) {
  TempFolder folder;
  std::string path = folder / "big.txt";
  // A CR LF split by each of the first two block boundaries, a lone CR at the third.
  std::string bytes(3 * kBlock + 10, 'x');
  bytes[kBlock - 1] = '\r';
  bytes[kBlock] = '\n';
  bytes[2 * kBlock - 1] = '\r';
  bytes[2 * kBlock] = '\n';
  bytes[3 * kBlock - 1] = '\r';
  WriteBytes(path, bytes);

  TextFile file(path.c_str(), "r+");
  ASSERT_TRUE(file.Seek(kBlock - 2, SEEK_SET));
  EXPECT_EQ(file.GetChar(), 'x');
  EXPECT_EQ(file.PeekChar(), '\n');
  EXPECT_EQ(file.GetChar(), '\n');
  EXPECT_EQ(file.Tell(), kBlock + 1);
  ASSERT_TRUE(file.Seek(-1, SEEK_CUR));
  EXPECT_EQ(file.GetChar(), '\n') << "the LF alone";

  // Read through from the start: every line has its exact length.
  file.Rewind();
  char line[8];
  long ends[4];
  for (long& end : ends) {
    file.ReadLine(line, sizeof line);
    end = file.Tell();
  }
  EXPECT_EQ(ends[0], kBlock + 1);
  EXPECT_EQ(ends[1], 2 * kBlock + 1);
  EXPECT_EQ(ends[2], 3 * kBlock + 10) << "a lone CR does not end a line";
  EXPECT_FALSE(file.ReadLine(line, sizeof line));

  // An in-place rewrite inside a block that was read ahead, then reading on.
  ASSERT_TRUE(file.Seek(kBlock + 1, SEEK_SET));
  EXPECT_EQ(file.GetChar(), 'x');
  ASSERT_TRUE(file.WriteRaw("\n", 1));
  EXPECT_EQ(file.GetChar(), 'x');
  EXPECT_EQ(file.Tell(), kBlock + 4);
  EXPECT_EQ(file.Size(), 3 * kBlock + 10);
  file.Close();
  bytes[kBlock + 2] = '\n';
  EXPECT_EQ(ReadBytes(path), bytes);
}

TEST(TextFileReadAhead, RawReadsAndWritesTranslateNothing) {
  TempFolder folder;
  std::string path = folder / "raw.txt";
  WriteBytes(path, "ab\r\ncd");
  TextFile file(path.c_str(), "r+");
  EXPECT_EQ(file.GetChar(), 'a');
  char raw[16] = {0};
  EXPECT_EQ(file.ReadRaw(raw, sizeof raw), 5u);
  EXPECT_EQ(std::string(raw, 5), "b\r\ncd");
  EXPECT_EQ(file.Tell(), 6);
  ASSERT_TRUE(file.WriteRaw("\n\r", 2));
  ASSERT_TRUE(file.Write("\n"));
  EXPECT_EQ(file.Tell(), 10);
  file.Rewind();
  EXPECT_EQ(file.ReadRaw(raw, 3), 3u);
  EXPECT_EQ(file.GetChar(), '\n');
  file.Close();
  EXPECT_EQ(ReadBytes(path), "ab\r\ncd\n\r\r\n");
}
