// MFD mode interface: the MFD and MFD2 base classes and the mode registration records.
#pragma once

#include "draw_api.h"
#include "orbiter_api.h"

class VESSEL;
struct MfdInstrumentAccess;  // the host's hook that binds an MFD object to its display

#define OAPI_MSG_MFD_OPENED 1
#define OAPI_MSG_MFD_CLOSED 2
#define OAPI_MSG_MFD_UPDATE 3
#define OAPI_MSG_MFD_OPENEDEX 4

#define MFD_LEFT 0
#define MFD_RIGHT 1
#define MFD_USER1 2
#define MAXMFD 12
#define BUILTIN_MFD_MODES 10
#define MFD_REFRESHBUTTONS -1

struct MFDMODESPECEX {
    char* name;
    DWORD key;
    void* context;
    OAPI_MSGTYPE (*msgproc)(UINT msg, UINT mfd, WPARAM wparam, LPARAM lparam);
};

struct MFDMODEOPENSPEC {
    DWORD w, h;
    MFDMODESPECEX* spec;
};

#pragma pack(push, 1)
struct MFDBUTTONMENU {
    const char* line1;
    const char* line2;
    char selchar;
};
#pragma pack(pop)

class OAPIFUNC MFD {
public:
    MFD(DWORD w, DWORD h, VESSEL* vessel);
    virtual ~MFD();
    virtual void Update(HDC hDC) = 0;
    virtual bool ConsumeKeyBuffered(DWORD key);
    virtual bool ConsumeKeyImmediate(char* kstate);
    virtual bool ConsumeButton(int bt, int event);
    virtual char* ButtonLabel(int bt);
    virtual int ButtonMenu(const MFDBUTTONMENU** menu) const;
    virtual void WriteStatus(FILEHANDLE scn) const;
    virtual void ReadStatus(FILEHANDLE scn);
    virtual void StoreStatus() const;
    virtual void RecallStatus();

    void InvalidateDisplay();
    void InvalidateButtons();

protected:
    DWORD W, H;    // display size [pixels]
    DWORD cw, ch;  // character cell of the default font [pixels]
    VESSEL* pV;    // the vessel that owns the display

private:
    friend struct MfdInstrumentAccess;
    void* instr;  // the host's display this object is shown on
};

class OAPIFUNC MFD2 : public MFD {
public:
    MFD2(DWORD w, DWORD h, VESSEL* vessel);
    using MFD::Update;
    void Update(HDC) override {}
    virtual bool Update(oapi::Sketchpad* skp);

    bool Title(oapi::Sketchpad* skp, const char* title) const;
    DWORD GetWidth() const { return W; }
    DWORD GetHeight() const { return H; }
    oapi::Pen* GetDefaultPen(DWORD colidx, DWORD intens = 0, DWORD style = 1) const;
    oapi::Font* GetDefaultFont(DWORD fontidx) const;
    DWORD GetDefaultColour(DWORD colidx, DWORD intens = 0) const;
};
