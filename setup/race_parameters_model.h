// The decisions of the race parameters dialog: which rally it edits, what it reads of the
// rally's two parameter sections and how it writes them back.
#pragma once

#include "platform/message_box.h"
#include "platform/text_file.h"
#include "race/event_records.h"

struct RaceParametersDialogData {
  RallyParameters parameters;
  int selectedNode;
  int rallyCount;
  char rallyName[kRallyNameSize];
};

// Reads the two parameter sections of a rally from an open event file; what is missing keeps
// its value. The start type is read only by the builds that have start types. Values a
// damaged section gives are brought within what the dialog's edits accept.
void ReadRallyParameterSections(platform::TextFile& file, int rally, RallyParameters* parameters);

// Defaults, then the working event file: header, rally name and the parameter sections.
// Shows "Error : File of the rally not found" when the file cannot be opened.
RaceParametersDialogData LoadRaceParameters(platform::WindowHandle owner);

// The rally the data names, or 0 when the selected node is outside 1..rally count.
int EditedRally(const RaceParametersDialogData& data);

// Writes "CourseRallye%dParamètres" and, in the builds with start types,
// "CourseRallye%dParamètres2". Nothing is written when the file cannot be opened (the
// message is shown) or the rally is not one of the event. True when everything was written.
bool SaveRaceParameters(platform::WindowHandle owner, const RaceParametersDialogData& data);
