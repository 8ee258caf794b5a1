#pragma once
// When the program asks which switch to manage: a start that names no switch and is not run
// by a script. The platform and scripts name the switch with "/N" "/I" "/R" "/W" and never see
// the dialog; the demo manages its own switch; a run that prints, takes screenshots or quits by
// itself is a script's, and must not wait for an answer nobody gives.

#include "module/app/ProgramOptions.h"

bool ShowsStartDialog(const ProgramOptions& options);
