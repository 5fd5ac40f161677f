// The host's value types, handles, constants and free functions (the oapi* interface).
// Modules compile against this; the headless host runtime implements it.
#pragma once

#include <cmath>
#include <cstddef>

#include "win_types.h"

// ---------------------------------------------------------------------------
// Constants
// ---------------------------------------------------------------------------
const double PI = 3.14159265358979323846;
const double PI05 = PI / 2.0;
const double PI2 = 2.0 * PI;
const double RAD = PI / 180.0;  // degrees -> radians
const double DEG = 180.0 / PI;  // radians -> degrees
const double C0 = 299792458.0;  // speed of light [m/s]
const double TAUA = 499.004783806;
const double AU = C0 * TAUA;
const double GGRAV = 6.67259e-11;  // gravitational constant [m^3 kg^-1 s^-2]
const double G = 9.81;             // standard gravity [m/s^2]
const double ATMP = 101.4e3;       // sea-level pressure [Pa]
const double ATMD = 1.293;         // sea-level density [kg/m^3]

// ---------------------------------------------------------------------------
// Value types
// ---------------------------------------------------------------------------
typedef union {
    double data[3];
    struct {
        double x, y, z;
    };
} VECTOR3;

typedef union {
    double data[4];
    struct {
        double x, y, z, w;
    };
} VECTOR4;

typedef union {  // row-major 3x3
    double data[9];
    struct {
        double m11, m12, m13, m21, m22, m23, m31, m32, m33;
    };
} MATRIX3;

typedef union {
    double data[16];
    struct {
        double m11, m12, m13, m14, m21, m22, m23, m24, m31, m32, m33, m34, m41, m42, m43, m44;
    };
} MATRIX4;

typedef struct {
    float r, g, b, a;
} COLOUR4;

inline VECTOR3 _V(double x, double y, double z) {
    VECTOR3 v;
    v.x = x;
    v.y = y;
    v.z = z;
    return v;
}
inline MATRIX3 _M(double m11, double m12, double m13, double m21, double m22, double m23,
                  double m31, double m32, double m33) {
    MATRIX3 m;
    m.m11 = m11, m.m12 = m12, m.m13 = m13;
    m.m21 = m21, m.m22 = m22, m.m23 = m23;
    m.m31 = m31, m.m32 = m32, m.m33 = m33;
    return m;
}
inline MATRIX3 identity() { return _M(1, 0, 0, 0, 1, 0, 0, 0, 1); }

inline VECTOR3 operator+(const VECTOR3& a, const VECTOR3& b) {
    return _V(a.x + b.x, a.y + b.y, a.z + b.z);
}
inline VECTOR3 operator-(const VECTOR3& a, const VECTOR3& b) {
    return _V(a.x - b.x, a.y - b.y, a.z - b.z);
}
inline VECTOR3 operator-(const VECTOR3& a) { return _V(-a.x, -a.y, -a.z); }
inline VECTOR3 operator*(const VECTOR3& a, double f) { return _V(a.x * f, a.y * f, a.z * f); }
inline VECTOR3 operator*(double f, const VECTOR3& a) { return a * f; }
inline VECTOR3 operator/(const VECTOR3& a, double f) { return _V(a.x / f, a.y / f, a.z / f); }
inline VECTOR3& operator+=(VECTOR3& a, const VECTOR3& b) { return a = a + b; }
inline VECTOR3& operator-=(VECTOR3& a, const VECTOR3& b) { return a = a - b; }
inline VECTOR3& operator*=(VECTOR3& a, double f) { return a = a * f; }
inline VECTOR3& operator/=(VECTOR3& a, double f) { return a = a / f; }

