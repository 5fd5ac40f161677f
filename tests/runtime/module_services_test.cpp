// What the host offers modules besides vessels: module handles and symbols, module entry
// points, visuals and device meshes, keys, the current directory.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "runtime_fixture.h"

namespace runtime_test {
namespace {

class ModuleServicesTest : public RuntimeTest {};

TEST_F(ModuleServicesTest, LoadedModulesAreFoundByNameAndTheirSymbols) {
    sim::Simulation& s = start();
    VESSELSTATUS vs{};
    s.createVessel("P", kProbeClass, vs);
    const HMODULE probe = GetModuleHandleA("RuntimeProbe");
    ASSERT_NE(probe, nullptr);
    for (const char* name :
         {"runtimeprobe.dll", "Tests\\RuntimeProbe", "Modules/Tests/RuntimeProbe.so"}) {
        EXPECT_EQ(GetModuleHandleA(name), probe) << name;
    }
    for (const char* name : {"Probe", "Other\\RuntimeProbe", "Arvex-Core"})
        EXPECT_EQ(GetModuleHandleA(name), nullptr) << name;
    const auto* flag = reinterpret_cast<const char*>(GetProcAddress(probe, "ProbeFlag"));
    ASSERT_NE(flag, nullptr);
    EXPECT_EQ(*flag, 1);
    EXPECT_EQ(GetProcAddress(probe, "XRVesselCtrlFlag"), nullptr);
    EXPECT_NE(GetModuleHandleA(nullptr), nullptr);  // the host program itself
}

TEST_F(ModuleServicesTest, ModulesThatAttachThemselvesAreLoggedWithTheirBuild) {
    sim::Simulation& s = start();
    VESSELSTATUS vs{};
    s.createVessel("Spent", "Arvex//Misc//Arvex-Fairing", vs);
    ASSERT_FALSE(s.log().empty());
    EXPECT_NE(s.log().back().find("Arvex-Spent.so [Build "), std::string::npos) << s.log().back();
    EXPECT_NE(s.log().back().find(", API 160828]"), std::string::npos) << s.log().back();
}

TEST_F(ModuleServicesTest, InitModuleOnLoadAndExitModuleWhenTheLastVesselGoes) {
    unsetenv("RUNTIME_PROBE_EXITED");
    sim::Simulation& s = start();
    VESSELSTATUS vs{};
    s.createVessel("P1", kProbeClass, vs);
    s.createVessel("P2", kProbeClass, vs);
    EXPECT_EQ(std::count(events().begin(), events().end(), "InitModule"), 1);
    s.deleteVessel(*s.findVessel("P1"));
    EXPECT_EQ(std::getenv("RUNTIME_PROBE_EXITED"), nullptr);
    s.deleteVessel(*s.findVessel("P2"));
    EXPECT_NE(std::getenv("RUNTIME_PROBE_EXITED"), nullptr);
    EXPECT_EQ(GetModuleHandleA("RuntimeProbe"), nullptr);
}

TEST_F(ModuleServicesTest, VisualsRunTheCallbacksAndKeepMaterialsOfDeviceMeshes) {
    sim::Simulation& s = start();
    VESSELSTATUS vs{};
    sim::HostVessel& v = s.createVessel("P", kProbeClass, vs);
    const VISHANDLE vis = s.createVisual(v);
    EXPECT_EQ(s.createVisual(v), vis);  // one visual per vessel
    ASSERT_EQ(v.visual->devMeshes.size(), 1u);
    const sim::DevMeshRecord& dev = *v.visual->devMeshes.front();
    EXPECT_EQ(v.meshes.at(dev.meshIndex).name, "Tests\\probe");
    const MATERIAL glow = dev.materials.at(2);
    EXPECT_FLOAT_EQ(glow.emissive.g, 0.5f);
    const auto oldDevMesh = reinterpret_cast<DEVMESHHANDLE>(v.visual->devMeshes.front().get());
    s.destroyVisual(v);
    EXPECT_EQ(v.visual, nullptr);
    EXPECT_EQ(v.iface->GetDevMesh(vis, 0), nullptr);
    EXPECT_EQ(oapiSetMaterial(oldDevMesh, 2, &glow), 3);  // the device mesh went with its visual
    EXPECT_EQ(std::count(events().begin(), events().end(), "visualcreated P"), 1);
    EXPECT_EQ(std::count(events().begin(), events().end(), "visualdestroyed P"), 1);
}

TEST_F(ModuleServicesTest, KeysGoToTheFocusVesselDownThenUp) {
    sim::Simulation& s = start();
    VESSELSTATUS vs{};
    s.createVessel("P", kProbeClass, vs);
    EXPECT_EQ(s.pressKey(OAPI_KEY_J, {OAPI_KEY_LCONTROL}), 1);
    EXPECT_EQ(events().back(), "keyup 36 ctrl P");
    EXPECT_EQ(events()[events().size() - 2], "keydown 36 ctrl P");
}

TEST(WindowsServices, CurrentDirectoryOrTheSizeNeeded) {
    const std::string cwd = fs::current_path().string();
    char small[2] = {'x', 'y'};
    EXPECT_EQ(GetCurrentDirectoryA(sizeof small, small), cwd.size() + 1);
    EXPECT_EQ(small[0], 'x');
    char buffer[4096];
    EXPECT_EQ(GetCurrentDirectoryA(sizeof buffer, buffer), cwd.size());
    EXPECT_EQ(std::string(buffer), cwd);
}

}  // namespace
}  // namespace runtime_test
