// The vessel interface classes. VESSEL holds the host's non-virtual operations; VESSEL2 and VESSEL3
// declare the host's 35 callbacks in the host's order. None of them has a virtual destructor, so a
// derived class's own virtual operations start right after the callbacks in the virtual table:
// other modules call them by that position, so the order here must never change. A module
// deletes its own objects through their derived type. A class whose own operations other modules
// call must not be final: the compiler would then bind those calls to its functions directly,
// which the calling module cannot resolve.
#pragma once

#include "orbiter_api.h"

namespace oapi {
class Sketchpad;
}
namespace sim {
class HostVessel;
}

class OAPIFUNC VESSEL {
public:
    VESSEL(OBJHANDLE hVessel, int fmodel = 1);

    // Identity
    OBJHANDLE GetHandle() const;
    char* GetName() const;
    char* GetClassNameA() const;
    char* GetClassName() const { return GetClassNameA(); }
    int Version() const { return version; }
    int GetFlightModel() const { return flightmodel; }

    // Physical parameters
    void SetSize(double size) const;
    double GetSize() const;
    void SetClipRadius(double rad) const;
    double GetClipRadius() const;
    void SetEmptyMass(double m) const;
    double GetEmptyMass() const;
    double GetMass() const;
    void SetPMI(const VECTOR3& pmi) const;
    void GetPMI(VECTOR3& pmi) const;
    void SetCrossSections(const VECTOR3& cs) const;
    void GetCrossSections(VECTOR3& cs) const;
    void SetRotDrag(const VECTOR3& rd) const;
    void GetRotDrag(VECTOR3& rd) const;
    void SetCW(double cw_z_pos, double cw_z_neg, double cw_x, double cw_y) const;
    void SetTouchdownPoints(const VECTOR3& pt1, const VECTOR3& pt2, const VECTOR3& pt3) const;
    void SetTouchdownPoints(const TOUCHDOWNVTX* tdvtx, DWORD ntdvtx) const;
    double GetCOG_elev() const;
    void SetCameraOffset(const VECTOR3& co) const;
    void GetCameraOffset(VECTOR3& co) const;
    void SetCameraDefaultDirection(const VECTOR3& cd) const;
    void SetCameraDefaultDirection(const VECTOR3& cd, double tilt) const;
    void GetCameraDefaultDirection(VECTOR3& cd) const;
    void AddForce(const VECTOR3& F, const VECTOR3& r) const;

    // Aerodynamics
    AIRFOILHANDLE CreateAirfoil(AIRFOIL_ORIENTATION align, const VECTOR3& ref, AirfoilCoeffFunc cf,
                                double c, double S, double A) const;
    AIRFOILHANDLE CreateAirfoil3(AIRFOIL_ORIENTATION align, const VECTOR3& ref,
                                 AirfoilCoeffFuncEx cf, void* context, double c, double S,
                                 double A) const;
    bool DelAirfoil(AIRFOILHANDLE hAirfoil) const;
    void ClearAirfoilDefinitions() const;
    void CreateVariableDragElement(const double* drag, double factor, const VECTOR3& ref) const;
    void ClearVariableDragElements() const;
    double GetLift() const;
    double GetDrag() const;

    // Propellant resources
    PROPELLANT_HANDLE CreatePropellantResource(double maxmass, double mass = -1.0,
                                               double efficiency = 1.0) const;
    void DelPropellantResource(PROPELLANT_HANDLE& ph) const;
    void ClearPropellantResources() const;
    void SetDefaultPropellantResource(PROPELLANT_HANDLE ph) const;
    PROPELLANT_HANDLE GetDefaultPropellantResource() const;
    PROPELLANT_HANDLE GetPropellantHandleByIndex(DWORD idx) const;
    DWORD GetPropellantCount() const;
    void SetPropellantMass(PROPELLANT_HANDLE ph, double mass) const;
    double GetPropellantMass(PROPELLANT_HANDLE ph) const;
    void SetPropellantMaxMass(PROPELLANT_HANDLE ph, double maxmass) const;
    double GetPropellantMaxMass(PROPELLANT_HANDLE ph) const;
    double GetPropellantEfficiency(PROPELLANT_HANDLE ph) const;
    double GetPropellantFlowrate(PROPELLANT_HANDLE ph) const;
    double GetTotalPropellantMass() const;
    double GetFuelMass() const;
    double GetMaxFuelMass() const;

