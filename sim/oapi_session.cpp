// Simulation time, time acceleration and the camera.
#include <cmath>

#include "world.h"

double oapiGetSimTime() {
    sim::World* w = sim::activeWorld();
    return w != nullptr ? w->simTime : 0.0;
}

double oapiGetSimStep() {
    sim::World* w = sim::activeWorld();
    return w != nullptr ? w->simStep : 0.0;
}

double oapiGetSimMJD() {
    sim::Simulation* s = sim::activeSimulation();
    return s != nullptr ? s->mjd() : 0.0;
}

double oapiGetTimeAcceleration() {
    sim::World* w = sim::activeWorld();
    return w != nullptr ? w->timeAcceleration : 1.0;
}

void oapiSetTimeAcceleration(double warp) {
    if (sim::Simulation* s = sim::activeSimulation()) s->setTimeAcceleration(warp);
}

bool oapiCameraInternal() {
    sim::World* w = sim::activeWorld();
    return w != nullptr && w->cameraInternal;
}

void oapiCameraSetCockpitDir(double polar, double azimuth, bool) {
    sim::World* w = sim::activeWorld();
    if (w == nullptr || !w->cameraInternal) return;
    // Angles are kept normalised to -π .. π.
    w->cockpitPolar = std::remainder(polar, PI2);
    w->cockpitAzimuth = std::remainder(azimuth, PI2);
}
