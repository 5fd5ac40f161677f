// A communications satellite of about three tonnes: the sample payload that Arvex vehicles
// carry into orbit and release.
#pragma once

#include "orbitersdk.h"

class Arvex_Satellite final : public VESSEL3 {
  public:
    Arvex_Satellite(OBJHANDLE hVessel, int flightModel);

    void clbkSetClassCaps(FILEHANDLE cfg) override;
};
