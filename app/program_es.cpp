#include "app/build_profile.h"

const BuildProfile& ProgramBuild() { return kSpanishBuild; }
