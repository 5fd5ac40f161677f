// The state of the "Tessaron control" mode, one copy for the whole module and shared by every
// open instance: the page shown, the connected launcher, and the status records that carry a
// vessel's page and launcher from one instance of the mode to the next.
#pragma once

#include <string>
#include <vector>

#include "orbitersdk.h"

class Arvex;
class Arvex_MFD;

constexpr int kFlightDataPage = 1;
constexpr int kSelectionPage = 2;

struct MfdStatusRecord {
    int page;
    VESSEL* vessel;
    Arvex* launcher;
    OBJHANDLE launcherHandle;  // tells whether the launcher is still there when recalled
};

struct MfdModuleState {
    int currentPage = 0;
    VESSEL* ownVessel = nullptr;  // the vessel the mode was opened on most recently
    Arvex* launcher = nullptr;
    // The launcher's vessel; handles are never reused, so a handle the host no longer knows
    // as a vessel means the launcher has been deleted.
    OBJHANDLE launcherHandle = nullptr;
    bool launcherLost = false;  // the last launcher left the simulation while connected
    int modeId = 0;
    std::vector<MfdStatusRecord> statusRecords;  // at most one per vessel, never removed
    std::string textBuffer;                      // every formatted value goes through it
    std::vector<std::string> launcherNames;
    // Instances alive now: an input box may answer after the instance that opened it is gone.
    std::vector<Arvex_MFD*> openInstances;
};

// Created empty on first use, released when the module is unloaded.
MfdModuleState& ModuleState();

// The connected launcher, or null. A launcher whose vessel has left the simulation is dropped
// here, before anything can call it: no launcher, the selection page, and a notice.
Arvex* LiveLauncher();

// Connects `launcher` (null: none) whose vessel is `handle`.
void ConnectLauncher(Arvex* launcher, OBJHANDLE handle);

// The instance `candidate` points to while it is open, otherwise null.
Arvex_MFD* OpenInstance(void* candidate);
