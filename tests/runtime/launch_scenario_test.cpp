// The shipped launch scenario flown by the real modules: the core vessel on its pad, the
// control MFD loaded as a plug-in.
#include <gtest/gtest.h>

#include "runtime_fixture.h"

namespace runtime_test {
namespace {

const double kPadLongitude = -80.6041 * RAD;  // launch complex 39A [rad]
const double kPadLatitude = 28.6084 * RAD;    // [rad]

class LaunchScenario : public ::testing::Test {
  protected:
    void SetUp() override {
        sim::SimulationOptions options;
        options.warningSink = [this](const std::string& w) { warnings_.push_back(w); };
        simulation_ = std::make_unique<sim::Simulation>(treeRoot(), options);
        simulation_->loadScenario("Arvex launch.scn");
    }

    std::vector<std::string> warnings_;
    std::unique_ptr<sim::Simulation> simulation_;
};

TEST_F(LaunchScenario, TheCoreVesselStandsFuelledOnItsPad) {
    EXPECT_TRUE(warnings_.empty()) << warnings_.front();
    ASSERT_NE(simulation_->findVessel("Arvex1"), nullptr);
    const sim::HostVessel& core = *simulation_->findVessel("Arvex1");
    EXPECT_EQ(core.className, "Arvex/Arvex-Core");
    ASSERT_NE(core.module, nullptr);
    EXPECT_EQ(simulation_->focus(), &core);
    EXPECT_TRUE(core.body.landed);
    EXPECT_NEAR(core.body.surface.longitude, kPadLongitude, 1e-9);
    EXPECT_NEAR(core.body.surface.latitude, kPadLatitude, 1e-9);
    ASSERT_EQ(core.tanks.size(), 2u);
    for (const auto& tank : core.tanks) EXPECT_EQ(tank->mass, tank->maxMass);
    EXPECT_NE(GetModuleHandleA("Arvex_MFD"), nullptr);  // the plug-in list of Orbiter.cfg
    EXPECT_NE(GetProcAddress(GetModuleHandleA("Modules\\Arvex\\Arvex-Core.dll"), "DialogResources"),
              nullptr);
}

TEST_F(LaunchScenario, WithEnginesOffItStaysAndSavesAsItWasRead) {
    const std::string before = simulation_->saveScenarioText();
    simulation_->run(1.0, 0.1);
    const sim::HostVessel& core = *simulation_->findVessel("Arvex1");
    EXPECT_TRUE(core.body.landed);
    EXPECT_NEAR(core.body.surface.longitude, kPadLongitude, 1e-9);
    for (const char* line :
         {"Arvex1:Arvex/Arvex-Core\n", "  STATUS Landed Earth\n", "  POS -80.6041000 28.6084000\n",
          "  HEADING 90.00\n", "  PRPLEVEL 0:1.000000 1:1.000000\n"}) {
        EXPECT_NE(before.find(line), std::string::npos) << line;
    }
}

}  // namespace
}  // namespace runtime_test
