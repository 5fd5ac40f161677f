// Binds an MFD mode's object to the display that shows it, after the mode's message procedure
// has made the object: the host sets the character cell and its own display pointer then, so a
// mode's constructor cannot use them.
#pragma once

#include "mfd_api.h"

namespace sim::ui {
class MfdDisplay;
}

struct MfdInstrumentAccess {
    static void bind(MFD& mfd, sim::ui::MfdDisplay* display, DWORD charWidth, DWORD charHeight) {
        mfd.instr = display;
        mfd.cw = charWidth;
        mfd.ch = charHeight;
    }
    static sim::ui::MfdDisplay* display(const MFD& mfd) {
        return static_cast<sim::ui::MfdDisplay*>(mfd.instr);
    }
};
