// The entry points of the three vessel modules as the host finds them when it loads them.
#include <cstring>

#include "module_registry.h"
#include "vessel_tree.h"
#include "world.h"

namespace vesseltest {
namespace {

class ModuleEntry : public VesselTree {};

struct ModuleCase {
    const char* className;
    const char* file;
    std::vector<const char*> exports;
};

TEST_F(ModuleEntry, ModulesExportTheirEntryPointsAndHandThemselvesToTheHost) {
    const std::string upperStage = Class("Stage", "Arvex\\Arvex-EDS");
    const ModuleCase modules[] = {
        {kFairingHalfClass, "Arvex-Spent", {}},
        {kBoosterClass, "Arvex-LRB", {}},
        {upperStage.c_str(), "Arvex-EDS", {"InitModule", "secInit"}},
    };
    for (const ModuleCase& m : modules) {
        SCOPED_TRACE(m.file);
        Create("Vessel", m.className, OverPole(300e3));
        sim::ModuleLibrary* module = Sim().modules().find(m.file);
        ASSERT_NE(module, nullptr);
        for (const char* name : {"ovcInit", "ovcExit"})
            EXPECT_NE(module->symbol(name), nullptr) << name;
        for (const char* name : m.exports) EXPECT_NE(module->symbol(name), nullptr) << name;

        const auto version = module->function<int (*)()>("GetModuleVersion");
        ASSERT_NE(version, nullptr);
        EXPECT_EQ(version(), 160828);  // "Aug 28 2016"
        const auto date = module->function<char* (*)()>("ModuleDate");
        ASSERT_NE(date, nullptr);
        EXPECT_EQ(std::strlen(date()), 11u);  // "Mmm dd yyyy"

        // The host logs each module handed to it by its file.
        const std::string attached = std::string("/") + m.file + ".so";
        bool logged = false;
        for (const std::string& line : Sim().world().log) {
            logged = logged || line.find(attached) != std::string::npos;
        }
        EXPECT_TRUE(logged) << "the module did not hand itself to InitLib";
        Restart();
    }
}

}  // namespace
}  // namespace vesseltest
