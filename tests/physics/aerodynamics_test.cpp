// Airfoil loads, drag elements, rotational damping and the host's drag-coefficient helpers.
#include <gtest/gtest.h>

#include <cmath>

#include "physics/aerodynamics.h"

namespace sim::physics {
namespace {

Airflow AirAt(const VECTOR3& v_B, double density = 1.2) {
    Airflow air;
    air.v_B = v_B;
    air.density = density;
    air.dynamic_pressure = 0.5 * density * dotp(v_B, v_B);
    air.mach = length(v_B) / 340.0;
    return air;
}

TEST(Airfoil, AngleIsAttackForVerticalAndSlipForHorizontal) {
    const VECTOR3 v = _V(-10, -20, 100);  // nose above the path and right of it
    EXPECT_NEAR(AirfoilAngle(LIFT_VERTICAL, v), std::atan2(20.0, 100.0), 1e-15);
    EXPECT_NEAR(AirfoilAngle(LIFT_HORIZONTAL, v), std::atan2(10.0, 100.0), 1e-15);
    EXPECT_NEAR(ReynoldsNumber(1.2, 100, 2.0), 1.2 * 100 * 2.0 / 1.7894e-5, 1e-6);
}

TEST(Airfoil, LiftDragAndMomentDirections) {
    const Airflow air = AirAt(_V(0, 0, 100));  // q = 6000 Pa
    const AirfoilCoefficients coeff{0.5, 0.1, 0.2};
    Load wing;
    AddAirfoilLoad(wing, {LIFT_VERTICAL, _V(0, 0, 0), 2.0, 10.0}, coeff, air, _V(1, 1, 1));
    EXPECT_NEAR(wing.force_B.y, 0.5 * 6000 * 10, 1e-6);   // lift up
    EXPECT_NEAR(wing.force_B.z, -0.2 * 6000 * 10, 1e-6);  // drag against the motion
    EXPECT_NEAR(wing.torque_B.x, 0.1 * 6000 * 10 * 2.0, 1e-6);
    EXPECT_NEAR(wing.lift, 30000, 1e-6);
    EXPECT_NEAR(wing.drag, 12000, 1e-6);

    Load fin;
    AddAirfoilLoad(fin, {LIFT_HORIZONTAL, _V(0, 0, 0), 2.0, 10.0}, coeff, air, _V(1, 1, 1));
    EXPECT_NEAR(fin.force_B.x, 0.5 * 6000 * 10, 1e-6);  // side force
    EXPECT_NEAR(fin.torque_B.y, 0.1 * 6000 * 10 * 2.0, 1e-6);
    EXPECT_EQ(fin.lift, 0.0);  // only vertical airfoils count as lift
}

TEST(Airfoil, DragBehindTheCentreOfGravityTurnsTheNoseIntoTheWind) {
    // Nose above the path (air from below) and to the right: a tail-mounted drag centre pitches
    // the nose down and yaws it left.
    const Airflow air = AirAt(_V(-10, -10, 100));
    Load load;
    AddAirfoilLoad(load, {LIFT_VERTICAL, _V(0, 0, -10), 0.0, 5.0}, {0, 0, 1.0}, air, _V(1, 1, 1));
    EXPECT_LT(load.torque_B.x, 0.0);  // pitch down
    EXPECT_GT(load.torque_B.y, 0.0);  // yaw left
}

TEST(Airfoil, WithoutAreaTheCrossSectionsCount) {
    const Airflow air = AirAt(_V(0, -30, 40));  // |v| = 50, q = 1500
    const VECTOR3 cs = _V(7, 11, 13);
    Load load;
    AddAirfoilLoad(load, {LIFT_VERTICAL, _V(0, 0, 0), 1.0, 0.0}, {0, 1.0, 1.0}, air, cs);
    EXPECT_NEAR(load.drag, 1500 * (0.8 * 13 + 0.6 * 11), 1e-9);
    EXPECT_EQ(load.torque_B.x, 0.0);  // the moment uses the given area, here 0
}

TEST(DragElement, PullsAgainstTheAirflowAtItsPoint) {
    const Airflow air = AirAt(_V(0, 0, -50));  // falling tail first, q = 1500
    const double deployed = 0.75;
    Load load;
    AddDragElementLoad(load, deployed, 275, _V(0, -0.25, -1.0), air);
    EXPECT_NEAR(load.force_B.z, 0.75 * 275 * 1500, 1e-6);
    EXPECT_NEAR(load.drag, 0.75 * 275 * 1500, 1e-6);
    EXPECT_NEAR(load.torque_B.x, 0.25 * load.force_B.z, 1e-6);  // crossp(F, r): pitch up

    Load still;
    AddDragElementLoad(still, deployed, 275, _V(0, 0, 0), AirAt(_V(0, 0, 0)));
    EXPECT_EQ(still.drag, 0.0);
}

TEST(BodyDrag, UsesTheCoefficientOfTheFaceInTheWind) {
    const VECTOR3 cs = _V(10, 20, 30);
    Load forward, backward;
    AddBodyDragLoad(forward, AirAt(_V(0, 0, 100)), cs, {});
    AddBodyDragLoad(backward, AirAt(_V(0, 0, -100)), cs, {});
    EXPECT_NEAR(forward.force_B.z, -6000 * 0.5 * 30 * 0.1, 1e-6);
    EXPECT_NEAR(backward.force_B.z, 6000 * 0.5 * 30 * 0.3, 1e-6);
}

TEST(RotationalDamping, OpposesTheRatesAndNeverReversesThemInAStep) {
    const VECTOR3 pmi = _V(115, 115, 2), rot_drag = _V(1.2, 1.2, 0.2);
    const double mass = 1e5, dt = 0.1;
    const VECTOR3 w = _V(0.1, -0.2, 0.3);
    const Airflow thin = AirAt(_V(0, 0, 100), 1e-4);
    const VECTOR3 tau = RotationalDamping(w, rot_drag, 96, pmi, mass, thin, dt);
    const double q = 0.5 * 1e-4 * 130 * 130;
    EXPECT_NEAR(tau.x, -q * 96 * 1.2 * 0.1, 1e-9);
    EXPECT_NEAR(tau.y, q * 96 * 1.2 * 0.2, 1e-9);
    EXPECT_NEAR(tau.z, -q * 96 * 0.2 * 0.3, 1e-9);

    // In dense air the cap stops the rate within one step instead of flipping it.
    const double light = 1e3;  // [kg]
    const VECTOR3 capped = RotationalDamping(w, rot_drag, 96, pmi, light, AirAt(_V(0, 0, 300)), dt);
    for (int k = 0; k < 3; ++k)
        EXPECT_NEAR(capped.data[k] / (light * pmi.data[k]) * dt, -w.data[k], 1e-12) << k;
}

TEST(DragHelpers, InducedAndWaveDragFormulas) {
    EXPECT_NEAR(oapiGetInducedDrag(0.5, 20, 1.0), 0.25 / (20 * PI), 1e-15);
    EXPECT_EQ(oapiGetInducedDrag(0.0, 2.0, 0.6), 0.0);
    struct Case {
        double mach, want;
    };
    const Case cases[] = {{0.5, 0.0},
                          {0.75, 0.0},
                          {0.875, 0.4},
                          {1.0, 0.8},
                          {1.05, 0.8},
                          {1.1, 0.8},
                          {2.0, 0.8 * std::sqrt((1.1 * 1.1 - 1) / 3.0)}};
    for (const Case& c : cases)
        EXPECT_NEAR(oapiGetWaveDrag(c.mach, 0.75, 1.0, 1.1, 0.8), c.want, 1e-12) << c.mach;
}

}  // namespace
}  // namespace sim::physics
