// Upper stages loaded from the built module: their definition, the fairing and adapter fitted
// from the class configuration and the preferences file, the J and K keys, the glowing nozzle
// and the scenario lines.
#include <cmath>

#include "payload_manager.h"
#include "textures.h"
#include "vessel_tree.h"

namespace vesseltest {
namespace {

const char* const kModule = "Arvex\\Arvex-EDS";
const char* const kShortFairing = "Arvex\\Fairings\\short";
const char* const kLongFairing = "Arvex\\Fairings\\long";
const char* const kRing = "Arvex\\Adapters\\ring";

class UpperStage : public VesselTree {
  protected:
    UpperStage() {
        Write("Arvex_Prefs.ini",
              "[Fairing1]\nName = Short\nMesh = Arvex\\Fairings\\short\nMass = 1000\n"
              "[Fairing2]\nName = Long\nMesh = Arvex\\Fairings\\long\nMass = 1500\n");
    }

    std::string BareClass() { return Class("BareStage", kModule); }
    std::string FairingClass() {
        return Class("FairingStage", kModule, "Fairing = 1\nAdapter = ring\n");
    }

    sim::HostVessel& CreateStage(const std::string& className) {
        sim::HostVessel& stage = Create("Stage", className, OverPole(300e3));
        Sim().setFocus(&stage);
        return stage;
    }

    static std::vector<sim::ThrusterRecord*> Group(const sim::HostVessel& stage, int type) {
        const sim::ThrusterGroupRecord* group = stage.group(type);
        return group ? group->thrusters : std::vector<sim::ThrusterRecord*>{};
    }

    static COLOUR4 NozzleEmissive(const sim::HostVessel& stage) {
        for (const auto& dev : stage.visual->devMeshes) {
            if (dev->meshIndex == 0) return dev->materials.at(0).emissive;
        }
        throw std::runtime_error("no device mesh of the main mesh");
    }

