// What a pilot does besides the MFD, played from a script: the configuration dialog (another
// fairing, the launch offset, a fairing half hidden) and the keys of the core and the upper stage.
#include <gtest/gtest.h>

#include "program.h"

namespace apptest {
namespace {

bool hasMesh(const nlohmann::json& vessel, const std::string& part, int visibility) {
    for (const auto& mesh : vessel.at("meshes")) {
        if (mesh.at("name").get<std::string>().find(part) != std::string::npos &&
            mesh.at("visibility") == visibility) {
            return true;
        }
    }
    return false;
}

TEST(PilotActions, ConfigurationDialogAndKeysOfTheCore) {
    Scratch scratch;
    scratch.write("pilot.txt",
                  "at 0: dialog open Arvex1\n"
                  "at 0: dialog pick 1021 \"Arvex 8.4 m extended fairing\"\n"
                  "at 0: dialog press Select\n"
                  "at 0: dialog type 1027 3.25\n"
                  "at 0: dialog press Set\n"
                  "at 0: dialog press \"Hide / Show\"\n"
                  "at 0: dialog close\n"
                  "at 0: state configured.json\n"
                  "at 1: key Arvex1 J\n"
                  "at 1: key Arvex1 K\n"
                  "at 2: key Arvex1 Ctrl+J\n"
                  "at 3: stop\n");
    const ProgramResult result = scratch.run({"run", "Arvex launch", "--script=pilot.txt"});
    ASSERT_EQ(result.exitCode, 0) << result.err;

    const nlohmann::json configured = scratch.readJson("configured.json");
    const auto& core = vesselIn(configured, "Arvex1");
    EXPECT_TRUE(hasMesh(core, "fairing-8m-extended", 0)) << core.at("meshes");  // the hidden half
    EXPECT_TRUE(hasMesh(core, "fairing-8m-extended", 3)) << core.at("meshes");
    EXPECT_FALSE(hasMesh(core, "fairing-8m-standard", 3));
    for (const auto& point : core.at("touchdownPoints")) EXPECT_DOUBLE_EQ(point[2], -18.25);

    for (const char* event : {"t =    1.0 s  booster separation", "t =    1.0 s  fairing jettison",
                              "t =    2.0 s  payload release"}) {
        EXPECT_EQ(linesWith(result.out, event).size(), 1u) << event << "\n" << result.out;
    }
}

TEST(PilotActions, KeysOfTheUpperStageInOrbit) {
    Scratch scratch;
    scratch.write("pilot.txt",
                  "at 5: key EDS1 K\n"
                  "at 10: key EDS1 J\n"
                  "after payload release + 10: key EDS1 J\n"
                  "after payload release + 20: stop\n");
    const ProgramResult result = scratch.run(
        {"run", "Arvex upper stage in orbit", "--script=pilot.txt", "--state=end.json"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(linesWith(result.out, "t =    5.0 s  fairing jettison").size(), 1u) << result.out;
    EXPECT_EQ(linesWith(result.out, "s  payload release").size(), 2u) << result.out;
    const nlohmann::json end = scratch.readJson("end.json");
    for (const char* name : {"Comsat 3", "Comsat 4"}) {
        EXPECT_TRUE(vesselIn(end, name).at("attachedTo").is_null()) << name;
    }
}

}  // namespace
}  // namespace apptest
