// A small vessel module for the runtime's tests. It records every callback it receives as
// "<callback> <vessel name>" and acts on its scenario lines:
//   DELETE_AT <t>        deletes itself from the first post-step at or after t
//   SPAWN_AT <t> <name>  creates a probe of that name from the first post-step at or after t
//   VALUE <x>            a number kept and saved back
//   FAIL_LOAD            throws from clbkLoadStateEx
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "orbitersdk.h"

namespace {

std::vector<std::string> g_events;

void record(const std::string& what, VESSEL* v) {
    g_events.push_back(what + " " + v->GetName());
}

class Probe final : public VESSEL3 {
  public:
    Probe(OBJHANDLE h, int fmodel) : VESSEL3(h, fmodel) { record("construct", this); }
    ~Probe() { record("destroy", this); }

    void clbkSetClassCaps(FILEHANDLE cfg) override {
        record("setclasscaps", this);
        double mass = 0.0;
        if (oapiReadItem_float(cfg, "ProbeMass", mass)) SetEmptyMass(mass);
        tank_ = CreatePropellantResource(100.0);
        engine_ = CreateThruster(_V(0, 0, -2), _V(0, 0, 1), 1000.0, tank_, 1000.0);
        CreateThrusterGroup(&engine_, 1, THGROUP_MAIN);
        CreateAttachment(false, _V(0, 0, 5), _V(0, 0, 1), _V(0, 1, 0), "PROBE");  // holds a child
        CreateAttachment(true, _V(0, 0, -5), _V(0, 0, -1), _V(0, 1, 0),
                         "PROBE");  // hangs on a parent
    }

    void clbkLoadStateEx(FILEHANDLE scn, void* status) override {
        record("loadstate", this);
        char* line = nullptr;
        while (oapiReadScenario_nextline(scn, line)) {
            char name[64] = {};
            if (!strncasecmp(line, "DELETE_AT", 9)) {
                std::sscanf(line + 9, "%lf", &deleteAt_);
            } else if (!strncasecmp(line, "SPAWN_AT", 8)) {
                if (std::sscanf(line + 8, "%lf %63s", &spawnAt_, name) == 2) spawnName_ = name;
            } else if (!strncasecmp(line, "FAIL_LOAD", 9)) {
                throw std::runtime_error("the probe refuses its scenario");
            } else if (!strncasecmp(line, "VALUE", 5)) {
                std::sscanf(line + 5, "%lf", &value_);
            } else {
                ParseScenarioLineEx(line, status);
            }
        }
    }

    void clbkSaveState(FILEHANDLE scn) override {
        VESSEL3::clbkSaveState(scn);
        oapiWriteScenario_float(scn, "VALUE", value_);
    }

    void clbkPostCreation() override { record("postcreation", this); }
    void clbkPreStep(double, double, double) override { record("prestep", this); }

    void clbkPostStep(double simt, double, double) override {
        record("poststep", this);
        if (deleteAt_ >= 0.0 && simt >= deleteAt_) {
            deleteAt_ = -1.0;
            oapiDeleteVessel(GetHandle());
        }
        if (!spawnName_.empty() && simt >= spawnAt_) {
            VESSELSTATUS vs;
            GetStatus(vs);
            const std::string name = spawnName_;
            spawnName_.clear();
            const OBJHANDLE child = oapiCreateVessel(name.c_str(), GetClassNameA(), vs);
            record(child != nullptr ? "spawned " + name + " by" : "spawn failed " + name + " by",
                   this);
        }
    }

    void clbkVisualCreated(VISHANDLE vis, int) override {
        record("visualcreated", this);
        const UINT mesh = AddMesh("Tests\\probe");
        const DEVMESHHANDLE dev = GetDevMesh(vis, mesh);
        MATERIAL glow{};
        glow.emissive = {1.0f, 0.5f, 0.25f, 1.0f};
        if (dev != nullptr) oapiSetMaterial(dev, 2, &glow);
    }

    void clbkVisualDestroyed(VISHANDLE, int) override { record("visualdestroyed", this); }

    int clbkConsumeBufferedKey(DWORD key, bool down, char* kstate) override {
        record(std::string(down ? "keydown " : "keyup ") + std::to_string(key) +
                   (KEYMOD_CONTROL(kstate) ? " ctrl" : ""),
               this);
        return down ? 1 : 0;
    }

  private:
    PROPELLANT_HANDLE tank_ = nullptr;
    THRUSTER_HANDLE engine_ = nullptr;
    double deleteAt_ = -1.0;
    double spawnAt_ = 0.0;
    std::string spawnName_;
    double value_ = 0.0;
};

}  // namespace

DLLCLBK std::vector<std::string>* ProbeEvents() {
    return &g_events;
}
DLLCLBK const char ProbeFlag = 1;

DLLCLBK void InitModule(HINSTANCE) {
    g_events.push_back("InitModule");
}

// The module's events die with it; the unload is told through the process environment.
DLLCLBK void ExitModule(HINSTANCE) {
    setenv("RUNTIME_PROBE_EXITED", "1", 1);
}

DLLCLBK VESSEL* ovcInit(OBJHANDLE hvessel, int flightmodel) {
    return new Probe(hvessel, flightmodel);
}

DLLCLBK void ovcExit(VESSEL* vessel) {
    delete static_cast<Probe*>(vessel);
}
