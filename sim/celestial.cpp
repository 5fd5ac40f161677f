#include "celestial.h"

namespace sim {

namespace {
// Its address is Earth's handle; never dereferenced by anyone.
const char g_earthToken = 0;
}  // namespace

OBJHANDLE earthHandle() {
    return const_cast<char*>(&g_earthToken);
}

bool isEarth(OBJHANDLE handle) {
    return handle == earthHandle();
}

}  // namespace sim
