// Attachment bookkeeping: which child hangs on which parent, through which points.
#pragma once

#include "orbiter_api.h"

namespace sim {

class HostVessel;
struct AttachmentRecord;

// Connects child-type point `parentIndex` of `parent` with parent-type point `childIndex` of
// `child`; a child attached elsewhere is detached first. False if a point does not exist, the
// parent point is taken, or the two are the same vessel.
bool attachByIndex(HostVessel& parent, DWORD parentIndex, HostVessel& child, DWORD childIndex);
bool attach(HostVessel& parent, AttachmentRecord& parentPoint, HostVessel& child,
            AttachmentRecord& childPoint);
// Frees both sides of the connection at `point`; false if nothing is connected there.
bool disconnect(AttachmentRecord& point);
// Frees every connection of the vessel (its children become free vessels).
void detachAll(HostVessel& vessel);

}  // namespace sim
