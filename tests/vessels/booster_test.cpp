// Boosters loaded from the built module: their definition, the separation motors that push them
// clear, the two-stage parachute on the way down and its scenario line.
#include <cmath>

#include "textures.h"
#include "vessel_tree.h"

namespace vesseltest {
namespace {

class Booster : public VesselTree {
  protected:
    static double ParachuteState(const sim::HostVessel& booster) {
        return *booster.dragElements.at(0).drag;
    }

    // Flies frames of dt until the booster is below altitude, checking on every frame that the
    // parachute stays closed and that its animation and drag follow the state.
    void FallClosedTo(sim::HostVessel& booster, double altitude, double dt) {
        while (booster.iface->GetAltitude() >= altitude) {
            Sim().step(dt);
            if (booster.iface->GetAltitude() >= altitude) {
                ASSERT_EQ(ParachuteState(booster), 0.0)
                    << "open at " << booster.iface->GetAltitude() << " m";
            }
        }
    }
};

TEST_F(Booster, DefinitionAndParachuteAnimation) {
    sim::HostVessel& booster = Create("LRB", kBoosterClass, OverPole(60e3));

    EXPECT_EQ(MeshNames(booster),
              (std::vector<std::string>{"Arvex\\arvex_lrb-parachute", "Arvex\\arvex_lrb"}));
    EXPECT_TRUE(Near(booster.meshes[0].offset, _V(1.6, 0, -11.9)));
    ASSERT_EQ(booster.touchdownPoints.size(), 3u);
    EXPECT_TRUE(Near(booster.touchdownPoints[0].pos, _V(0, -2, 12)));
    EXPECT_TRUE(Near(booster.touchdownPoints[2].pos, _V(1, -2, -1.5)));
    EXPECT_TRUE(Near(booster.pmi, _V(115, 115, 2)));
    EXPECT_TRUE(Near(booster.crossSections, _V(96, 96, 12.5)));
    EXPECT_TRUE(Near(booster.rotDrag, _V(1.2, 1.2, 0.2)));
    EXPECT_DOUBLE_EQ(booster.size, 60.0);
    EXPECT_DOUBLE_EQ(booster.clipRadius, 240.0);
    EXPECT_DOUBLE_EQ(booster.emptyMass, 30000.0);  // from the class configuration

    // One sideways body airfoil: drag grows with the angle, as for the core's body.
    ASSERT_EQ(booster.airfoils.size(), 1u);
    const sim::AirfoilRecord& airfoil = *booster.airfoils[0];
    EXPECT_EQ(airfoil.align, LIFT_HORIZONTAL);
    EXPECT_TRUE(Near(airfoil.ref, _V(0, 0, -12)));
    EXPECT_DOUBLE_EQ(airfoil.S, 6.12);
    double cl, cm, cd;
    airfoil.functionEx(booster.iface, PI05, 0.0, 1e6, nullptr, &cl, &cm, &cd);
    EXPECT_DOUBLE_EQ(cd, 0.46);
    ASSERT_EQ(booster.dragElements.size(), 1u);
    EXPECT_DOUBLE_EQ(booster.dragElements[0].factor, 275.0);
    EXPECT_TRUE(Near(booster.dragElements[0].ref, _V(0, -0.25, -1.0)));
    EXPECT_EQ(ParachuteState(booster), 0.0);

    // The main tank first, so the core fills it at separation; then the motors' tank.
    ASSERT_EQ(booster.tanks.size(), 2u);
    EXPECT_EQ(booster.defaultTank(), booster.tanks[0].get());
    EXPECT_DOUBLE_EQ(booster.tanks[0]->mass, 300000.0);
    EXPECT_DOUBLE_EQ(booster.tanks[1]->mass, 2.0);
    ASSERT_EQ(booster.thrusters.size(), 3u);
    const sim::ThrusterRecord& engine = *booster.thrusters[0];
    EXPECT_TRUE(Near(engine.pos, _V(0, 0, -15.5)));
    EXPECT_DOUBLE_EQ(engine.max0, 7500000.0);
    EXPECT_DOUBLE_EQ(engine.isp0, 3313.62);
    EXPECT_EQ(engine.tank, booster.tanks[0].get());
    EXPECT_EQ(engine.permanentLevel, 0.0);
    for (int motor : {1, 2}) {
        EXPECT_TRUE(Near(booster.thrusters[motor]->dir, _V(1, 0, 0)));
        EXPECT_EQ(booster.thrusters[motor]->tank, booster.tanks[1].get());
        EXPECT_DOUBLE_EQ(booster.thrusters[motor]->isp0, 15000.0);
        EXPECT_DOUBLE_EQ(booster.thrusters[motor]->permanentLevel, 1.0);
    }
    EXPECT_TRUE(Near(booster.thrusters[1]->pos, _V(0, 0, -8)));
    EXPECT_DOUBLE_EQ(booster.thrusters[1]->max0, 2500.0);
    EXPECT_TRUE(Near(booster.thrusters[2]->pos, _V(0, 0, 7.5)));
    EXPECT_DOUBLE_EQ(booster.thrusters[2]->max0, 5000.0);
    std::vector<int> flames(3, 0);
    for (const sim::ExhaustRecord& exhaust : booster.exhausts) {
        for (int i = 0; i < 3; ++i) flames[i] += exhaust.thruster == booster.thrusters[i].get();
    }
    EXPECT_EQ(flames, (std::vector<int>{4, 8, 8}));
    for (const sim::ExhaustRecord& exhaust : booster.exhausts) {
        EXPECT_EQ(sim::textureName(exhaust.tex), "Arvex//kero-exh");
    }
    ASSERT_EQ(booster.streams.size(), 1u);
    EXPECT_EQ(booster.streams[0]->thruster, booster.thrusters[0].get());
    EXPECT_DOUBLE_EQ(booster.streams[0]->spec.srcsize, 3.5);
    EXPECT_DOUBLE_EQ(booster.streams[0]->spec.amin, 1e-5);
    EXPECT_EQ(sim::textureName(booster.streams[0]->spec.tex), "Arvex//lrb-particle-smoke");

    // The parachute mesh stretches along z over the first half, then spreads across.
    ASSERT_EQ(booster.animations.size(), 1u);
    const sim::AnimationRecord& anim = *booster.animations[0];
    EXPECT_EQ(anim.state, 1.0);
    ASSERT_EQ(anim.components.size(), 2u);
    const auto* stretch = dynamic_cast<const MGROUP_SCALE*>(anim.components[0]->transform);
    const auto* spread = dynamic_cast<const MGROUP_SCALE*>(anim.components[1]->transform);
    ASSERT_TRUE(stretch && spread);
    EXPECT_EQ(stretch->mesh, 0u);
    EXPECT_TRUE(Near(stretch->scale, _V(1, 1, 100)));
    EXPECT_EQ(anim.components[0]->state1, 0.5);
    EXPECT_TRUE(Near(spread->scale, _V(100, 100, 1)));
    EXPECT_EQ(anim.components[1]->state0, 0.5);

    // Every booster of the module shares the two components.
    sim::HostVessel& other = Create("LRB2", kBoosterClass, OverPole(60e3));
    EXPECT_EQ(other.animations[0]->components[1]->transform, spread);
}

// 7500 N for 4 s on 330002 kg, from the rocket equation [m/s].
const double kMotorDeltaV = 15000.0 * std::log(330002.0 / 330000.0);

// The push of the separation motors, seen as the velocity of `pushed` relative to `unpushed`,
// both starting with axes along the global axes. The motors' unequal torques turn the booster
// by some 0.2 degrees on the way, which tilts the push slightly.
::testing::AssertionResult PushedByTheMotors(const sim::HostVessel& pushed,
                                             const sim::HostVessel& unpushed) {
    const VECTOR3 push = pushed.body.v_N - unpushed.body.v_N;
    if (std::abs(push.x - kMotorDeltaV) > 1e-5) {
        return ::testing::AssertionFailure()
               << "push along x " << push.x << ", not " << kMotorDeltaV;
    }
    return Near(push, _V(kMotorDeltaV, 0, 0), 2e-4);
}

TEST_F(Booster, SeparationMotorsPushAlongPlusXForFourSeconds) {
    sim::HostVessel& pushed = Create("Pushed", kBoosterClass, OverPole(300e3));
    // A twin without motor propellant falls alongside as the reference.
    sim::HostVessel& reference = Create("Reference", kBoosterClass, OverPole(300e3));
    reference.iface->SetPropellantMass(reference.iface->GetPropellantHandleByIndex(1), 0.0);

    Sim().run(3.75, kFrame);
    EXPECT_NEAR(pushed.tanks[1]->mass, 0.125, 1e-9);  // 0.5 kg/s
    Sim().run(0.5, kFrame);
    EXPECT_EQ(pushed.tanks[1]->mass, 0.0);
    EXPECT_EQ(pushed.thrusters[1]->effectiveLevel, 0.0);
    EXPECT_EQ(pushed.thrusters[2]->effectiveLevel, 0.0);
    EXPECT_DOUBLE_EQ(pushed.tanks[0]->mass, 300000.0);  // the booster engine stays off

    EXPECT_TRUE(PushedByTheMotors(pushed, reference));
    Sim().run(2.0, kFrame);
    EXPECT_TRUE(PushedByTheMotors(pushed, reference)) << "pushed on after 4 s";
}

TEST_F(Booster, LoadedWithAnEmptyMotorTankItDoesNotPush) {
    // Both saved with the motors running; only one with propellant left for them.
    const VESSELSTATUS vs = OverPole(300e3);
    LoadShips(ShipBlock("Full", kBoosterClass, vs, "  PRPLEVEL 0:1.0 1:1.0\n  THLEVEL 1:1 2:1\n") +
              ShipBlock("Empty", kBoosterClass, vs, "  PRPLEVEL 0:1.0\n  THLEVEL 1:1 2:1\n"));
    sim::HostVessel& full = Find("Full");
    sim::HostVessel& empty = Find("Empty");
    Sim().run(5.0, kFrame);
    EXPECT_EQ(full.tanks[1]->mass, 0.0);
    EXPECT_EQ(empty.thrusters[1]->effectiveLevel, 0.0);
    EXPECT_EQ(empty.thrusters[2]->effectiveLevel, 0.0);
    EXPECT_TRUE(PushedByTheMotors(full, empty));
}

TEST_F(Booster, FallingThroughTheUpperBandHalfOpensTheParachute) {
    constexpr double dt = 0.1;  // [s]
    sim::HostVessel& booster = Create("LRB", kBoosterClass, OverPole(8100.0));
    ASSERT_NO_FATAL_FAILURE(FallClosedTo(booster, 8000.0, dt));
    ASSERT_NEAR(ParachuteState(booster), 0.01, 1e-12);
    EXPECT_EQ(SavedValues("LRB", "Parachute"), std::vector<std::string>{"0.010000 0.750000"});

    double previous = ParachuteState(booster);
    for (int frame = 0; frame < 100; ++frame) {
        Sim().step(dt);
        const double state = ParachuteState(booster);
        EXPECT_EQ(booster.animations[0]->state, state);
        if (previous < 0.75 - 1e-9) {
            ASSERT_NEAR(state - previous, 0.01, 1e-12) << "frame " << frame;
        } else {
            ASSERT_LE(std::abs(state - 0.75), 0.01 + 1e-12) << "frame " << frame;
        }
        previous = state;
    }
    EXPECT_GT(booster.iface->GetAltitude(), 5000.0);
}

TEST_F(Booster, CreatedBetweenTheBandsOpensStraightToFullBelowTheLowerBand) {
    constexpr double dt = 0.1;  // [s]
    sim::HostVessel& booster = Create("LRB", kBoosterClass, OverPole(6000.0));
    ASSERT_NO_FATAL_FAILURE(FallClosedTo(booster, 5000.0, dt));
    double previous = ParachuteState(booster);
    ASSERT_NEAR(previous, 0.01, 1e-12);
    while (previous < 1.0) {
        Sim().step(dt);
        const double state = ParachuteState(booster);
        ASSERT_NEAR(state, std::min(previous + 0.01, 1.0), 1e-9);
        previous = state;
    }
    EXPECT_EQ(SavedValues("LRB", "Parachute"), std::vector<std::string>{"1.000000 1.000000"});
}

TEST_F(Booster, ParachuteLineIsSavedAndReadBack) {
    const char* const lines[] = {"  Parachute 0.75 1\n", "  PARACHUTE 0.75 1.0\n"};
    for (const char* line : lines) {
        SCOPED_TRACE(line);
        Restart();
        LoadShips(ShipBlock("LRB", kBoosterClass, OverPole(60e3), line));
        EXPECT_EQ(ParachuteState(Find("LRB")), 0.75);
        const std::string saved = Sim().saveScenarioText();
        EXPECT_EQ(SavedValues("LRB", "Parachute"), std::vector<std::string>{"0.750000 1.000000"});
        Restart();
        Sim().loadScenarioText(saved, "saved booster");
        EXPECT_EQ(SavedValues("LRB", "Parachute"), std::vector<std::string>{"0.750000 1.000000"});
    }
    // Values that are not there leave theirs unchanged.
    Restart();
    LoadShips(ShipBlock("LRB", kBoosterClass, OverPole(60e3), "  Parachute 0.5\n"));
    EXPECT_EQ(SavedValues("LRB", "Parachute"), std::vector<std::string>{"0.500000 0.000000"});
}

}  // namespace
}  // namespace vesseltest
