#include "key_names.h"

#include <array>
#include <string>
#include <utility>

#include "error.h"
#include "text.h"

namespace app {

namespace {

using Named = std::pair<std::string_view, DWORD>;

constexpr std::array kKeys = {
    Named{"Escape", OAPI_KEY_ESCAPE},
    Named{"1", OAPI_KEY_1},
    Named{"2", OAPI_KEY_2},
    Named{"3", OAPI_KEY_3},
    Named{"4", OAPI_KEY_4},
    Named{"5", OAPI_KEY_5},
    Named{"6", OAPI_KEY_6},
    Named{"7", OAPI_KEY_7},
    Named{"8", OAPI_KEY_8},
    Named{"9", OAPI_KEY_9},
    Named{"0", OAPI_KEY_0},
    Named{"Minus", OAPI_KEY_MINUS},
    Named{"Equals", OAPI_KEY_EQUALS},
    Named{"Back", OAPI_KEY_BACK},
    Named{"Tab", OAPI_KEY_TAB},
    Named{"Q", OAPI_KEY_Q},
    Named{"W", OAPI_KEY_W},
    Named{"E", OAPI_KEY_E},
    Named{"R", OAPI_KEY_R},
    Named{"T", OAPI_KEY_T},
    Named{"Y", OAPI_KEY_Y},
    Named{"U", OAPI_KEY_U},
    Named{"I", OAPI_KEY_I},
    Named{"O", OAPI_KEY_O},
    Named{"P", OAPI_KEY_P},
    Named{"LBracket", OAPI_KEY_LBRACKET},
    Named{"RBracket", OAPI_KEY_RBRACKET},
    Named{"Return", OAPI_KEY_RETURN},
    Named{"A", OAPI_KEY_A},
    Named{"S", OAPI_KEY_S},
    Named{"D", OAPI_KEY_D},
    Named{"F", OAPI_KEY_F},
    Named{"G", OAPI_KEY_G},
    Named{"H", OAPI_KEY_H},
    Named{"J", OAPI_KEY_J},
    Named{"K", OAPI_KEY_K},
    Named{"L", OAPI_KEY_L},
    Named{"Semicolon", OAPI_KEY_SEMICOLON},
    Named{"Apostrophe", OAPI_KEY_APOSTROPHE},
    Named{"Grave", OAPI_KEY_GRAVE},
    Named{"Backslash", OAPI_KEY_BACKSLASH},
    Named{"Z", OAPI_KEY_Z},
    Named{"X", OAPI_KEY_X},
    Named{"C", OAPI_KEY_C},
    Named{"V", OAPI_KEY_V},
    Named{"B", OAPI_KEY_B},
    Named{"N", OAPI_KEY_N},
    Named{"M", OAPI_KEY_M},
    Named{"Comma", OAPI_KEY_COMMA},
    Named{"Period", OAPI_KEY_PERIOD},
    Named{"Slash", OAPI_KEY_SLASH},
    Named{"Multiply", OAPI_KEY_MULTIPLY},
    Named{"Space", OAPI_KEY_SPACE},
    Named{"F1", OAPI_KEY_F1},
    Named{"F2", OAPI_KEY_F2},
    Named{"F3", OAPI_KEY_F3},
    Named{"F4", OAPI_KEY_F4},
    Named{"F5", OAPI_KEY_F5},
    Named{"F6", OAPI_KEY_F6},
    Named{"F7", OAPI_KEY_F7},
    Named{"F8", OAPI_KEY_F8},
    Named{"F9", OAPI_KEY_F9},
    Named{"F10", OAPI_KEY_F10},
    Named{"F11", OAPI_KEY_F11},
    Named{"F12", OAPI_KEY_F12},
    Named{"Numpad0", OAPI_KEY_NUMPAD0},
    Named{"Numpad1", OAPI_KEY_NUMPAD1},
    Named{"Numpad2", OAPI_KEY_NUMPAD2},
    Named{"Numpad3", OAPI_KEY_NUMPAD3},
    Named{"Numpad4", OAPI_KEY_NUMPAD4},
    Named{"Numpad5", OAPI_KEY_NUMPAD5},
    Named{"Numpad6", OAPI_KEY_NUMPAD6},
    Named{"Numpad7", OAPI_KEY_NUMPAD7},
    Named{"Numpad8", OAPI_KEY_NUMPAD8},
    Named{"Numpad9", OAPI_KEY_NUMPAD9},
    Named{"Subtract", OAPI_KEY_SUBTRACT},
    Named{"Add", OAPI_KEY_ADD},
    Named{"Decimal", OAPI_KEY_DECIMAL},
    Named{"NumpadEnter", OAPI_KEY_NUMPADENTER},
    Named{"Divide", OAPI_KEY_DIVIDE},
    Named{"Home", OAPI_KEY_HOME},
    Named{"Up", OAPI_KEY_UP},
    Named{"Prior", OAPI_KEY_PRIOR},
    Named{"Left", OAPI_KEY_LEFT},
    Named{"Right", OAPI_KEY_RIGHT},
    Named{"End", OAPI_KEY_END},
    Named{"Down", OAPI_KEY_DOWN},
    Named{"Next", OAPI_KEY_NEXT},
    Named{"Insert", OAPI_KEY_INSERT},
    Named{"Delete", OAPI_KEY_DELETE},
};

// "Ctrl", "Alt" and "Shift" stand for the left-hand key.
constexpr std::array kModifiers = {
    Named{"Ctrl", OAPI_KEY_LCONTROL},  Named{"LCtrl", OAPI_KEY_LCONTROL},
    Named{"RCtrl", OAPI_KEY_RCONTROL}, Named{"Alt", OAPI_KEY_LALT},
    Named{"LAlt", OAPI_KEY_LALT},      Named{"RAlt", OAPI_KEY_RALT},
    Named{"Shift", OAPI_KEY_LSHIFT},   Named{"LShift", OAPI_KEY_LSHIFT},
    Named{"RShift", OAPI_KEY_RSHIFT},
};

template <std::size_t N>
const DWORD* lookUp(const std::array<Named, N>& table, std::string_view name) {
    for (const auto& [entry, code] : table) {
        if (sim::text::equalsNoCase(entry, name)) return &code;
    }
    return nullptr;
}

}  // namespace

KeyChord parseKeyChord(std::string_view text) {
    KeyChord chord;
    std::string_view rest = text;
    // Every part before the last '+' is a modifier; "Ctrl++" is not a key this host knows.
    for (auto plus = rest.find('+'); plus != std::string_view::npos; plus = rest.find('+')) {
        const std::string_view modifier = rest.substr(0, plus);
        const DWORD* code = lookUp(kModifiers, modifier);
        if (code == nullptr) {
            throw sim::Error("\"" + std::string(modifier) + "\" in \"" + std::string(text) +
                             "\" is not a modifier (Ctrl, Alt, Shift, with L or R in front)");
        }
        chord.held.push_back(*code);
        rest.remove_prefix(plus + 1);
    }
    const DWORD* code = lookUp(kKeys, rest);
    if (code == nullptr) {
        throw sim::Error("\"" + std::string(rest) +
                         "\" is not a key name (A to Z, 0 to 9, Space, " +
                         "Return, F1 to F12, Up, Numpad5, ...)");
    }
    chord.key = *code;
    return chord;
}

}  // namespace app
