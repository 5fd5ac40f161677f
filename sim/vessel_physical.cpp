// Physical parameters a module sets on its vessel.
#include <cmath>
#include <initializer_list>

#include "host_vessel.h"
#include "world.h"

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

namespace {

// A contact hull beyond the range of numbers (a module turning an absurd offset into single
// precision gives infinite points) would place the vessel nowhere, and its saved scenario could
// not be read again: the host keeps the points it had and says so.
bool finitePoints(const sim::HostVessel& vessel, std::initializer_list<VECTOR3> points) {
    for (const VECTOR3& p : points) {
        if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.z)) {
            if (sim::World* w = sim::activeWorld())
                w->warn("vessel \"" + vessel.name +
                        "\": touchdown points that are not finite are ignored");
            return false;
        }
    }
    return true;
}

}  // namespace

void VESSEL::SetTouchdownPoints(const VECTOR3& pt1, const VECTOR3& pt2, const VECTOR3& pt3) const {
    if (finitePoints(*vessel, {pt1, pt2, pt3})) vessel->setThreePointTouchdown(pt1, pt2, pt3);
}

void VESSEL::SetTouchdownPoints(const TOUCHDOWNVTX* tdvtx, DWORD ntdvtx) const {
    // The host needs at least three points for the contact plane.
    if (tdvtx == nullptr || ntdvtx < 3) return;
    for (DWORD i = 0; i < ntdvtx; ++i) {
        if (!finitePoints(*vessel, {tdvtx[i].pos})) return;
    }
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
