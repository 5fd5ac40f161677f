// Runs a fuzz target's entry point as an ordinary program over the files and folders named on
// the command line (seed corpora, earlier findings): the build that cannot link the fuzzer
// still compiles every target and proves it on its seeds.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size);

namespace fs = std::filesystem;

namespace {

std::vector<fs::path> inputsUnder(const fs::path& path) {
    std::vector<fs::path> files;
    if (fs::is_directory(path)) {
        for (const auto& entry : fs::recursive_directory_iterator(path)) {
            if (entry.is_regular_file()) files.push_back(entry.path());
        }
    } else {
        files.push_back(path);
    }
    return files;
}

}  // namespace

int main(int argc, char** argv) {
    std::size_t replayed = 0;
    for (int i = 1; i < argc; ++i) {
        if (!fs::exists(argv[i])) {
            std::fprintf(stderr, "%s: no such file or folder\n", argv[i]);
            return 1;
        }
        for (const fs::path& file : inputsUnder(argv[i])) {
            std::ifstream in(file, std::ios::binary);
            const std::string input{std::istreambuf_iterator<char>(in), {}};
            std::printf("%s\n", file.c_str());
            std::fflush(stdout);  // a crash then names the input that caused it
            LLVMFuzzerTestOneInput(reinterpret_cast<const unsigned char*>(input.data()),
                                   input.size());
            ++replayed;
        }
    }
    std::printf("%zu inputs replayed\n", replayed);
    return replayed > 0 ? 0 : 1;
}
