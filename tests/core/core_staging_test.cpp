// Staging of a core vessel loaded from the built module: boosters set up and separated into
// booster vessels, the fairing fitted from the preferences file and jettisoned as two spent-part
// vessels, and the names of the vessels created.
#include <cmath>

#include "core_tree.h"

namespace coretest {
namespace {

class CoreStaging : public CoreTree {
  protected:
    CoreStaging() {
        Write("Arvex_Prefs.ini",
              "[Fairing1]\nName = Short\nMesh = Arvex\\Fairings\\short\nMass = 1000\n"
              "[Fairing2]\nName = Long\nMesh = Arvex\\Fairings\\long\nMass = 1500\n");
    }

    sim::HostVessel& Find(const std::string& name) {
        sim::HostVessel* vessel = Sim().findVessel(name);
        if (!vessel) throw std::runtime_error("no vessel " + name);
        return *vessel;
    }

    // The vessel's state relative to the core's, as the host reports it.
    static VESSELSTATUS Status(const sim::HostVessel& vessel) {
        VESSELSTATUS vs;
        vessel.iface->GetStatus(vs);
        return vs;
    }

    static MATRIX3 Rotation(const sim::HostVessel& vessel) {
        MATRIX3 r;
        vessel.iface->GetRotationMatrix(r);
        return r;
    }

    // The axes of a vessel turned by angle [deg] about its z axis, seen from an unturned one.
    static ::testing::AssertionResult TurnedBy(const MATRIX3& r, double angle) {
        const double c = std::cos(angle * RAD), s = std::sin(angle * RAD);
        const MATRIX3 expected = _M(c, s, 0, -s, c, 0, 0, 0, 1);
        for (int i = 0; i < 9; ++i) {
            if (std::abs(r.data[i] - expected.data[i]) > 1e-12) {
                return ::testing::AssertionFailure()
                       << "entry " << i << " is " << r.data[i] << ", not " << expected.data[i];
            }
        }
        return ::testing::AssertionSuccess();
    }

