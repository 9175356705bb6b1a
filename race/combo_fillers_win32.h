// Combo fillers: each adds its strings (race/combo_fillers.h) to a combo box with
// CB_ADDSTRING, in file order. The file fillers return 1, or 0 when the file cannot be
// opened, in which case the combo box stays as it was and the caller shows its message.
#pragma once

#include <windows.h>

int FillCarCategoriesCombo(HWND combo);
int FillCountriesCombo(HWND combo);
int FillClubsCombo(HWND combo);
int FillCarsCombo(HWND combo);
int FillChampionshipsCombo(HWND combo);

// The twelve month names; the selection index is the month index 0..11.
void FillMonthsCombo(HWND combo);
// 1900 up to and including the current year of the local clock; the selection index is
// the year - 1900.
void FillYearsCombo(HWND combo);

// The item whose text is text, case included (CB_FINDSTRINGEXACT folds case), or CB_ERR.
LRESULT FindExactComboItem(HWND combo, const char* text);

// The local clock's month as a count of months since January 1900: (year - 1900) * 12 +
// month index, the scale of birthdays and age-category bounds.
int CurrentMonthCount();
