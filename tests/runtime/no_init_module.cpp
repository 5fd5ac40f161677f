// A module that loads but defines no vessel class (no ovcInit), for the runtime's tests.
#include "orbitersdk.h"

DLLCLBK void InitModule(HINSTANCE) {}
