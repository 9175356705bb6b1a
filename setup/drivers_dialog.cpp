// The drivers database: birthday pickers with the derived age category, team and car
// taken from their databases, the six-digit transponder and the photo.
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

DriversTable drivers;
AgeCategoriesTable ageCategories;
int currentMonths = 0;
bool clubsListed = false;
bool carsListed = false;

#define FIELD(member, control, limit, kind) \
  {control, offsetof(DriverRecord, member), sizeof(DriverRecord::member), limit, FieldKind::kind}
const FieldBinding kFields[] = {
    FIELD(address, 3407, 38, Edit),       FIELD(address2, 3408, 38, Edit),
    FIELD(zip, 3409, 13, Edit),           FIELD(location, 3410, 38, Edit),
    FIELD(country, 3411, 0, Combo),       FIELD(phone, 3412, 18, Edit),
    FIELD(email, 3413, 38, Edit),         FIELD(licenceNumber, 3417, 18, Edit),
    FIELD(team, 3418, 0, Combo),          FIELD(car, 3419, 0, Combo),
    FIELD(carNumber, 3420, 4, Edit),      FIELD(transponder, 3421, 6, Transponder)};
#undef FIELD

const LabelText kLabels[] = {
    {3424, Text::DbDriversTitle}, {3427, Text::DbDriversCount}, {IDC_DB_LABEL_NEW, Text::DbNew},
    {IDC_DB_LABEL_ID, Text::DbId}, {3401, Text::DbAdd}, {3402, Text::DbRemove},
    {3422, Text::DbImport}, {3423, Text::DbExport}, {IDOK, Text::DbOk}, {IDCANCEL, Text::DbCancel},
    {IDC_DB_LABEL_1, Text::DbAddress}, {IDC_DB_LABEL_2, Text::DbAddress2},
    {IDC_DB_LABEL_3, Text::DbZip}, {IDC_DB_LABEL_4, Text::DbLocation},
    {IDC_DB_LABEL_5, Text::DbCountry}, {IDC_DB_LABEL_6, Text::DbPhone},
    {IDC_DB_LABEL_7, Text::DbEmail}, {IDC_DB_LABEL_8, Text::DbBirthday},
    {IDC_DB_LABEL_9, Text::DbLicence}, {IDC_DB_LABEL_10, Text::DbTeam},
    {IDC_DB_LABEL_11, Text::DbCar}, {IDC_DB_LABEL_12, Text::DbCarNumber},
    {IDC_DB_LABEL_13, Text::DbTransponder}};
const int kBold[] = {3424, 3427, 3406, 3416};

const PictureArea kPhoto = {kDriverPhotoArea, 541, 31, 217, 148, {541, 31, 754, 179},
                            offsetof(DriverRecord, photoPath), sizeof(DriverRecord::photoPath)};

void ShowAgeCategory(HWND dialog, int months) {
  SetDlgItemTextA(dialog, 3416, AgeCategoryLabel(ageCategories, months).c_str());
}

void FillCombos(HWND dialog) {
  currentMonths = CurrentMonthCount();
  clubsListed = carsListed = false;
  if (!FillCountriesCombo(GetDlgItem(dialog, 3411))) ShowError(dialog, Text::DbCountriesMissing);
  clubsListed = FillClubsCombo(GetDlgItem(dialog, 3418)) != 0;
  if (!clubsListed) ShowError(dialog, Text::DbClubsMissing);
  carsListed = FillCarsCombo(GetDlgItem(dialog, 3419)) != 0;
  if (!carsListed) ShowError(dialog, Text::DbCarsMissing);
  FillMonthsCombo(GetDlgItem(dialog, 3414));
  FillYearsCombo(GetDlgItem(dialog, 3415));
  TableView ages = AgeCategoriesView(&ageCategories);
  ClearTable(ages);
  if (!ReadAgeCategoriesDatabase(&ageCategories)) ShowError(dialog, Text::DbAgesMissing);
}

void LoadCorrections(HWND dialog, bool) {
  CorrectBirthdays(&drivers, currentMonths);
  // A list that could not be filled says nothing about which teams or cars exist.
  if (clubsListed) {
    KeepListedValues(DriversView(&drivers), offsetof(DriverRecord, team), sizeof(DriverRecord::team),
                     ComboEntries(GetDlgItem(dialog, 3418), kMaxClubs));
  }
  if (carsListed) {
    KeepListedValues(DriversView(&drivers), offsetof(DriverRecord, car), sizeof(DriverRecord::car),
                     ComboEntries(GetDlgItem(dialog, 3419), kMaxCars));
  }
}

void ShowDerived(HWND dialog, int index) {
  int months = drivers[static_cast<std::size_t>(index)].birthdayMonths;
  SendDlgItemMessageA(dialog, 3415, CB_SETCURSEL, months / 12, 0);
  SendDlgItemMessageA(dialog, 3414, CB_SETCURSEL, months % 12, 0);
  ShowAgeCategory(dialog, months);
}

bool Command(HWND dialog, int index, int control, int code) {
  if ((control != 3414 && control != 3415) || code != CBN_SELCHANGE) return false;
  if (index < 0) return true;
  DriverRecord& driver = drivers[static_cast<std::size_t>(index)];
  driver.birthdayMonths = MonthCount(ComboSelection(dialog, 3414), ComboSelection(dialog, 3415));
  std::snprintf(driver.birthday, sizeof driver.birthday, "%d", driver.birthdayMonths);
  ShowAgeCategory(dialog, driver.birthdayMonths);
  return true;
}

TableView View() { return DriversView(&drivers); }
bool Read(ReadCounts* counts) { return ReadDriversDatabase(&drivers, counts); }
bool Import(const char* path, ReadCounts* counts) { return ImportDriversDatabase(path, &drivers, counts); }
bool Write(const char* path, int count) { return WriteDriversDatabase(path, drivers, count); }

const DialogSpec kSpec = {
    Text::DbDriversCaption, kLabels, sizeof kLabels / sizeof *kLabels, kBold, sizeof kBold / sizeof *kBold,
    3404, 3403, 3405, 3406, 3401, 3402, 3422, 3423, 38, kFields, sizeof kFields / sizeof *kFields,
    View, DriverKeyRules, /*minimumToRemove=*/2, /*fixedList=*/false, /*selectFirstAfterAdd=*/false,
    /*removeThenAdd=*/true, /*keepsFolder=*/true, kDriversDatabaseFile, Read, Import, Write,
    Text::DbDriversMissing, Text::DbDriversImportFailed, Text::DbDriversExportFailed,
    Text::DbDriversFilter, "*.bdp2", kDriversExportExtension, &kPhoto, FillCombos, LoadCorrections,
    ShowDerived, Command};

}  // namespace

INT_PTR CALLBACK DriversDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  return HandleDatabaseDialog(kSpec, dialog, message, wParam, lParam);
}
