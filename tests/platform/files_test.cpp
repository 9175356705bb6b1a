#include "platform/files.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/text_file.h"
#include "tests/support/temp_folder.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <dirent.h>
#endif

using testsupport::TempFolder;

TEST(Files, AccentedLiteralsAreWindows1252AndReachTheFileName) {
  const char* name = "RéglagesInterface2.rg";
  ASSERT_EQ(std::string(name).size(), 21u) << "é must be one byte";
  EXPECT_EQ(static_cast<unsigned char>(name[1]), 0xE9);
  EXPECT_EQ(static_cast<unsigned char>("CourseRallye%dRépartition"[15]), 0xE9);

  TempFolder folder;
  {
    platform::TextFile file((folder / name).c_str(), "w+");
    ASSERT_TRUE(file);
    file.Write("COM1\t1\tVellgrin\n");
  }
  EXPECT_TRUE(platform::FileExists((folder / name).c_str()));

#ifdef _WIN32
  // The ANSI file functions give the name back with the byte 0xE9.
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder / "R*").c_str(), &found);
  ASSERT_NE(search, INVALID_HANDLE_VALUE);
  FindClose(search);
  EXPECT_EQ(std::string(found.cFileName), name);
  EXPECT_EQ(static_cast<unsigned char>(found.cFileName[1]), 0xE9);
#else
  // On the Linux side the name is UTF-8, as Wine stores it, so one folder serves both.
  DIR* dir = opendir(folder.path().c_str());
  ASSERT_NE(dir, nullptr);
  std::string onDisk;
  while (dirent* entry = readdir(dir)) {
    if (entry->d_name[0] == 'R') onDisk = entry->d_name;
  }
  closedir(dir);
  EXPECT_EQ(onDisk, "R\xC3\xA9glagesInterface2.rg");
#endif
}

TEST(Files, FoldersCopiesAndReplacement) {
  TempFolder folder;
  std::string sub = folder / "WebResults";
  EXPECT_FALSE(platform::FolderExists(sub.c_str()));
  EXPECT_TRUE(platform::CreateFolder(sub.c_str()));
  EXPECT_TRUE(platform::CreateFolder(sub.c_str())) << "an existing folder is no error";
  EXPECT_TRUE(platform::FolderExists(sub.c_str()));
  EXPECT_FALSE(platform::FileExists(sub.c_str()));

  std::string from = folder / "Rallye.rall";
  std::string to = folder / "DoVorodIvar.rall";
  testsupport::WriteBytes(from, std::string("header\r\n\0binary\x1A", 16));
  testsupport::WriteBytes(to, "old and longer content");
  EXPECT_TRUE(platform::CopyFileTo(from.c_str(), to.c_str()));
  EXPECT_EQ(testsupport::ReadBytes(to), testsupport::ReadBytes(from));
  EXPECT_FALSE(platform::CopyFileTo((folder / "absent").c_str(), to.c_str()));

  std::string temp = folder / "new.tmp";
  testsupport::WriteBytes(temp, "new");
  EXPECT_TRUE(platform::MoveFileOver(temp.c_str(), to.c_str()));
  EXPECT_EQ(testsupport::ReadBytes(to), "new");
  EXPECT_FALSE(platform::FileExists(temp.c_str()));
  EXPECT_TRUE(platform::DeleteFileAt(to.c_str()));
  EXPECT_FALSE(platform::FileExists(to.c_str()));
}
