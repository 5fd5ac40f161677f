#include "booster_layout.h"

namespace {

constexpr VECTOR3 Vec(double x, double y, double z) {
    return {{x, y, z}};
}

constexpr double kFlameZ = -15.5;  // exit plane of the booster nozzles [m]

// Four boosters: every mesh is added 6 m out on +x and turned about the core's axis.
constexpr BoosterMeshPlacement kFourMeshes[] = {
    {Vec(6, 0, 0), 0.5235988f, Vec(-6, 0, 0)},   // +30 degrees
    {Vec(6, 0, 0), -0.5235988f, Vec(-6, 0, 0)},  // -30 degrees
    {Vec(6, 0, 0), 3.6651914f, Vec(-6, 0, 0)},   // +210 degrees
    {Vec(6, 0, 0), -3.6651914f, Vec(-6, 0, 0)},  // -210 degrees
};
// Four flames per booster at the corners of a square around its axis, booster by booster.
constexpr VECTOR3 kFourFlames[] = {
    Vec(-5.491, 4.101, kFlameZ),  Vec(-4.095, 3.295, kFlameZ),  Vec(-4.901, 1.899, kFlameZ),
    Vec(-6.297, 2.705, kFlameZ),  Vec(-5.491, -4.101, kFlameZ), Vec(-4.095, -3.295, kFlameZ),
    Vec(-4.901, -1.899, kFlameZ), Vec(-6.297, -2.705, kFlameZ), Vec(5.491, 4.101, kFlameZ),
    Vec(4.095, 3.295, kFlameZ),   Vec(4.901, 1.899, kFlameZ),   Vec(6.297, 2.705, kFlameZ),
    Vec(5.491, -4.101, kFlameZ),  Vec(4.095, -3.295, kFlameZ),  Vec(4.901, -1.899, kFlameZ),
    Vec(6.297, -2.705, kFlameZ),
};
constexpr VECTOR3 kFourExhaustStreams[] = {Vec(-5.196, 3, -15.75), Vec(5.196, 3, -15.75),
                                           Vec(-5.196, -3, -15.75), Vec(5.196, -3, -15.75)};
constexpr VECTOR3 kFourSmokeStreams[] = {Vec(-5.196, 3, -20), Vec(5.196, 3, -20),
                                         Vec(-5.196, -3, -20), Vec(5.196, -3, -20)};
constexpr VECTOR3 kFourVapourStreams[] = {Vec(4.969, 2.869, 11), Vec(4.969, -2.869, 11),
                                          Vec(-4.969, 2.869, 11), Vec(-4.969, -2.869, 11)};
// Each separated booster is turned so that its +x axis points away from the core.
constexpr SeparatedBooster kFourSeparated[] = {
    {"-LRB1", Vec(4.969, 2.869, 0), -30.0},
    {"-LRB2", Vec(4.969, -2.869, 0), 30.0},
    {"-LRB3", Vec(-4.969, 2.869, 0), 210.0},
    {"-LRB4", Vec(-4.969, -2.869, 0), -210.0},
};

// Two boosters on opposite sides; the one on -x is its mesh turned about its own axis.
constexpr BoosterMeshPlacement kTwoMeshes[] = {
    {Vec(6, 0, 0), std::nullopt, Vec(0, 0, 0)},
    {Vec(-6, 0, 0), -3.1415927f, Vec(0, 0, 0)},  // -180 degrees
};
constexpr VECTOR3 kTwoFlames[] = {
    Vec(6.806, 0.806, kFlameZ),   Vec(5.194, 0.806, kFlameZ),   Vec(6.806, -0.806, kFlameZ),
    Vec(5.194, -0.806, kFlameZ),  Vec(-6.806, 0.806, kFlameZ),  Vec(-5.194, 0.806, kFlameZ),
    Vec(-6.806, -0.806, kFlameZ), Vec(-5.194, -0.806, kFlameZ),
};
constexpr VECTOR3 kTwoExhaustStreams[] = {Vec(-5.196, 0, -15.75), Vec(5.196, 0, -15.75)};
constexpr VECTOR3 kTwoSmokeStreams[] = {Vec(-5.196, 0, -18), Vec(5.196, 0, -18)};
constexpr VECTOR3 kTwoVapourStreams[] = {Vec(6, 0, 11), Vec(-6, 0, 11)};
constexpr SeparatedBooster kTwoSeparated[] = {
    {"-LRB1", Vec(6, 0, 0), std::nullopt},
    {"-LRB2", Vec(-6, 0, 0), 180.0},
};

constexpr BoosterLayout kFourBoosters = {
    30000000.0,  // thrust [N]
    120000.0,    // empty mass [kg]
    1200000.0,   // propellant [kg]
    0.25,
    kFourMeshes,
    kFourFlames,
    kFourExhaustStreams,
    kFourSmokeStreams,
    kFourVapourStreams,
    kFourSeparated,
};

constexpr BoosterLayout kTwoBoosters = {
    15000000.0,  // thrust [N]
    60000.0,     // empty mass [kg]
    600000.0,    // propellant [kg]
    0.5,           kTwoMeshes, kTwoFlames, kTwoExhaustStreams, kTwoSmokeStreams, kTwoVapourStreams,
    kTwoSeparated,
};

}  // namespace

const BoosterLayout& BoosterLayoutFor(bool twoBoosterLayout) {
    return twoBoosterLayout ? kTwoBoosters : kFourBoosters;
}
