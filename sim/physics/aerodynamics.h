// The host's aerodynamic model: airfoils with module-supplied coefficients, variable drag
// elements and rotational damping, plus the simple drag of vessels without airfoils.
#pragma once

#include "orbiter_api.h"

namespace sim::physics {

// The air as a vessel meets it.
struct Airflow {
    VECTOR3 v_B{};                  // the vessel's velocity through the air, vessel axes [m/s]
    double density = 0.0;           // [kg/m^3]
    double dynamic_pressure = 0.0;  // [Pa]
    double mach = 0.0;
};

// Forces and torques about the centre of gravity, vessel axes.
struct Load {
    VECTOR3 force_B{};   // [N]
    VECTOR3 torque_B{};  // [N m]
    double lift = 0.0;   // magnitude of the vertical airfoils' lift [N]
    double drag = 0.0;   // magnitude of all drag [N]

    // A force acting at a point (vessel axes): torque crossp(F, r) in the host's sense.
    void AddForceAt(const VECTOR3& force, const VECTOR3& point);
};

struct AirfoilShape {
    AIRFOIL_ORIENTATION align = LIFT_VERTICAL;
    VECTOR3 ref{};       // centre of pressure, vessel axes [m]
    double chord = 0.0;  // [m]
    double area = 0.0;   // reference area [m^2]; 0: projected cross sections
};

struct AirfoilCoefficients {
    double cl = 0.0, cm = 0.0, cd = 0.0;
};

inline constexpr double kAirViscosity = 1.7894e-5;  // dynamic viscosity [kg/(m s)]

// Airfoils are evaluated only while the air velocity has a component along the vessel's z axis.
inline bool AirfoilsApply(const Airflow& air) {
    return air.v_B.z != 0.0;
}

// Angle handed to the coefficient function: angle of attack for vertical airfoils, sideslip for
// horizontal ones [rad].
double AirfoilAngle(AIRFOIL_ORIENTATION align, const VECTOR3& v_B);

double ReynoldsNumber(double density, double speed, double chord);

// Lift (or side force), drag and moment of one airfoil, added to load.
void AddAirfoilLoad(Load& load, const AirfoilShape& shape, const AirfoilCoefficients& coeff,
                    const Airflow& air, const VECTOR3& cross_sections);

// Drag element: (*drag) x factor x q along the airflow at ref, added to load.
void AddDragElementLoad(Load& load, double drag, double factor, const VECTOR3& ref,
                        const Airflow& air);

// Drag of a vessel without airfoils from its cross sections and drag coefficients
// (cw_z_pos, cw_z_neg, cw_x, cw_y), acting at the centre of gravity.
struct DragCoefficients {
    double z_pos = 0.1, z_neg = 0.3, x = 0.3, y = 0.3;
};
void AddBodyDragLoad(Load& load, const Airflow& air, const VECTOR3& cross_sections,
                     const DragCoefficients& cw);

// Damping torque [N m] on the body rates omega_B [rad/s] of a vessel of mass [kg] and
// mass-normalised inertia pmi [m^2], capped so that one step of dt [s] cannot reverse a rate.
VECTOR3 RotationalDamping(const VECTOR3& omega_B, const VECTOR3& rot_drag, double cross_section_y,
                          const VECTOR3& pmi, double mass, const Airflow& air, double dt);

}  // namespace sim::physics
