// Reading a corpus from a folder. It lives apart from the readers because it
// falls back on the built-in glossary and variant families, which only the
// program (not the build step that embeds them) carries.
#include "corpus/data_files.h"

#include "corpus/big_buffer.h"
#include "corpus/load_report.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>

namespace zapt {
namespace {

namespace fs = std::filesystem;

// The content of `path`, or nothing when the file does not exist. A file that
// exists but cannot be read raises a DataError.
std::optional<std::string> read_file(const std::string& path) {
    std::error_code ec;
    if (!fs::exists(path, ec)) return std::nullopt;
    if (fs::is_directory(path, ec)) throw DataError(path, 1, "is a folder, not a file");
    std::ifstream in(path, std::ios::binary);
    if (!in) throw DataError(path, 1, std::string("cannot be read (") + std::strerror(errno) + ")");
    std::string content;
    in.seekg(0, std::ios::end);
    auto size = in.tellg();
    if (size > 0) {
        reserve_large(content, static_cast<std::size_t>(size));
        content.resize(static_cast<std::size_t>(size));
        in.seekg(0);
        in.read(content.data(), size);
    }
    if (!in) throw DataError(path, 1, "cannot be read to its end");
    return content;
}

std::string required(const std::string& path) {
    auto content = read_file(path);
    if (!content) throw DataError(path, 1, "the file is missing");
    return std::move(*content);
}

} // namespace

DataSet load_data_dir(const std::string& dir, const LoadProgress& progress, LoadReport* report) {
    std::error_code ec;
    if (!fs::is_directory(dir, ec)) throw DataError(dir, 1, "is not a folder");
    auto path = [&](const char* name) { return (fs::path(dir) / name).string(); };
    // The corpus is nearly all of the work; the other steps get a sliver each.
    auto advance = [&](double fraction) {
        if (progress && !progress(fraction)) throw LoadCancelled();
    };

    DataSet d;
    advance(0.0);
    const std::string register_path = path("register.json");
    if (report) report->source = dir;
    d.authors = read_register(register_path, required(register_path), DataOrigin::Loaded, report);
    advance(0.02);

    const std::string corpus_path = path("corpus.jsonl");
    std::string corpus = required(corpus_path);
    advance(0.05);
    d.corpus = read_corpus(
        corpus_path, corpus, DataOrigin::Loaded,
        [&](double f) { return !progress || progress(0.05 + 0.93 * f); }, report);
    if (report) report->authors = d.authors.size();
    corpus = std::string();
    advance(0.98);

    const std::string glossary_path = path("glossary.json");
    if (auto g = read_file(glossary_path)) {
        d.glossary = read_glossary(glossary_path, *g, DataOrigin::Loaded);
    } else {
        d.glossary = load_builtin_glossary();
    }
    const std::string variants_path = path("variants.json");
    if (auto v = read_file(variants_path)) {
        d.variants = read_variants(variants_path, *v, DataOrigin::Loaded);
    } else {
        d.variants = load_builtin_variants();
    }
    advance(1.0);
    return d;
}

} // namespace zapt
