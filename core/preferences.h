// The preferences file beside the simulator, which lists the payload fairings. It is read with
// the private-profile reader at every use and never written.
#pragma once

#include "orbitersdk.h"
#include "win_services.h"

// Sets prefsPath to the current directory followed by the preferences file name. When the two do
// not fit, prefsPath is left empty: a cut path could name another file, and an empty one simply
// finds no preferences.
void BuildPrefsPath(char (&prefsPath)[MAX_PATH]);
