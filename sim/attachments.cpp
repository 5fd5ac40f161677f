#include "attachments.h"

#include <algorithm>
#include <cstring>

#include "host_vessel.h"
#include "world.h"

namespace sim {

namespace {

AttachmentRecord* point(const HostVessel& vessel, bool toParent, DWORD index) {
    const auto& list = toParent ? vessel.parentPoints : vessel.childPoints;
    return index < list.size() ? list[index].get() : nullptr;
}

AttachmentRecord* fromHandle(const HostVessel* owner, ATTACHMENTHANDLE handle) {
    if (owner == nullptr || handle == nullptr) return nullptr;
    for (const auto* list : {&owner->parentPoints, &owner->childPoints}) {
        for (const auto& p : *list) {
            if (p.get() == handle) return p.get();
        }
    }
    return nullptr;
}

}  // namespace

bool attach(HostVessel& parent, AttachmentRecord& parentPoint, HostVessel& child,
            AttachmentRecord& childPoint) {
    if (&parent == &child || parentPoint.toParent || !childPoint.toParent ||
        parentPoint.connected != nullptr) {
        return false;
    }
    // A child hangs on one parent only.
    for (const auto& p : child.parentPoints) {
        if (p->connected != nullptr) disconnect(*p);
    }
    parentPoint.connected = &child;
    parentPoint.mate = &childPoint;
    childPoint.connected = &parent;
    childPoint.mate = &parentPoint;
    return true;
}

bool attachByIndex(HostVessel& parent, DWORD parentIndex, HostVessel& child, DWORD childIndex) {
    AttachmentRecord* parentPoint = point(parent, false, parentIndex);
    AttachmentRecord* childPoint = point(child, true, childIndex);
    return parentPoint != nullptr && childPoint != nullptr &&
           attach(parent, *parentPoint, child, *childPoint);
}

bool disconnect(AttachmentRecord& p) {
    if (p.connected == nullptr) return false;
    if (p.mate != nullptr) {
        p.mate->connected = nullptr;
        p.mate->mate = nullptr;
    }
    p.connected = nullptr;
    p.mate = nullptr;
    return true;
}

void detachAll(HostVessel& vessel) {
    for (const auto* list : {&vessel.parentPoints, &vessel.childPoints}) {
        for (const auto& p : *list) disconnect(*p);
    }
}

}  // namespace sim

using sim::AttachmentRecord;
using sim::HostVessel;

ATTACHMENTHANDLE VESSEL::CreateAttachment(bool toparent, const VECTOR3& pos, const VECTOR3& dir,
                                          const VECTOR3& rot, const char* id, bool loose) const {
    auto record = std::make_unique<AttachmentRecord>();
    record->toParent = toparent;
    record->pos = pos;
    record->dir = dir;
    record->rot = rot;
    // The host keeps at most 8 characters of the id.
    if (id != nullptr) std::strncpy(record->id, id, sizeof record->id - 1);
    record->loose = loose;
    record->owner = vessel;
    auto& list = toparent ? vessel->parentPoints : vessel->childPoints;
    list.push_back(std::move(record));
    return list.back().get();
}

bool VESSEL::DelAttachment(ATTACHMENTHANDLE attachment) const {
    AttachmentRecord* p = sim::fromHandle(vessel, attachment);
    if (p == nullptr) return false;
    sim::disconnect(*p);
    auto& list = p->toParent ? vessel->parentPoints : vessel->childPoints;
    std::erase_if(list, [&](const auto& r) { return r.get() == p; });
    return true;
}

void VESSEL::ClearAttachments() const {
    sim::detachAll(*vessel);
    vessel->parentPoints.clear();
    vessel->childPoints.clear();
}

bool VESSEL::SetAttachmentParams(ATTACHMENTHANDLE attachment, const VECTOR3& pos,
                                 const VECTOR3& dir, const VECTOR3& rot) const {
    AttachmentRecord* p = sim::fromHandle(vessel, attachment);
    if (p == nullptr) return false;
    p->pos = pos;
    p->dir = dir;
    p->rot = rot;
    return true;
}

void VESSEL::GetAttachmentParams(ATTACHMENTHANDLE attachment, VECTOR3& pos, VECTOR3& dir,
                                 VECTOR3& rot) const {
    if (const AttachmentRecord* p = sim::fromHandle(vessel, attachment)) {
        pos = p->pos;
        dir = p->dir;
        rot = p->rot;
    }
}

const char* VESSEL::GetAttachmentId(ATTACHMENTHANDLE attachment) const {
    const AttachmentRecord* p = sim::fromHandle(vessel, attachment);
    return p != nullptr ? p->id : nullptr;
}

OBJHANDLE VESSEL::GetAttachmentStatus(ATTACHMENTHANDLE attachment) const {
    const AttachmentRecord* p = sim::fromHandle(vessel, attachment);
    return p != nullptr && p->connected != nullptr ? p->connected->handle : nullptr;
}

DWORD VESSEL::AttachmentCount(bool toparent) const {
    return static_cast<DWORD>((toparent ? vessel->parentPoints : vessel->childPoints).size());
}

DWORD VESSEL::GetAttachmentIndex(ATTACHMENTHANDLE attachment) const {
    const AttachmentRecord* p = sim::fromHandle(vessel, attachment);
    if (p == nullptr) return static_cast<DWORD>(-1);
    const auto& list = p->toParent ? vessel->parentPoints : vessel->childPoints;
    const auto it =
        std::find_if(list.begin(), list.end(), [&](const auto& r) { return r.get() == p; });
    return static_cast<DWORD>(it - list.begin());
}

ATTACHMENTHANDLE VESSEL::GetAttachmentHandle(bool toparent, DWORD i) const {
    return sim::point(*vessel, toparent, i);
}

bool VESSEL::AttachChild(OBJHANDLE child, ATTACHMENTHANDLE attachment,
                         ATTACHMENTHANDLE child_attachment) const {
    HostVessel* childVessel = sim::findVessel(child);
    AttachmentRecord* parentPoint = sim::fromHandle(vessel, attachment);
    AttachmentRecord* childPoint = sim::fromHandle(childVessel, child_attachment);
    return childVessel != nullptr && parentPoint != nullptr && childPoint != nullptr &&
           sim::attach(*vessel, *parentPoint, *childVessel, *childPoint);
}

bool VESSEL::DetachChild(ATTACHMENTHANDLE attachment, double vel) const {
    AttachmentRecord* p = sim::fromHandle(vessel, attachment);
    if (p == nullptr || p->toParent || p->connected == nullptr) return false;
    HostVessel* child = p->connected;
    const VECTOR3 push = mul(vessel->body.R, p->dir) * vel;  // along the parent point's dir [m/s]
    sim::disconnect(*p);
    child->body.v_N = vessel->body.v_N + push;
    child->body.landed = false;
    return true;
}
