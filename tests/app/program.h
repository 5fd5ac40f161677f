// Runs the arvex-sim program as a user does, in a scratch folder of its own, and reads what it
// wrote.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace apptest {

struct ProgramResult {
    int exitCode = -1;
    std::string out;  // standard output
    std::string err;  // standard error
};

// A scratch folder removed with the object; the program starts in it.
class Scratch {
  public:
    Scratch();
    ~Scratch();
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
    void write(const std::string& name, const std::string& text) const;
    std::string read(const std::string& name) const;
    nlohmann::json readJson(const std::string& name) const;

    // `arvex-sim <args>` started in this folder with the test's runtime tree.
    ProgramResult run(const std::vector<std::string>& args) const;

  private:
    std::filesystem::path path_;
};

// The demo's pilot script from the source tree.
std::filesystem::path demoScript();

// The vessel of that name in a state dump; fails the test when it is not there.
const nlohmann::json& vesselIn(const nlohmann::json& state, const std::string& name);
bool hasVessel(const nlohmann::json& state, const std::string& name);

// Lines of `text` that hold `needle`.
std::vector<std::string> linesWith(const std::string& text, const std::string& needle);

}  // namespace apptest
