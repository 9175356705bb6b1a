// What each reference database dialog adds to the shared table logic: its table view, key
// rules, load corrections, derived displays and the writers of the two files that have no
// writer of their own in the storage layer.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "race/database_files.h"
#include "setup/database_dialog_model.h"

namespace dbdialog {

TableView DriversView(DriversTable* table);
TableView AgeCategoriesView(AgeCategoriesTable* table);
TableView CarCategoriesView(CarCategoriesTable* table);
TableView ChampionshipsView(ChampionshipsTable* table);
TableView ClubsView(ClubsTable* table);
TableView CarsView(CarsTable* table);
TableView FrequenciesView(FrequenciesTable* table);

// frenchChecks: the French build's refusal of anything but unaccented letters, digits and
// blanks in age-category codes and car-category names.
KeyRules DriverKeyRules();
KeyRules AgeCategoryKeyRules(bool frenchChecks);
KeyRules CarCategoryKeyRules(bool frenchChecks);
KeyRules ChampionshipKeyRules();
KeyRules ClubKeyRules();
KeyRules CarKeyRules();
KeyRules FrequencyKeyRules();

// A cleared age category: empty texts, isNew 1, both bounds January 1900.
void ClearAgeCategory(void* record);

// A month count (months since January 1900) from the month and year combo selections; a
// combo without a selection counts as index 0.
int MonthCount(int monthIndex, int yearIndex);
// Whole years from a month count to the current one (the age category's years text); a bound
// that a damaged file gave may be any int.
int YearsSince(int months, int currentMonths);

// Drivers: birthdayMonths from the birthday text (empty counts 0), 0 when outside
// 0 .. currentMonths, and the text rewritten as that number.
void CorrectBirthdays(DriversTable* table, int currentMonths);
// Empties the text field at fieldOffset of every record whose value is not one of listed
// (an empty field stays empty).
void KeepListedValues(const TableView& table, std::size_t fieldOffset, std::size_t fieldWidth,
                      const std::vector<std::string>& listed);
// The last age category with a code, in table order, whose range holds months, or nullptr.
const AgeCategoryRecord* AgeCategoryHolding(const AgeCategoriesTable& categories, int months);
// "<code> : <name>" of the last age category with a code, in table order, whose range
// holds months, or a single blank.
std::string AgeCategoryLabel(const AgeCategoriesTable& categories, int months);
// Stores the transponder only when it has exactly six characters; false otherwise.
bool StoreTransponder(char (&field)[7], const char* text);

// Age bounds: the bound being chosen is pulled back so that bornFrom <= bornTo holds.
void ChooseLowerBound(AgeCategoryRecord* category, int months);
void ChooseUpperBound(AgeCategoryRecord* category, int months);

// Stored texts of a name field that must not hold '-' (age category names).
void HyphensToUnderscores(char* text);

// One code per line ("%s\n") for codes 0 .. count - 1.
bool WriteFrequenciesFile(const char* path, const FrequenciesTable& table, int count);
// The 20 sets: name and 20 numbers, each "%s\t", then LF.
bool WriteTransponderSetsFile(const char* path, const TransponderSetsTable& table);

}  // namespace dbdialog
