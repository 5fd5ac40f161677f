// The pilot's keys by name, as a script writes them: "J", "Ctrl+J", "LCtrl+RAlt+Space".
#pragma once

#include <string_view>
#include <vector>

#include "orbitersdk.h"

namespace app {

struct KeyChord {
    DWORD key = 0;
    std::vector<DWORD> held;  // modifier keys held while the key goes down
};

// Throws sim::Error naming the unknown key or modifier.
KeyChord parseKeyChord(std::string_view text);

}  // namespace app
