// The age categories: kept in order of entry, removed by position, each with a birth range
// chosen with two month and year pickers.
#include <cstddef>
#include <cstdio>

#include "app/build_profile.h"
#include "race/combo_fillers_win32.h"
#include "resources/database_dialog_ids.h"
#include "setup/database_dialog.h"
#include "setup/database_dialog_rules.h"
#include "setup/database_dialogs.h"

namespace {

using namespace dbdialog;

AgeCategoriesTable categories;

const FieldBinding kFields[] = {
    {3307, offsetof(AgeCategoryRecord, name), sizeof(AgeCategoryRecord::name), 18, FieldKind::UnderscoredEdit}};

const LabelText kLabels[] = {
    {3316, Text::DbAgesTitle}, {3319, Text::DbAgesCount}, {IDC_DB_LABEL_NEW, Text::DbNew},
    {IDC_DB_LABEL_ID, Text::DbId}, {3301, Text::DbAdd}, {3302, Text::DbRemove},
    {3314, Text::DbImport}, {3315, Text::DbExport}, {IDOK, Text::DbOk}, {IDCANCEL, Text::DbCancel},
    {IDC_DB_LABEL_1, Text::DbAgeName}, {IDC_DB_LABEL_2, Text::DbBornBetween},
    {IDC_DB_LABEL_3, Text::DbBornAnd}};
const int kBold[] = {3316, 3319, 3306, 3312, 3313};

// One bound: its month and year pickers and its years text.
void ShowBound(HWND dialog, int months, int monthCombo, int yearCombo, int yearsText) {
  SendDlgItemMessageA(dialog, yearCombo, CB_SETCURSEL, months / 12, 0);
  SendDlgItemMessageA(dialog, monthCombo, CB_SETCURSEL, months % 12, 0);
  char text[64];
  std::snprintf(text, sizeof text, Tr(Text::DbYears), YearsSince(months, CurrentMonthCount()));
  SetDlgItemTextA(dialog, yearsText, text);
}

void FillCombos(HWND dialog) {
  FillMonthsCombo(GetDlgItem(dialog, 3308));
  FillYearsCombo(GetDlgItem(dialog, 3309));
  FillMonthsCombo(GetDlgItem(dialog, 3310));
  FillYearsCombo(GetDlgItem(dialog, 3311));
}

void ShowDerived(HWND dialog, int index) {
  const AgeCategoryRecord& category = categories[static_cast<std::size_t>(index)];
  ShowBound(dialog, category.bornFrom, 3308, 3309, 3312);
  ShowBound(dialog, category.bornTo, 3310, 3311, 3313);
}

bool Command(HWND dialog, int index, int control, int code) {
  if (control < 3308 || control > 3311 || code != CBN_SELCHANGE) return false;
  if (index < 0) return true;
  AgeCategoryRecord& category = categories[static_cast<std::size_t>(index)];
  if (control <= 3309) {
    ChooseLowerBound(&category, MonthCount(ComboSelection(dialog, 3308), ComboSelection(dialog, 3309)));
    ShowBound(dialog, category.bornFrom, 3308, 3309, 3312);
  } else {
    ChooseUpperBound(&category, MonthCount(ComboSelection(dialog, 3310), ComboSelection(dialog, 3311)));
    ShowBound(dialog, category.bornTo, 3310, 3311, 3313);
  }
  return true;
}

TableView View() { return AgeCategoriesView(&categories); }
KeyRules Rules() { return AgeCategoryKeyRules(ActiveProfile().language == Language::French); }
bool Read(ReadCounts* counts) { return ReadAgeCategoriesDatabase(&categories, counts); }
bool Import(const char* path, ReadCounts* counts) { return ImportAgeCategoriesDatabase(path, &categories, counts); }
bool Write(const char* path, int count) { return WriteAgeCategoriesDatabase(path, categories, count); }

const DialogSpec kSpec = {
    Text::DbAgesCaption, kLabels, sizeof kLabels / sizeof *kLabels, kBold, sizeof kBold / sizeof *kBold,
    3304, 3303, 3305, 3306, 3301, 3302, 3314, 3315, 2, kFields, 1,
    View, Rules, /*minimumToRemove=*/1, /*fixedList=*/false, /*selectFirstAfterAdd=*/false,
    /*removeThenAdd=*/true, /*keepsFolder=*/true, kAgeCategoriesDatabaseFile, Read, Import, Write,
    Text::DbAgesMissing, Text::DbAgesImportFailed, Text::DbAgesExportFailed,
    Text::DbAgesFilter, "*.bda2", kAgeCategoriesExportExtension, nullptr, FillCombos, nullptr,
    ShowDerived, Command};

}  // namespace

INT_PTR CALLBACK AgeCategoriesDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  return HandleDatabaseDialog(kSpec, dialog, message, wParam, lParam);
}
