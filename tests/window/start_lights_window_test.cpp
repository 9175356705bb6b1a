// The start-lights window under Wine: one at a time, message 4101, zoom limits, background,
// closing by itself or with its owner, and captures of its lights.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/folders.h"
#include "race/start_lights_ids.h"
#include "race/start_lights_window.h"
#include "tests/support/capture.h"
#include "tests/support/temp_folder.h"

namespace {

class StartLightsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    savedFolder = platform::CurrentFolder();
    std::string assets = testsupport::HostPath(VELLGRIN_PROGRAM_ASSETS);
    ASSERT_TRUE(platform::SetCurrentFolder(assets.c_str()));
    StartLightsState& s = StartLights();
    s.zoomX = 0;
    s.zoomY = 0;
    std::memcpy(s.background, kBlackBackground, sizeof s.background);
    owner = CreateWindowA("STATIC", "owner", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr,
                          GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(owner, nullptr);
  }
  void TearDown() override {
    if (StartLights().window) DestroyWindow(StartLights().window);
    if (owner && IsWindow(owner)) DestroyWindow(owner);
    platform::SetCurrentFolder(savedFolder.c_str());
  }
  HWND Open() { return OpenStartLightsWindow(GetModuleHandleA(nullptr), owner, &openFlag); }
  LRESULT Send(const char* name, int seconds) {
    return SendMessageA(StartLights().window, StartLightsMessage, reinterpret_cast<WPARAM>(name), seconds);
  }
  void Click(HWND window, int id) {
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
  }
  std::string Capture(HWND window, const char* name) {
    ShowWindow(window, SW_MAXIMIZE);
    // Above the windows of test programs running beside this one.
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    return testsupport::CaptureWindow(window, name);
  }

  HWND owner = nullptr;
  int openFlag = 0;
  std::string savedFolder;
};

TEST_F(StartLightsTest, OnlyOneWindowOpensAndItsFlagFollowsIt) {
  HWND window = Open();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(openFlag, 1);
  EXPECT_EQ(StartLights().window, window);
  EXPECT_EQ(Open(), nullptr) << "a second command opens no second window";
  char caption[64] = {};
  GetWindowTextA(window, caption, sizeof caption);
  EXPECT_STREQ(caption, "Driver Countdown");
  HWND combo = GetDlgItem(window, IDC_START_LIGHTS_BACKGROUND);
  EXPECT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), 2);
  EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 0);

  SendMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(openFlag, 0);
  EXPECT_EQ(StartLights().window, nullptr);
  EXPECT_EQ(StartLights().brush, nullptr);
  EXPECT_EQ(StartLights().controlFont, nullptr);
  SendStartLights("nobody", 3);  // goes nowhere
  ASSERT_NE(Open(), nullptr) << "it opens again once closed";
}

TEST_F(StartLightsTest, ClosingWithTheOwnerClearsTheFlagTheHandleAndTheGdiObjects) {
  HWND window = Open();
  ASSERT_NE(window, nullptr);
  DestroyWindow(owner);
  owner = nullptr;
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(openFlag, 0);
  EXPECT_EQ(StartLights().window, nullptr);
  EXPECT_EQ(StartLights().brush, nullptr);
  EXPECT_EQ(StartLights().controlFont, nullptr);
}

TEST_F(StartLightsTest, Message4101CopiesTheNameAtOnceAndPicksTheLight) {
  ASSERT_NE(Open(), nullptr);
  char buffer[kDriverNameSize] = "Lina Varga";
  EXPECT_EQ(Send(buffer, 12), 1);
  std::strcpy(buffer, "reused");
  EXPECT_STREQ(StartLights().driverName, "Lina Varga");
  EXPECT_EQ(StartLights().seconds, 12);
  EXPECT_EQ(StartLights().requestedLight, kRedLight);
  Send(buffer, 10);
  EXPECT_EQ(StartLights().requestedLight, kOrangeLight);
  Send(buffer, 0);
  EXPECT_EQ(StartLights().requestedLight, kGreenLight);
  testsupport::PumpMessages();
  EXPECT_EQ(StartLights().paintedLight, kGreenLight);
  Send(buffer, -4);
  EXPECT_EQ(StartLights().requestedLight, kGreenLight) << "a negative count keeps the light";
  EXPECT_EQ(StartLights().seconds, -4);

  // A name that fills the 40 bytes of a stage entry without a terminator.
  char full[kDriverNameSize + 4];
  std::memset(full, 'Z', sizeof full);
  full[sizeof full - 1] = '\0';
  SendStartLights(full, 5);
  EXPECT_EQ(std::strlen(StartLights().driverName), static_cast<size_t>(kDriverNameSize));
  SendStartLights(nullptr, 5);
  EXPECT_STREQ(StartLights().driverName, "");
}

