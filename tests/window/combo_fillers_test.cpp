// The combo fillers add their strings to a real combo box, in file order.
#include "race/combo_fillers_win32.h"

#include <gtest/gtest.h>

#include <string>

#include "race/country_files.h"
#include "tests/race/storage_test_support.h"

namespace {

std::string ItemText(HWND combo, int index) {
  char text[64] = {0};
  if (SendMessageA(combo, CB_GETLBTEXTLEN, index, 0) < static_cast<LRESULT>(sizeof text)) {
    SendMessageA(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
  }
  return text;
}

}  // namespace

TEST(ComboFillersWindow, FillsCountriesMonthsAndYears) {
  storagetest::WorkingFolder folder;
  ASSERT_TRUE(folder.InstallFactoryFile(kCountryNamesFile));
  HWND combo = CreateWindowExA(0, "COMBOBOX", "", WS_POPUP | CBS_DROPDOWNLIST, 0, 0, 200, 300,
                               nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(combo, nullptr);
  EXPECT_EQ(FillCountriesCombo(combo), 1);
  EXPECT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), 208);
  EXPECT_EQ(ItemText(combo, 0), "Afghanistan");

  SendMessageA(combo, CB_RESETCONTENT, 0, 0);
  platform::DeleteFileAt(kCountryNamesFile);
  EXPECT_EQ(FillCountriesCombo(combo), 0);
  EXPECT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), 0) << "a missing file leaves the combo as it was";

  FillMonthsCombo(combo);
  EXPECT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), 12);
  EXPECT_EQ(ItemText(combo, 11), "December");

  SendMessageA(combo, CB_RESETCONTENT, 0, 0);
  SYSTEMTIME now;
  GetLocalTime(&now);
  FillYearsCombo(combo);
  EXPECT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), now.wYear - 1899);
  EXPECT_EQ(ItemText(combo, now.wYear - 1900), std::to_string(now.wYear));
  DestroyWindow(combo);
}
