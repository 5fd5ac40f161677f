// The payload library as the host runs it: a carrier module and satellite payloads loaded from
// the runtime tree, payloads named in scenarios, attached, flown, saved and released.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "error.h"
#include "simulation.h"
#include "test_carrier.h"

namespace {

using testing::HasSubstr;

const char* const kSatelliteClass = "Arvex/Payloads/Arvex-Satellite";
constexpr double kSatelliteMass = 2800.0 + 400.0;  // empty plus a full tank [kg]
constexpr double kSatelliteTank = 400.0;           // [kg]
constexpr double kFrame = 0.25;                    // [s], exact in binary

std::string payloadLine(const std::string& name, const std::string& className = kSatelliteClass) {
    return "  PAYLOAD " + className + " " + name + "\n";
}

// A carrier in a low circular orbit, nose along +z, with the given payload lines.
std::string scenario(const std::string& payloadLines) {
    return "BEGIN_ENVIRONMENT\n  System Sol\n  Date MJD 51544.5\nEND_ENVIRONMENT\n"
           "BEGIN_FOCUS\n  Ship Carrier\nEND_FOCUS\n"
           "BEGIN_SHIPS\n"
           "Carrier:Tests/PayloadCarrier\n"
           "  STATUS Orbiting Earth\n"
           "  RPOS 6771000.000 0.000 0.000\n"
           "  RVEL 0.0000 0.0000 7672.0000\n"
           "  AROT 0.000 0.000 0.000\n" +
           payloadLines + "END\nEND_SHIPS\n";
}

class PayloadFlight : public testing::Test {
  protected:
    void start(const std::string& scenarioText) {
        simulation.reset();
        sim::SimulationOptions options;
        options.loadConfiguredPlugins = false;
        simulation = std::make_unique<sim::Simulation>(std::getenv("ARVEX_TREE"), options);
        simulation->loadScenarioText(scenarioText, "payload test");
    }
    void startWithTwoSatellites() { start(scenario(payloadLine("Sat1") + payloadLine("Sat2"))); }

    sim::HostVessel& record(const char* name) {
        sim::HostVessel* vessel = simulation->findVessel(name);
        EXPECT_NE(vessel, nullptr) << name;
        return *vessel;
    }
    PayloadTestCarrier& carrier() {
        return *static_cast<PayloadTestCarrier*>(record("Carrier").iface);
    }
    int payloadCount() { return PayloadManager::GetPayloadsNumber(&carrier()); }
    double emptyMass() { return carrier().GetEmptyMass(); }

