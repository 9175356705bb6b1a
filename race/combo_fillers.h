// The strings the combo fillers put into combo boxes, collected from the reference files in
// file order (race/combo_fillers_win32.h adds them to a combo box). Whether a list shows
// them sorted is the combo box's own style.
#pragma once

#include <string>
#include <vector>

using ComboStrings = std::vector<std::string>;

// The key (first field) of each record of a database file: the records are counted by their
// fields, so a multi-line last field never passes for a record of its own. At most the
// table's capacity of keys is collected. False (and nothing collected) when the file cannot
// be opened.
bool CollectCarCategoryNames(ComboStrings* strings);  // "BaseDonnéesCategories.bd"
bool CollectClubKeys(ComboStrings* strings);          // "BaseDonnéesClubs.bd"
bool CollectCarNames(ComboStrings* strings);          // "BaseDonnéesVoitures.bd"
bool CollectChampionshipNames(ComboStrings* strings);  // "BaseDonnéesChampionnats.bd"
// Each line of "BaseDonnéesPays.bd", for at most 208 lines.
bool CollectCountryNames(ComboStrings* strings);

// January to December in the build's language: the index is the month index 0..11.
void CollectMonthNames(ComboStrings* strings);
// "1900" up to and including currentYear: the index is the year - 1900.
void CollectYears(int currentYear, ComboStrings* strings);