    // Thrusters
    THRUSTER_HANDLE CreateThruster(const VECTOR3& pos, const VECTOR3& dir, double maxth0,
                                   PROPELLANT_HANDLE hp = NULL, double isp0 = 0.0,
                                   double isp_ref = 0.0, double p_ref = 101.4e3) const;
    bool DelThruster(THRUSTER_HANDLE& th) const;
    void ClearThrusterDefinitions() const;
    DWORD GetThrusterCount() const;
    THRUSTER_HANDLE GetThrusterHandleByIndex(DWORD idx) const;
    void SetThrusterResource(THRUSTER_HANDLE th, PROPELLANT_HANDLE ph) const;
    PROPELLANT_HANDLE GetThrusterResource(THRUSTER_HANDLE th) const;
    void SetThrusterRef(THRUSTER_HANDLE th, const VECTOR3& pos) const;
    void GetThrusterRef(THRUSTER_HANDLE th, VECTOR3& pos) const;
    void SetThrusterDir(THRUSTER_HANDLE th, const VECTOR3& dir) const;
    void GetThrusterDir(THRUSTER_HANDLE th, VECTOR3& dir) const;
    void SetThrusterMax0(THRUSTER_HANDLE th, double maxth0) const;
    double GetThrusterMax0(THRUSTER_HANDLE th) const;
    double GetThrusterMax(THRUSTER_HANDLE th) const;
    double GetThrusterMax(THRUSTER_HANDLE th, double p_ref) const;
    double GetThrusterIsp0(THRUSTER_HANDLE th) const;
    double GetThrusterIsp(THRUSTER_HANDLE th) const;
    double GetThrusterIsp(THRUSTER_HANDLE th, double p_ref) const;
    void SetThrusterIsp(THRUSTER_HANDLE th, double isp) const;
    void SetThrusterIsp(THRUSTER_HANDLE th, double isp0, double isp_ref, double p_ref = 101.4e3) const;
    void SetThrusterLevel(THRUSTER_HANDLE th, double level) const;
    void IncThrusterLevel(THRUSTER_HANDLE th, double dlevel) const;
    void SetThrusterLevel_SingleStep(THRUSTER_HANDLE th, double level) const;
    void IncThrusterLevel_SingleStep(THRUSTER_HANDLE th, double dlevel) const;
    double GetThrusterLevel(THRUSTER_HANDLE th) const;

    // Thruster groups
    THGROUP_HANDLE CreateThrusterGroup(THRUSTER_HANDLE* th, int nth, THGROUP_TYPE type) const;
    bool DelThrusterGroup(THGROUP_HANDLE& thg, THGROUP_TYPE type, bool delth = false) const;
    bool DelThrusterGroup(THGROUP_TYPE type, bool delth = false) const;
    THGROUP_HANDLE GetThrusterGroupHandle(THGROUP_TYPE type) const;
    DWORD GetGroupThrusterCount(THGROUP_HANDLE thg) const;
    DWORD GetGroupThrusterCount(THGROUP_TYPE type) const;
    THRUSTER_HANDLE GetGroupThruster(THGROUP_HANDLE thg, DWORD idx) const;
    THRUSTER_HANDLE GetGroupThruster(THGROUP_TYPE type, DWORD idx) const;
    bool ThrusterGroupDefined(THGROUP_TYPE type) const;
    void SetThrusterGroupLevel(THGROUP_HANDLE thg, double level) const;
    void SetThrusterGroupLevel(THGROUP_TYPE type, double level) const;
    void IncThrusterGroupLevel(THGROUP_HANDLE thg, double dlevel) const;
    void IncThrusterGroupLevel(THGROUP_TYPE type, double dlevel) const;
    void IncThrusterGroupLevel_SingleStep(THGROUP_HANDLE thg, double dlevel) const;
    void IncThrusterGroupLevel_SingleStep(THGROUP_TYPE type, double dlevel) const;
    double GetThrusterGroupLevel(THGROUP_HANDLE thg) const;
    double GetThrusterGroupLevel(THGROUP_TYPE type) const;

    // Exhaust flames and particle streams
    UINT AddExhaust(THRUSTER_HANDLE th, double lscale, double wscale, SURFHANDLE tex = 0) const;
    UINT AddExhaust(THRUSTER_HANDLE th, double lscale, double wscale, double lofs,
                    SURFHANDLE tex = 0) const;
    UINT AddExhaust(THRUSTER_HANDLE th, double lscale, double wscale, const VECTOR3& pos,
                    const VECTOR3& dir, SURFHANDLE tex = 0) const;
    UINT AddExhaust(EXHAUSTSPEC* spec) const;
    bool DelExhaust(UINT idx) const;
    DWORD GetExhaustCount() const;
    PSTREAM_HANDLE AddExhaustStream(THRUSTER_HANDLE th, PARTICLESTREAMSPEC* pss = 0) const;
    PSTREAM_HANDLE AddExhaustStream(THRUSTER_HANDLE th, const VECTOR3& pos,
                                    PARTICLESTREAMSPEC* pss = 0) const;
    PSTREAM_HANDLE AddParticleStream(PARTICLESTREAMSPEC* pss, const VECTOR3& pos,
                                     const VECTOR3& dir, double* lvl) const;
    bool DelExhaustStream(PSTREAM_HANDLE ch) const;

