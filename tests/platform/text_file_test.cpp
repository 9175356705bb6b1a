#include "platform/text_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/support/temp_folder.h"

using platform::TextFile;
using testsupport::ReadBytes;
using testsupport::TempFolder;
using testsupport::WriteBytes;

namespace {

std::string ReadAll(TextFile& file) {
  std::string text;
  for (int c; (c = file.GetChar()) != EOF;) text += static_cast<char>(c);
  return text;
}

}  // namespace

TEST(TextFile, WritesLineEndsAsCrLfAndReadsThemBackWithExactOffsets) {
  TempFolder folder;
  std::string path = folder / "lines.txt";
  {
    TextFile file(path.c_str(), "w+");
    ASSERT_TRUE(file);
    EXPECT_EQ(file.Printf("%s\t%d\t\n", "ES1", 42), 8);
    EXPECT_EQ(file.Tell(), 9) << "the line end takes two bytes on disk";
    EXPECT_TRUE(file.Write("1\t1\t\n"));
    EXPECT_EQ(file.Tell(), 15);
  }
  EXPECT_EQ(ReadBytes(path), "ES1\t42\t\r\n1\t1\t\r\n");

  TextFile file(path.c_str(), "r");
  ASSERT_TRUE(file);
  char line[32];
  ASSERT_TRUE(file.ReadLine(line, sizeof line));
  EXPECT_STREQ(line, "ES1\t42\t");
  EXPECT_EQ(file.Tell(), 9);
  // Stepping back one byte lands on the LF, which alone reads as itself.
  ASSERT_TRUE(file.Seek(-1, SEEK_CUR));
  EXPECT_EQ(file.GetChar(), '\n');
  EXPECT_EQ(ReadAll(file), "1\t1\t\n");
  EXPECT_TRUE(file.AtEnd());
  EXPECT_FALSE(file.ReadLine(line, sizeof line));
}

TEST(TextFile, KeepsLoneCarriageReturnsAndReadsMultiLineFieldsAsTheRuntimeWroteThem) {
  TempFolder folder;
  std::string path = folder / "fields.txt";
  // A field typed in a multi-line edit holds "\r\n"; text mode writes it as CR CR LF.
  {
    TextFile file(path.c_str(), "w");
    ASSERT_TRUE(file.Write("one\r\ntwo\rthree\t\n"));
  }
  EXPECT_EQ(ReadBytes(path), "one\r\r\ntwo\rthree\t\r\n");
  TextFile file(path.c_str(), "r");
  EXPECT_EQ(ReadAll(file), "one\r\ntwo\rthree\t\n");

  // A file that ends on a lone CR keeps it.
  WriteBytes(path, "end\r");
  TextFile last(path.c_str(), "r");
  EXPECT_EQ(ReadAll(last), "end\r");
}

TEST(TextFile, ReadLineIsBoundedAndStopsAtEndOfFile) {
  TempFolder folder;
  std::string path = folder / "long.txt";
  WriteBytes(path, std::string(300, 'x') + "\r\nshort\r\nlast without end");
  TextFile file(path.c_str(), "r");
  char field[16];
  std::memset(field, '#', sizeof field);
  ASSERT_TRUE(file.ReadLine(field, sizeof field));
  EXPECT_EQ(std::string(field), std::string(15, 'x'));
  ASSERT_TRUE(file.ReadLine(field, sizeof field));
  EXPECT_STREQ(field, "short");
  ASSERT_TRUE(file.ReadLine(field, sizeof field));
  EXPECT_STREQ(field, "last without en");
  EXPECT_FALSE(file.ReadLine(field, sizeof field));
  EXPECT_FALSE(file.ReadLine(field, sizeof field));
  EXPECT_STREQ(field, "");
}

TEST(TextFile, RewritesInPlaceAndSwitchesBetweenReadingAndWriting) {
  TempFolder folder;
  std::string path = folder / "update.txt";
  WriteBytes(path, "Title\r\n1\t1\t1\t1\t\r\nNext\r\n");
  {
    TextFile file(path.c_str(), "r+");
    ASSERT_TRUE(file);
    char line[32];
    ASSERT_TRUE(file.ReadLine(line, sizeof line));
    long body = file.Tell();
    EXPECT_EQ(body, 7);
    // Write straight after reading, then read straight after writing.
    ASSERT_TRUE(file.Write("7\t8\t"));
    ASSERT_TRUE(file.ReadLine(line, sizeof line));
    EXPECT_STREQ(line, "1\t1\t");
    EXPECT_EQ(file.Size(), 23);
    EXPECT_EQ(file.Tell(), body + 10) << "Size keeps the position";
  }
  EXPECT_EQ(ReadBytes(path), "Title\r\n7\t8\t1\t1\t\r\nNext\r\n");
}

TEST(TextFile, LongFormattedTextsAndMissingFiles) {
  TempFolder folder;
  std::string path = folder / "big.txt";
  std::string name(2000, 'n');
  {
    TextFile file(path.c_str(), "w");
    EXPECT_EQ(file.Printf("%s\n", name.c_str()), 2001);
  }
  EXPECT_EQ(ReadBytes(path), name + "\r\n");

  TextFile missing((folder / "absent.txt").c_str(), "r+");
  EXPECT_FALSE(missing);
  EXPECT_EQ(missing.GetChar(), EOF);
  EXPECT_FALSE(missing.Write("x"));
  char line[4];
  EXPECT_FALSE(missing.ReadLine(line, sizeof line));
}