inline double dotp(const VECTOR3& a, const VECTOR3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline VECTOR3 crossp(const VECTOR3& a, const VECTOR3& b) {
    return _V(a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x);
}
inline double length(const VECTOR3& a) { return std::sqrt(dotp(a, a)); }
inline VECTOR3 unit(const VECTOR3& a) { return a / length(a); }
inline void normalise(VECTOR3& a) { a /= length(a); }

// A·b
inline VECTOR3 mul(const MATRIX3& A, const VECTOR3& b) {
    return _V(A.m11 * b.x + A.m12 * b.y + A.m13 * b.z, A.m21 * b.x + A.m22 * b.y + A.m23 * b.z,
              A.m31 * b.x + A.m32 * b.y + A.m33 * b.z);
}
// Aᵀ·b
inline VECTOR3 tmul(const MATRIX3& A, const VECTOR3& b) {
    return _V(A.m11 * b.x + A.m21 * b.y + A.m31 * b.z, A.m12 * b.x + A.m22 * b.y + A.m32 * b.z,
              A.m13 * b.x + A.m23 * b.y + A.m33 * b.z);
}
// A·B
inline MATRIX3 mul(const MATRIX3& A, const MATRIX3& B) {
    MATRIX3 r;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            r.data[i * 3 + j] = A.data[i * 3] * B.data[j] + A.data[i * 3 + 1] * B.data[3 + j] +
                                A.data[i * 3 + 2] * B.data[6 + j];
    return r;
}

// ---------------------------------------------------------------------------
// Opaque handles
// ---------------------------------------------------------------------------
typedef void* OBJHANDLE;
typedef void* VISHANDLE;
typedef void* MESHHANDLE;
typedef int* DEVMESHHANDLE;
typedef void* SURFHANDLE;
typedef void* FILEHANDLE;
typedef void* THRUSTER_HANDLE;
typedef void* THGROUP_HANDLE;
typedef void* PROPELLANT_HANDLE;
typedef void* PSTREAM_HANDLE;
typedef void* DOCKHANDLE;
typedef void* ATTACHMENTHANDLE;
typedef void* AIRFOILHANDLE;
typedef void* CTRLSURFHANDLE;
typedef void* NAVHANDLE;
typedef void* ANIMATIONCOMPONENT_HANDLE;
typedef void* PANELHANDLE;

// Message procedure result of MFD modes and vessels.
typedef LRESULT OAPI_MSGTYPE;

// ---------------------------------------------------------------------------
// Vessel status records
// ---------------------------------------------------------------------------
typedef struct {
    VECTOR3 rpos;   // position relative to rbody, global axes [m]
    VECTOR3 rvel;   // velocity relative to rbody, global axes [m/s]
    VECTOR3 vrot;   // angular velocity, vessel axes [rad/s]; landed: x = CoG altitude
    VECTOR3 arot;   // Euler angles of the local->global rotation [rad]
    double fuel;    // propellant level 0..1 of the default resource
    double eng_main;
    double eng_hovr;
    OBJHANDLE rbody;
    OBJHANDLE base;
    int port;
    int status;  // 0 free flight, 1 landed
    VECTOR3 vdata[10];  // vdata[0] when landed: (longitude, latitude, heading) [rad]
    double fdata[10];
    DWORD flag[10];
} VESSELSTATUS;

typedef struct {
    DWORD version;  // 2
    DWORD flag;
    OBJHANDLE rbody;
    OBJHANDLE base;
    int port;
    int status;
    VECTOR3 rpos, rvel, vrot, arot;
    double surf_lng, surf_lat, surf_hdg;
    DWORD nfuel;
    struct FUELSPEC {
        DWORD idx;
        double level;
    }* fuel;
    DWORD nthruster;
    struct THRUSTSPEC {
        DWORD idx;
        double level;
    }* thruster;
    DWORD ndockinfo;
    struct DOCKINFOSPEC {
        DWORD idx, ridx;
        OBJHANDLE rvessel;
    }* dockinfo;
    DWORD xpdr;
} VESSELSTATUS2;

#define VS_FUELRESET 0x00000001
#define VS_FUELLIST 0x00000002
#define VS_THRUSTRESET 0x00000004
#define VS_THRUSTLIST 0x00000008
#define VS_DOCKINFOLIST 0x00000010

// ---------------------------------------------------------------------------
// Thrusters, exhaust, particle streams
// ---------------------------------------------------------------------------
enum THGROUP_TYPE {
    THGROUP_MAIN = 0,
    THGROUP_RETRO,
    THGROUP_HOVER,
    THGROUP_ATT_PITCHUP,
    THGROUP_ATT_PITCHDOWN,
    THGROUP_ATT_YAWLEFT,
    THGROUP_ATT_YAWRIGHT,
    THGROUP_ATT_BANKLEFT,
    THGROUP_ATT_BANKRIGHT,
    THGROUP_ATT_RIGHT,
    THGROUP_ATT_LEFT,
    THGROUP_ATT_UP,
    THGROUP_ATT_DOWN,
    THGROUP_ATT_FORWARD,
    THGROUP_ATT_BACK,
    THGROUP_USER = 0x40,
    THGROUP_USER_LAST = 0xFF
};

typedef struct {
    THRUSTER_HANDLE th;
    double* level;
    VECTOR3* lpos;
    VECTOR3* ldir;
    double lsize, wsize;
    double lofs;
    double modulate;
    SURFHANDLE tex;
    DWORD flags;
    UINT id;
} EXHAUSTSPEC;

#define EXHAUST_CONSTANTLEVEL 0x0001
#define EXHAUST_CONSTANTPOS 0x0002
#define EXHAUST_CONSTANTDIR 0x0004

typedef struct {
    DWORD flags;
    double srcsize;
    double srcrate;
    double v0;
    double srcspread;
    double lifetime;
    double growthrate;
    double atmslowdown;
    enum LTYPE { EMISSIVE = 0, DIFFUSE = 1 } ltype;
    enum LEVELMAP { LVL_FLAT = 0, LVL_LIN, LVL_SQRT, LVL_PLIN, LVL_PSQRT } levelmap;
    double lmin, lmax;
    enum ATMSMAP { ATM_FLAT = 0, ATM_PLIN, ATM_PLOG } atmsmap;
    double amin, amax;
    SURFHANDLE tex;
} PARTICLESTREAMSPEC;

// ---------------------------------------------------------------------------
// Meshes, materials, animations
// ---------------------------------------------------------------------------
#define MESHVIS_NEVER 0x00
#define MESHVIS_EXTERNAL 0x01
#define MESHVIS_COCKPIT 0x02
#define MESHVIS_ALWAYS (MESHVIS_EXTERNAL | MESHVIS_COCKPIT)
#define MESHVIS_VC 0x04
#define MESHVIS_EXTPASS 0x10

typedef struct {
    COLOUR4 diffuse;
    COLOUR4 ambient;
    COLOUR4 specular;
    COLOUR4 emissive;
    float power;
} MATERIAL;

#define LOCALVERTEXLIST (static_cast<UINT>(-1))
#define MAKEGROUPARRAY(x) (reinterpret_cast<UINT*>(x))

class MGROUP_TRANSFORM {
public:
    enum TYPE { NULLTRANSFORM, ROTATE, TRANSLATE, SCALE };
    MGROUP_TRANSFORM() : mesh(0), grp(nullptr), ngrp(0) {}
    MGROUP_TRANSFORM(UINT _mesh, UINT* _grp, UINT _ngrp) : mesh(_mesh), grp(_grp), ngrp(_ngrp) {}
    virtual ~MGROUP_TRANSFORM() = default;
    virtual TYPE Type() const { return NULLTRANSFORM; }
    UINT mesh;
    UINT* grp;
    UINT ngrp;
};

class MGROUP_ROTATE : public MGROUP_TRANSFORM {
public:
    MGROUP_ROTATE(UINT _mesh, UINT* _grp, UINT _ngrp, const VECTOR3& _ref, const VECTOR3& _axis,
                  float _angle)
        : MGROUP_TRANSFORM(_mesh, _grp, _ngrp), ref(_ref), axis(_axis), angle(_angle) {}
    TYPE Type() const override { return ROTATE; }
    VECTOR3 ref;
    VECTOR3 axis;
    float angle;  // [rad]
};

class MGROUP_TRANSLATE : public MGROUP_TRANSFORM {
public:
    MGROUP_TRANSLATE(UINT _mesh, UINT* _grp, UINT _ngrp, const VECTOR3& _shift)
        : MGROUP_TRANSFORM(_mesh, _grp, _ngrp), shift(_shift) {}
    TYPE Type() const override { return TRANSLATE; }
    VECTOR3 shift;
};

class MGROUP_SCALE : public MGROUP_TRANSFORM {
public:
    MGROUP_SCALE(UINT _mesh, UINT* _grp, UINT _ngrp, const VECTOR3& _ref, const VECTOR3& _scale)
        : MGROUP_TRANSFORM(_mesh, _grp, _ngrp), ref(_ref), scale(_scale) {}
    TYPE Type() const override { return SCALE; }
    VECTOR3 ref;
    VECTOR3 scale;
};

// ---------------------------------------------------------------------------
// Aerodynamics, touchdown points
// ---------------------------------------------------------------------------
enum AIRFOIL_ORIENTATION { LIFT_VERTICAL = 0, LIFT_HORIZONTAL = 1, FORCE_AND_MOMENT = 2 };

class VESSEL;
typedef void (*AirfoilCoeffFunc)(double aoa, double M, double Re, double* cl, double* cm,
                                 double* cd);
typedef void (*AirfoilCoeffFuncEx)(VESSEL* v, double aoa, double M, double Re, void* context,
                                   double* cl, double* cm, double* cd);

typedef struct {
    VECTOR3 pos;
    double stiffness;
    double damping;
    double mu;
    double mu_lng;
} TOUCHDOWNVTX;

typedef struct HUDPAINTSPEC HUDPAINTSPEC;

#define FRAME_GLOBAL 0
#define FRAME_LOCAL 1
#define FRAME_REFLOCAL 2
#define FRAME_HORIZON 3

#define OBJTP_INVALID 0
#define OBJTP_GENERIC 1
#define OBJTP_CBODY 2
#define OBJTP_STAR 3
#define OBJTP_PLANET 4
#define OBJTP_VESSEL 10
#define OBJTP_SURFBASE 20

// ---------------------------------------------------------------------------
// Keyboard (DirectInput scan codes)
// ---------------------------------------------------------------------------
#define OAPI_KEY_ESCAPE 0x01
#define OAPI_KEY_1 0x02
#define OAPI_KEY_2 0x03
#define OAPI_KEY_3 0x04
#define OAPI_KEY_4 0x05
#define OAPI_KEY_5 0x06
#define OAPI_KEY_6 0x07
#define OAPI_KEY_7 0x08
#define OAPI_KEY_8 0x09
#define OAPI_KEY_9 0x0A
#define OAPI_KEY_0 0x0B
#define OAPI_KEY_MINUS 0x0C
#define OAPI_KEY_EQUALS 0x0D
#define OAPI_KEY_BACK 0x0E
#define OAPI_KEY_TAB 0x0F
#define OAPI_KEY_Q 0x10
#define OAPI_KEY_W 0x11
#define OAPI_KEY_E 0x12
#define OAPI_KEY_R 0x13
#define OAPI_KEY_T 0x14
#define OAPI_KEY_Y 0x15
#define OAPI_KEY_U 0x16
#define OAPI_KEY_I 0x17
#define OAPI_KEY_O 0x18
#define OAPI_KEY_P 0x19
#define OAPI_KEY_LBRACKET 0x1A
#define OAPI_KEY_RBRACKET 0x1B
#define OAPI_KEY_RETURN 0x1C
#define OAPI_KEY_LCONTROL 0x1D
#define OAPI_KEY_A 0x1E
#define OAPI_KEY_S 0x1F
#define OAPI_KEY_D 0x20
#define OAPI_KEY_F 0x21
#define OAPI_KEY_G 0x22
#define OAPI_KEY_H 0x23
#define OAPI_KEY_J 0x24
#define OAPI_KEY_K 0x25
#define OAPI_KEY_L 0x26
#define OAPI_KEY_SEMICOLON 0x27
#define OAPI_KEY_APOSTROPHE 0x28
#define OAPI_KEY_GRAVE 0x29
#define OAPI_KEY_LSHIFT 0x2A
#define OAPI_KEY_BACKSLASH 0x2B
#define OAPI_KEY_Z 0x2C
#define OAPI_KEY_X 0x2D
#define OAPI_KEY_C 0x2E
#define OAPI_KEY_V 0x2F
#define OAPI_KEY_B 0x30
#define OAPI_KEY_N 0x31
#define OAPI_KEY_M 0x32
#define OAPI_KEY_COMMA 0x33
#define OAPI_KEY_PERIOD 0x34
#define OAPI_KEY_SLASH 0x35
#define OAPI_KEY_RSHIFT 0x36
#define OAPI_KEY_MULTIPLY 0x37
#define OAPI_KEY_LALT 0x38
#define OAPI_KEY_SPACE 0x39
#define OAPI_KEY_CAPITAL 0x3A
#define OAPI_KEY_F1 0x3B
#define OAPI_KEY_F2 0x3C
#define OAPI_KEY_F3 0x3D
#define OAPI_KEY_F4 0x3E
#define OAPI_KEY_F5 0x3F
#define OAPI_KEY_F6 0x40
#define OAPI_KEY_F7 0x41
#define OAPI_KEY_F8 0x42
#define OAPI_KEY_F9 0x43
#define OAPI_KEY_F10 0x44
#define OAPI_KEY_NUMLOCK 0x45
#define OAPI_KEY_SCROLL 0x46
#define OAPI_KEY_NUMPAD7 0x47
#define OAPI_KEY_NUMPAD8 0x48
#define OAPI_KEY_NUMPAD9 0x49
#define OAPI_KEY_SUBTRACT 0x4A
#define OAPI_KEY_NUMPAD4 0x4B
#define OAPI_KEY_NUMPAD5 0x4C
#define OAPI_KEY_NUMPAD6 0x4D
#define OAPI_KEY_ADD 0x4E
#define OAPI_KEY_NUMPAD1 0x4F
#define OAPI_KEY_NUMPAD2 0x50
#define OAPI_KEY_NUMPAD3 0x51
#define OAPI_KEY_NUMPAD0 0x52
#define OAPI_KEY_DECIMAL 0x53
#define OAPI_KEY_F11 0x57
#define OAPI_KEY_F12 0x58
#define OAPI_KEY_NUMPADENTER 0x9C
#define OAPI_KEY_RCONTROL 0x9D
#define OAPI_KEY_DIVIDE 0xB5
#define OAPI_KEY_RALT 0xB8
#define OAPI_KEY_HOME 0xC7
#define OAPI_KEY_UP 0xC8
#define OAPI_KEY_PRIOR 0xC9
#define OAPI_KEY_LEFT 0xCB
#define OAPI_KEY_RIGHT 0xCD
#define OAPI_KEY_END 0xCF
#define OAPI_KEY_DOWN 0xD0
#define OAPI_KEY_NEXT 0xD1
#define OAPI_KEY_INSERT 0xD2
#define OAPI_KEY_DELETE 0xD3

#define KEYDOWN(buf, key) ((buf)[key] & 0x80)
#define RESETKEY(buf, key) ((buf)[key] = 0)
#define KEYMOD_LSHIFT(buf) (KEYDOWN(buf, OAPI_KEY_LSHIFT))
#define KEYMOD_RSHIFT(buf) (KEYDOWN(buf, OAPI_KEY_RSHIFT))
#define KEYMOD_SHIFT(buf) (KEYMOD_LSHIFT(buf) || KEYMOD_RSHIFT(buf))
#define KEYMOD_LCONTROL(buf) (KEYDOWN(buf, OAPI_KEY_LCONTROL))
#define KEYMOD_RCONTROL(buf) (KEYDOWN(buf, OAPI_KEY_RCONTROL))
#define KEYMOD_CONTROL(buf) (KEYMOD_LCONTROL(buf) || KEYMOD_RCONTROL(buf))
#define KEYMOD_LALT(buf) (KEYDOWN(buf, OAPI_KEY_LALT))
#define KEYMOD_RALT(buf) (KEYDOWN(buf, OAPI_KEY_RALT))
#define KEYMOD_ALT(buf) (KEYMOD_LALT(buf) || KEYMOD_RALT(buf))

// Mouse events delivered to MFD buttons and panels.
#define PANEL_MOUSE_IGNORE 0x00
#define PANEL_MOUSE_LBDOWN 0x01
#define PANEL_MOUSE_RBDOWN 0x02
#define PANEL_MOUSE_LBUP 0x04
#define PANEL_MOUSE_RBUP 0x08
#define PANEL_MOUSE_LBPRESSED 0x10
#define PANEL_MOUSE_RBPRESSED 0x20
#define PANEL_MOUSE_DOWN 0x03
#define PANEL_MOUSE_UP 0x0C
#define PANEL_MOUSE_PRESSED 0x30
#define PANEL_MOUSE_ONREPLAY 0x40

// Dialog flags
#define DLG_ALLOWMULTI 0x1
#define DLG_CAPTIONCLOSE 0x2
#define DLG_CAPTIONHELP 0x4

// ---------------------------------------------------------------------------
// Host functions
// ---------------------------------------------------------------------------
namespace oapi {
class Font;
}
struct MFDMODESPECEX;
typedef INT_PTR (*DLGPROC)(HWND, UINT, WPARAM, LPARAM);

// Module glue: a module's load hands its instance to the host, which logs and calls InitModule.
DLLCLBK void InitLib(HINSTANCE hModule);

OAPIFUNC SURFHANDLE oapiRegisterExhaustTexture(const char* name);
OAPIFUNC SURFHANDLE oapiRegisterParticleTexture(const char* name);
OAPIFUNC MESHHANDLE oapiLoadMeshGlobal(const char* fname);
OAPIFUNC int oapiSetMaterial(DEVMESHHANDLE hMesh, DWORD matidx, const MATERIAL* mat);

// Objects and vessels
OAPIFUNC OBJHANDLE oapiGetObjectByName(const char* name);
OAPIFUNC DWORD oapiGetObjectType(OBJHANDLE hObj);
OAPIFUNC void oapiGetObjectName(OBJHANDLE hObj, char* name, int n);
OAPIFUNC OBJHANDLE oapiCreateVessel(const char* name, const char* classname,
                                    const VESSELSTATUS& status);
OAPIFUNC OBJHANDLE oapiCreateVesselEx(const char* name, const char* classname, const void* status);
OAPIFUNC VESSEL* oapiGetVesselInterface(OBJHANDLE hVessel);
OAPIFUNC OBJHANDLE oapiGetVesselByName(const char* name);
OAPIFUNC OBJHANDLE oapiGetVesselByIndex(int index);
OAPIFUNC DWORD oapiGetVesselCount();
OAPIFUNC bool oapiDeleteVessel(OBJHANDLE hVessel, OBJHANDLE hAlternativeCameraTarget = 0);
OAPIFUNC bool oapiIsVessel(OBJHANDLE hVessel);
OAPIFUNC OBJHANDLE oapiGetFocusObject();
OAPIFUNC OBJHANDLE oapiSetFocusObject(OBJHANDLE hVessel);
OAPIFUNC VESSEL* oapiGetFocusInterface();
OAPIFUNC OBJHANDLE oapiGetEquPos(OBJHANDLE hObj, double* lng, double* lat, double* rad);
OAPIFUNC bool oapiGetAltitude(OBJHANDLE hVessel, double* alt);
OAPIFUNC bool oapiGetHeading(OBJHANDLE hVessel, double* heading);
OAPIFUNC double oapiGetSize(OBJHANDLE hObj);
OAPIFUNC double oapiGetMass(OBJHANDLE hObj);
OAPIFUNC void oapiGetGlobalPos(OBJHANDLE hObj, VECTOR3* pos);
OAPIFUNC void oapiGetGlobalVel(OBJHANDLE hObj, VECTOR3* vel);
OAPIFUNC void oapiGetRotationMatrix(OBJHANDLE hObj, MATRIX3* mat);

// Time
OAPIFUNC double oapiGetSimTime();
OAPIFUNC double oapiGetSimStep();
OAPIFUNC double oapiGetSimMJD();
OAPIFUNC double oapiGetTimeAcceleration();
OAPIFUNC void oapiSetTimeAcceleration(double warp);

// Aerodynamic helpers
OAPIFUNC double oapiGetInducedDrag(double cl, double A, double e);
OAPIFUNC double oapiGetWaveDrag(double M, double M1, double M2, double M3, double cmax);

// Configuration files
OAPIFUNC bool oapiReadItem_string(FILEHANDLE f, const char* item, char* string);
OAPIFUNC bool oapiReadItem_float(FILEHANDLE f, const char* item, double& val);
OAPIFUNC bool oapiReadItem_int(FILEHANDLE f, const char* item, int& val);
OAPIFUNC bool oapiReadItem_bool(FILEHANDLE f, const char* item, bool& val);
OAPIFUNC bool oapiReadItem_vec(FILEHANDLE f, const char* item, VECTOR3& val);

// Scenario files
OAPIFUNC bool oapiReadScenario_nextline(FILEHANDLE scn, char*& line);
OAPIFUNC void oapiWriteScenario_string(FILEHANDLE scn, const char* item, const char* string);
OAPIFUNC void oapiWriteScenario_int(FILEHANDLE scn, const char* item, int i);
OAPIFUNC void oapiWriteScenario_float(FILEHANDLE scn, const char* item, double d);
OAPIFUNC void oapiWriteScenario_vec(FILEHANDLE scn, const char* item, const VECTOR3& vec);
OAPIFUNC void oapiWriteLine(FILEHANDLE file, const char* line);

// Camera
OAPIFUNC bool oapiCameraInternal();
OAPIFUNC void oapiCameraSetCockpitDir(double polar, double azimuth, bool transition = false);

// Dialogs
OAPIFUNC HWND oapiOpenDialogEx(HINSTANCE hDLLInst, int resourceId, DLGPROC msgProc,
                               DWORD flag = 0, void* context = 0);
OAPIFUNC HWND oapiOpenDialog(HINSTANCE hDLLInst, int resourceId, DLGPROC msgProc,
                             void* context = 0);
OAPIFUNC void* oapiGetDialogContext(HWND hDlg);
OAPIFUNC bool oapiCloseDialog(HWND hDlg);
OAPIFUNC HWND oapiFindDialog(HINSTANCE hDLLInst, int resourceId);

// MFD modes, fonts, input boxes
OAPIFUNC int oapiRegisterMFDMode(MFDMODESPECEX& spec);
OAPIFUNC bool oapiUnregisterMFDMode(int mode);
enum FontStyle {
    FONT_NORMAL = 0,
    FONT_BOLD = 1,
    FONT_ITALIC = 2,
    FONT_UNDERLINE = 4,
    FONT_STRIKEOUT = 8,
    FONT_CRISP = 0x10,
    FONT_ANTIALIAS = 0x20
};
OAPIFUNC oapi::Font* oapiCreateFont(int height, bool prop, const char* face,
                                    FontStyle style = FONT_NORMAL);
OAPIFUNC oapi::Font* oapiCreateFont(int height, bool prop, const char* face, FontStyle style,
                                    int orientation);
OAPIFUNC void oapiReleaseFont(oapi::Font* font);
OAPIFUNC void oapiOpenInputBox(const char* title, bool (*Clbk)(void*, char*, void*), const char* buf = 0,
                               int vislen = 20, void* usrdata = 0);
