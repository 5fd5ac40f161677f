// The host's side of the MFD and MFD2 classes: default behaviour of the mode callbacks and the
// requests a mode sends to the display that shows it.
#include <cstring>

#include "mfd_display.h"
#include "mfd_instrument_access.h"

using sim::ui::MfdDisplay;

namespace {

constexpr DWORD kTitleColour = 2;  // white in the default colour table

}  // namespace

MFD::MFD(DWORD w, DWORD h, VESSEL* vessel) : W(w), H(h), cw(0), ch(0), pV(vessel), instr(nullptr) {}

MFD::~MFD() = default;

bool MFD::ConsumeKeyBuffered(DWORD) {
    return false;
}
bool MFD::ConsumeKeyImmediate(char*) {
    return false;
}
bool MFD::ConsumeButton(int, int) {
    return false;
}
char* MFD::ButtonLabel(int) {
    return nullptr;
}
int MFD::ButtonMenu(const MFDBUTTONMENU**) const {
    return 0;
}
void MFD::WriteStatus(FILEHANDLE) const {}
void MFD::ReadStatus(FILEHANDLE) {}
void MFD::StoreStatus() const {}
void MFD::RecallStatus() {}

void MFD::InvalidateDisplay() {
    if (MfdDisplay* display = MfdInstrumentAccess::display(*this)) display->invalidateDisplay();
}

void MFD::InvalidateButtons() {
    if (MfdDisplay* display = MfdInstrumentAccess::display(*this)) display->invalidateButtons();
}

MFD2::MFD2(DWORD w, DWORD h, VESSEL* vessel) : MFD(w, h, vessel) {}

bool MFD2::Update(oapi::Sketchpad*) {
    return false;
}

bool MFD2::Title(oapi::Sketchpad* skp, const char* title) const {
    if (skp == nullptr || title == nullptr) return false;
    if (oapi::Font* font = GetDefaultFont(0)) skp->SetFont(font);
    skp->SetTextAlign(oapi::Sketchpad::LEFT, oapi::Sketchpad::TOP);
    skp->SetTextColor(GetDefaultColour(kTitleColour));
    return skp->Text(static_cast<int>(cw / 2), static_cast<int>(ch / 4), title,
                     static_cast<int>(std::strlen(title)));
}

oapi::Pen* MFD2::GetDefaultPen(DWORD colidx, DWORD intens, DWORD style) const {
    MfdDisplay* display = MfdInstrumentAccess::display(*this);
    return display != nullptr ? display->defaultPen(colidx, intens, style) : nullptr;
}

oapi::Font* MFD2::GetDefaultFont(DWORD fontidx) const {
    MfdDisplay* display = MfdInstrumentAccess::display(*this);
    return display != nullptr ? display->defaultFont(fontidx) : nullptr;
}

DWORD MFD2::GetDefaultColour(DWORD colidx, DWORD intens) const {
    return MfdDisplay::defaultColour(colidx, intens);
}
