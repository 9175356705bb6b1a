#include "race/combo_fillers_win32.h"

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
