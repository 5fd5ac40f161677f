// Exhaust flames and particle streams: purely visual, kept for inspection.
#include <algorithm>

#include "host_vessel.h"

namespace {

UINT nextExhaustId(const sim::HostVessel& v) {
    return v.exhausts.empty() ? 0 : v.exhausts.back().id + 1;
}

UINT addExhaust(sim::HostVessel& v, sim::ExhaustRecord record) {
    record.id = nextExhaustId(v);
    v.exhausts.push_back(record);
    return record.id;
}

sim::ExhaustRecord flame(sim::ThrusterRecord* th, double lscale, double wscale, SURFHANDLE tex) {
    sim::ExhaustRecord e;
    e.thruster = th;
    e.lsize = lscale;
    e.wsize = wscale;
    e.tex = tex;
    return e;
}

PSTREAM_HANDLE addStream(sim::HostVessel& v, std::unique_ptr<sim::ParticleStreamRecord> stream,
                         const PARTICLESTREAMSPEC* pss) {
    if (pss != nullptr) {
        stream->spec = *pss;
        stream->hasSpec = true;
    }
    v.streams.push_back(std::move(stream));
    return v.streams.back().get();
}

}  // namespace

UINT VESSEL::AddExhaust(THRUSTER_HANDLE th, double lscale, double wscale, SURFHANDLE tex) const {
    return addExhaust(*vessel, flame(vessel->thruster(th), lscale, wscale, tex));
}

UINT VESSEL::AddExhaust(THRUSTER_HANDLE th, double lscale, double wscale, double lofs,
                        SURFHANDLE tex) const {
    sim::ExhaustRecord e = flame(vessel->thruster(th), lscale, wscale, tex);
    e.lofs = lofs;
    return addExhaust(*vessel, e);
}

UINT VESSEL::AddExhaust(THRUSTER_HANDLE th, double lscale, double wscale, const VECTOR3& pos,
                        const VECTOR3& dir, SURFHANDLE tex) const {
    sim::ExhaustRecord e = flame(vessel->thruster(th), lscale, wscale, tex);
    e.fixedPos = pos;
    e.fixedDir = -dir;  // given as the exhaust direction, kept as the thrust direction
    return addExhaust(*vessel, e);
}

UINT VESSEL::AddExhaust(EXHAUSTSPEC* spec) const {
    if (spec == nullptr) return static_cast<UINT>(-1);
    sim::ExhaustRecord e = flame(vessel->thruster(spec->th), spec->lsize, spec->wsize, spec->tex);
    e.lofs = spec->lofs;
    e.modulate = spec->modulate;
    e.flags = spec->flags;
    if (spec->level != nullptr) {
        if ((spec->flags & EXHAUST_CONSTANTLEVEL) != 0)
            e.fixedLevel = *spec->level;
        else
            e.liveLevel = spec->level;
    }
    if (spec->lpos != nullptr) {
        if ((spec->flags & EXHAUST_CONSTANTPOS) != 0)
            e.fixedPos = *spec->lpos;
        else
            e.livePos = spec->lpos;
    }
    if (spec->ldir != nullptr) {
        if ((spec->flags & EXHAUST_CONSTANTDIR) != 0)
            e.fixedDir = *spec->ldir;
        else
            e.liveDir = spec->ldir;
    }
    spec->id = addExhaust(*vessel, e);
    return spec->id;
}

bool VESSEL::DelExhaust(UINT idx) const {
    return std::erase_if(vessel->exhausts,
                         [&](const sim::ExhaustRecord& e) { return e.id == idx; }) > 0;
}

DWORD VESSEL::GetExhaustCount() const {
    return static_cast<DWORD>(vessel->exhausts.size());
}

PSTREAM_HANDLE VESSEL::AddExhaustStream(THRUSTER_HANDLE th, PARTICLESTREAMSPEC* pss) const {
    auto stream = std::make_unique<sim::ParticleStreamRecord>();
    stream->thruster = vessel->thruster(th);
    return addStream(*vessel, std::move(stream), pss);
}

PSTREAM_HANDLE VESSEL::AddExhaustStream(THRUSTER_HANDLE th, const VECTOR3& pos,
                                        PARTICLESTREAMSPEC* pss) const {
    auto stream = std::make_unique<sim::ParticleStreamRecord>();
    stream->thruster = vessel->thruster(th);
    stream->fixedPos = pos;
    return addStream(*vessel, std::move(stream), pss);
}

PSTREAM_HANDLE VESSEL::AddParticleStream(PARTICLESTREAMSPEC* pss, const VECTOR3& pos,
                                         const VECTOR3& dir, double* lvl) const {
    auto stream = std::make_unique<sim::ParticleStreamRecord>();
    stream->fixedPos = pos;
    stream->dir = dir;
    stream->level = lvl;
    return addStream(*vessel, std::move(stream), pss);
}

bool VESSEL::DelExhaustStream(PSTREAM_HANDLE ch) const {
    return std::erase_if(vessel->streams, [&](const auto& s) { return s.get() == ch; }) > 0;
}
