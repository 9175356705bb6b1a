#include "app/build_profile.h"

const BuildProfile& ProgramBuild() { return kSpanishBuild; }

// This program links libcurl alone: it has no JPEG converter.
void UseProgramLibraries() {}
