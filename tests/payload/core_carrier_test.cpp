// The Arvex core stage as the carrier: its class set-up, its own mass changes and its release
// key work through the payload library.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "arvex.h"
#include "simulation.h"

namespace {

using testing::HasSubstr;

constexpr double kSatelliteMass = 3200.0;         // [kg]
const VECTOR3 kSatelliteOffset = {{0, 0, 27.8}};  // mode 2 attachment point plus its ring [m]
constexpr double kDetachSpeed = 1.0;              // mode 2 [m/s]
constexpr double kFrame = 0.25;                   // [s]

// The core (mode 2, fairing 1), fuelled on the pad, with one satellite aboard.
const char* const kScenario =
    "BEGIN_ENVIRONMENT\n  System Sol\n  Date MJD 60310.5\nEND_ENVIRONMENT\n"
    "BEGIN_FOCUS\n  Ship Arvex1\nEND_FOCUS\n"
    "BEGIN_SHIPS\n"
    "Arvex1:Arvex/Arvex-Core\n"
    "  STATUS Landed Earth\n"
    "  POS -80.6041000 28.6084000\n"
    "  HEADING 90.00\n"
    "  PRPLEVEL 0:1.000000 1:1.000000\n"
    "  PAYLOAD Arvex/Payloads/Arvex-Satellite Comsat\n"
    "  Fairing 1 1\n"
    "END\n"
    "END_SHIPS\n";

class CoreCarrier : public testing::Test {
  protected:
    CoreCarrier() {
        sim::SimulationOptions options;
        options.loadConfiguredPlugins = false;
        simulation = std::make_unique<sim::Simulation>(std::getenv("ARVEX_TREE"), options);
        simulation->loadScenarioText(kScenario, "core carrier test");
    }

    sim::HostVessel& core() { return *simulation->findVessel("Arvex1"); }
    sim::HostVessel& satellite() { return *simulation->findVessel("Comsat"); }
    Arvex& arvex() { return *static_cast<Arvex*>(core().iface); }

    std::unique_ptr<sim::Simulation> simulation;
};

TEST_F(CoreCarrier, CountsTheSatelliteInItsMassThroughTheFairingJettison) {
    const double ownMass = core().emptyMass;  // the satellite is attached at the first frame
    simulation->step(kFrame);
    EXPECT_EQ(PayloadManager::GetPayloadsNumber(&arvex()), 1);
    EXPECT_DOUBLE_EQ(arvex().GetPayloadMass(), kSatelliteMass);
    EXPECT_DOUBLE_EQ(core().emptyMass, ownMass + kSatelliteMass);

    simulation->step(kFrame);
    const VECTOR3 offset = satellite().body.r_N - core().body.r_N;
    EXPECT_NEAR(length(offset - mul(core().body.R, kSatelliteOffset)), 0.0, 1e-6);

    const double fairingMass = arvex().fairingMass;
    ASSERT_GT(fairingMass, 0.0);
    arvex().JettisonFairing();
    EXPECT_DOUBLE_EQ(core().emptyMass, ownMass - fairingMass + kSatelliteMass);
    EXPECT_DOUBLE_EQ(arvex().GetPayloadMass(), kSatelliteMass);
}

TEST_F(CoreCarrier, SavesThePayloadBetweenTheDefaultAndItsOwnLines) {
    simulation->step(kFrame);
    const std::string saved = simulation->saveScenarioText();
    const auto payload = saved.find("  PAYLOAD Arvex/Payloads/Arvex-Satellite Comsat\n");
    ASSERT_NE(payload, std::string::npos) << saved;
    EXPECT_LT(saved.find("  HEADING"), payload);
    EXPECT_GT(saved.find("  FC_Config"), payload);
}

TEST_F(CoreCarrier, ControlJReleasesTheSatelliteAlongTheNose) {
    const double ownMass = core().emptyMass;
    simulation->step(kFrame);
    simulation->pressKey(OAPI_KEY_J, {OAPI_KEY_LCONTROL});

    EXPECT_EQ(PayloadManager::GetPayloadsNumber(&arvex()), 0);
    EXPECT_EQ(satellite().attachedTo(), nullptr);
    EXPECT_DOUBLE_EQ(core().emptyMass, ownMass);
    EXPECT_EQ(simulation->focus(), &core());
    const VECTOR3 relative = satellite().body.v_N - core().body.v_N;
    EXPECT_NEAR(length(relative - mul(core().body.R, _V(0, 0, kDetachSpeed))), 0.0, 1e-6);
}

}  // namespace
