#include "fuzz_home.h"

#include <dlfcn.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace fuzz {

namespace {

// The built runtime tree: ARVEX_TREE when set (as the tests have it), else this build's.
fs::path builtTree() {
    if (const char* tree = std::getenv("ARVEX_TREE")) return tree;
    return ARVEX_FUZZ_TREE;
}

// Keeps every module of the tree loaded for the life of the process. The host loads and
// unloads its modules with every simulation, and each unload costs more than the rest of a
// deep target's input (its exit handlers, the sanitizer's bookkeeping); a module that stays
// loaded is also one whose coverage the fuzzer can follow. The host still runs InitModule and
// ExitModule for each simulation, as it would with a fresh load.
void pinModules(const fs::path& modules) {
    for (const auto& entry : fs::recursive_directory_iterator(modules)) {
        if (!entry.is_regular_file() || entry.path().extension() != ".so") continue;
        if (dlopen(entry.path().c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE) == nullptr)
            throw std::runtime_error(std::string("cannot load module: ") + dlerror());
    }
}

}  // namespace

Home& Home::instance() {
    static Home home;
    return home;
}

Home::Home() : tree_(builtTree()) {
    std::string pattern = (fs::temp_directory_path() / "arvex-fuzz-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("no temporary folder");
    root_ = pattern;
    fs::create_directory_symlink(tree_ / "Modules", root_ / "Modules");
    fs::create_directories(root_ / "Config" / "Fuzz");
    fs::create_directory_symlink(tree_ / "Config" / "Arvex", root_ / "Config" / "Arvex");
    fs::copy_file(tree_ / "Arvex_Prefs.ini", root_ / "Arvex_Prefs.ini");
    fs::current_path(root_);
    pinModules(tree_ / "Modules");
}

Home::~Home() {
    std::error_code ec;
    fs::current_path(fs::temp_directory_path(), ec);
    fs::remove_all(root_, ec);
}

void Home::write(const fs::path& relative, std::string_view content) const {
    std::ofstream out(root_ / relative, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
}

std::unique_ptr<sim::Simulation> startSimulation(std::initializer_list<const char*> plugins) {
    sim::SimulationOptions options;
    options.plugins.assign(plugins.begin(), plugins.end());
    options.loadConfiguredPlugins = false;
    options.warningSink = [](const std::string&) {};
    return std::make_unique<sim::Simulation>(Home::instance().root(), std::move(options));
}

std::string_view asText(const unsigned char* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

void fail(std::string_view what, std::string_view detail) {
    std::fprintf(stderr, "FINDING: %.*s\n%.*s\n", static_cast<int>(what.size()), what.data(),
                 static_cast<int>(detail.size()), detail.data());
    std::abort();
}

}  // namespace fuzz

// Under libFuzzer the folder is made, and the modules loaded, before the first input, so that
// the fuzzer counts the modules' coverage from the start.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::Home::instance();
    return 0;
}
