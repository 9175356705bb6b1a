// Entry of the three programs; each links one program_*.cpp that names its build.
#include <windows.h>

#include "app/build_profile.h"
#include "race/startup.h"

const BuildProfile& ProgramBuild();
// Installs what only this program links.
void UseProgramLibraries();

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  SetActiveProfile(ProgramBuild());
  UseProgramLibraries();
  if (!StartProgram(instance)) return 0;
  return RunMessageLoop();
}
