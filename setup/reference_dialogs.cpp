// The car categories, championships, clubs and cars databases, and the two small lists:
// radio frequencies and the club's transponder sets. Each is the shared dialog with its
// own fields.
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

template <typename T, std::size_t N>
constexpr int CountOf(const T (&)[N]) {
  return static_cast<int>(N);
}

#define FIELD(Record, member, control, limit, kind) \
  {control, offsetof(Record, member), sizeof(Record::member), limit, FieldKind::kind}

// Car categories.
CarCategoriesTable carCategories;
const FieldBinding kCarCategoryFields[] = {
    FIELD(CarCategoryRecord, quickDescription, 3007, 98, Edit),
    FIELD(CarCategoryRecord, characteristics, 3008, 398, MultiLineEdit)};
const LabelText kCarCategoryLabels[] = {
    {3011, Text::DbCarCategoriesTitle}, {3014, Text::DbCarCategoriesCount}, {IDC_DB_LABEL_NEW, Text::DbNew},
    {IDC_DB_LABEL_ID, Text::DbId}, {3001, Text::DbAdd}, {3002, Text::DbRemove},
    {3009, Text::DbImport}, {3010, Text::DbExport}, {IDOK, Text::DbOk}, {IDCANCEL, Text::DbCancel},
    {IDC_DB_LABEL_1, Text::DbQuickDescription}, {IDC_DB_LABEL_2, Text::DbCharacteristics}};
const int kCarCategoryBold[] = {3011, 3014, 3006};
TableView CarCategoryView() { return CarCategoriesView(&carCategories); }
KeyRules CarCategoryRules() { return CarCategoryKeyRules(ActiveProfile().language == Language::French); }
bool ReadCarCategories(ReadCounts* counts) { return ReadCarCategoriesDatabase(&carCategories, counts); }
bool ImportCarCategories(const char* path, ReadCounts* counts) { return ImportCarCategoriesDatabase(path, &carCategories, counts); }
bool WriteCarCategories(const char* path, int count) {
  return WriteCarCategoriesDatabase(path, carCategories, count);
}
const DialogSpec kCarCategories = {
    Text::DbCarCategoriesCaption, kCarCategoryLabels, CountOf(kCarCategoryLabels), kCarCategoryBold,
    CountOf(kCarCategoryBold), 3004, 3003, 3005, 3006, 3001, 3002, 3009, 3010, 48, kCarCategoryFields,
    CountOf(kCarCategoryFields), CarCategoryView, CarCategoryRules, 1, false, false, true, true,
    kCarCategoriesDatabaseFile, ReadCarCategories, ImportCarCategories, WriteCarCategories,
    Text::DbCarCategoriesMissing, Text::DbCarCategoriesImportFailed, Text::DbCarCategoriesExportFailed,
    Text::DbCarCategoriesFilter, "*.bds2", kCarCategoriesExportExtension, nullptr, nullptr, nullptr,
    nullptr, nullptr};

// Championships.
ChampionshipsTable championships;
const FieldBinding kChampionshipFields[] = {
    FIELD(ChampionshipRecord, quickDescription, 3507, 98, MultiLineEdit)};
const LabelText kChampionshipLabels[] = {
    {3510, Text::DbChampionshipsTitle}, {3513, Text::DbChampionshipsCount}, {IDC_DB_LABEL_NEW, Text::DbNew},
    {IDC_DB_LABEL_ID, Text::DbId}, {3501, Text::DbAdd}, {3502, Text::DbRemove},
    {3508, Text::DbImport}, {3509, Text::DbExport}, {IDOK, Text::DbOk}, {IDCANCEL, Text::DbCancel},
    {IDC_DB_LABEL_1, Text::DbQuickDescription}};
