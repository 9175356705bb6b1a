#include "race/combo_fillers_win32.h"

#include <cstring>
#include <string>

#include "race/combo_fillers.h"

namespace {

void AddStrings(HWND combo, const ComboStrings& strings) {
  for (const std::string& text : strings) {
    SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
}

int Fill(HWND combo, bool (*collect)(ComboStrings*)) {
  ComboStrings strings;
  if (!collect(&strings)) return 0;
  AddStrings(combo, strings);
  return 1;
}

}  // namespace

int FillCarCategoriesCombo(HWND combo) { return Fill(combo, CollectCarCategoryNames); }
int FillCountriesCombo(HWND combo) { return Fill(combo, CollectCountryNames); }
int FillClubsCombo(HWND combo) { return Fill(combo, CollectClubKeys); }
int FillCarsCombo(HWND combo) { return Fill(combo, CollectCarNames); }
int FillChampionshipsCombo(HWND combo) { return Fill(combo, CollectChampionshipNames); }

void FillMonthsCombo(HWND combo) {
  ComboStrings strings;
  CollectMonthNames(&strings);
  AddStrings(combo, strings);
}

void FillYearsCombo(HWND combo) {
  SYSTEMTIME now;
  GetLocalTime(&now);
  ComboStrings strings;
  CollectYears(now.wYear, &strings);
  AddStrings(combo, strings);
}

int CurrentMonthCount() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return (now.wYear - 1900) * 12 + (now.wMonth - 1);
}

LRESULT FindExactComboItem(HWND combo, const char* text) {
  const LRESULT items = SendMessageA(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < items; ++i) {
    const LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, i, 0);
    if (length == CB_ERR || length != static_cast<LRESULT>(std::strlen(text))) continue;
    std::string item(static_cast<std::size_t>(length) + 1, '\0');
    SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(&item[0]));
    if (std::strcmp(item.c_str(), text) == 0) return i;
  }
  return CB_ERR;
}