    void SeparateByKey(sim::HostVessel& core) {
        Sim().setFocus(&core);
        EXPECT_EQ(Sim().pressKey(OAPI_KEY_J), 1);
    }
};

struct LayoutCase {
    const char* items;
    int boosters;
    double emptyMassAttached;        // [kg]
    double thrust;                   // all boosters [N]
    std::vector<VECTOR3> positions;  // separated boosters, core frame [m]
    std::vector<double> turns;       // [deg]
};

const LayoutCase kLayouts[] = {
    {"",
     4,
     150000.0,
     30000000.0,
     {_V(4.969, 2.869, 0), _V(4.969, -2.869, 0), _V(-4.969, 2.869, 0), _V(-4.969, -2.869, 0)},
     {-30.0, 30.0, 210.0, -210.0}},
    {"Mode = 0\n", 2, 90000.0, 15000000.0, {_V(6, 0, 0), _V(-6, 0, 0)}, {0.0, 180.0}},
};

TEST_F(CoreStaging, BoostersSetUpAndSeparatedIntoBoosterVessels) {
    int n = 0;
    for (const LayoutCase& layout : kLayouts) {
        SCOPED_TRACE(layout.items);
        const std::string name = "Core" + std::to_string(++n);
        sim::HostVessel& host = Create(name, CoreClass("Layout" + std::to_string(n), layout.items));
        Arvex& core = Core(host);

        EXPECT_EQ(host.emptyMass, layout.emptyMassAttached);
        const auto* engine = static_cast<const sim::ThrusterRecord*>(core.boosterEngine);
        ASSERT_NE(engine, nullptr);
        EXPECT_EQ(engine->max0, layout.thrust);
        EXPECT_EQ(engine->isp0, 3313.62);
        EXPECT_EQ(host.exhausts.size(), 2u + 8u + 4u * layout.boosters);
        // Core vapour, then per booster an exhaust, a smoke and a vapour stream.
        EXPECT_EQ(host.streams.size(), 1u + 3u * layout.boosters);
        for (int k = 0; k < layout.boosters; ++k) {
            const sim::MeshSlot& mesh = host.meshes.at(core.boosterMeshes[k]);
            EXPECT_EQ(mesh.name, "Arvex\\arvex_lrb");
            EXPECT_EQ(mesh.visibility, MESHVIS_ALWAYS);
        }
        EXPECT_EQ(host.animations.at(core.boosterAnim)->state, 1.0);

        const VESSELSTATUS coreState = Status(host);
        SeparateByKey(host);

        EXPECT_EQ(core.boostersAttached, 0);
        EXPECT_EQ(core.boosterTank, nullptr);
        EXPECT_EQ(core.boosterEngine, nullptr);
        EXPECT_EQ(host.tanks.size(), 1u);
        EXPECT_EQ(host.emptyMass, 30000.0);
        for (int k = 0; k < layout.boosters; ++k) {
            EXPECT_EQ(host.meshes.at(core.boosterMeshes[k]).visibility, MESHVIS_NEVER);
        }
        for (int k = 0; k < layout.boosters; ++k) {
            const std::string boosterName = name + "-LRB" + std::to_string(k + 1);
            SCOPED_TRACE(boosterName);
            sim::HostVessel& booster = Find(boosterName);
            EXPECT_EQ(booster.className, "Arvex//Misc//Arvex-LRB");
            // Each booster takes its share of the full tank: 300000 kg in both layouts.
            ASSERT_NE(booster.defaultTank(), nullptr);
            EXPECT_EQ(booster.defaultTank()->mass, 300000.0);
            const VESSELSTATUS state = Status(booster);
            EXPECT_TRUE(Near(state.rpos - coreState.rpos, layout.positions[k], 1e-6));
            EXPECT_TRUE(Near(state.rvel, coreState.rvel, 1e-9));
            EXPECT_TRUE(TurnedBy(Rotation(booster), layout.turns[k]));
        }

        // Nothing separates twice.
        const std::size_t vesselCount = Sim().vessels().size();
        SeparateByKey(host);
        EXPECT_EQ(Sim().vessels().size(), vesselCount);
    }
}

TEST_F(CoreStaging, AttitudeGroupsTakeTheRollThrustersAfterSeparation) {
    sim::HostVessel& host = Create("Core1", CoreClass("Plain"));
    const Arvex& core = Core(host);
    SeparateByKey(host);

    struct GroupCase {
        THGROUP_TYPE type;
        std::vector<int> rollThrusters;
        int sensor;
    };
    const GroupCase groups[] = {
        {THGROUP_ATT_PITCHUP, {4, 6}, 0},        {THGROUP_ATT_PITCHDOWN, {5, 7}, 1},
        {THGROUP_ATT_YAWLEFT, {1, 2}, 3},        {THGROUP_ATT_YAWRIGHT, {0, 3}, 2},
        {THGROUP_ATT_BANKLEFT, {0, 6, 2, 5}, 4}, {THGROUP_ATT_BANKRIGHT, {1, 4, 3, 7}, 5},
    };
    for (const GroupCase& g : groups) {
        SCOPED_TRACE(g.type);
        const sim::ThrusterGroupRecord* group = host.group(g.type);
        ASSERT_NE(group, nullptr);
        ASSERT_EQ(group->thrusters.size(), g.rollThrusters.size() + 1);
        for (std::size_t i = 0; i < g.rollThrusters.size(); ++i) {
            EXPECT_EQ(group->thrusters[i], core.rollThrusters[g.rollThrusters[i]]);
        }
        EXPECT_EQ(group->thrusters.back(), core.attitudeSensors[g.sensor]);
    }
}

TEST_F(CoreStaging, EmptyBoosterTankSeparatesInThePreStep) {
    sim::HostVessel& host = Create("Core1", CoreClass("Plain"));
    Arvex& core = Core(host);
    core.SetPropellantMass(core.boosterTank, 1.0);
    Sim().step(0.1);
    EXPECT_EQ(core.boostersAttached, 1);
    core.SetPropellantMass(core.boosterTank, 0.0);
    Sim().step(0.1);
    EXPECT_EQ(core.boostersAttached, 0);
    EXPECT_EQ(Find("Core1-LRB4").defaultTank()->mass, 0.0);
}

TEST_F(CoreStaging, RestoredAfterSeparationAndJettison) {
    CoreClass("Restored", "Fairing = 1\n");
    Sim().loadScenarioText(
        "BEGIN_ENVIRONMENT\n  System Sol\n  Date MJD 51544.5\nEND_ENVIRONMENT\n"
        "BEGIN_SHIPS\n"
        "Core1:CoreTest\\Restored\n"
        "  STATUS Orbiting Earth\n"
        "  RPOS 7000000.000 0.000 0.000\n"
        "  RVEL 0.0000 0.0000 7546.0000\n"
        "  LV_State 0 1 0.000000\n"
        "  Fairing 1 0\n"
        "END\nEND_SHIPS\n",
        "restored core");
    sim::HostVessel& host = Find("Core1");
    const Arvex& core = Core(host);

    // No boosters: no tank, engine, meshes or effects, and the roll thrusters in the groups.
    EXPECT_EQ(core.boosterTank, nullptr);
    EXPECT_EQ(core.boosterEngine, nullptr);
    EXPECT_EQ(host.tanks.size(), 1u);
    EXPECT_EQ(host.streams.size(), 1u);
    EXPECT_EQ(host.group(THGROUP_ATT_BANKLEFT)->thrusters.size(), 5u);
    for (const sim::MeshSlot& mesh : host.meshes) EXPECT_NE(mesh.name, "Arvex\\arvex_lrb");

    // A jettisoned fairing is not fitted again.
    EXPECT_EQ(core.fairingType, 1);
    EXPECT_EQ(core.fairingMass, 0.0);
    EXPECT_EQ(host.meshes.size(), 1u);
    EXPECT_EQ(host.emptyMass, 30000.0);
}

TEST_F(CoreStaging, FairingFittedFromPreferences) {
    sim::HostVessel& host = Create("Core1", CoreClass("Fairing", "Fairing = 2\n"));
    const Arvex& core = Core(host);
    EXPECT_EQ(core.fairingType, 2);
    EXPECT_EQ(core.fairingMass, 1500.0);
    EXPECT_EQ(host.emptyMass, 150000.0 + 1500.0);
    EXPECT_STREQ(core.fairingMeshName, "Arvex\\Fairings\\long");
    const sim::AnimationRecord& turn = *host.animations.at(core.fairingAnim);
    ASSERT_EQ(turn.components.size(), 2u);
    EXPECT_EQ(turn.state, 1.0);
    const float halfTurns[2] = {1.5707964f, 4.712389f};
    for (int half = 0; half < 2; ++half) {
        const sim::MeshSlot& mesh = host.meshes.at(10 + half);
        EXPECT_EQ(mesh.name, "Arvex\\Fairings\\long");
        EXPECT_TRUE(Near(mesh.offset, _V(0, 0, 22.6)));
        EXPECT_EQ(mesh.visibility, MESHVIS_ALWAYS);
        const auto* rotation = dynamic_cast<const MGROUP_ROTATE*>(turn.components[half]->transform);
        ASSERT_NE(rotation, nullptr);
        EXPECT_EQ(rotation->mesh, 10u + half);
        EXPECT_EQ(rotation->angle, halfTurns[half]);
    }
}

TEST_F(CoreStaging, MissingFairingSectionGivesPreferenceDefaults) {
    sim::HostVessel& host = Create("Core1", CoreClass("Fairing", "Fairing = 3\n"));
    const Arvex& core = Core(host);
    EXPECT_EQ(core.fairingType, 3);
    EXPECT_EQ(core.fairingMass, 0.0);
    // The default mesh name " " loses its trailing blank in the profile reader, as on Windows.
    EXPECT_STREQ(core.fairingMeshName, "");
    EXPECT_EQ(host.emptyMass, 150000.0);
}

TEST_F(CoreStaging, FairingJettisonedAsTwoSpentParts) {
    sim::HostVessel& host = Create("Core1", CoreClass("Fairing", "Fairing = 1\n"));
    Arvex& core = Core(host);
    const VESSELSTATUS coreState = Status(host);
    core.JettisonFairing();

    EXPECT_EQ(core.fairingAttached, 0);
    EXPECT_EQ(core.fairingType, 1);  // the scenario still tells which fairing it was
    EXPECT_EQ(core.fairingMass, 0.0);
    EXPECT_EQ(host.emptyMass, 150000.0);
    EXPECT_EQ(host.meshes.at(10).visibility, MESHVIS_NEVER);
    EXPECT_EQ(host.meshes.at(11).visibility, MESHVIS_NEVER);

    struct HalfCase {
        const char* name;
        VECTOR3 relativeVelocity;  // [m/s]
        double turn;               // [deg]
    };
    const HalfCase halves[] = {{"Core1-Fairing1", _V(5, 0, -22.7), 90.0},
                               {"Core1-Fairing2", _V(-5, 0, -22.7), 270.0}};
    for (const HalfCase& h : halves) {
        SCOPED_TRACE(h.name);
        sim::HostVessel& half = Find(h.name);
        EXPECT_EQ(half.className, "Arvex//Misc//Arvex-Fairing");
        // The mesh named in the message, shown by the spent part.
        ASSERT_FALSE(half.meshes.empty());
        EXPECT_EQ(half.meshes[0].name, "Arvex\\Fairings\\short");
        const VESSELSTATUS state = Status(half);
        EXPECT_TRUE(Near(state.rpos - coreState.rpos, _V(0, 0, 22.6), 1e-6));
        EXPECT_TRUE(Near(state.rvel - coreState.rvel, h.relativeVelocity, 1e-6));
        EXPECT_TRUE(TurnedBy(Rotation(half), h.turn));
    }

    // A jettisoned fairing goes only once.
    const std::size_t vesselCount = Sim().vessels().size();
    core.JettisonFairing();
    EXPECT_EQ(Sim().vessels().size(), vesselCount);
    EXPECT_EQ(host.emptyMass, 150000.0);
}

TEST_F(CoreStaging, NoFairingNothingToJettison) {
    sim::HostVessel& host = Create("Core1", CoreClass("Plain"));
    const std::size_t vesselCount = Sim().vessels().size();
    Core(host).JettisonFairing();
    EXPECT_EQ(Sim().vessels().size(), vesselCount);
    EXPECT_EQ(Core(host).fairingAttached, 1);
}

TEST_F(CoreStaging, HalvesWithoutAModuleOfTheirOwnGetNoMessage) {
    Write("Config/Arvex/Misc/Arvex-Fairing.cfg", "ClassName = Arvex-Fairing\n");
    sim::HostVessel& host = Create("Core1", CoreClass("Fairing", "Fairing = 1\n"));
    Core(host).JettisonFairing();
    for (const char* name : {"Core1-Fairing1", "Core1-Fairing2"}) {
        sim::HostVessel& half = Find(name);
        EXPECT_EQ(half.iface->Version(), 0);
        EXPECT_TRUE(half.meshes.empty());
    }
    EXPECT_TRUE(TurnedBy(Rotation(Find("Core1-Fairing2")), 270.0));
    EXPECT_EQ(host.emptyMass, 150000.0);
}

TEST_F(CoreStaging, LongCoreNameCutBeforeTheSuffix) {
    const std::string longName(300, 'N');
    sim::HostVessel& host = Create(longName, CoreClass("Fairing", "Fairing = 1\n"));
    Core(host).JettisonFairing();
    SeparateByKey(host);
    for (const char* suffix : {"-Fairing1", "-Fairing2", "-LRB1", "-LRB4"}) {
        const std::string expected = longName.substr(0, 255 - std::string(suffix).size()) + suffix;
        ASSERT_EQ(expected.size(), 255u);
        EXPECT_NE(Sim().findVessel(expected), nullptr) << suffix;
    }
}

}  // namespace
}  // namespace coretest
