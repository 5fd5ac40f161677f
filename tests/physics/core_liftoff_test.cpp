// The real core vessel from the launch scenario: standing on the pad, lifting off under thrust.
#include <cmath>

#include "host_tree.h"

namespace physicstest {
namespace {

class CoreLiftoff : public HostTree {
  protected:
    VESSEL& LoadLaunchPad() {
        Sim().loadScenario("Arvex launch.scn");
        sim::HostVessel* core = Sim().findVessel("Arvex1");
        if (core == nullptr) throw std::runtime_error("the launch scenario has no Arvex1");
        return *core->iface;
    }
};

TEST_F(CoreLiftoff, StandsOnThePadWhereTheScenarioPutsIt) {
    VESSEL& core = LoadLaunchPad();
    double lng = 0, lat = 0, rad = 0;
    const double before = core.GetAltitude();
    Sim().run(5.0, kFrame);
    EXPECT_EQ(core.GetEquPos(lng, lat, rad), Sim().earth());
    EXPECT_NEAR(lng * DEG, -80.6041, 1e-7);
    EXPECT_NEAR(lat * DEG, 28.6084, 1e-7);
    EXPECT_NEAR(core.GetAltitude(), 15.0,
                1e-6);  // touchdown plane 15 m below the centre of gravity
    EXPECT_EQ(core.GetAltitude(), before);
    EXPECT_NEAR(core.GetPitch() * DEG, 90.0, 1e-9);
    EXPECT_NEAR(core.GetYaw() * DEG, 90.0, 1e-9);
    EXPECT_TRUE(core.GroundContact());
    EXPECT_EQ(core.GetAirspeed(), 0.0);
    VESSELSTATUS vs;
    core.GetStatus(vs);
    EXPECT_EQ(vs.status, 1);
}

TEST_F(CoreLiftoff, FullThrottleLiftsTheStackStraightUp) {
    VESSEL& core = LoadLaunchPad();
    const double mass0 = core.GetMass();
    core.SetThrusterGroupLevel(THGROUP_MAIN, 1.0);  // the boosters follow the main throttle
    Sim().run(10.0, kFrame);
    EXPECT_FALSE(core.GroundContact());
    const double altitude = core.GetAltitude();
    VECTOR3 v_hor;
    ASSERT_TRUE(core.GetHorizonAirspeedVector(v_hor));
    EXPECT_GT(altitude, 100.0);
    EXPECT_GT(v_hor.y, 20.0);  // climbing
    // Thrust along the axis of a vertical stack: hardly any speed over the ground sideways.
    EXPECT_LT(std::hypot(v_hor.x, v_hor.z), 0.05 * v_hor.y);
    EXPECT_NEAR(core.GetPitch() * DEG, 90.0, 0.5);
    EXPECT_LT(core.GetMass(), mass0);
    // Mean acceleration over the climb against what thrust over mass minus gravity allows.
    const double mean_accel = 2.0 * (altitude - 15.0) / 100.0;
    EXPECT_GT(mean_accel, 0.0);
    EXPECT_LT(mean_accel, 60.0);
}

}  // namespace
}  // namespace physicstest
