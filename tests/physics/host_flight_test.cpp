// Vessels flown by the host's physics: thrust, the pad, ground contact, aerodynamics,
// attachments, and what the read-outs show inside the frame.
#include <cmath>

#include "host_tree.h"
#include "physics/earth.h"
#include "physics/rotation.h"

namespace physicstest {
namespace {

namespace earth = sim::physics::earth;

// At rest over the ground at longitude/latitude [deg], altitude [m], nose straight up.
VESSELSTATUS Upright(double lng, double lat, double altitude, sim::Simulation& sim) {
    const double mjd = sim.mjd();
    const MATRIX3 R_planet = earth::PlanetRotation(mjd);
    const earth::EquatorialPosition pos{lng * RAD, lat * RAD, earth::kRadius + altitude};
    const MATRIX3 H2P = sim::physics::Transpose(earth::HorizonMatrix(pos));
    // Nose up, belly (-y) to the north, right side (+x) to the west.
    const MATRIX3 attitude = sim::physics::FromColumns(_V(-1, 0, 0), _V(0, 0, -1), _V(0, 1, 0));
    VESSELSTATUS vs{};
    vs.rbody = sim.earth();
    vs.rpos = mul(R_planet, earth::FromEquatorial(pos));
    vs.rvel = mul(R_planet, earth::SurfaceVelocity(pos));
    vs.arot = sim::physics::EulerAngles(mul(R_planet, mul(H2P, attitude)));
    return vs;
}

VESSELSTATUS Circular(double altitude, sim::Simulation& sim) {
    VESSELSTATUS vs{};
    vs.rbody = sim.earth();
    const double r = earth::kRadius + altitude;
    vs.rpos = _V(r, 0, 0);
    vs.rvel = _V(0, 0, std::sqrt(earth::kGM / r));
    return vs;
}

// A rocket-like probe: standing on touchdown points 15 m below its centre of gravity.
void MakeRocket(VESSEL& v, double empty_mass) {
    v.SetEmptyMass(empty_mass);
    v.SetPMI(_V(50, 50, 5));
    v.SetTouchdownPoints(_V(0, -10, -15), _V(-10, 10, -15), _V(10, 10, -15));
}

class HostFlight : public HostTree {};

TEST_F(HostFlight, PostStepSeesTheStepStartGloballyAndTheStepEndOnTheSurface) {
    sim::HostVessel& probe = Sim().createVessel("Probe", kProbeClass, Circular(400e3, Sim()));
    ProbeLog& log = Log(probe);
    VECTOR3 start;
    probe.iface->GetGlobalPos(start);
    Sim().step(kFrame);
    VECTOR3 end;
    probe.iface->GetGlobalPos(end);
    EXPECT_GT(length(end - start), 700.0);  // about 7.7 km/s
    EXPECT_EQ(length(log.pre_pos - start), 0.0);
    EXPECT_EQ(length(log.post_pos - start), 0.0);  // global state: start of the step
    EXPECT_EQ(length(log.post_status_rpos - start), 0.0);
    EXPECT_EQ(log.post_altitude, probe.iface->GetAltitude());  // surface record: its end
    Sim().step(kFrame);
    EXPECT_EQ(length(log.pre_pos - end), 0.0);  // the next frame starts where this one ended
}

TEST_F(HostFlight, ThrustAcceleratesByForceOverMassAndBurnsAtThrustOverIsp) {
    // Far above the atmosphere, thrusting straight up, beside a coasting twin.
    const double thrust = 2.0e4, isp = 3000.0, seconds = 10.0;  // [N], [m/s], [s]
    sim::HostVessel* twins[2];
    for (int i = 0; i < 2; ++i) {
        twins[i] = &Sim().createVessel(i == 0 ? "Burning" : "Coasting", kProbeClass,
                                       Upright(10, 0, 3.0e6, Sim()));
        VESSEL& v = *twins[i]->iface;
        v.SetEmptyMass(1000.0);
        PROPELLANT_HANDLE tank = v.CreatePropellantResource(1000.0);
        THRUSTER_HANDLE engine = v.CreateThruster(_V(0, 0, -2), _V(0, 0, 1), thrust, tank, isp);
        v.SetThrusterLevel(engine, i == 0 ? 1.0 : 0.0);
    }
    Sim().run(seconds, kFrame);
    VESSEL& burning = *twins[0]->iface;
    const double burnt = thrust / isp * seconds;  // [kg]
    EXPECT_NEAR(burning.GetPropellantMass(burning.GetPropellantHandleByIndex(0)), 1000.0 - burnt,
                1e-6);
    EXPECT_NEAR(burning.GetPropellantFlowrate(burning.GetPropellantHandleByIndex(0)), thrust / isp,
                1e-6);
    VECTOR3 v_burn, v_coast, up;
    burning.GetGlobalVel(v_burn);
    twins[1]->iface->GetGlobalVel(v_coast);
    burning.GlobalRot(_V(0, 0, 1), up);
    // The rocket equation over the burn, with the mass of each frame's start.
    EXPECT_NEAR(dotp(v_burn - v_coast, up), isp * std::log(2000.0 / (2000.0 - burnt)), 0.05);
    EXPECT_NEAR(length(v_burn - v_coast - up * dotp(v_burn - v_coast, up)), 0.0, 1e-3);
}

TEST_F(HostFlight, OnThePadUntilThrustExceedsWeight) {
    VESSELSTATUS pad{};
    pad.rbody = Sim().earth();
    pad.status = 1;
    pad.vdata[0] = _V(-80.6 * RAD, 28.5 * RAD, 45.0 * RAD);
    sim::HostVessel& probe = Sim().createVessel("Rocket", kProbeClass, pad);
    VESSEL& v = *probe.iface;
    MakeRocket(v, 1.0e5);
    v.DefSetState(&pad);  // placed again on its own touchdown points
    PROPELLANT_HANDLE tank = v.CreatePropellantResource(1.0e5);
    THRUSTER_HANDLE engine = v.CreateThruster(_V(0, 0, -15), _V(0, 0, 1), 1.0, tank, 3.0e4);
    const double weight = 2.0e5 * 9.79;  // [N] at the pad

    Sim().run(1.0, kFrame);
    EXPECT_TRUE(v.GroundContact());
    EXPECT_NEAR(v.GetAltitude(), 15.0, 1e-6);
    EXPECT_NEAR(v.GetPitch() * DEG, 90.0, 1e-6);
    EXPECT_NEAR(v.GetYaw() * DEG, 45.0, 1e-6);  // the belly (-y) faces the stored heading

    // Half the weight: the rocket leaves the landed state but stays on its points.
    v.SetThrusterMax0(engine, 0.5 * weight);
    v.SetThrusterLevel(engine, 1.0);
    v.SetAngularVel(_V(0.01, 0, 0));  // set on the ground: dropped at lift-off
    Sim().run(5.0, kFrame);
    EXPECT_TRUE(v.GroundContact());
    EXPECT_NEAR(v.GetAltitude(), 15.0, 0.01);
    EXPECT_LT(v.GetGroundspeed(), 1e-3);

    // One and a half times the weight: up it goes, straight.
    v.SetThrusterMax0(engine, 1.5 * weight);
    Sim().run(5.0, kFrame);
    EXPECT_FALSE(v.GroundContact());
    EXPECT_GT(v.GetAltitude(), 15.0 + 0.5 * 4.0 * 25.0);  // at least 4 m/s^2 up for 5 s
    EXPECT_NEAR(v.GetPitch() * DEG, 90.0, 0.05);
    VECTOR3 w;
    v.GetAngularVel(w);
    EXPECT_LT(length(w), 1e-3);
}

TEST_F(HostFlight, AtRestOnTheGroundForFiveSecondsItLands) {
    sim::HostVessel& probe = Sim().createVessel("Drop", kProbeClass, Upright(30, -10, 17.0, Sim()));
    VESSEL& v = *probe.iface;
    MakeRocket(v, 5000.0);
    VESSELSTATUS vs;
    Sim().run(1.5, kFrame);  // falls 2 m in about 0.65 s, then stands
    EXPECT_TRUE(v.GroundContact());
    v.GetStatus(vs);
    EXPECT_EQ(vs.status, 0);
    Sim().run(5.5, kFrame);
    v.GetStatus(vs);
    EXPECT_EQ(vs.status, 1);
    EXPECT_NEAR(vs.vdata[0].x * DEG, 30.0, 1e-3);
    EXPECT_NEAR(vs.vdata[0].y * DEG, -10.0, 1e-3);
    EXPECT_NEAR(vs.vrot.x, 15.0, 1e-9);  // height of the centre of gravity over the ground
    EXPECT_TRUE(v.GroundContact());
    EXPECT_EQ(v.GetAirspeed(), 0.0);
}

TEST_F(HostFlight, SpinSetInAPostStepOfFreeFlightTakesEffect) {
    sim::HostVessel& probe = Sim().createVessel("Probe", kProbeClass, Circular(400e3, Sim()));
    ProbeLog& log = Log(probe);
    log.spin_in_post_step = true;
    log.spin = _V(0.01, 0, 0);  // pitch up [rad/s]
    Sim().step(kFrame);
    VECTOR3 w;
    probe.iface->GetAngularVel(w);
    EXPECT_EQ(length(w - log.spin), 0.0);
    MATRIX3 before, after;
    probe.iface->GetRotationMatrix(before);
    Sim().step(kFrame);
    probe.iface->GetRotationMatrix(after);
    // The nose turned towards the old +y axis by 0.001 rad.
    const VECTOR3 nose = _V(after.m13, after.m23, after.m33);
    EXPECT_NEAR(dotp(nose, _V(before.m12, before.m22, before.m32)), 0.001, 1e-7);
}

// Drag coefficient 1 whatever the angle.
void BluntBody(VESSEL*, double, double, double, void*, double* cl, double* cm, double* cd) {
    *cl = 0.0;
    *cm = 0.0;
    *cd = 1.0;
}

TEST_F(HostFlight, AirfoilDragDeceleratesAndAirDampsTurning) {
    // Level at 10 km, 300 m/s east over the ground, nose first.
    VESSELSTATUS vs = Upright(0, 0, 10e3, Sim());
    const MATRIX3 R_planet = earth::PlanetRotation(Sim().mjd());
    const earth::EquatorialPosition pos{0, 0, earth::kRadius + 10e3};
    const VECTOR3 east =
        mul(R_planet, mul(sim::physics::Transpose(earth::HorizonMatrix(pos)), _V(1, 0, 0)));
    vs.rvel = vs.rvel + east * 300.0;
    const MATRIX3 nose_east = sim::physics::FromColumns(_V(0, 0, -1), _V(0, 1, 0), _V(1, 0, 0));
    vs.arot = sim::physics::EulerAngles(
        mul(R_planet, mul(sim::physics::Transpose(earth::HorizonMatrix(pos)), nose_east)));
    vs.vrot = _V(0, 0.2, 0);  // yawing
    sim::HostVessel& probe = Sim().createVessel("Glider", kProbeClass, vs);
    VESSEL& v = *probe.iface;
    v.SetEmptyMass(1000.0);
    v.SetPMI(_V(4, 4, 1));
    v.SetRotDrag(_V(1e-3, 1e-3, 1e-3));
    v.CreateAirfoil3(LIFT_VERTICAL, _V(0, 0, 0), BluntBody, nullptr, 1.0, 2.0, 1.0);

    const double q = v.GetDynPressure();
    EXPECT_NEAR(q, 0.5 * v.GetAtmDensity() * 300.0 * 300.0, 1e-6);
    EXPECT_NEAR(v.GetMachNumber(), 300.0 / std::sqrt(1.4 * 286.91 * v.GetAtmTemperature()), 1e-9);
    const double speed0 = v.GetAirspeed();
    Sim().step(kFrame);
    EXPECT_NEAR(v.GetDrag(), q * 2.0, 1e-6);
    EXPECT_NEAR(speed0 - v.GetAirspeed(), q * 2.0 / 1000.0 * kFrame, 0.01);
    // Damping torque q' CS_y rotdrag w with q' from the airspeed plus 30 m/s [N m].
    const double q_damp = 0.5 * v.GetAtmDensity() * 330.0 * 330.0;
    VECTOR3 w;
    v.GetAngularVel(w);
    EXPECT_NEAR(0.2 - w.y, q_damp * 20.0 * 1e-3 * 0.2 / (1000.0 * 4.0) * kFrame, 2e-4);
}

TEST_F(HostFlight, AttachedChildRidesOnItsParentAndReportsItsAir) {
    sim::HostVessel& parent =
        Sim().createVessel("Carrier", kProbeClass, Upright(0, 0, 1000, Sim()));
    sim::HostVessel& child = Sim().createVessel("Payload", kProbeClass, Circular(400e3, Sim()));
    ATTACHMENTHANDLE slot =
        parent.iface->CreateAttachment(false, _V(0, 0, 20), _V(0, 0, 1), _V(0, 1, 0), "P");
    ATTACHMENTHANDLE hook =
        child.iface->CreateAttachment(true, _V(0, 0, -1), _V(0, 0, -1), _V(0, 1, 0), "P");
    ASSERT_TRUE(parent.iface->AttachChild(child.handle, slot, hook));
    child.iface->SetEmptyMass(1.0e6);  // its mass does not pull the carrier down faster
    Sim().step(kFrame);
    VECTOR3 nose, child_pos;
    parent.iface->Local2Global(_V(0, 0, 21), nose);
    child.iface->GetGlobalPos(child_pos);
    EXPECT_LT(length(nose - child_pos), 1e-6);
    EXPECT_EQ(child.iface->GetAltitude(), parent.iface->GetAltitude());
    EXPECT_FALSE(child.iface->GroundContact());

    Sim().run(1.0, kFrame);  // falling freely together
    VECTOR3 v_parent, v_child;
    parent.iface->GetGlobalVel(v_parent);
    child.iface->GetGlobalVel(v_child);
    EXPECT_EQ(length(v_parent - v_child), 0.0);
    ASSERT_TRUE(parent.iface->DetachChild(slot, 2.0));
    child.iface->GetGlobalVel(v_child);
    VECTOR3 up;
    parent.iface->GlobalRot(_V(0, 0, 1), up);
    EXPECT_NEAR(dotp(v_child - v_parent, up), 2.0, 1e-9);
}

TEST_F(HostFlight, StatusRoundTripAndOrbitReadouts) {
    VESSELSTATUS vs = Circular(300e3, Sim());
    vs.arot = _V(0.1, -0.2, 0.3);
    vs.vrot = _V(0.01, 0.02, 0.03);
    sim::HostVessel& probe = Sim().createVessel("Probe", kProbeClass, vs);
    VESSELSTATUS back;
    probe.iface->GetStatus(back);
    EXPECT_EQ(back.status, 0);
    EXPECT_EQ(back.rbody, Sim().earth());
    EXPECT_EQ(length(back.rpos - vs.rpos), 0.0);
    EXPECT_EQ(length(back.rvel - vs.rvel), 0.0);
    EXPECT_LT(length(back.arot - vs.arot), 1e-12);
    EXPECT_EQ(length(back.vrot - vs.vrot), 0.0);
    double ap = 0.0, pe = 0.0;
    EXPECT_EQ(probe.iface->GetApDist(ap), Sim().earth());
    EXPECT_EQ(probe.iface->GetPeDist(pe), Sim().earth());
    EXPECT_NEAR(ap, earth::kRadius + 300e3, 1.0);
    EXPECT_NEAR(pe, earth::kRadius + 300e3, 1.0);
    // A vessel placed inside the planet is put well above it.
    vs.rpos = _V(1000, 0, 0);
    probe.iface->DefSetState(&vs);
    EXPECT_NEAR(probe.iface->GetAltitude(), 0.1 * earth::kRadius, 1e-3);
}

}  // namespace
}  // namespace physicstest
