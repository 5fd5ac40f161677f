// Files the host hands to modules as FILEHANDLE: class configurations being read, scenario
// blocks being read, scenarios being written. A handle is always the address of the HostFile
// base, so a handle of the wrong kind is recognised instead of misread.
#pragma once

#include "orbiter_api.h"

namespace sim {

class HostFile {
  public:
    virtual ~HostFile() = default;
    FILEHANDLE handle() { return static_cast<HostFile*>(this); }
};

// The file behind `handle` if it is of kind T, else nullptr.
template <typename T>
T* fileFromHandle(FILEHANDLE handle) {
    return handle == nullptr ? nullptr : dynamic_cast<T*>(static_cast<HostFile*>(handle));
}

}  // namespace sim
