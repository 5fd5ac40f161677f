// The sources the core vessel shares with the upper stage and the booster: airfoil coefficients,
// names of vessels created at separations, and the preferences file's path.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>

#include "aerodynamics.h"
#include "preferences.h"
#include "spawn.h"

namespace {

struct AirfoilCase {
    double aoaDeg;
    double mach;
    double bodyDrag;
    double sideDrag;
};

// Below Mach 0.75 there is no wave drag; at Mach 1.05 it is at its maximum (0.8 body, 0.04 side);
// at Mach 0.875 it is half way up.
const AirfoilCase kAirfoilCases[] = {
    {0.0, 0.5, 0.06, 0.06},   {90.0, 0.5, 0.46, 0.06},   {-90.0, 0.5, 0.46, 0.06},
    {180.0, 0.5, 0.06, 0.06}, {-180.0, 0.5, 0.06, 0.06}, {30.0, 0.5, 0.16, 0.06},
    {0.0, 1.05, 0.86, 0.10},  {0.0, 0.875, 0.46, 0.08},  {45.0, 1.05, 1.06, 0.10},
};

TEST(Airfoil, CoefficientsOverAngleAndMach) {
    for (const AirfoilCase& c : kAirfoilCases) {
        SCOPED_TRACE("aoa " + std::to_string(c.aoaDeg) + " Mach " + std::to_string(c.mach));
        const double aoa = c.aoaDeg * PI / 180.0;
        double cl = -1.0, cm = -1.0, cd = -1.0;
        BodyAirfoilCoeff(nullptr, aoa, c.mach, 1e7, nullptr, &cl, &cm, &cd);
        EXPECT_EQ(cl, 0.0);
        EXPECT_EQ(cm, 0.0);
        EXPECT_NEAR(cd, c.bodyDrag, 1e-12);
        cl = cm = cd = -1.0;
        SideAirfoilCoeff(nullptr, aoa, c.mach, 1e7, nullptr, &cl, &cm, &cd);
        EXPECT_EQ(cl, 0.0);
        EXPECT_EQ(cm, 0.0);
        EXPECT_NEAR(cd, c.sideDrag, 1e-12);
    }
}

TEST(Airfoil, AnglesBeyondHalfTurnStayFinite) {
    for (double aoa : {-7.0, 3.2, 7.0, 1e9}) {
        double cl, cm, cd;
        BodyAirfoilCoeff(nullptr, aoa, 0.3, 0.0, nullptr, &cl, &cm, &cd);
        EXPECT_EQ(cl, 0.0);
        EXPECT_TRUE(std::isfinite(cd));
        SideAirfoilCoeff(nullptr, aoa, 0.3, 0.0, nullptr, &cl, &cm, &cd);
        EXPECT_EQ(cl, 0.0);
        EXPECT_TRUE(std::isfinite(cd));
    }
}

std::string NameOf(const std::string& creator, const char* suffix) {
    char name[staging::kMaxVesselNameLength + 1];
    staging::SpawnedVesselName(creator.c_str(), suffix, name);
    return name;
}

TEST(SpawnedVesselName, CreatorNameFollowedBySuffix) {
    EXPECT_EQ(NameOf("Core1", "-LRB1"), "Core1-LRB1");
    EXPECT_EQ(NameOf("", "-Fairing2"), "-Fairing2");
}

TEST(SpawnedVesselName, LongNameKeepsSuffixWithinLimit) {
    const std::string fits(250, 'a');  // 250 + 5 = 255: nothing cut
    EXPECT_EQ(NameOf(fits, "-LRB1"), fits + "-LRB1");

    const std::string tooLong(300, 'b');
    const std::string name = NameOf(tooLong, "-LRB3");
    EXPECT_EQ(name.size(), staging::kMaxVesselNameLength);
    EXPECT_EQ(name, std::string(250, 'b') + "-LRB3");

    // The halves of one jettison keep distinct names.
    EXPECT_NE(NameOf(tooLong, "-Fairing1"), NameOf(tooLong, "-Fairing2"));
}

// Runs in a directory of the given path length below a fresh temporary folder, then returns.
class InDirectoryOfLength {
  public:
    explicit InDirectoryOfLength(std::size_t length) : previous(std::filesystem::current_path()) {
        root = std::filesystem::temp_directory_path() /
               ("arvex-prefs-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                "-" + std::to_string(length));
        std::filesystem::path dir = root;
        while (dir.string().size() + 2 < length) {
            const std::size_t room = length - dir.string().size() - 1;
            dir /= std::string(std::min<std::size_t>(room, 100), 'd');
        }
        std::filesystem::create_directories(dir);
        std::filesystem::current_path(dir);
        path = std::filesystem::current_path().string();
    }
    ~InDirectoryOfLength() {
        std::filesystem::current_path(previous);
        std::filesystem::remove_all(root);
    }
    std::string path;

  private:
    std::filesystem::path previous;
    std::filesystem::path root;
};

TEST(PrefsPath, CurrentDirectoryFollowedByFileName) {
    InDirectoryOfLength dir(60);
    char prefsPath[MAX_PATH];
    BuildPrefsPath(prefsPath);
    EXPECT_EQ(std::string(prefsPath), dir.path + "//Arvex_Prefs.ini");
}

TEST(PrefsPath, TooLongForTheBufferIsLeftEmpty) {
    // 250 characters fit the directory buffer but not with the file name; 400 fit neither.
    for (std::size_t length : {250u, 400u}) {
        InDirectoryOfLength dir(length);
        ASSERT_GE(dir.path.size(), length - 1);
        struct {
            char path[MAX_PATH];
            char guard[8];
        } prefs;
        std::fill(std::begin(prefs.guard), std::end(prefs.guard), 'x');
        BuildPrefsPath(prefs.path);
        EXPECT_STREQ(prefs.path, "");
        EXPECT_EQ(std::string(prefs.guard, 8), "xxxxxxxx");  // nothing written past the path
    }
}

}  // namespace
