// Airfoil coefficients of the launch vehicle's bodies (core vessel, upper stage, booster), in the
// host's airfoil-coefficient form. They keep no state; the vessel, Reynolds number and context
// are not used.
#pragma once

#include "orbitersdk.h"

// Body of the vehicle seen from the side: no lift, drag growing with the angle of attack aoa
// [rad] and with transonic wave drag at Mach number M.
void BodyAirfoilCoeff(VESSEL* v, double aoa, double M, double Re, void* context, double* cl,
                      double* cm, double* cd);

// Body seen in the other plane: no lift, constant drag plus a small wave drag.
void SideAirfoilCoeff(VESSEL* v, double aoa, double M, double Re, void* context, double* cl,
                      double* cm, double* cd);
