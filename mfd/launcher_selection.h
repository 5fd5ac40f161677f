// Finding launchers: the core vessels of the simulation, recognised by their answer to the
// core's probe message, listed by name for the selection page.
#pragma once

#include "orbitersdk.h"

class Arvex;

// The core vessel behind `vessel`, or null when the host gives no VESSEL3 interface for it or
// it does not answer the probe.
Arvex* AsLauncher(OBJHANDLE vessel);

// Lists the names of all launchers in the host's vessel order.
void RebuildLauncherList();

// Handler of the "Launcher Name:" input box: connects the launcher of that name, if any, and
// stays on the selection page. Closes the box in every case.
bool LauncherNameEntered(void* box, char* text, void* userData);
