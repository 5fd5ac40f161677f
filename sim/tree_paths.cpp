#include "tree_paths.h"

#include "text.h"

namespace fs = std::filesystem;

namespace sim {

std::string normaliseRelativePath(std::string_view name) {
    std::string out;
    for (char c : name) {
        if (c == '\\') c = '/';
        if (c == '/' && (out.empty() || out.back() == '/')) continue;
        out.push_back(c);
    }
    if (!out.empty() && out.back() == '/') out.pop_back();
    return out;
}

std::optional<fs::path> findInTree(const fs::path& base, std::string_view relative) {
    fs::path current = base;
    std::error_code ec;
    for (const fs::path& part : fs::path(normaliseRelativePath(relative))) {
        if (part == ".") continue;
        fs::path exact = current / part;
        if (fs::exists(exact, ec)) {
            current = std::move(exact);
            continue;
        }
        std::optional<fs::path> match;
        for (fs::directory_iterator it(current, ec), end; !ec && it != end; it.increment(ec)) {
            if (text::equalsNoCase(it->path().filename().string(), part.string())) {
                match = it->path();
                break;
            }
        }
        if (!match) return std::nullopt;
        current = std::move(*match);
    }
    return current;
}

std::optional<fs::path> findClassConfig(const fs::path& tree, std::string_view className) {
    const std::string relative = normaliseRelativePath(className) + ".cfg";
    if (auto p = findInTree(tree, "Config/Vessels/" + relative)) return p;
    return findInTree(tree, "Config/" + relative);
}

fs::path modulePath(const fs::path& tree, std::string_view moduleItem) {
    std::string relative = normaliseRelativePath(moduleItem);
    if (relative.size() > 4 &&
        text::equalsNoCase(std::string_view(relative).substr(relative.size() - 4), ".dll")) {
        relative.resize(relative.size() - 4);
    }
    relative += ".so";
    if (auto p = findInTree(tree, "Modules/" + relative)) return *p;
    return tree / "Modules" / relative;
}

}  // namespace sim
