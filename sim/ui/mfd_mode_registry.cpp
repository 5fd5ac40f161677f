#include "mfd_mode_registry.h"

#include <algorithm>

#include "text.h"

namespace sim::ui {

bool MfdModeRegistry::keyInUse(DWORD key) const {
    return std::any_of(modes_.begin(), modes_.end(),
                       [key](const auto& mode) { return mode->spec.key == key; });
}

int MfdModeRegistry::add(const MFDMODESPECEX& spec) {
    auto mode = std::make_unique<RegisteredMode>();
    mode->id = nextId_++;
    mode->name = spec.name != nullptr ? spec.name : "";
    mode->spec = spec;
    mode->spec.name = mode->name.data();
    // A selection key already taken moves to the first free digit key.
    if (keyInUse(spec.key)) {
        for (DWORD key = OAPI_KEY_1; key <= OAPI_KEY_0; ++key) {
            if (!keyInUse(key)) {
                mode->spec.key = key;
                break;
            }
        }
    }
    const int id = mode->id;
    modes_.push_back(std::move(mode));
    return id;
}

bool MfdModeRegistry::remove(int id) {
    const auto it = std::find_if(modes_.begin(), modes_.end(),
                                 [id](const auto& mode) { return mode->id == id; });
    if (it == modes_.end()) return false;
    modes_.erase(it);
    return true;
}

const RegisteredMode* MfdModeRegistry::find(int id) const {
    for (const auto& mode : modes_) {
        if (mode->id == id) return mode.get();
    }
    return nullptr;
}

const RegisteredMode* MfdModeRegistry::find(std::string_view name) const {
    for (const auto& mode : modes_) {
        if (text::equalsNoCase(mode->name, name)) return mode.get();
    }
    return nullptr;
}

}  // namespace sim::ui