    // Meshes
    UINT AddMesh(const char* meshname, const VECTOR3* ofs = 0) const;
    UINT AddMesh(MESHHANDLE hMesh, const VECTOR3* ofs = 0) const;
    UINT InsertMesh(const char* meshname, UINT idx, const VECTOR3* ofs = 0) const;
    UINT InsertMesh(MESHHANDLE hMesh, UINT idx, const VECTOR3* ofs = 0) const;
    bool DelMesh(UINT idx, bool retain_anim = false) const;
    void ClearMeshes(bool retain_anim = false) const;
    bool ShiftMesh(UINT idx, const VECTOR3& ofs) const;
    UINT GetMeshCount() const;
    MESHHANDLE GetMeshTemplate(UINT idx) const;
    const char* GetMeshName(UINT idx) const;
    DEVMESHHANDLE GetDevMesh(VISHANDLE vis, UINT idx) const;
    void SetMeshVisibilityMode(UINT idx, WORD mode) const;
    WORD GetMeshVisibilityMode(UINT idx) const;
    void SetMeshVisibleInternal(UINT idx, bool visible) const;

    // Animations
    UINT CreateAnimation(double initial_state) const;
    bool DelAnimation(UINT anim) const;
    ANIMATIONCOMPONENT_HANDLE AddAnimationComponent(UINT anim, double state0, double state1,
                                                    MGROUP_TRANSFORM* trans,
                                                    ANIMATIONCOMPONENT_HANDLE parent = NULL) const;
    bool DelAnimationComponent(UINT anim, ANIMATIONCOMPONENT_HANDLE hAC) const;
    bool SetAnimation(UINT anim, double state) const;
    double GetAnimation(UINT anim) const;

    // State and flight read-outs
    void GetStatus(VESSELSTATUS& status) const;
    void GetStatusEx(void* status) const;
    void DefSetState(const VESSELSTATUS* status) const;
    void DefSetStateEx(const void* status) const;
    double GetAltitude() const;
    double GetPitch() const;
    double GetBank() const;
    double GetYaw() const;
    double GetSlipAngle() const;
    double GetAOA() const;
    double GetAirspeed() const;
    double GetGroundspeed() const;
    bool GetHorizonAirspeedVector(VECTOR3& v) const;
    bool GetAirspeedVector(int frame, VECTOR3& v) const;
    bool GetGroundspeedVector(int frame, VECTOR3& v) const;
    double GetDynPressure() const;
    double GetMachNumber() const;
    double GetAtmPressure() const;
    double GetAtmDensity() const;
    double GetAtmTemperature() const;
    OBJHANDLE GetApDist(double& apdist) const;
    OBJHANDLE GetPeDist(double& pedist) const;
    bool GroundContact() const;
    OBJHANDLE GetGravityRef() const;
    OBJHANDLE GetSurfaceRef() const;
    OBJHANDLE GetEquPos(double& longitude, double& latitude, double& radius) const;
    void GetRotationMatrix(MATRIX3& R) const;
    void SetRotationMatrix(const MATRIX3& R) const;
    void GetAngularVel(VECTOR3& avel) const;
    void SetAngularVel(const VECTOR3& avel) const;
    void GetGlobalPos(VECTOR3& pos) const;
    void GetGlobalVel(VECTOR3& vel) const;
    void GetRelativePos(OBJHANDLE hRef, VECTOR3& pos) const;
    void GetRelativeVel(OBJHANDLE hRef, VECTOR3& vel) const;
    void Local2Global(const VECTOR3& local, VECTOR3& global) const;
    void Global2Local(const VECTOR3& global, VECTOR3& local) const;
    void Local2Rel(const VECTOR3& local, VECTOR3& rel) const;
    void GlobalRot(const VECTOR3& rloc, VECTOR3& rglob) const;
    void HorizonRot(const VECTOR3& loc, VECTOR3& hor) const;
    void HorizonInvRot(const VECTOR3& hor, VECTOR3& loc) const;

    // Scenario state
    void ParseScenarioLineEx(char* line, void* status) const;
    void SaveDefaultState(FILEHANDLE scn) const;

