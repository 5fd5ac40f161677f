// Textures registered by modules. The headless host loads no image files; a texture is its
// name, and the same name gives the same handle for the whole run.
#pragma once

#include <string>
#include <string_view>

#include "orbiter_api.h"

namespace sim {

enum class TextureKind { Exhaust, Particle };

SURFHANDLE registerTexture(TextureKind kind, std::string_view name);
// The name a texture handle was registered under; empty for unknown handles.
std::string textureName(SURFHANDLE texture);

}  // namespace sim
