#include "program.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace apptest {

namespace {

std::string shellQuoted(const std::string& word) {
    std::string out = "'";
    for (char c : word) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

}  // namespace

Scratch::Scratch() {
    static std::atomic<int> counter{0};
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = test != nullptr ? test->name() : "setup";
    std::replace(name.begin(), name.end(), '/', '_');  // parameterised tests: "Sweep/3"
    path_ = fs::temp_directory_path() / ("arvex-app-" + std::to_string(getpid()) + "-" +
                                         std::to_string(counter++) + "-" + name);
    fs::remove_all(path_);
    fs::create_directories(path_);
}

Scratch::~Scratch() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

void Scratch::write(const std::string& name, const std::string& text) const {
    std::ofstream(path_ / name, std::ios::binary) << text;
}

std::string Scratch::read(const std::string& name) const {
    std::ifstream in(path_ / name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

nlohmann::json Scratch::readJson(const std::string& name) const {
    return nlohmann::json::parse(read(name));
}

ProgramResult Scratch::run(const std::vector<std::string>& args) const {
    std::string command = "cd " + shellQuoted(path_.string()) +
                          " && ARVEX_TREE=" + shellQuoted(environment("ARVEX_TREE")) + " " +
                          shellQuoted(ARVEX_SIM_PROGRAM);
    for (const std::string& arg : args) command += " " + shellQuoted(arg);
    command += " > program.out 2> program.err";
    const int status = std::system(command.c_str());
    ProgramResult result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = read("program.out");
    result.err = read("program.err");
    return result;
}

fs::path demoScript() {
    return fs::path(environment("ARVEX_SOURCE")) / "scripts" / "arvex-launch.script";
}

bool hasVessel(const nlohmann::json& state, const std::string& name) {
    for (const auto& v : state.at("vessels")) {
        if (v.at("name") == name) return true;
    }
    return false;
}

const nlohmann::json& vesselIn(const nlohmann::json& state, const std::string& name) {
    for (const auto& v : state.at("vessels")) {
        if (v.at("name") == name) return v;
    }
    ADD_FAILURE() << "no vessel " << name << " in the state dump";
    static const nlohmann::json none = nlohmann::json::object();
    return none;
}

std::vector<std::string> linesWith(const std::string& text, const std::string& needle) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (line.find(needle) != std::string::npos) lines.push_back(line);
    }
    return lines;
}

}  // namespace apptest
