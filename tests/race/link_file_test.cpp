#include <gtest/gtest.h>

#include <string>

#include "platform/text_file.h"
#include "race/interface_settings.h"
#include "race/text_fields.h"
#include "tests/support/temp_folder.h"

using testsupport::ReadBytes;
using testsupport::TempFolder;
using testsupport::WriteBytes;

TEST(LinkFile, WritesOneLineAndReadsItBack) {
  TempFolder folder;
  std::string path = folder / kInterfaceSettingsFile;
  InterfaceSettings settings = {"COM3", 1, "VellgrinZL2"};
  ASSERT_TRUE(WriteInterfaceSettings(path.c_str(), settings));
  EXPECT_EQ(ReadBytes(path), "COM3\t1\tVellgrinZL2\r\n");
  InterfaceSettings read;
  ASSERT_TRUE(ReadInterfaceSettings(path.c_str(), &read));
  EXPECT_STREQ(read.port, "COM3");
  EXPECT_EQ(read.connected, 1);
  EXPECT_STREQ(read.decoderName, "VellgrinZL2");
}

TEST(LinkFile, ReadsAreBoundedToTheFieldsAndMissingFieldsStayCleared) {
  TempFolder folder;
  std::string path = folder / "link.rg";
  WriteBytes(path, "COM123\t1\t" + std::string(300, 'V') + "\r\n");
  InterfaceSettings read;
  ASSERT_TRUE(ReadInterfaceSettings(path.c_str(), &read));
  EXPECT_STREQ(read.port, "") << "a port too long for its field is no port, not COM12";
  EXPECT_EQ(read.connected, 1);
  EXPECT_EQ(std::string(read.decoderName), std::string(15, 'V'));

  WriteBytes(path, "COM7\tx\tVellgrin\r\n");
  ASSERT_TRUE(ReadInterfaceSettings(path.c_str(), &read));
  EXPECT_STREQ(read.port, "COM7");
  EXPECT_EQ(read.connected, 0);
  EXPECT_STREQ(read.decoderName, "");

  WriteBytes(path, "");
  ASSERT_TRUE(ReadInterfaceSettings(path.c_str(), &read));
  EXPECT_STREQ(read.port, "");
  EXPECT_FALSE(ReadInterfaceSettings((folder / "absent.rg").c_str(), &read));
}

TEST(LinkFile, OnlyCom1ToCom99AreSerialPorts) {
  for (const char* port : {"COM1", "COM9", "COM10", "COM99"}) EXPECT_TRUE(IsValidPortName(port)) << port;
  for (const char* port : {"", "COM", "COM0", "COM01", "COM100", "LPT1", "com1", "COM1 ", "COMX"})
    EXPECT_FALSE(IsValidPortName(port)) << port;
}

TEST(TextFields, NumbersAndWordsAsTheRuntimeReadsThem) {
  TempFolder folder;
  std::string path = folder / "fields.txt";
  WriteBytes(path, "  -42\t+7\r\n\r\n 2147483648 word\tnext");
  platform::TextFile file(path.c_str(), "r");
  int value = 0;
  ASSERT_TRUE(ReadInt(file, &value));
  EXPECT_EQ(value, -42);
  ASSERT_TRUE(ReadInt(file, &value));
  EXPECT_EQ(value, 7);
  ASSERT_TRUE(ReadInt(file, &value));
  EXPECT_EQ(value, 2147483647) << "clamped, never overflowed";
  value = 5;
  EXPECT_FALSE(ReadInt(file, &value));
  EXPECT_EQ(value, 5);
  char word[3];
  ASSERT_TRUE(ReadWord(file, word));
  EXPECT_STREQ(word, "wo");
  ASSERT_TRUE(ReadWord(file, word));
  EXPECT_STREQ(word, "ne");
  EXPECT_FALSE(ReadWord(file, word));
}
