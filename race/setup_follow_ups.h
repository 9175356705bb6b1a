// What the main window does with the event file after the track details and start order
// dialogs have written it, without the windows.
#pragma once

#include "platform/message_box.h"
#include "race/main_state.h"

// After the track details: the event's international mark is read again and every rally's
// participants take the team of the drivers database again (the flag code of the driver's
// country in an international event); each participants section is rewritten in place, a
// rally without one is left alone. The work is done on a private table: afterwards the
// loaded stage's participants are read again and its display rows take their teams.
void RefreshTeamsAfterTrackDetails(platform::WindowHandle owner, MainState& state);

// After the start order: the header line is read again, the loaded stage's results flag is
// brought up to date, and the label of the current rally's start order is read again. The
// loaded stage itself is left as it is: a new order applies at the next stage load. True
// when the current rally's number of special stages changed.
bool ReloadAfterStartOrderDialog(platform::WindowHandle owner, MainState& state);