    static VESSELSTATUS Status(const sim::HostVessel& vessel) {
        VESSELSTATUS vs;
        vessel.iface->GetStatus(vs);
        return vs;
    }
};

struct AttitudeThrusterCase {
    VECTOR3 pos;
    VECTOR3 dir;
};

TEST_F(UpperStage, DefinitionWithoutFairingOrAdapter) {
    sim::HostVessel& stage = CreateStage(BareClass());
    EXPECT_EQ(MeshNames(stage), std::vector<std::string>{"Arvex\\arvex_ms"});
    EXPECT_EQ(stage.meshes[0].visibility, MESHVIS_ALWAYS);
    EXPECT_DOUBLE_EQ(stage.emptyMass, 10000.0);
    EXPECT_DOUBLE_EQ(stage.size, 10.0);
    EXPECT_TRUE(Near(stage.rotDrag, _V(1.2, 1.2, 0.2)));
    EXPECT_TRUE(Near(stage.cameraOffset, _V(0, 4.5, 0)));
    ASSERT_EQ(stage.touchdownPoints.size(), 3u);
    EXPECT_TRUE(Near(stage.touchdownPoints[0].pos, _V(0, -1, -7.95)));
    EXPECT_TRUE(Near(stage.touchdownPoints[1].pos, _V(-1, 1, -7.95)));

    // A body airfoil for pitch and a side airfoil for yaw: drag grows with the angle only on
    // the first.
    ASSERT_EQ(stage.airfoils.size(), 2u);
    const double angles[] = {PI05, PI05};
    const double drags[] = {0.46, 0.06};
    const AIRFOIL_ORIENTATION aligns[] = {LIFT_VERTICAL, LIFT_HORIZONTAL};
    const double areas[] = {9.5, 6.12};
    for (int i = 0; i < 2; ++i) {
        const sim::AirfoilRecord& airfoil = *stage.airfoils[i];
        EXPECT_EQ(airfoil.align, aligns[i]);
        EXPECT_DOUBLE_EQ(airfoil.S, areas[i]);
        double cl, cm, cd;
        airfoil.functionEx(stage.iface, angles[i], 0.0, 1e6, nullptr, &cl, &cm, &cd);
        EXPECT_DOUBLE_EQ(cd, drags[i]);
    }

    ASSERT_EQ(stage.tanks.size(), 1u);
    EXPECT_DOUBLE_EQ(stage.tanks[0]->mass, 65000.0);
    ASSERT_EQ(stage.thrusters.size(), 7u);
    for (const auto& thruster : stage.thrusters) EXPECT_EQ(thruster->tank, stage.tanks[0].get());
    sim::ThrusterRecord* main = stage.thrusters[0].get();
    EXPECT_TRUE(Near(main->pos, _V(0, 0, -7.95)));
    EXPECT_TRUE(Near(main->dir, _V(0, 0, 1)));
    EXPECT_DOUBLE_EQ(main->max0, 1000000.0);
    EXPECT_DOUBLE_EQ(main->isp0, 4450.62);
    EXPECT_EQ(Group(stage, THGROUP_MAIN), std::vector<sim::ThrusterRecord*>{main});
    ASSERT_EQ(stage.exhausts.size(), 7u);
    EXPECT_EQ(stage.exhausts[0].thruster, main);
    EXPECT_DOUBLE_EQ(stage.exhausts[0].lsize, 20.0);
    EXPECT_DOUBLE_EQ(stage.exhausts[0].wsize, 3.0);
    EXPECT_EQ(sim::textureName(stage.exhausts[0].tex), "Arvex//hydro-exh");
    EXPECT_EQ(stage.exhausts[1].tex, nullptr);  // the host's default for the attitude thrusters
    EXPECT_TRUE(Near(stage.pmi, _V(136, 136, 6)));
    EXPECT_TRUE(Near(stage.crossSections, _V(242, 242, 36)));

    const AttitudeThrusterCase attitude[] = {
        {_V(-3.15, 0, -4.75), _V(0, -1, 0)},  {_V(3.15, 0, -4.75), _V(0, -1, 0)},
        {_V(-3.15, 0, -4.75), _V(0, 1, 0)},   {_V(3.15, 0, -4.75), _V(0, 1, 0)},
        {_V(3.192, 0, -4.763), _V(-1, 0, 0)}, {_V(-3.192, 0, -4.763), _V(1, 0, 0)},
    };
    sim::ThrusterRecord* t[6];
    for (int i = 0; i < 6; ++i) {
        t[i] = stage.thrusters[i + 1].get();
        EXPECT_TRUE(Near(t[i]->pos, attitude[i].pos)) << "thruster " << i + 1;
        EXPECT_TRUE(Near(t[i]->dir, attitude[i].dir)) << "thruster " << i + 1;
        EXPECT_DOUBLE_EQ(t[i]->max0, 10000.0);
        EXPECT_DOUBLE_EQ(t[i]->isp0, 4410.0);
    }
    using Members = std::vector<sim::ThrusterRecord*>;
    EXPECT_EQ(Group(stage, THGROUP_ATT_PITCHUP), (Members{t[0], t[1]}));
    EXPECT_EQ(Group(stage, THGROUP_ATT_PITCHDOWN), (Members{t[2], t[3]}));
    EXPECT_EQ(Group(stage, THGROUP_ATT_YAWRIGHT), (Members{t[4]}));
    EXPECT_EQ(Group(stage, THGROUP_ATT_YAWLEFT), (Members{t[5]}));
    EXPECT_EQ(Group(stage, THGROUP_ATT_BANKLEFT), (Members{t[0], t[3]}));
    EXPECT_EQ(Group(stage, THGROUP_ATT_BANKRIGHT), (Members{t[1], t[2]}));
}

struct FittingCase {
    const char* items;  // of the class configuration
    std::vector<std::string> meshes;
    double emptyMass;  // [kg]
};

TEST_F(UpperStage, FairingAndAdapterFromTheClassConfiguration) {
    const FittingCase cases[] = {
        {"Fairing = 1\nAdapter = ring\n",
         {"Arvex\\arvex_ms", kShortFairing, kShortFairing, kRing},
         11000.0},
        {"Adapter = ring\n", {"Arvex\\arvex_ms", kRing}, 10000.0},
    };
    for (const FittingCase& c : cases) {
        SCOPED_TRACE(c.items);
        Restart();
        sim::HostVessel& stage = CreateStage(Class("FittedStage", kModule, c.items));
        EXPECT_EQ(MeshNames(stage), c.meshes);
        for (std::size_t i = 1; i < stage.meshes.size(); ++i) {
            EXPECT_EQ(stage.meshes[i].visibility, MESHVIS_ALWAYS) << "mesh " << i;
        }
        EXPECT_TRUE(
            Near(stage.meshes[1].offset, c.meshes[1] == kRing ? _V(0, 0, 0) : _V(0, 0, 4.6)));
        EXPECT_DOUBLE_EQ(stage.emptyMass, c.emptyMass);

        // One animation at its end turns mesh slots 1 and 2 about the stage's axis.
        ASSERT_EQ(stage.animations.size(), 1u);
        EXPECT_EQ(stage.animations[0]->state, 1.0);
        ASSERT_EQ(stage.animations[0]->components.size(), 2u);
        const float turns[] = {static_cast<float>(PI05), static_cast<float>(3 * PI05)};
        for (UINT i = 0; i < 2; ++i) {
            const auto* turn =
                dynamic_cast<const MGROUP_ROTATE*>(stage.animations[0]->components[i]->transform);
            ASSERT_NE(turn, nullptr);
            EXPECT_EQ(turn->mesh, i + 1);
            EXPECT_TRUE(Near(turn->axis, _V(0, 0, 1)));
            EXPECT_TRUE(Near(turn->ref, _V(0, 0, 0)));
            EXPECT_EQ(turn->angle, turns[i]);
        }
    }
}

TEST_F(UpperStage, KeyKJettisonsTheFairingAsTwoSpentParts) {
    sim::HostVessel& stage = CreateStage(FairingClass());
    EXPECT_EQ(Sim().pressKey(OAPI_KEY_K), 1);

    EXPECT_EQ(stage.meshes[1].visibility, MESHVIS_NEVER);
    EXPECT_EQ(stage.meshes[2].visibility, MESHVIS_NEVER);
    EXPECT_DOUBLE_EQ(stage.emptyMass, 10000.0);
    EXPECT_EQ(SavedValues("Stage", "Fairing"), std::vector<std::string>{"1 0"});

    const VESSELSTATUS own = Status(stage);
    const struct {
        const char* name;
        VECTOR3 velocity;  // relative to the stage [m/s]
        double turn;       // [deg]
    } halves[] = {{"Stage-Fairing1", _V(5, 0, -4.7), 90.0},
                  {"Stage-Fairing2", _V(-5, 0, -4.7), 270.0}};
    for (const auto& expected : halves) {
        SCOPED_TRACE(expected.name);
        sim::HostVessel& half = Find(expected.name);
        EXPECT_EQ(half.className, kFairingHalfClass);
        EXPECT_EQ(MeshNames(half), std::vector<std::string>{kShortFairing});
        const VESSELSTATUS vs = Status(half);
        EXPECT_TRUE(Near(vs.rpos - own.rpos, _V(0, 0, 4.6), 1e-6));
        EXPECT_TRUE(Near(vs.rvel - own.rvel, expected.velocity, 1e-9));
        MATRIX3 r;
        half.iface->GetRotationMatrix(r);
        const double c = std::cos(expected.turn * RAD), s = std::sin(expected.turn * RAD);
        EXPECT_TRUE(Near(_V(r.m11, r.m12, r.m13), _V(c, s, 0), 1e-12));
        EXPECT_TRUE(Near(_V(r.m21, r.m22, r.m23), _V(-s, c, 0), 1e-12));
    }

    // Once the fairing is gone, K is still the stage's but does nothing.
    const std::size_t vessels = Sim().vessels().size();
    EXPECT_EQ(Sim().pressKey(OAPI_KEY_K), 1);
    EXPECT_EQ(Sim().vessels().size(), vessels);
}

TEST_F(UpperStage, KeysTheStageLeavesToTheHostOrTakesWithoutEffect) {
    sim::HostVessel& stage = CreateStage(FairingClass());
    EXPECT_EQ(Sim().pressKey(OAPI_KEY_K, {OAPI_KEY_LCONTROL}), 0);
    EXPECT_EQ(Sim().pressKey(OAPI_KEY_K, {OAPI_KEY_RCONTROL}), 0);
    EXPECT_EQ(Sim().pressKey(OAPI_KEY_L), 0);
    char kstate[256] = {};
    EXPECT_EQ(stage.callbacks()->clbkConsumeBufferedKey(OAPI_KEY_K, false, kstate), 0);
    EXPECT_EQ(Sim().pressKey(OAPI_KEY_J), 1);  // no payload to release
    EXPECT_EQ(Sim().vessels().size(), 1u);
    EXPECT_EQ(SavedValues("Stage", "Fairing"), std::vector<std::string>{"1 1"});

    Restart();
    CreateStage(BareClass());
    EXPECT_EQ(Sim().pressKey(OAPI_KEY_K), 1);  // no fairing to jettison
    EXPECT_EQ(Sim().vessels().size(), 1u);
}

TEST_F(UpperStage, KeyJReleasesTheLastPayload) {
    const std::string payloads =
        "  PAYLOAD Arvex/Payloads/Arvex-Satellite Sat1\n"
        "  PAYLOAD Arvex/Payloads/Arvex-Satellite Sat2\n";
    LoadShips(ShipBlock("Stage", FairingClass(), OverPole(300e3), payloads));
    sim::HostVessel& stage = Find("Stage");
    Sim().setFocus(&stage);
    Sim().step(kFrame);  // the library attaches the payloads it read
    ASSERT_EQ(PayloadManager::GetPayloadsNumber(stage.iface), 2);
    const OBJHANDLE first = PayloadManager::GetPayloadByIndex(stage.iface, 0);

    EXPECT_EQ(Sim().pressKey(OAPI_KEY_J), 1);
    ASSERT_EQ(PayloadManager::GetPayloadsNumber(stage.iface), 1);
    EXPECT_EQ(PayloadManager::GetPayloadByIndex(stage.iface, 0), first);
    EXPECT_EQ(Sim().vessels().size(), 3u);  // released, not deleted
}

TEST_F(UpperStage, NozzleGlowsWithTheMainEngineAndCoolsWhenItStops) {
    sim::HostVessel& stage = CreateStage(BareClass());
    Sim().createVisual(stage);
    const COLOUR4 cold = NozzleEmissive(stage);
    EXPECT_EQ(cold.r, 0.0f);
    EXPECT_EQ(cold.a, 1.0f);

    stage.iface->SetThrusterGroupLevel(THGROUP_MAIN, 0.5);
    Sim().run(2.0, kFrame);
    EXPECT_EQ(NozzleEmissive(stage).r, 0.25f);
    EXPECT_EQ(NozzleEmissive(stage).g, 0.25f / 6.0f);
    EXPECT_EQ(NozzleEmissive(stage).b, 0.0f);

    stage.iface->SetThrusterGroupLevel(THGROUP_MAIN, 0.0);
    Sim().run(1.0, kFrame);
    EXPECT_NEAR(NozzleEmissive(stage).r, 0.10f, 1e-6);
    EXPECT_EQ(SavedValues("Stage", "Misc"), std::vector<std::string>{"0.100000"});

    // A new visual starts cold and shows the glow from the next step on.
    Sim().destroyVisual(stage);
    Sim().createVisual(stage);
    EXPECT_EQ(NozzleEmissive(stage).r, 0.0f);
    Sim().step(kFrame);
    EXPECT_NEAR(NozzleEmissive(stage).r, 0.0625f, 1e-6);
}

struct StateCase {
    const char* lines;
    std::vector<std::string> meshes;
    double emptyMass;  // [kg]
    const char* misc;
    const char* fairing;
};

TEST_F(UpperStage, ScenarioLinesSetGlowAndFairingAndSurviveASave) {
    const StateCase cases[] = {
        {"  Misc 0.5\n  Fairing 1 1\n",
         {"Arvex\\arvex_ms", kShortFairing, kShortFairing, kRing},
         11000.0,
         "0.500000",
         "1 1"},
        {"  FAIRING 2\n",
         {"Arvex\\arvex_ms", kLongFairing, kLongFairing, kRing},
         11500.0,
         "0.000000",
         "2 1"},
        {"  Fairing 0x2 1\n  Misc none\n",
         {"Arvex\\arvex_ms", kLongFairing, kLongFairing, kRing},
         11500.0,
         "0.000000",
         "2 1"},
        {"  Fairing 1 0\n", {"Arvex\\arvex_ms", kRing}, 10000.0, "0.000000", "1 0"},
    };
    for (const StateCase& c : cases) {
        SCOPED_TRACE(c.lines);
        Restart();
        LoadShips(ShipBlock("Stage", FairingClass(), OverPole(300e3), c.lines));
        EXPECT_EQ(MeshNames(Find("Stage")), c.meshes);
        EXPECT_DOUBLE_EQ(Find("Stage").emptyMass, c.emptyMass);
        EXPECT_EQ(SavedValues("Stage", "Misc"), std::vector<std::string>{c.misc});
        EXPECT_EQ(SavedValues("Stage", "Fairing"), std::vector<std::string>{c.fairing});

        const std::string saved = Sim().saveScenarioText();
        Restart();
        Sim().loadScenarioText(saved, "saved stage");
        EXPECT_EQ(MeshNames(Find("Stage")), c.meshes);
        EXPECT_EQ(SavedValues("Stage", "Misc"), std::vector<std::string>{c.misc});
        EXPECT_EQ(SavedValues("Stage", "Fairing"), std::vector<std::string>{c.fairing});
    }
}

TEST_F(UpperStage, StageSavedHotIsLoadedHot) {
    LoadShips(ShipBlock("Stage", BareClass(), OverPole(300e3), "  Misc 0.5\n"));
    sim::HostVessel& stage = Find("Stage");
    Sim().createVisual(stage);
    Sim().step(kFrame);
    EXPECT_NEAR(NozzleEmissive(stage).r, 0.5f - 0.15f * 0.25f, 1e-6);
}

}  // namespace
}  // namespace vesseltest