const int kChampionshipBold[] = {3510, 3513, 3902};
TableView ChampionshipView() { return ChampionshipsView(&championships); }
bool ReadChampionships(ReadCounts* counts) { return ReadChampionshipsDatabase(&championships, counts); }
bool ImportChampionships(const char* path, ReadCounts* counts) { return ImportChampionshipsDatabase(path, &championships, counts); }
bool WriteChampionships(const char* path, int count) {
  return WriteChampionshipsDatabase(path, championships, count);
}
const DialogSpec kChampionships = {
    Text::DbChampionshipsCaption, kChampionshipLabels, CountOf(kChampionshipLabels), kChampionshipBold,
    CountOf(kChampionshipBold), 3504, 3503, 3505, 3902, 3501, 3502, 3508, 3509, 18, kChampionshipFields,
    CountOf(kChampionshipFields), ChampionshipView, ChampionshipKeyRules, 1, false, false, true, true,
    kChampionshipsDatabaseFile, ReadChampionships, ImportChampionships, WriteChampionships,
    Text::DbChampionshipsMissing, Text::DbChampionshipsImportFailed, Text::DbChampionshipsExportFailed,
    Text::DbChampionshipsFilter, "*.bdch2", kChampionshipsExportExtension, nullptr, nullptr, nullptr,
    nullptr, nullptr};

// Clubs and teams.
ClubsTable clubs;
const FieldBinding kClubFields[] = {
    FIELD(ClubRecord, fullName, 3207, 38, Edit), FIELD(ClubRecord, address, 3208, 38, Edit),
    FIELD(ClubRecord, address2, 3209, 38, Edit), FIELD(ClubRecord, zip, 3210, 13, Edit),
    FIELD(ClubRecord, location, 3211, 38, Edit), FIELD(ClubRecord, country, 3212, 0, Combo),
    FIELD(ClubRecord, phone, 3213, 18, Edit),    FIELD(ClubRecord, email, 3214, 38, Edit)};
const LabelText kClubLabels[] = {
    {3217, Text::DbClubsTitle}, {3220, Text::DbClubsCount}, {IDC_DB_LABEL_NEW, Text::DbNew},
    {IDC_DB_LABEL_ID, Text::DbId}, {3201, Text::DbAdd}, {3202, Text::DbRemove},
    {3215, Text::DbImport}, {3216, Text::DbExport}, {IDOK, Text::DbOk}, {IDCANCEL, Text::DbCancel},
    {IDC_DB_LABEL_1, Text::DbFullName}, {IDC_DB_LABEL_2, Text::DbAddress},
    {IDC_DB_LABEL_3, Text::DbAddress2}, {IDC_DB_LABEL_4, Text::DbZip},
    {IDC_DB_LABEL_5, Text::DbLocation}, {IDC_DB_LABEL_6, Text::DbCountry},
    {IDC_DB_LABEL_7, Text::DbPhone}, {IDC_DB_LABEL_8, Text::DbEmail}};
const int kClubBold[] = {3217, 3220, 3206};
TableView ClubView() { return ClubsView(&clubs); }
bool ReadClubs(ReadCounts* counts) { return ReadClubsDatabase(&clubs, counts); }
bool ImportClubs(const char* path, ReadCounts* counts) { return ImportClubsDatabase(path, &clubs, counts); }
bool WriteClubs(const char* path, int count) { return WriteClubsDatabase(path, clubs, count); }
void FillClubCombos(HWND dialog) {
  if (!FillCountriesCombo(GetDlgItem(dialog, 3212))) ShowError(dialog, Text::DbCountriesMissing);
}
const DialogSpec kClubs = {
    Text::DbClubsCaption, kClubLabels, CountOf(kClubLabels), kClubBold, CountOf(kClubBold), 3204, 3203,
    3205, 3206, 3201, 3202, 3215, 3216, 13, kClubFields, CountOf(kClubFields), ClubView, ClubKeyRules,
    1, false, false, true, true, kClubsDatabaseFile, ReadClubs, ImportClubs, WriteClubs,
    Text::DbClubsMissing, Text::DbClubsImportFailed, Text::DbClubsExportFailed, Text::DbClubsFilter,
    "*.bdc2", kClubsExportExtension, nullptr, FillClubCombos, nullptr, nullptr, nullptr};

