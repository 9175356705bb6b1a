// The FTP upload's portable part: remote paths, the read callback, whole files, the folder
// polling and the live upload worker.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include "platform/clock.h"
#include "results/ftp_upload.h"
#include "tests/support/temp_folder.h"

namespace {

TEST(FtpUrls, ValuesArePercentEncodedAndNothingIsCut) {
  FtpServer server = {"127.0.0.1:2121", "u", "p"};
  EXPECT_EQ(LiveResultsUrl(server, "Coupe_2024", "Spring Cup/../x"),
            "ftp://127.0.0.1:2121/public_html/VellgrinRally/Coupe_2024/Spring%20Cup%2F..%2Fx/RallyLive.txt");
  std::string longFolder(300, 'a');
  EXPECT_EQ(ArchiveUrl(server, "C", longFolder, "R\xE9", "ES1.txt"),
            "ftp://127.0.0.1:2121/public_html/VellgrinRally/C/" + longFolder + "/R%E9/ES1.txt");
  EXPECT_EQ(RallyFolderUrl(server, "C", "E", "R 1"), "ftp://127.0.0.1:2121/public_html/VellgrinRally/C/E/R%201/");
  EXPECT_EQ(LoginUrl(server), "ftp://127.0.0.1:2121/");
  EXPECT_EQ(PercentEncode("a?b#c&d=e%"), "a%3Fb%23c%26d%3De%25");
}

TEST(FtpServerFile, DefaultsFillWhatTheFileLeavesOut) {
  testsupport::TempFolder folder;
  FtpServer missing = ReadFtpServer((folder / "none.txt").c_str());
  EXPECT_EQ(missing.user, "vellgrin");
  EXPECT_EQ(missing.password, "Tq4Lm~Wz8(Rb");
  testsupport::WriteBytes(folder / "s.txt", "127.0.0.1:40021\r\n\r\n");
  FtpServer read = ReadFtpServer((folder / "s.txt").c_str());
  EXPECT_EQ(read.host, "127.0.0.1:40021");
  EXPECT_EQ(read.user, "vellgrin");
}

TEST(UploadContent, WholeFileWithLfLineEndsAndMissingFile) {
  testsupport::TempFolder folder;
  std::string big;
  for (int i = 0; i < 5000; ++i) big += "line " + std::to_string(i) + "\r\n";
  ASSERT_GT(big.size(), 33000u);
  testsupport::WriteBytes(folder / "Live.txt", big);
  std::string content;
  ASSERT_TRUE(ReadUploadContent((folder / "Live.txt").c_str(), &content));
  EXPECT_EQ(content.size(), big.size() - 5000);
  EXPECT_EQ(content.substr(content.size() - 10), "line 4999\n");
  EXPECT_FALSE(ReadUploadContent((folder / "none.txt").c_str(), &content));
  testsupport::WriteBytes(folder / "empty.txt", "");
  ASSERT_TRUE(ReadUploadContent((folder / "empty.txt").c_str(), &content));
  EXPECT_TRUE(content.empty());
}

TEST(ReadUploadBuffer, GivesTheRestThenZero) {
  const char text[] = "abcdefgh";
  UploadCursor cursor = {text, 8};
  char out[16];
  EXPECT_EQ(ReadUploadBuffer(out, 1, 0, &cursor), 0u);
  EXPECT_EQ(ReadUploadBuffer(out, 2, 3, &cursor), 6u);
  EXPECT_EQ(ReadUploadBuffer(out, 1, 16, &cursor), 2u);
  EXPECT_EQ(std::string(out, 2), "gh");
  EXPECT_EQ(ReadUploadBuffer(out, 1, 16, &cursor), 0u);
}

TEST(FolderPolling, StopsAtTheFirstSuccessOrAfterAboutTenSeconds) {
  platform::test::UseManualClock(5000);
  int probes = 0;
  EXPECT_FALSE(PollUntilFolderExists([&] { return ++probes, false; }));
  EXPECT_EQ(probes, 21);  // 0, 0.5 s, ... 10 s: the one at 10 s is still made
  probes = 0;
  EXPECT_TRUE(PollUntilFolderExists([&] { return ++probes == 3; }));
  EXPECT_EQ(probes, 3);
  platform::test::UseSystemClock();
}

TEST(LiveUploadWorker, SubmitNeverWaitsAndOnlyTheNewestWaitingContentIsSent) {
  std::atomic<bool> release{false};
  std::atomic<int> failures{0};
  std::vector<std::string> sent;
  std::mutex m;
  LiveUploadWorker worker(
      [&](const UploadJob& job) {
        while (!release) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        std::lock_guard<std::mutex> lock(m);
        sent.push_back(job.content);
        return job.content != "bad";
      },
      [&] { ++failures; });
  auto before = std::chrono::steady_clock::now();
  worker.Submit({"u", "first"});
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  worker.Submit({"u", "second"});
  worker.Submit({"u", "bad"});
  EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::milliseconds(500));
  release = true;
  worker.Drain();
  ASSERT_EQ(sent.size(), 2u);
  EXPECT_EQ(sent[0], "first");
  EXPECT_EQ(sent[1], "bad");
  EXPECT_EQ(failures, 1);
}

}  // namespace
