#include <windows.h>

#include "app/build_profile.h"
#include "race/main_window_actions.h"
#include "race/race_controls_layout.h"
#include "race/startup.h"

void CreateRaceControls(HWND window, int screenWidth, int screenHeight) {
  for (const RaceControlSpec& c : RaceControlLayout(screenWidth, screenHeight)) {
    const char* cls = c.kind == ControlClass::Button ? "BUTTON" : c.kind == ControlClass::Edit ? "EDIT" : "COMBOBOX";
    // The clock and the countdown are painted inside their group boxes: those must not clip
    // them out of the main window's painting.
    DWORD exStyle = c.kind == ControlClass::Button && (c.style & BS_TYPEMASK) == BS_GROUPBOX ? WS_EX_TRANSPARENT : 0;
    CreateWindowExA(exStyle, cls, Tr(c.text), c.style, c.x, c.y, c.width, c.height, window,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), ProgramInstance(), nullptr);
  }
}