// Cars.
CarsTable cars;
bool carCategoriesListed = false;
const FieldBinding kCarFields[] = {
    FIELD(CarRecord, brand, 3107, 28, Edit), FIELD(CarRecord, model, 3108, 28, Edit),
    FIELD(CarRecord, category, 3109, 0, Combo)};
const LabelText kCarLabels[] = {
    {3112, Text::DbCarsTitle}, {3115, Text::DbCarsCount}, {IDC_DB_LABEL_NEW, Text::DbNew},
    {IDC_DB_LABEL_ID, Text::DbId}, {3101, Text::DbAdd}, {3102, Text::DbRemove},
    {3110, Text::DbImport}, {3111, Text::DbExport}, {IDOK, Text::DbOk}, {IDCANCEL, Text::DbCancel},
    {IDC_DB_LABEL_1, Text::DbBrand}, {IDC_DB_LABEL_2, Text::DbModel}, {IDC_DB_LABEL_3, Text::DbCategory}};
const int kCarBold[] = {3112, 3115, 3106};
const PictureArea kCarPicture = {kCarPictureArea, 480, 48, 220, 150, {481, 49, 699, 199},
                                 offsetof(CarRecord, imagePath), sizeof(CarRecord::imagePath)};
TableView CarView() { return CarsView(&cars); }
bool ReadCars(ReadCounts* counts) { return ReadCarsDatabase(&cars, counts); }
bool ImportCars(const char* path, ReadCounts* counts) { return ImportCarsDatabase(path, &cars, counts); }
bool WriteCars(const char* path, int count) { return WriteCarsDatabase(path, cars, count); }
void FillCarCombos(HWND dialog) {
  carCategoriesListed = FillCarCategoriesCombo(GetDlgItem(dialog, 3109)) != 0;
  if (!carCategoriesListed) ShowError(dialog, Text::DbCarCategoriesComboMissing);
}
void CorrectCarCategories(HWND dialog, bool opening) {
  // Only at opening, and only from a list that could be filled.
  if (!opening || !carCategoriesListed) return;
  KeepListedValues(CarView(), offsetof(CarRecord, category), sizeof(CarRecord::category),
                   ComboEntries(GetDlgItem(dialog, 3109), kMaxCarCategories));
}
const DialogSpec kCars = {
    Text::DbCarsCaption, kCarLabels, CountOf(kCarLabels), kCarBold, CountOf(kCarBold), 3104, 3103, 3105,
    3106, 3101, 3102, 3110, 3111, 28, kCarFields, CountOf(kCarFields), CarView, CarKeyRules, 1, false,
    false, true, true, kCarsDatabaseFile, ReadCars, ImportCars, WriteCars, Text::DbCarsMissing,
    Text::DbCarsImportFailed, Text::DbCarsExportFailed, Text::DbCarsFilter, "*.bdv2",
    kCarsExportExtension, &kCarPicture, FillCarCombos, CorrectCarCategories, nullptr, nullptr};

// Radio frequencies: a key list and nothing else.
FrequenciesTable frequencies;
const LabelText kFrequencyLabels[] = {
    {3706, Text::DbFrequenciesTitle}, {3709, Text::DbFrequenciesList}, {3707, Text::DbNew},
    {3708, Text::DbId}, {3701, Text::DbAdd}, {3702, Text::DbRemove}, {IDOK, Text::DbOk},
    {IDCANCEL, Text::DbCancel}};
const int kFrequencyBold[] = {3706, 3709};
TableView FrequencyView() { return FrequenciesView(&frequencies); }
bool ReadFrequencies(ReadCounts* counts) { return ReadFrequenciesDatabase(&frequencies, counts); }
bool WriteFrequencies(const char* path, int count) { return WriteFrequenciesFile(path, frequencies, count); }
const DialogSpec kFrequencies = {
    Text::DbFrequenciesCaption, kFrequencyLabels, CountOf(kFrequencyLabels), kFrequencyBold,
    CountOf(kFrequencyBold), 3704, 3703, 3705, 0, 3701, 3702, 0, 0, 6, nullptr, 0, FrequencyView,
    FrequencyKeyRules, 1, false, /*selectFirstAfterAdd=*/true, /*removeThenAdd=*/false,
    /*keepsFolder=*/false, kFrequenciesDatabaseFile, ReadFrequencies, nullptr, WriteFrequencies,
    Text::DbFrequenciesMissing, Text::DbFrequenciesMissing, Text::DbFrequenciesMissing,
    Text::DbFrequenciesTitle, "", "", nullptr, nullptr, nullptr, nullptr, nullptr};

