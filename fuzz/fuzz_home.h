// The simulator folder every fuzz target runs in: a temporary folder of the process's own that
// sees the built modules and vessel classes of the runtime tree, holds its own preferences
// file and fuzzed class configurations, and is the current directory, as the host's
// installation folder is for the real modules. Inputs never write into the shared tree, so
// targets can run beside the tests that read it.
#pragma once

#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

#include "simulation.h"

namespace fuzz {

class Home {
  public:
    // Created on first use; removed when the process ends.
    static Home& instance();
    ~Home();
    Home(const Home&) = delete;
    Home& operator=(const Home&) = delete;

    const std::filesystem::path& root() const { return root_; }
    // The built runtime tree the folder sees (its scenarios, for instance).
    const std::filesystem::path& tree() const { return tree_; }
    // Replaces a file below the folder (e.g. "Arvex_Prefs.ini", "Config/Fuzz/Fuzzed.cfg").
    void write(const std::filesystem::path& relative, std::string_view content) const;

  private:
    Home();
    std::filesystem::path tree_;
    std::filesystem::path root_;
};

// A simulation in the fuzz folder with the given plug-ins loaded and its warnings dropped:
// bad input is expected, and only a crash, a sanitizer report or a broken promise counts.
std::unique_ptr<sim::Simulation> startSimulation(std::initializer_list<const char*> plugins = {});

// The input as text.
std::string_view asText(const unsigned char* data, std::size_t size);

// Reports a broken promise of the host with the text at fault and aborts, which the fuzzer
// records as a finding with the input that caused it.
[[noreturn]] void fail(std::string_view what, std::string_view detail);

}  // namespace fuzz
