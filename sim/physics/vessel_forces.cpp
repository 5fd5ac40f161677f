#include "vessel_forces.h"

#include "thruster_levels.h"

namespace sim::physics {
namespace {

// Returns whether any thruster produced thrust.
bool AddThrust(const HostVessel& vessel, double pressure, Load& load) {
    bool firing = false;
    for (const auto& th : vessel.thrusters) {
        const double thrust = th->max0 * th->effectiveLevel * pressureScale(*th, pressure);  // [N]
        if (thrust <= 0.0) continue;
        load.AddForceAt(th->dir * thrust, th->pos);
        firing = true;
    }
    return firing;
}

// Returns whether any of the forces is non-zero.
bool AddExtraForces(const HostVessel& vessel, Load& load) {
    bool any = false;
    for (const ExtraForce& f : vessel.extraForces) {
        load.AddForceAt(f.force, f.point);
        any = any || length(f.force) > 0.0;
    }
    return any;
}

AirfoilCoefficients Coefficients(HostVessel& vessel, const AirfoilRecord& airfoil, double angle,
                                 double mach, double reynolds) {
    AirfoilCoefficients c;
    if (airfoil.functionEx != nullptr) {
        airfoil.functionEx(vessel.iface, angle, mach, reynolds, airfoil.context, &c.cl, &c.cm,
                           &c.cd);
    } else if (airfoil.function != nullptr) {
        airfoil.function(angle, mach, reynolds, &c.cl, &c.cm, &c.cd);
    }
    return c;
}

void AddAerodynamics(HostVessel& vessel, const SurfaceRecord& rec, double mass, double dt,
                     Load& load) {
    Airflow air;
    air.v_B = rec.airspeed_B;
    air.density = rec.air.density;
    air.dynamic_pressure = rec.dynamic_pressure;
    air.mach = rec.mach;
    if (vessel.airfoils.empty()) {
        const DragCoefficients cw{vessel.cw[0], vessel.cw[1], vessel.cw[2], vessel.cw[3]};
        AddBodyDragLoad(load, air, vessel.crossSections, cw);
        return;
    }
    if (!AirfoilsApply(air)) return;
    for (const auto& airfoil : vessel.airfoils) {
        const double angle = AirfoilAngle(airfoil->align, air.v_B);
        const double reynolds = ReynoldsNumber(air.density, rec.airspeed, airfoil->c);
        const AirfoilShape shape{airfoil->align, airfoil->ref, airfoil->c, airfoil->S};
        AddAirfoilLoad(load, shape, Coefficients(vessel, *airfoil, angle, rec.mach, reynolds), air,
                       vessel.crossSections);
    }
    for (const DragElementRecord& element : vessel.dragElements) {
        if (element.drag != nullptr)
            AddDragElementLoad(load, *element.drag, element.factor, element.ref, air);
    }
    load.torque_B += RotationalDamping(vessel.body.omega_B, vessel.rotDrag, vessel.crossSections.y,
                                       vessel.effectivePmi(), mass, air, dt);
}

}  // namespace

MotionInputs GatherForces(HostVessel& vessel, const SurfaceRecord& air, double dt) {
    MotionInputs in;
    in.mass = {vessel.mass(), vessel.effectivePmi()};
    in.thrust_engaged = AddThrust(vessel, air.in_atmosphere ? air.air.pressure : 0.0, in.load);
    in.force_active = AddExtraForces(vessel, in.load) || in.thrust_engaged;
    if (!vessel.body.landed && air.in_atmosphere)
        AddAerodynamics(vessel, air, in.mass.mass, dt, in.load);
    vessel.lift = in.load.lift;
    vessel.drag = in.load.drag;
    return in;
}

}  // namespace sim::physics
