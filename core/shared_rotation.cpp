#include "shared_rotation.h"

#include <algorithm>
#include <deque>

namespace {

bool SameVector(const VECTOR3& a, const VECTOR3& b) {
    return a.x == b.x && a.y == b.y && a.z == b.z;
}

}  // namespace

// Vessels of one class may place a mesh in a different slot (a core without core mesh, for
// instance), so a component is shared only by requests for the same slot and the same turn.
MGROUP_ROTATE* SharedRotation(UINT mesh, const VECTOR3& ref, const VECTOR3& axis, float angle) {
    static std::deque<MGROUP_ROTATE> components;  // a deque never moves its elements
    const auto found = std::find_if(components.begin(), components.end(), [&](const auto& c) {
        return c.mesh == mesh && SameVector(c.ref, ref) && SameVector(c.axis, axis) &&
               c.angle == angle;
    });
    if (found != components.end()) return &*found;
    return &components.emplace_back(mesh, nullptr, 0, ref, axis, angle);
}
