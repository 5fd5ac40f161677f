// The MFD modes that modules have registered (oapiRegisterMFDMode), by identifier and name.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "mfd_api.h"

namespace sim::ui {

struct RegisteredMode {
    int id = 0;
    std::string name;      // the host's copy of the module's name
    MFDMODESPECEX spec{};  // as registered, name pointing into `name`, key possibly reassigned
};

class MfdModeRegistry {
  public:
    // Returns the new mode's identifier: the first follows the host's built-in modes.
    int add(const MFDMODESPECEX& spec);
    bool remove(int id);
    const RegisteredMode* find(int id) const;
    const RegisteredMode* find(std::string_view name) const;  // without regard to case
    const std::vector<std::unique_ptr<RegisteredMode>>& modes() const { return modes_; }

  private:
    bool keyInUse(DWORD key) const;

    std::vector<std::unique_ptr<RegisteredMode>> modes_;
    int nextId_ = BUILTIN_MFD_MODES + 1;
};

}  // namespace sim::ui
