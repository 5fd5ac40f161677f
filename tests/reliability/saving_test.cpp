// Saving where the file cannot be written: a clear error naming the file, and nothing lost —
// an earlier file at the place stays as it was, and no half-written file is left behind.
#include <sys/resource.h>

#include <algorithm>
#include <csignal>

#include "reliability_tree.h"

namespace reliability {
namespace {

using ::testing::HasSubstr;

constexpr char kEarlierSave[] = "the earlier save\n";

// Files of this process may grow to `bytes` only, as on a full disk: a longer write fails.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &previous_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);  // the write fails instead
        rlimit limit = previous_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
};

class Saving : public ReliabilityTree {
  protected:
    Saving() { Load(LaunchScenario(), "launch.scn"); }

    // The error of saving to `target`, which must name it on one line.
    void ExpectRefused(const fs::path& target) {
        try {
            Sim().saveScenario(target);
            ADD_FAILURE() << "saved to " << target;
        } catch (const sim::Error& e) {
            EXPECT_THAT(e.what(), HasSubstr(target.string()));
            EXPECT_EQ(std::string(e.what()).find('\n'), std::string::npos) << e.what();
        }
    }

    std::vector<std::string> Files() {
        std::vector<std::string> names;
        for (const auto& entry : fs::recursive_directory_iterator(root))
            names.push_back(entry.path().lexically_relative(root).string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(Saving, IntoAFolderThatCannotExistIsRefusedAndWritesNothing) {
    Write("occupied", kEarlierSave);
    const std::vector<std::string> before = Files();
    ExpectRefused(root / "occupied" / "saved.scn");  // the folder's place holds a file
    EXPECT_EQ(ReadFile(root / "occupied"), kEarlierSave);
    EXPECT_EQ(Files(), before);
}

TEST_F(Saving, OverAFolderIsRefusedAndLeavesIt) {
    fs::create_directories(root / "saved.scn" / "inside");
    const std::vector<std::string> before = Files();
    ExpectRefused(root / "saved.scn");
    EXPECT_EQ(Files(), before);
}

TEST_F(Saving, OnAFullDiskIsRefusedAndKeepsTheEarlierFile) {
    Write("saved.scn", kEarlierSave);
    const std::vector<std::string> before = Files();
    {
        const FileSizeLimit fullDisk(sizeof kEarlierSave);
        ExpectRefused(root / "saved.scn");
    }
    EXPECT_EQ(ReadFile(root / "saved.scn"), kEarlierSave);
    EXPECT_EQ(Files(), before);

    Sim().saveScenario(root / "saved.scn");  // with room again
    EXPECT_EQ(ReadFile(root / "saved.scn"), Sim().saveScenarioText());
}

}  // namespace
}  // namespace reliability
