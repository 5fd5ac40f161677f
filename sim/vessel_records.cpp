#include "vessel_records.h"

namespace sim {

double ExhaustRecord::level() const {
    if (liveLevel != nullptr) return *liveLevel;
    if (fixedLevel) return *fixedLevel;
    return thruster != nullptr ? thruster->effectiveLevel : 1.0;
}

VECTOR3 ExhaustRecord::position() const {
    if (livePos != nullptr) return *livePos;
    if (fixedPos) return *fixedPos;
    return thruster != nullptr ? thruster->pos : _V(0, 0, 0);
}

VECTOR3 ExhaustRecord::direction() const {
    if (liveDir != nullptr) return *liveDir;
    if (fixedDir) return *fixedDir;
    return thruster != nullptr ? thruster->dir : _V(0, 0, 1);
}

double ParticleStreamRecord::currentLevel() const {
    if (level != nullptr) return *level;
    return thruster != nullptr ? thruster->effectiveLevel : 0.0;
}

}  // namespace sim
