#include "app/build_profile.h"

const BuildProfile& ProgramBuild() { return kFrenchBuild; }

// This program links libcurl alone: it has no JPEG converter.
void UseProgramLibraries() {}
