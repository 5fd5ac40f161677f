// The host's drag-coefficient helpers offered to airfoil coefficient functions.
#include <cmath>

#include "orbiter_api.h"

double oapiGetInducedDrag(double cl, double A, double e) {
    return cl * cl / (PI * A * e);
}

double oapiGetWaveDrag(double M, double M1, double M2, double M3, double cmax) {
    if (M < M1) return 0.0;
    if (M < M2) return cmax * (M - M1) / (M2 - M1);
    if (M < M3) return cmax;
    return cmax * std::sqrt((M3 * M3 - 1.0) / (M * M - 1.0));
}
