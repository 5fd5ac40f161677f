// Physical parameters a module sets on its vessel.
#include <cmath>

#include "host_vessel.h"

void VESSEL::SetSize(double size) const {
    vessel->size = size;
}
double VESSEL::GetSize() const {
    return vessel->size;
}
void VESSEL::SetClipRadius(double rad) const {
    vessel->clipRadius = rad;
}
double VESSEL::GetClipRadius() const {
    return vessel->clipRadius > 0.0 ? vessel->clipRadius : vessel->size;
}
void VESSEL::SetEmptyMass(double m) const {
    vessel->emptyMass = m;
}
double VESSEL::GetEmptyMass() const {
    return vessel->emptyMass;
}
double VESSEL::GetMass() const {
    return vessel->mass();
}

void VESSEL::SetPMI(const VECTOR3& pmi) const {
    vessel->pmi = pmi;
    vessel->pmiSet = true;
}

void VESSEL::GetPMI(VECTOR3& pmi) const {
    pmi = vessel->effectivePmi();
}
void VESSEL::SetCrossSections(const VECTOR3& cs) const {
    vessel->crossSections = cs;
}
void VESSEL::GetCrossSections(VECTOR3& cs) const {
    cs = vessel->crossSections;
}
void VESSEL::SetRotDrag(const VECTOR3& rd) const {
    vessel->rotDrag = rd;
}
void VESSEL::GetRotDrag(VECTOR3& rd) const {
    rd = vessel->rotDrag;
}

void VESSEL::SetCW(double cw_z_pos, double cw_z_neg, double cw_x, double cw_y) const {
    vessel->cw = {cw_z_pos, cw_z_neg, cw_x, cw_y};
}

void VESSEL::SetTouchdownPoints(const VECTOR3& pt1, const VECTOR3& pt2, const VECTOR3& pt3) const {
    vessel->setThreePointTouchdown(pt1, pt2, pt3);
}

void VESSEL::SetTouchdownPoints(const TOUCHDOWNVTX* tdvtx, DWORD ntdvtx) const {
    // The host needs at least three points for the contact plane.
    if (tdvtx == nullptr || ntdvtx < 3) return;
    vessel->touchdownPoints.assign(tdvtx, tdvtx + ntdvtx);
}

double VESSEL::GetCOG_elev() const {
    const auto& p = vessel->touchdownPoints;
    const VECTOR3 mid = (p[1].pos + p[2].pos) * 0.5;
    const VECTOR3 normal = crossp(p[0].pos - mid, p[2].pos - p[1].pos);
    const double n = length(normal);
    // Distance of the origin (the centre of gravity) from the plane through the first three points.
    return n > 0.0 ? std::fabs(dotp(p[0].pos, normal)) / n : 0.0;
}

void VESSEL::SetCameraOffset(const VECTOR3& co) const {
    vessel->cameraOffset = co;
}
void VESSEL::GetCameraOffset(VECTOR3& co) const {
    co = vessel->cameraOffset;
}
void VESSEL::SetCameraDefaultDirection(const VECTOR3& cd) const {
    SetCameraDefaultDirection(cd, 0.0);
}

void VESSEL::SetCameraDefaultDirection(const VECTOR3& cd, double tilt) const {
    vessel->cameraDirection = cd;
    vessel->cameraTilt = tilt;
}

void VESSEL::GetCameraDefaultDirection(VECTOR3& cd) const {
    cd = vessel->cameraDirection;
}

void VESSEL::AddForce(const VECTOR3& F, const VECTOR3& r) const {
    vessel->extraForces.push_back({F, r});
}