TEST_F(StartLightsTest, ZoomStopsAtItsLimitsAndSurvivesReopening) {
  HWND window = Open();
  ASSERT_NE(window, nullptr);
  StartLights().zoomX = 148;
  Click(window, IDC_START_LIGHTS_ZOOM_X_PLUS);
  Click(window, IDC_START_LIGHTS_ZOOM_X_PLUS);
  EXPECT_EQ(StartLights().zoomX, 150);
  StartLights().zoomY = -68;
  Click(window, IDC_START_LIGHTS_ZOOM_Y_MINUS);
  Click(window, IDC_START_LIGHTS_ZOOM_Y_MINUS);
  EXPECT_EQ(StartLights().zoomY, -70);
  Click(window, IDC_START_LIGHTS_ZOOM_X_MINUS);
  Click(window, IDC_START_LIGHTS_ZOOM_Y_PLUS);
  EXPECT_EQ(StartLights().zoomX, 148);
  EXPECT_EQ(StartLights().zoomY, -68);
  SendMessageA(window, WM_CLOSE, 0, 0);
  ASSERT_NE(Open(), nullptr);
  EXPECT_EQ(StartLights().zoomX, 148);
  EXPECT_EQ(StartLights().zoomY, -68);
}

TEST_F(StartLightsTest, WhiteBackgroundOnlyOnASelectionChange) {
  HWND window = Open();
  ASSERT_NE(window, nullptr);
  HWND combo = GetDlgItem(window, IDC_START_LIGHTS_BACKGROUND);
  SendMessageA(combo, CB_SETCURSEL, 1, 0);
  SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_START_LIGHTS_BACKGROUND, CBN_DROPDOWN),
               reinterpret_cast<LPARAM>(combo));
  EXPECT_STREQ(StartLights().background, "Fond noir");
  SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_START_LIGHTS_BACKGROUND, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(combo));
  EXPECT_STREQ(StartLights().background, "Fond blanc");
  LOGBRUSH brush = {};
  ASSERT_TRUE(GetObjectA(StartLights().brush, sizeof brush, &brush));
  EXPECT_EQ(brush.lbColor, RGB(255, 255, 255));
  EXPECT_EQ(SendMessageA(window, WM_CTLCOLORDLG, 0, 0), reinterpret_cast<LRESULT>(StartLights().brush));
}

TEST_F(StartLightsTest, CapturesOfTheThreeLightsOnBothBackgroundsAndZoomed) {
  for (const char* background : {kBlackBackground, kWhiteBackground}) {
    std::memcpy(StartLights().background, background, sizeof StartLights().background);
    HWND window = Open();
    ASSERT_NE(window, nullptr);
    const std::string suffix = background == kBlackBackground ? "black" : "white";
    struct Shot {
      const char* name;
      int seconds;
      const char* light;
    };
    const Shot shots[] = {{"Lina Varga", 25, "red"}, {"Owen Brandt-Oskarsson", 7, "orange"}, {"Mara Quell", 0, "green"}};
    for (const Shot& shot : shots) {
      Send(shot.name, shot.seconds);
      std::string name = "start-lights-" + std::string(shot.light) + "-" + suffix;
      EXPECT_FALSE(Capture(window, name.c_str()).empty()) << name;
    }
    SendMessageA(window, WM_CLOSE, 0, 0);
  }
  std::memcpy(StartLights().background, kBlackBackground, sizeof StartLights().background);
  HWND window = Open();
  ASSERT_NE(window, nullptr);
  for (int i = 0; i < 20; ++i) Click(window, IDC_START_LIGHTS_ZOOM_X_MINUS);
  for (int i = 0; i < 20; ++i) Click(window, IDC_START_LIGHTS_ZOOM_Y_MINUS);
  Send("Tomas Reyes", 4);
  EXPECT_FALSE(Capture(window, "start-lights-zoomed-out").empty());
  StartLights().zoomX = 20;
  StartLights().zoomY = 10;
  Click(window, IDC_START_LIGHTS_ZOOM_X_PLUS);
  Send("Tomas Reyes", 14);
  EXPECT_FALSE(Capture(window, "start-lights-zoomed-in").empty());
}

}  // namespace
