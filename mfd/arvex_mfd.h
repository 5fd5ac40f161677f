// The "Tessaron control" MFD mode: one instance per MFD showing the mode. The page shown and the
// connected launcher are module-wide (mfd_state.h); an instance owns only its fonts and the
// layout units of its display size.
#pragma once

#include "orbitersdk.h"

class Arvex;

class Arvex_MFD : public MFD2 {
  public:
    Arvex_MFD(DWORD width, DWORD height, VESSEL* vessel);
    ~Arvex_MFD() override;
    Arvex_MFD(const Arvex_MFD&) = delete;
    Arvex_MFD& operator=(const Arvex_MFD&) = delete;

    bool ConsumeButton(int button, int event) override;
    char* ButtonLabel(int button) override;
    int ButtonMenu(const MFDBUTTONMENU** menu) const override;
    void StoreStatus() const override;
    void RecallStatus() override;
    bool Update(oapi::Sketchpad* skp) override;

  private:
    // The connected launcher; when it has just been found gone, the buttons are relabelled for
    // the selection page it falls back to.
    Arvex* Launcher();

    bool ConsumeFlightDataButton(int button);
    bool ConsumeSelectionButton(int button);
    bool ConnectListEntry(int index);
    void ShowSelectionPage();

    void DrawFlightDataPage(oapi::Sketchpad* skp, Arvex* launcher);
    void DrawSelectionPage(oapi::Sketchpad* skp);
    // Draws the module's text buffer at a position in layout units.
    void DrawTextBuffer(oapi::Sketchpad* skp, double column, double row);
    int Columns(double units) const;  // [pixels]
    int Rows(double units) const;     // [pixels]

    oapi::Font* normalFont;
    oapi::Font* underlineFont;
    int columnUnit;  // display width / 22 [pixels]
    int rowUnit;     // display height / 20 [pixels]
};
