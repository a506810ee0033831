// The large corpora the benchmarks run on: n times the built-in corpus, in a
// folder of its own (ZAPT_SCALE_DIR, by default /tmp/zapt-scale, then "xN"),
// written by tools/make_large_corpus.py the first time it is asked for.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace zapt::bench {

// The folder of n times the built-in corpus, made when it is missing.
inline std::string scale_dir(int n) {
    namespace fs = std::filesystem;
    const char* base = std::getenv("ZAPT_SCALE_DIR");
    fs::path dir = fs::path(base && *base ? base : "/tmp/zapt-scale") / ("x" + std::to_string(n));
    if (!fs::exists(dir / "corpus.jsonl")) {
        const fs::path tool = fs::path(ZAPT_TOOLS_DIR) / "make_large_corpus.py";
        const std::string cmd =
            "python3 '" + tool.string() + "' " + std::to_string(n) + " '" + dir.string() + "'";
        if (std::system(cmd.c_str()) != 0) std::cerr << "could not run: " << cmd << '\n';
    }
    return dir.string();
}

// The sizes ZAPT_SCALE asks for ("1,10,1000"), in its order; none when unset.
inline std::vector<int> scale_sizes() {
    std::vector<int> sizes;
    const char* env = std::getenv("ZAPT_SCALE");
    if (!env) return sizes;
    std::stringstream list(env);
    std::string item;
    while (std::getline(list, item, ',')) {
        const int n = std::atoi(item.c_str());
        if (n >= 1) sizes.push_back(n);
    }
    return sizes;
}

} // namespace zapt::bench
