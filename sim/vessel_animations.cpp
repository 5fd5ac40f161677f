// Animations and their components. The host keeps the module's transform objects by pointer.
#include <algorithm>

#include "host_vessel.h"

namespace {

sim::AnimationRecord* animation(const sim::HostVessel& v, UINT anim) {
    return anim < v.animations.size() ? v.animations[anim].get() : nullptr;
}

void unlink(sim::AnimationComponentRecord& component) {
    if (component.parent != nullptr) std::erase(component.parent->children, &component);
    for (sim::AnimationComponentRecord* child : component.children) child->parent = nullptr;
}

}  // namespace

UINT VESSEL::CreateAnimation(double initial_state) const {
    auto record = std::make_unique<sim::AnimationRecord>();
    record->defaultState = initial_state;
    record->state = initial_state;
    vessel->animations.push_back(std::move(record));
    return static_cast<UINT>(vessel->animations.size() - 1);
}

bool VESSEL::DelAnimation(UINT anim) const {
    if (animation(*vessel, anim) == nullptr) return false;
    // Later animations keep their ids.
    vessel->animations[anim].reset();
    while (!vessel->animations.empty() && !vessel->animations.back()) vessel->animations.pop_back();
    return true;
}

ANIMATIONCOMPONENT_HANDLE VESSEL::AddAnimationComponent(UINT anim, double state0, double state1,
                                                        MGROUP_TRANSFORM* trans,
                                                        ANIMATIONCOMPONENT_HANDLE parent) const {
    sim::AnimationRecord* record = animation(*vessel, anim);
    if (record == nullptr) return nullptr;
    auto component = std::make_unique<sim::AnimationComponentRecord>();
    component->state0 = state0;
    component->state1 = state1;
    component->transform = trans;
    component->parent = static_cast<sim::AnimationComponentRecord*>(parent);
    if (component->parent != nullptr) component->parent->children.push_back(component.get());
    record->components.push_back(std::move(component));
    return record->components.back().get();
}

bool VESSEL::DelAnimationComponent(UINT anim, ANIMATIONCOMPONENT_HANDLE hAC) const {
    sim::AnimationRecord* record = animation(*vessel, anim);
    if (record == nullptr) return false;
    auto& list = record->components;
    const auto it =
        std::find_if(list.begin(), list.end(), [&](const auto& c) { return c.get() == hAC; });
    if (it == list.end()) return false;
    unlink(**it);
    list.erase(it);
    return true;
}

bool VESSEL::SetAnimation(UINT anim, double state) const {
    sim::AnimationRecord* record = animation(*vessel, anim);
    if (record == nullptr) return false;
    record->state = state;
    return true;
}

double VESSEL::GetAnimation(UINT anim) const {
    const sim::AnimationRecord* record = animation(*vessel, anim);
    return record != nullptr ? record->state : -1.0;
}