    std::unique_ptr<sim::Simulation> simulation;
};

TEST_F(PayloadFlight, NamedPayloadsAreCreatedAttachedAndWeighed) {
    startWithTwoSatellites();
    simulation->step(kFrame);

    ASSERT_EQ(payloadCount(), 2);
    EXPECT_EQ(PayloadManager::GetPayloadByIndex(&carrier(), 0), record("Sat1").handle);
    EXPECT_EQ(PayloadManager::GetPayloadByIndex(&carrier(), 1), record("Sat2").handle);
    EXPECT_EQ(PayloadManager::GetPayloadByIndex(&carrier(), 2), nullptr);
    for (const char* name : {"Sat1", "Sat2"}) {
        ASSERT_NE(record(name).attachedTo(), nullptr) << name;
        EXPECT_EQ(record(name).attachedTo()->owner, &record("Carrier")) << name;
    }
    EXPECT_EQ(carrier().attachCount, 2);
    EXPECT_DOUBLE_EQ(PayloadManager::GetTotalPayloadsMass(&carrier()), 2 * kSatelliteMass);
    EXPECT_DOUBLE_EQ(emptyMass(), test_carrier::kEmptyMass + 2 * kSatelliteMass);
}

TEST_F(PayloadFlight, PayloadsRideAtTheDefaultAttachmentPoint) {
    start(scenario(payloadLine("Sat1")));
    simulation->step(kFrame);
    simulation->step(kFrame);

    // The satellite's adapter ring, 1.8 m below its origin, sits on the carrier's point.
    const VECTOR3 offset = record("Sat1").body.r_N - record("Carrier").body.r_N;
    const VECTOR3 expected = mul(record("Carrier").body.R, _V(0, 0, 10.0 + 1.8));
    EXPECT_NEAR(length(offset - expected), 0.0, 1e-6);
}

TEST_F(PayloadFlight, CarrierInertiaAndSectionsIncludeThePayloads) {
    startWithTwoSatellites();
    simulation->step(kFrame);

    // Both satellites sit with their origin 11.8 m up the carrier's axis, unturned.
    const double total = test_carrier::kEmptyMass + 2 * kSatelliteMass;
    const double lever = 11.8 * 11.8;
    const sim::HostVessel& c = record("Carrier");
    EXPECT_NEAR(c.pmi.x,
                (test_carrier::kEmptyMass * 20.0 + 2 * kSatelliteMass * (2.8 + lever)) / total,
                1e-9);
    EXPECT_NEAR(c.pmi.z, (test_carrier::kEmptyMass * 5.0 + 2 * kSatelliteMass * 1.9) / total, 1e-9);
    EXPECT_NEAR(c.crossSections.x, 40.0 + 2 * 10.5, 1e-9);
    EXPECT_NEAR(c.crossSections.z, 10.0, 1e-9);
}

TEST_F(PayloadFlight, CarrierMassChangesKeepThePayloadsCounted) {
    startWithTwoSatellites();
    simulation->step(kFrame);

    // How a carrier changes its own empty mass by d once it may carry payloads.
    const double d = -500.0;  // [kg]
    VESSEL* v = &carrier();
    v->SetEmptyMass(v->GetEmptyMass() - PayloadManager::GetTotalPayloadsMass(v) + d);
    PayloadManager::VehicleEmptyMassWasChanged(v);
    EXPECT_DOUBLE_EQ(emptyMass(), test_carrier::kEmptyMass + d + 2 * kSatelliteMass);
    EXPECT_DOUBLE_EQ(PayloadManager::GetTotalPayloadsMass(v), 2 * kSatelliteMass);
}

TEST_F(PayloadFlight, PayloadMassChangesReachTheCarrierAtTheRefreshPeriod) {
    startWithTwoSatellites();
    simulation->step(kFrame);
    VESSEL* sat = record("Sat1").iface;
    sat->SetPropellantMass(sat->GetDefaultPropellantResource(), 0.0);

    simulation->run(test_carrier::kCapsRefreshPeriod - 2 * kFrame, kFrame);
    EXPECT_DOUBLE_EQ(emptyMass(), test_carrier::kEmptyMass + 2 * kSatelliteMass);
    simulation->run(2 * kFrame, kFrame);
    EXPECT_DOUBLE_EQ(emptyMass(), test_carrier::kEmptyMass + 2 * kSatelliteMass - kSatelliteTank);
}

TEST_F(PayloadFlight, ReleaseFreesTheLastPayloadAlongTheAttachmentDirection) {
    startWithTwoSatellites();
    simulation->step(kFrame);
    ASSERT_TRUE(PayloadManager::DetachPayloadByIndex(&carrier(), payloadCount() - 1));

    sim::HostVessel& sat2 = record("Sat2");
    EXPECT_EQ(sat2.attachedTo(), nullptr);
    EXPECT_EQ(payloadCount(), 1);
    EXPECT_EQ(PayloadManager::GetPayloadByIndex(&carrier(), 0), record("Sat1").handle);
    EXPECT_EQ(carrier().detachCount, 1);
    EXPECT_EQ(carrier().lastDetached, sat2.handle);
    EXPECT_DOUBLE_EQ(emptyMass(), test_carrier::kEmptyMass + kSatelliteMass);
    EXPECT_EQ(simulation->focus(), &record("Carrier"));

    const VECTOR3 relative = sat2.body.v_N - record("Carrier").body.v_N;
    const VECTOR3 push = mul(record("Carrier").body.R, test_carrier::kAttachmentDirection);
    EXPECT_NEAR(length(relative - push * test_carrier::kDetachSpeed), 0.0, 1e-6);
}

TEST_F(PayloadFlight, ReleasesWaitForTheDetachInterval) {
    startWithTwoSatellites();
    simulation->step(kFrame);
    ASSERT_TRUE(PayloadManager::DetachPayloadByIndex(&carrier(), 1));

    EXPECT_FALSE(PayloadManager::DetachPayloadByIndex(&carrier(), 0));
    simulation->run(test_carrier::kDetachInterval - kFrame, kFrame);
    EXPECT_FALSE(PayloadManager::DetachPayloadByIndex(&carrier(), 0));
    simulation->step(kFrame);
    EXPECT_TRUE(PayloadManager::DetachPayloadByIndex(&carrier(), 0));
    EXPECT_EQ(payloadCount(), 0);
    EXPECT_FALSE(PayloadManager::DetachPayloadByIndex(&carrier(), 0));
    EXPECT_DOUBLE_EQ(emptyMass(), test_carrier::kEmptyMass);
}

TEST_F(PayloadFlight, SavedPayloadsComeBackOnceWhenLoaded) {
    startWithTwoSatellites();
    // Lines of payloads not yet attached are kept, too.
    EXPECT_THAT(simulation->saveScenarioText(), HasSubstr(payloadLine("Sat1")));
    simulation->step(kFrame);
    const std::string saved = simulation->saveScenarioText();
    EXPECT_THAT(saved, HasSubstr(payloadLine("Sat1") + payloadLine("Sat2")));

    start(saved);
    simulation->step(kFrame);
    EXPECT_EQ(payloadCount(), 2);
    int satellites = 0;
    for (const sim::HostVessel* v : simulation->vessels())
        satellites += v->className == kSatelliteClass;
    EXPECT_EQ(satellites, 2);
    EXPECT_DOUBLE_EQ(emptyMass(), test_carrier::kEmptyMass + 2 * kSatelliteMass);
}

TEST_F(PayloadFlight, DeletedPayloadIsDroppedWithItsMass) {
    startWithTwoSatellites();
    simulation->step(kFrame);
    simulation->deleteVessel(record("Sat1"));

    EXPECT_EQ(payloadCount(), 1);
    EXPECT_EQ(PayloadManager::GetPayloadByIndex(&carrier(), 0), record("Sat2").handle);
    EXPECT_DOUBLE_EQ(emptyMass(), test_carrier::kEmptyMass + kSatelliteMass);
    simulation->step(kFrame);
    EXPECT_THAT(simulation->saveScenarioText(), testing::Not(HasSubstr(payloadLine("Sat1"))));
}

struct BadScenarioCase {
    std::string payloadLines;
    std::vector<std::string> messageParts;
};

TEST_F(PayloadFlight, BadPayloadLinesFailTheLoadNamingFileLineAndCarrier) {
    const BadScenarioCase cases[] = {
        {payloadLine("Sat9", "Nowhere/NoSuchSatellite"),
         {"payload test:14: ", "\"Carrier\"", "\"Sat9\"", "Nowhere/NoSuchSatellite",
          "no class configuration"}},
        {payloadLine("Sat1") + payloadLine("Sat2") + payloadLine("Sat3"),
         {"payload test:16: ", "\"Carrier\"", "\"Sat3\"", "at most 2"}},
        {payloadLine("Sat1") + payloadLine("Sat1"),
         {"payload test:15: ", "\"Carrier\"", "\"Sat1\"", "named twice"}},
        {"  PAYLOAD Arvex/Payloads/Arvex-Satellite\n",
         {"payload test:14: ", "\"Carrier\"", "PAYLOAD <class> <name>"}},
    };
    for (const BadScenarioCase& c : cases) {
        SCOPED_TRACE(c.payloadLines);
        try {
            start(scenario(c.payloadLines));
            ADD_FAILURE() << "no error";
        } catch (const sim::Error& e) {
            for (const std::string& part : c.messageParts) EXPECT_THAT(e.what(), HasSubstr(part));
        }
    }
}

TEST_F(PayloadFlight, PayloadWithoutAnAttachmentPointIsReported) {
    start(scenario(payloadLine("Other", "Tests/PayloadCarrier")));
    try {
        simulation->step(kFrame);
        ADD_FAILURE() << "no error";
    } catch (const sim::Error& e) {
        EXPECT_THAT(e.what(), HasSubstr("\"Other\""));
        EXPECT_THAT(e.what(), HasSubstr("no attachment point"));
    }
}

}  // namespace