    // Attachments
    ATTACHMENTHANDLE CreateAttachment(bool toparent, const VECTOR3& pos, const VECTOR3& dir,
                                      const VECTOR3& rot, const char* id,
                                      bool loose = false) const;
    bool DelAttachment(ATTACHMENTHANDLE attachment) const;
    void ClearAttachments() const;
    bool SetAttachmentParams(ATTACHMENTHANDLE attachment, const VECTOR3& pos, const VECTOR3& dir,
                             const VECTOR3& rot) const;
    void GetAttachmentParams(ATTACHMENTHANDLE attachment, VECTOR3& pos, VECTOR3& dir,
                             VECTOR3& rot) const;
    const char* GetAttachmentId(ATTACHMENTHANDLE attachment) const;
    OBJHANDLE GetAttachmentStatus(ATTACHMENTHANDLE attachment) const;
    DWORD AttachmentCount(bool toparent) const;
    DWORD GetAttachmentIndex(ATTACHMENTHANDLE attachment) const;
    ATTACHMENTHANDLE GetAttachmentHandle(bool toparent, DWORD i) const;
    bool AttachChild(OBJHANDLE child, ATTACHMENTHANDLE attachment,
                     ATTACHMENTHANDLE child_attachment) const;
    bool DetachChild(ATTACHMENTHANDLE attachment, double vel = 0.0) const;

protected:
    sim::HostVessel* vessel;  // the host's record of this vessel
    short flightmodel;
    short version;
};

class OAPIFUNC VESSEL2 : public VESSEL {
public:
    VESSEL2(OBJHANDLE hVessel, int fmodel = 1);

    virtual void clbkSetClassCaps(FILEHANDLE cfg);
    virtual void clbkSaveState(FILEHANDLE scn);
    virtual void clbkLoadStateEx(FILEHANDLE scn, void* status);
    virtual void clbkSetStateEx(const void* status);
    virtual void clbkPostCreation();
    virtual void clbkFocusChanged(bool getfocus, OBJHANDLE hNewVessel, OBJHANDLE hOldVessel);
    virtual void clbkPreStep(double simt, double simdt, double mjd);
    virtual void clbkPostStep(double simt, double simdt, double mjd);
    virtual bool clbkPlaybackEvent(double simt, double event_t, const char* event_type,
                                   const char* event);
    virtual void clbkVisualCreated(VISHANDLE vis, int refcount);
    virtual void clbkVisualDestroyed(VISHANDLE vis, int refcount);
    virtual void clbkDrawHUD(int mode, const HUDPAINTSPEC* hps, HDC hDC);
    virtual void clbkRCSMode(int mode);
    virtual void clbkADCtrlMode(DWORD mode);
    virtual void clbkHUDMode(int mode);
    virtual void clbkMFDMode(int mfd, int mode);
    virtual void clbkNavMode(int mode, bool active);
    virtual void clbkDockEvent(int dock, OBJHANDLE mate);
    virtual void clbkAnimate(double simt);
    virtual int clbkConsumeDirectKey(char* kstate);
    virtual int clbkConsumeBufferedKey(DWORD key, bool down, char* kstate);
    virtual bool clbkLoadGenericCockpit();
    virtual bool clbkLoadPanel(int id);
    virtual bool clbkPanelMouseEvent(int id, int event, int mx, int my);
    virtual bool clbkPanelRedrawEvent(int id, int event, SURFHANDLE surf);
    virtual bool clbkLoadVC(int id);
    virtual bool clbkVCMouseEvent(int id, int event, VECTOR3& p);
    virtual bool clbkVCRedrawEvent(int id, int event, SURFHANDLE surf);
};

class OAPIFUNC VESSEL3 : public VESSEL2 {
public:
    VESSEL3(OBJHANDLE hVessel, int fmodel = 1);

    using VESSEL2::clbkDrawHUD;
    using VESSEL2::clbkPanelMouseEvent;
    using VESSEL2::clbkPanelRedrawEvent;

    virtual bool clbkPanelMouseEvent(int id, int event, int mx, int my, void* context);
    virtual bool clbkPanelRedrawEvent(int id, int event, SURFHANDLE surf, void* context);
    virtual int clbkGeneric(int msgid = 0, int prm = 0, void* context = NULL);
    virtual bool clbkLoadPanel2D(int id, PANELHANDLE hPanel, DWORD viewW, DWORD viewH);
    virtual bool clbkDrawHUD(int mode, const HUDPAINTSPEC* hps, oapi::Sketchpad* skp);
    virtual void clbkRenderHUD(int mode, const HUDPAINTSPEC* hps, SURFHANDLE hDefaultTex);
    virtual void clbkGetRadiationForce(const VECTOR3& mflux, VECTOR3& F, VECTOR3& pos);
};
