// Everything a module needs of the host.
#pragma once

#include "draw_api.h"
#include "mfd_api.h"
#include "orbiter_api.h"
#include "vessel_api.h"
