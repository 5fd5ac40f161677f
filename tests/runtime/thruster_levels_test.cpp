// Thruster levels, groups and propellant flow as the current host computes them.
#include <gtest/gtest.h>

#include "runtime_fixture.h"

namespace runtime_test {
namespace {

class ThrusterTest : public RuntimeTest {
  protected:
    void SetUp() override {
        RuntimeTest::SetUp();
        sim::Simulation& s = start();
        VESSELSTATUS vs{};
        v_ = s.createVessel("Engine", "Tests/Plain", vs).iface;
        tank_ = v_->CreatePropellantResource(100.0);
        // 1000 N at an exhaust velocity of 1000 m/s: 1 kg/s at full level.
        th_ = v_->CreateThruster(_V(0, 0, -1), _V(0, 0, 2), 1000.0, tank_, 1000.0);
        v_->CreateThrusterGroup(&th_, 1, THGROUP_MAIN);
    }

    VESSEL* v_ = nullptr;
    PROPELLANT_HANDLE tank_ = nullptr;
    THRUSTER_HANDLE th_ = nullptr;
};

TEST_F(ThrusterTest, LevelSettersFollowTheCurrentHost) {
    struct Case {
        const char* name;
        void (*apply)(VESSEL*, THRUSTER_HANDLE);
        double before;  // effective level right after the call
        double after;   // effective level once the frame after the call has passed
    };
    const Case cases[] = {
        {"set above 1", [](VESSEL* v, THRUSTER_HANDLE t) { v->SetThrusterLevel(t, 1.5); }, 1.0,
         1.0},
        {"set below 0: no lower clamp before the step",
         [](VESSEL* v, THRUSTER_HANDLE t) { v->SetThrusterLevel(t, -0.5); }, -0.5, 0.0},
        {"increment clamped",
         [](VESSEL* v, THRUSTER_HANDLE t) {
             v->SetThrusterLevel(t, 0.8);
             v->IncThrusterLevel(t, 0.5);
         },
         1.0, 1.0},
        {"single step lasts one step",
         [](VESSEL* v, THRUSTER_HANDLE t) {
             v->SetThrusterLevel(t, 0.2);
             v->SetThrusterLevel_SingleStep(t, 0.7);
         },
         0.7, 0.2},
        {"group level clamped",
         [](VESSEL* v, THRUSTER_HANDLE) { v->SetThrusterGroupLevel(THGROUP_MAIN, 2.0); }, 1.0, 1.0},
        {"group increment",
         [](VESSEL* v, THRUSTER_HANDLE) {
             v->SetThrusterGroupLevel(THGROUP_MAIN, 0.5);
             v->IncThrusterGroupLevel(THGROUP_MAIN, -0.75);
         },
         0.0, 0.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        v_->SetThrusterLevel(th_, 0.0);
        simulation_->step(0.01);
        c.apply(v_, th_);
        EXPECT_DOUBLE_EQ(v_->GetThrusterLevel(th_), c.before);
        // The frame after the call still runs at permanent + single-step level; the next one shows
        // what remains.
        simulation_->step(0.01);
        simulation_->step(0.01);
        EXPECT_DOUBLE_EQ(v_->GetThrusterLevel(th_), c.after);
        EXPECT_DOUBLE_EQ(v_->GetThrusterGroupLevel(THGROUP_MAIN), c.after);
    }
}

TEST_F(ThrusterTest, PropellantBurnsAtTheVacuumRateAndAnEmptyTankStopsTheEngine) {
    v_->SetThrusterLevel(th_, 1.0);
    simulation_->run(10.0, 1.0);
    EXPECT_NEAR(v_->GetPropellantMass(tank_), 90.0, 1e-9);
    EXPECT_NEAR(v_->GetPropellantFlowrate(tank_), 1.0, 1e-9);
    EXPECT_NEAR(v_->GetMass(), 500.0 + 90.0, 1e-9);

    v_->SetPropellantMass(tank_, 0.0);
    simulation_->step(0.1);
    EXPECT_EQ(v_->GetThrusterLevel(th_), 0.0);
    v_->SetPropellantMass(tank_, 50.0);
    simulation_->step(0.1);
    EXPECT_EQ(v_->GetThrusterLevel(th_), 0.0);  // stays off after refuelling
    EXPECT_EQ(v_->GetPropellantMass(tank_), 50.0);
}

TEST_F(ThrusterTest, ThrustAndIspScaleWithAmbientPressure) {
    const THRUSTER_HANDLE vacuumOnly =
        v_->CreateThruster(_V(0, 0, 0), _V(0, 0, 1), 2000.0, tank_, 4000.0, 3000.0, 100000.0);
    EXPECT_DOUBLE_EQ(v_->GetThrusterMax(vacuumOnly, 0.0), 2000.0);
    EXPECT_DOUBLE_EQ(v_->GetThrusterMax(vacuumOnly, 100000.0), 2000.0 * 3000.0 / 4000.0);
    EXPECT_DOUBLE_EQ(v_->GetThrusterIsp(vacuumOnly, 100000.0), 3000.0);
    EXPECT_DOUBLE_EQ(v_->GetThrusterMax(th_, 100000.0),
                     1000.0);  // no reference Isp: no pressure dependence
    VECTOR3 dir{};
    v_->GetThrusterDir(th_, dir);
    EXPECT_DOUBLE_EQ(dir.z, 1.0);  // normalised on creation
}

TEST_F(ThrusterTest, DeletingTheTankUnlinksItsThrusters) {
    const PROPELLANT_HANDLE second = v_->CreatePropellantResource(10.0, 5.0);
    EXPECT_EQ(v_->GetDefaultPropellantResource(), tank_);
    v_->SetDefaultPropellantResource(second);
    EXPECT_DOUBLE_EQ(v_->GetFuelMass(), 5.0);
    PROPELLANT_HANDLE doomed = tank_;
    v_->DelPropellantResource(doomed);
    EXPECT_EQ(doomed, nullptr);
    EXPECT_EQ(v_->GetThrusterResource(th_), nullptr);
    EXPECT_EQ(v_->GetPropellantHandleByIndex(0), second);
}

TEST_F(ThrusterTest, StatusFlagsSetFuelAndEngineGroupsAtCreation) {
    VESSELSTATUS vs{};
    vs.flag[0] = 3;
    vs.fuel = 0.25;
    vs.eng_main = 0.6;
    sim::HostVessel& probe = simulation_->createVessel("P", kProbeClass, vs);
    EXPECT_DOUBLE_EQ(probe.tanks.at(0)->mass, 25.0);
    EXPECT_DOUBLE_EQ(probe.thrusters.at(0)->permanentLevel, 0.6);
}

}  // namespace
}  // namespace runtime_test
