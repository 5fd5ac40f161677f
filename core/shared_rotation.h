// Rotation components of whole meshes, shared by all vessels of the module. The host keeps a
// pointer to every animation component it is given, so the components live as long as the
// module; they are created on first use.
#pragma once

#include "orbitersdk.h"

// The component that turns mesh slot `mesh` by angle [rad] about the line through ref along axis,
// created the first time a vessel asks for it.
MGROUP_ROTATE* SharedRotation(UINT mesh, const VECTOR3& ref, const VECTOR3& axis, float angle);
