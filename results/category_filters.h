// The category filters of the classifications: "All" is stored as the one word below,
// whatever the build's language; titles, painters and publishing checks compare with it.
#pragma once

inline constexpr const char* kAllCategories = "Toutes";
inline constexpr int kCarFilterSize = 50;
inline constexpr int kAgeFilterSize = 26;