// Transponder sets: 20 fixed sets whose numbers are edited.
TransponderSetsTable transponderSets;
constexpr FieldBinding Number(int k) {
  return {3603 + k, offsetof(TransponderSetRecord, transponder) + static_cast<std::size_t>(k) * 7, 7, 6,
          FieldKind::Edit};
}
const FieldBinding kTransponderFields[] = {
    Number(0),  Number(1),  Number(2),  Number(3),  Number(4),  Number(5),  Number(6),
    Number(7),  Number(8),  Number(9),  Number(10), Number(11), Number(12), Number(13),
    Number(14), Number(15), Number(16), Number(17), Number(18), Number(19)};
const LabelText kTransponderLabels[] = {
    {3623, Text::DbTranspondersTitle}, {3624, Text::DbTranspondersSets}, {IDOK, Text::DbOk},
    {IDCANCEL, Text::DbCancel}};
const int kTransponderBold[] = {3623, 3624, 3602};
TableView TransponderView() {
  return ViewOf(&transponderSets, offsetof(TransponderSetRecord, setName),
                sizeof(TransponderSetRecord::setName), nullptr, nullptr);
}
bool ReadTransponderSets(ReadCounts* counts) { return ReadTransponderSetsDatabase(&transponderSets, counts); }
bool WriteTransponderSets(const char* path, int) { return WriteTransponderSetsFile(path, transponderSets); }
void NumberLabels(HWND dialog) {
  for (int k = 1; k <= kTranspondersPerSet; ++k) {
    char text[64];
    std::snprintf(text, sizeof text, Tr(Text::DbTransponderNumber), k);
    SetDlgItemTextA(dialog, 3624 + k, text);
  }
}
const DialogSpec kTransponderSets = {
    Text::DbTranspondersCaption, kTransponderLabels, CountOf(kTransponderLabels), kTransponderBold,
    CountOf(kTransponderBold), 3601, 0, 0, 3602, 0, 0, 0, 0, 0, kTransponderFields,
    CountOf(kTransponderFields), TransponderView, ClubKeyRules, 1, /*fixedList=*/true, false, false,
    /*keepsFolder=*/false, kTransponderSetsDatabaseFile, ReadTransponderSets, nullptr,
    WriteTransponderSets, Text::DbTranspondersMissing, Text::DbTranspondersMissing,
    Text::DbTranspondersMissing, Text::DbTranspondersTitle, "", "", nullptr, NumberLabels, nullptr,
    nullptr, nullptr};

#undef FIELD

}  // namespace

INT_PTR CALLBACK CarCategoriesDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  return HandleDatabaseDialog(kCarCategories, dialog, message, wParam, lParam);
}
INT_PTR CALLBACK ChampionshipsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  // The Spanish program keeps no championships.
  if (message == WM_INITDIALOG && !ActiveProfile().championshipsDatabase) {
    EndDialog(dialog, 0);
    return TRUE;
  }
  return HandleDatabaseDialog(kChampionships, dialog, message, wParam, lParam);
}
INT_PTR CALLBACK ClubsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  return HandleDatabaseDialog(kClubs, dialog, message, wParam, lParam);
}
INT_PTR CALLBACK CarsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  return HandleDatabaseDialog(kCars, dialog, message, wParam, lParam);
}
INT_PTR CALLBACK FrequenciesDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  return HandleDatabaseDialog(kFrequencies, dialog, message, wParam, lParam);
}
INT_PTR CALLBACK TransponderSetsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  return HandleDatabaseDialog(kTransponderSets, dialog, message, wParam, lParam);
}
