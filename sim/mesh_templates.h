// Mesh templates loaded through oapiLoadMeshGlobal: one per name for the whole run, owned by
// the host. The headless host does not read mesh files; a template is its name.
#pragma once

#include <string_view>

#include "orbiter_api.h"

namespace sim {

struct MeshTemplate;

// The template of that name (without regard to case), created on first use.
MESHHANDLE loadMeshTemplate(std::string_view name);
// The template loaded under that name, or nullptr.
MESHHANDLE findMeshTemplate(std::string_view name);
// The template behind a handle the host gave out, or nullptr.
const MeshTemplate* meshTemplate(MESHHANDLE handle);

}  // namespace sim
