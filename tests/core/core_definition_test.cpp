// A core vessel loaded from the built module: what its class configuration makes of it, the
// module-wide data its vessels share, and what each vessel owns.
#include <cmath>

#include "core_tree.h"
#include "flight_computer.h"
#include "textures.h"

namespace coretest {
namespace {

using CoreDefinition = CoreTree;

struct ModeCase {
    const char* items;
    const char* coreMesh;  // "" for none
    DWORD glowMaterial;
    bool twoBoosters;
    double boosterTank;  // [kg]
};

const ModeCase kModes[] = {
    {"", "Arvex\\arvex_core-stage", 6, false, 1200000.0},
    {"Mode = 0\n", "Arvex\\arvex_core-side-stage", 0, true, 600000.0},
    {"Mode = 1\n", "Arvex\\arvex_core-stage80", 6, true, 600000.0},
    {"Mode = 7\n", "", 0, false, 1200000.0},
};

TEST_F(CoreDefinition, VariantFollowsMode) {
    int n = 0;
    for (const ModeCase& mode : kModes) {
        SCOPED_TRACE(mode.items);
        const std::string id = std::to_string(++n);
        sim::HostVessel& host = Create("Core" + id, CoreClass("Mode" + id, mode.items));
        const Arvex& core = Core(host);
        EXPECT_EQ(core.glowMaterial, mode.glowMaterial);
        EXPECT_EQ(core.twoBoosterLayout, mode.twoBoosters);
        EXPECT_EQ(core.fairingType, 0);
        EXPECT_FALSE(core.hasAdapter);
        EXPECT_DOUBLE_EQ(core.gimbalRange, 0.06981317);
        // Without a core mesh the first booster takes the first slot.
        EXPECT_EQ(host.meshes.at(0).name, *mode.coreMesh ? mode.coreMesh : "Arvex\\arvex_lrb");
        EXPECT_EQ(host.meshes.at(0).visibility, MESHVIS_ALWAYS);

        ASSERT_GE(host.tanks.size(), 2u);
        EXPECT_EQ(host.tanks[0]->maxMass, 500000.0);
        EXPECT_EQ(host.tanks[0]->mass, 500000.0);
        EXPECT_EQ(host.tanks[1]->maxMass, mode.boosterTank);
        EXPECT_EQ(host.tanks[1]->mass, mode.boosterTank);
        EXPECT_EQ(host.defaultTank(), host.tanks[0].get());

        // The bare core, plus the attached boosters' 30000 kg each.
        EXPECT_EQ(host.emptyMass, mode.twoBoosters ? 90000.0 : 150000.0);
        EXPECT_EQ(host.size, 28.0);
        EXPECT_TRUE(Near(host.rotDrag, _V(1.2, 1.2, 0.2)));
        EXPECT_TRUE(Near(host.cameraOffset, _V(0, 4.5, 15)));
    }
}

TEST_F(CoreDefinition, EnginesSensorsAndRollThrusters) {
    sim::HostVessel& host = Create("Core1", CoreClass("Plain"));
    const Arvex& core = Core(host);

    const sim::ThrusterGroupRecord* main = host.group(THGROUP_MAIN);
    ASSERT_NE(main, nullptr);
    ASSERT_EQ(main->thrusters.size(), 2u);
    const double side[2] = {1.4, -1.4};
    for (int k = 0; k < 2; ++k) {
        const auto* engine = static_cast<const sim::ThrusterRecord*>(core.mainEngines[k]);
        EXPECT_EQ(main->thrusters[k], engine);
        EXPECT_TRUE(Near(engine->pos, _V(side[k], 0, -15.5)));
        EXPECT_TRUE(Near(engine->dir, _V(0, 0, 1)));
        EXPECT_EQ(engine->max0, 3750000.0);
        EXPECT_EQ(engine->isp0, 4450.62);
        EXPECT_EQ(engine->pressureFactor, 0.0);
        EXPECT_EQ(engine->tank, host.tanks[0].get());
    }

    // While the boosters are attached each attitude group holds its sensor alone.
    const THGROUP_TYPE sensorGroups[6] = {THGROUP_ATT_PITCHUP,  THGROUP_ATT_PITCHDOWN,
                                          THGROUP_ATT_YAWRIGHT, THGROUP_ATT_YAWLEFT,
                                          THGROUP_ATT_BANKLEFT, THGROUP_ATT_BANKRIGHT};
    for (int k = 0; k < 6; ++k) {
        const sim::ThrusterGroupRecord* group = host.group(sensorGroups[k]);
        ASSERT_NE(group, nullptr);
        ASSERT_EQ(group->thrusters.size(), 1u);
        EXPECT_EQ(group->thrusters[0], core.attitudeSensors[k]);
        EXPECT_EQ(group->thrusters[0]->max0, 1.0);
    }

    for (THRUSTER_HANDLE roll : core.rollThrusters) {
        const auto* thruster = static_cast<const sim::ThrusterRecord*>(roll);
        EXPECT_EQ(thruster->max0, 20000.0);
        EXPECT_EQ(thruster->tank, host.tanks[0].get());
        EXPECT_EQ(std::abs(thruster->pos.z), 12.3);
    }
    // Main flames, roll-thruster flames, then the 16 booster flames.
    EXPECT_EQ(host.exhausts.size(), 2u + 8u + 16u);

    ASSERT_EQ(host.airfoils.size(), 2u);
    EXPECT_EQ(host.airfoils[0]->align, LIFT_VERTICAL);
    EXPECT_EQ(host.airfoils[0]->S, 37.6);
    EXPECT_EQ(host.airfoils[1]->align, LIFT_HORIZONTAL);
    EXPECT_EQ(host.airfoils[1]->S, 6.12);
}

struct OffsetCase {
    const char* items;
    double z;  // of every touchdown point [m]
};

TEST_F(CoreDefinition, TouchdownPointsBelowTheOffsetInSinglePrecision) {
    const OffsetCase cases[] = {
        {"", -15.0},
        {"Offset = 2.5\n", -17.5},
        {"Offset = 0.3\n", -15.300000190734863},
    };
    int n = 0;
    for (const OffsetCase& c : cases) {
        SCOPED_TRACE(c.items);
        const std::string id = std::to_string(++n);
        sim::HostVessel& host = Create("Core" + id, CoreClass("Offset" + id, c.items));
        ASSERT_EQ(host.touchdownPoints.size(), 3u);
        EXPECT_TRUE(Near(host.touchdownPoints[0].pos, _V(0, -400, c.z), 0.0));
        EXPECT_TRUE(Near(host.touchdownPoints[1].pos, _V(-400, 400, c.z), 0.0));
        EXPECT_TRUE(Near(host.touchdownPoints[2].pos, _V(400, 400, c.z), 0.0));
    }
}

TEST_F(CoreDefinition, GlowMaterialBoundWhenAVisualExists) {
    sim::HostVessel& host = Create("Core1", CoreClass("Plain"));
    const Arvex& core = Core(host);
    EXPECT_EQ(core.coreDevMesh, nullptr);

    Sim().createVisual(host);
    ASSERT_NE(core.coreDevMesh, nullptr);
    const auto* devMesh = reinterpret_cast<const sim::DevMeshRecord*>(core.coreDevMesh);
    ASSERT_EQ(devMesh->materials.count(6), 1u);
    const MATERIAL& glow = devMesh->materials.at(6);
    EXPECT_EQ(glow.diffuse.r, 1.0f);
    EXPECT_EQ(glow.emissive.r, 0.0f);
    EXPECT_EQ(glow.emissive.a, 1.0f);

    Sim().destroyVisual(host);
    EXPECT_EQ(core.coreDevMesh, nullptr);
}

TEST_F(CoreDefinition, AdapterAddedAfterBoostersAndFairing) {
    sim::HostVessel& host = Create("Core1", CoreClass("Adapter", "Adapter = Payload-A 5m\n"));
    EXPECT_TRUE(Core(host).hasAdapter);
    EXPECT_EQ(Core(host).adapterMeshPath, "Arvex\\Adapters\\Payload-A 5m");
    const sim::MeshSlot& adapter = host.meshes.at(Core(host).adapterMesh);
    EXPECT_EQ(adapter.name, "Arvex\\Adapters\\Payload-A 5m");
    EXPECT_EQ(adapter.visibility, MESHVIS_ALWAYS);
    EXPECT_GT(Core(host).adapterMesh, Core(host).boosterMeshes[3]);
}

TEST_F(CoreDefinition, VesselsShareModuleDataAndOwnTheirFlightComputers) {
    const std::string cls = CoreClass("Plain");
    sim::HostVessel& first = Create("Core1", cls);
    sim::HostVessel& second = Create("Core2", cls);
    const Arvex& a = Core(first);
    const Arvex& b = Core(second);

    ASSERT_NE(a.flightComputer, nullptr);
    ASSERT_NE(b.flightComputer, nullptr);
    EXPECT_NE(a.flightComputer, b.flightComputer);

    // The same textures in the streams and flames of both vessels, and the same rotation
    // components turning their booster meshes.
    ASSERT_EQ(first.streams.size(), second.streams.size());
    for (std::size_t i = 0; i < first.streams.size(); ++i) {
        EXPECT_EQ(first.streams[i]->spec.tex, second.streams[i]->spec.tex);
    }
    ASSERT_EQ(first.exhausts.size(), second.exhausts.size());
    for (std::size_t i = 0; i < first.exhausts.size(); ++i) {
        EXPECT_EQ(first.exhausts[i].tex, second.exhausts[i].tex);
    }
    // Core vapour; then per booster an exhaust, a smoke and a vapour stream.
    ASSERT_EQ(first.streams.size(), 13u);
    EXPECT_EQ(sim::textureName(first.streams[0]->spec.tex), "Arvex//maxq-particle");
    EXPECT_EQ(sim::textureName(first.streams[1]->spec.tex), "Arvex//lrb-particle-smoke");
    EXPECT_EQ(sim::textureName(first.streams[5]->spec.tex), "Arvex//lrb-particle-smoke");
    EXPECT_EQ(sim::textureName(first.streams[9]->spec.tex), "Arvex//maxq-particle");
    EXPECT_EQ(sim::textureName(first.exhausts[0].tex), "Arvex//hydro-exh");
    EXPECT_EQ(sim::textureName(first.exhausts.back().tex), "Arvex//kero-exh");
    const sim::AnimationRecord& boostersA = *first.animations.at(a.boosterAnim);
    const sim::AnimationRecord& boostersB = *second.animations.at(b.boosterAnim);
    ASSERT_EQ(boostersA.components.size(), 4u);
    ASSERT_EQ(boostersB.components.size(), 4u);
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(boostersA.components[k]->transform, boostersB.components[k]->transform);
    }

    // Deleting one vessel frees its own flight computer only; the other keeps flying.
    Sim().deleteVessel(first);
    ASSERT_EQ(Sim().findVessel("Core1"), nullptr);
    Sim().run(1.0, 0.1);
    EXPECT_EQ(b.flightComputer->targetApoapsis, 250000.0);
    EXPECT_EQ(b.flightComputer->targetHeading, 90.0);
}

}  // namespace
}  // namespace coretest
