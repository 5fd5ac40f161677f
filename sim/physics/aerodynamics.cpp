#include "aerodynamics.h"

#include <algorithm>
#include <cmath>

namespace sim::physics {
namespace {

constexpr double kDampingSpeedMargin = 30.0;  // added to the airspeed for rotational damping [m/s]

// Reference area when the airfoil gives none: the cross sections the airflow sees. The host
// takes the z section for both terms of a horizontal airfoil; so does this model.
double ProjectedArea(AIRFOIL_ORIENTATION align, const VECTOR3& drag_dir, const VECTOR3& cs) {
    const double side =
        align == LIFT_HORIZONTAL ? std::fabs(drag_dir.x) * cs.z : std::fabs(drag_dir.y) * cs.y;
    return std::fabs(drag_dir.z) * cs.z + side;
}

}  // namespace

void Load::AddForceAt(const VECTOR3& force, const VECTOR3& point) {
    force_B += force;
    torque_B += crossp(force, point);
}

double AirfoilAngle(AIRFOIL_ORIENTATION align, const VECTOR3& v) {
    return align == LIFT_HORIZONTAL ? std::atan2(-v.x, v.z) : std::atan2(-v.y, v.z);
}

double ReynoldsNumber(double density, double speed, double chord) {
    return density * speed * chord / kAirViscosity;
}

void AddAirfoilLoad(Load& load, const AirfoilShape& shape, const AirfoilCoefficients& coeff,
                    const Airflow& air, const VECTOR3& cross_sections) {
    const VECTOR3& v = air.v_B;
    const VECTOR3 drag_dir = -unit(v);
    const double area =
        shape.area != 0.0 ? shape.area : ProjectedArea(shape.align, drag_dir, cross_sections);
    const double q_area = air.dynamic_pressure * area;
    const bool horizontal = shape.align == LIFT_HORIZONTAL;
    const VECTOR3 lift_dir = horizontal ? unit(_V(v.z, 0, -v.x)) : unit(_V(0, v.z, -v.y));
    const double lift = coeff.cl * q_area;
    const double drag = coeff.cd * q_area;
    load.AddForceAt(lift_dir * lift + drag_dir * drag, shape.ref);
    const double moment = coeff.cm * air.dynamic_pressure * shape.area * shape.chord;
    (horizontal ? load.torque_B.y : load.torque_B.x) += moment;
    if (!horizontal) load.lift += lift;
    load.drag += drag;
}

void AddDragElementLoad(Load& load, double drag, double factor, const VECTOR3& ref,
                        const Airflow& air) {
    if (length(air.v_B) == 0.0) return;
    const double d = drag * factor * air.dynamic_pressure;
    load.AddForceAt(-unit(air.v_B) * d, ref);
    load.drag += d;
}

void AddBodyDragLoad(Load& load, const Airflow& air, const VECTOR3& cs,
                     const DragCoefficients& cw) {
    if (length(air.v_B) == 0.0) return;
    const VECTOR3 dir = unit(air.v_B);
    const double cw_z = dir.z > 0.0 ? cw.z_pos : cw.z_neg;
    const double d = air.dynamic_pressure * 0.5 *
                     (cs.x * cw.x * std::fabs(dir.x) + cs.y * cw.y * std::fabs(dir.y) +
                      cs.z * cw_z * std::fabs(dir.z));
    load.force_B += -dir * d;
    load.drag += d;
}

VECTOR3 RotationalDamping(const VECTOR3& omega, const VECTOR3& rot_drag, double cross_section_y,
                          const VECTOR3& pmi, double mass, const Airflow& air, double dt) {
    const double speed = length(air.v_B) + kDampingSpeedMargin;
    const double q = 0.5 * air.density * speed * speed;
    VECTOR3 torque;
    for (int k = 0; k < 3; ++k) {
        const double coefficient =
            std::min(q * cross_section_y * rot_drag.data[k], pmi.data[k] * mass / dt);
        torque.data[k] = -coefficient * omega.data[k];
    }
    return torque;
}

}  // namespace sim::physics
