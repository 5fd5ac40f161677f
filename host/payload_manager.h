// The payload library's interface: a carrier vessel registers with PayloadManager, which
// attaches payload vessels to it, keeps their masses in the carrier's empty mass, writes and
// reads their scenario lines and releases them on request.
#pragma once

#include "orbitersdk.h"

// What the library asks of a carrier. The first three are notifications a carrier may
// override; the last two ask the carrier to define its inertia and cross sections now that the
// payloads changed (VesselWithPM answers them with the library's combined values). A carrier
// class that overrides a notification gets an entry for it in its own virtual table before its
// own virtual operations, so a class whose operations other modules call by position does not.
class PayloadManagerCallbacks {
  public:
    // The set of attached payloads changed (after attachments, releases and losses).
    virtual void clbkPayloadsChanged() {}
    // A payload was attached at position `index` of the carrier's payload list.
    virtual void clbkPayloadAttached(int /*index*/, OBJHANDLE /*payload*/) {}
    // The payload at position `index` was released (it is a free vessel from now on).
    virtual void clbkPayloadDetached(int /*index*/, OBJHANDLE /*payload*/) {}
    virtual void clbkVehiclePMIRequest() = 0;
    virtual void clbkVehicleCSRequest() = 0;

  protected:
    // Carriers are destroyed through their own class, never through this interface.
    ~PayloadManagerCallbacks() = default;
};

// The library's operations. Every one but DefineScenarioEditorPage takes the carrier first; a
// carrier that never registered (or already unregistered) is answered with neutral values.
class OAPIFUNC PayloadManager {
  public:
    // The versions init_pm accepts: this library's interface and the carriers' VESSEL
    // interface (VESSEL3).
    static constexpr int kInterfaceVersion = 2;
    static constexpr int kVesselVersion = 2;

    // Registers `vessel` as a carrier; `callbacks` is its callbacks object (the vessel itself).
    // Other versions are an error of the host naming the vessel.
    static void init_pm(VESSEL* vessel, PayloadManagerCallbacks* callbacks, int interfaceVersion,
                        int vesselVersion);
    // Forgets the carrier; payloads still attached stay where the host puts them.
    static void delete_pm(VESSEL* vessel);

    // Offers one scenario line of the carrier's block; true when it was a payload line.
    static bool loadState(VESSEL* vessel, const char* line);
    // Writes one line per payload into the carrier's block.
    static void clbkSaveState(VESSEL* vessel, FILEHANDLE scn);
    static void clbkPreStep(VESSEL* vessel, double simt, double simdt, double mjd);
    static void clbkPostStep(VESSEL* vessel, double simt, double simdt, double mjd);
    // A headless host has no scenario editor: nothing to add to it.
    static void DefineScenarioEditorPage(HWND editor, OBJHANDLE vessel);

    // The carrier's own principal moments of inertia (mass-normalised) [m^2].
    static void SetVehiclePMI(VESSEL* vessel, const VECTOR3& pmi);
    // The carrier's own cross sections [m^2] and, per axis, 1 where the payloads sit in line
    // with the carrier along that axis (the larger area counts) or 0 where they stand beside it
    // (the areas add).
    static void SetVehicleCS(VESSEL* vessel, const VECTOR3& cs, const VECTOR3& inLineAxes);
    // Where payloads are attached (carrier frame): position [m], approach direction and
    // rotation reference (orthogonal unit vectors). False if the directions are not usable.
    static bool SetDefaultAttachmentParams(VESSEL* vessel, const VECTOR3& pos, const VECTOR3& dir,
                                           const VECTOR3& rot);
    // Speed given to a released payload along the attachment direction [m/s]; false if < 0.
    static bool SetDetachSpeed(VESSEL* vessel, double speed);
    // Shortest time between two releases [s]; false if < 0.
    static bool SetDetachInterval(VESSEL* vessel, double interval);
    // Whether a released payload receives the input focus.
    static void SetSendFocus(VESSEL* vessel, bool sendFocus);
    static void SetMaximumPayloadsNumber(VESSEL* vessel, int maximum);
    // How often the payloads' masses, inertia and cross sections are re-read [s]; 0 = every frame.
    static void SetCapsRefreshPeriod(VESSEL* vessel, double period);

    // The carrier has just set its empty mass without payloads: the payloads' masses are added.
    static void VehicleEmptyMassWasChanged(VESSEL* vessel);
    // The payload mass currently counted in the carrier's empty mass [kg].
    static double GetTotalPayloadsMass(VESSEL* vessel);
    static int GetPayloadsNumber(VESSEL* vessel);
    // The payload at `index` (0 .. count - 1), or NULL.
    static OBJHANDLE GetPayloadByIndex(VESSEL* vessel, int index);
    // Releases the payload at `index`; false if there is none or the detach interval has not
    // passed since the last release.
    static bool DetachPayloadByIndex(VESSEL* vessel, int index);

    // Apply the carrier's inertia and cross sections combined with its payloads'.
    static void DefineVehiclePMI(VESSEL* vessel);
    static void DefineVehicleCS(VESSEL* vessel);
};

// Answers the library's inertia and cross-section requests through the carrier class. Kept
// out of VesselWithPM: an overrider declared there of an operation of this second base would
// take entries in the carrier's primary virtual table right after the host's callbacks
// (Itanium C++ ABI) and push the carrier's own virtual operations off their positions.
template <class Vessel>
class PayloadManagerRequests : public PayloadManagerCallbacks {
  public:
    void clbkVehiclePMIRequest() override {
        Vessel* carrier = static_cast<Vessel*>(this);
        carrier->DefineVehiclePMI(carrier);
    }
    void clbkVehicleCSRequest() override {
        Vessel* carrier = static_cast<Vessel*>(this);
        carrier->DefineVehicleCS(carrier);
    }

  protected:
    ~PayloadManagerRequests() = default;
};

// The base of a payload-carrying vessel class: `class Carrier : public VesselWithPM<Carrier,
// VESSEL3>`. VESSEL3 comes first so that the carrier's virtual table starts with the host's
// callbacks. A carrier that overrides clbkPreStep, clbkPostStep or clbkSaveState calls the
// library's operation itself, first (after SaveDefaultState when saving).
template <class Vessel, class VesselBase>
class VesselWithPM : public VesselBase, public PayloadManagerRequests<Vessel> {
  public:
    explicit VesselWithPM(OBJHANDLE hVessel, int flightmodel = 1)
        : VesselBase(hVessel, flightmodel) {
        PayloadManager::init_pm(this, this, PayloadManager::kInterfaceVersion,
                                PayloadManager::kVesselVersion);
    }
    ~VesselWithPM() { PayloadManager::delete_pm(this); }
    VesselWithPM(const VesselWithPM&) = delete;
    VesselWithPM& operator=(const VesselWithPM&) = delete;

    void clbkSaveState(FILEHANDLE scn) override {
        VesselBase::SaveDefaultState(scn);
        PayloadManager::clbkSaveState(this, scn);
    }
    void clbkPreStep(double simt, double simdt, double mjd) override {
        PayloadManager::clbkPreStep(this, simt, simdt, mjd);
    }
    void clbkPostStep(double simt, double simdt, double mjd) override {
        PayloadManager::clbkPostStep(this, simt, simdt, mjd);
    }

    // The carrier class may hide these to define its inertia or cross sections itself.
    void DefineVehiclePMI(VESSEL* vessel) { PayloadManager::DefineVehiclePMI(vessel); }
    void DefineVehicleCS(VESSEL* vessel) { PayloadManager::DefineVehicleCS(vessel); }
};
