// The libcurl the programs link is the FTP-only static build.
#include <curl/curl.h>
#include <gtest/gtest.h>

#include <string>

TEST(Libcurl, IsLinkedStaticallyAndSpeaksFtp) {
  ASSERT_EQ(curl_global_init(CURL_GLOBAL_ALL), CURLE_OK);
  const curl_version_info_data* info = curl_version_info(CURLVERSION_NOW);
  ASSERT_NE(info, nullptr);
  bool ftp = false;
  for (const char* const* protocol = info->protocols; *protocol; ++protocol) {
    if (std::string(*protocol) == "ftp") ftp = true;
  }
  EXPECT_TRUE(ftp);
  CURL* handle = curl_easy_init();
  ASSERT_NE(handle, nullptr);
  EXPECT_EQ(curl_easy_setopt(handle, CURLOPT_URL, "ftp://127.0.0.1:1/none.txt"), CURLE_OK);
  curl_easy_cleanup(handle);
  curl_global_cleanup();
}
