#include "app/compiled_corpus.h"

#include "analysis/glossary.h"
#include "authors/author_index.h"
#include "corpus/compiled_parts.h"
#include "corpus/corpus_store.h"
#include "explore/form_index.h"
#include "lexicon/lexicon_file.h"
#include "selection/age_band.h"

#include <nlohmann/json.hpp>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <future>
#include <optional>

#include <fcntl.h>
#include <unistd.h>

namespace zapt {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

// A source file younger than this (by its modification or change time) when
// it was hashed is hashed again at every open: a file system may give two
// writes within one tick of its clock the same times.
constexpr std::int64_t kSettled = 2'000'000'000; // nanoseconds

std::int64_t now_ns() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

std::string absolute(const std::string& path) {
    std::error_code ec;
    const fs::path p = fs::absolute(path, ec);
    return (ec ? fs::path(path) : p).lexically_normal().string();
}

std::string hex(std::uint64_t v) {
    static const char digits[] = "0123456789abcdef";
    std::string s(16, '0');
    for (int i = 15; i >= 0; --i, v >>= 4) s[static_cast<std::size_t>(i)] = digits[v & 15];
    return s;
}

bool is_table(const CorpusOptions& o) {
    std::error_code ec;
    return is_table_path(o.path) && !fs::is_directory(o.path, ec);
}

// ---- What a compiled file was compiled from ---------------------------------

// The options that change the corpus's parts, as the identity block and the
// cache file's name hold them.
json key_of(const CorpusOptions& o) {
    json map = json::array();
    for (const auto& [field, column] : o.table.map) map.push_back({field, column});
    return {{"format", kCompiledFormat},
            {"kind", is_table(o) ? "table" : "folder"},
            {"path", o.path},
            {"absolute", absolute(o.path)},
            {"map", map},
            {"delimiter", static_cast<int>(o.table.delimiter)},
            {"encoding", o.table.encoding},
            {"textFields", o.table.textFields},
            {"authorFields", o.table.authorFields},
            {"glossary", o.glossary},
            {"glossaryAbsolute", o.glossary.empty() ? "" : absolute(o.glossary)},
            {"families", o.families},
            {"familiesAbsolute", o.families.empty() ? "" : absolute(o.families)},
            {"lexicon", o.lexicon},
            {"lexiconAbsolute",
             o.lexicon.empty() || o.lexicon == kBritishLexicon ? "" : absolute(o.lexicon)}};
}

// One file the corpus is read from.
struct Source {
    std::string path; // absolute
    bool present = false;
    FileStamp stamp;
    std::uint64_t hash = 0;
};

std::vector<Source> sources_of(const CorpusOptions& o) {
    std::vector<std::string> paths;
    if (is_table(o)) {
        paths.push_back(absolute(o.path));
    } else {
        const fs::path dir(absolute(o.path));
        for (const char* name : {"register.json", "corpus.jsonl", "glossary.json", "variants.json"})
            paths.push_back((dir / name).string());
    }
    if (!o.glossary.empty()) paths.push_back(absolute(o.glossary));
    if (!o.families.empty()) paths.push_back(absolute(o.families));
    if (!o.lexicon.empty() && o.lexicon != kBritishLexicon) paths.push_back(absolute(o.lexicon));
    // Without a lexicon, glossary or families named, the lexicon saved beside
    // the corpus is read when it is there: one saved (or removed) later makes
    // the corpus read again.
    if (o.lexicon.empty() && o.glossary.empty() && o.families.empty())
        paths.push_back(absolute(default_lexicon_base(o.path) + ".json"));
    std::vector<Source> out;
    for (std::string& p : paths) {
        Source s;
        s.path = std::move(p);
        s.present = stamp_of(s.path, s.stamp);
        out.push_back(std::move(s));
    }
    return out;
}

// The checksum of a file's content, read in pieces (not mapped: the process
// takes no memory for it); nothing when it cannot be read.
std::optional<std::uint64_t> hash_file(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    std::vector<unsigned char> buffer(std::size_t{1} << 20);
    Checksum c;
    for (;;) {
        const ssize_t n = ::read(fd, buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0) break;
        c.add(buffer.data(), static_cast<std::size_t>(n));
    }
    ::close(fd);
    return c.value();
}

json stamp_json(const FileStamp& s) {
    return {{"device", s.device},
            {"inode", s.inode},
            {"size", s.size},
            {"modified", s.modified},
            {"changed", s.changed}};
}

std::optional<FileStamp> stamp_from_json(const json& j) {
    try {
        FileStamp s;
        j.at("device").get_to(s.device);
        j.at("inode").get_to(s.inode);
        j.at("size").get_to(s.size);
        j.at("modified").get_to(s.modified);
        j.at("changed").get_to(s.changed);
        return s;
    } catch (const json::exception&) {
        return std::nullopt;
    }
}

std::string identity_of(const json& key, const std::vector<Source>& sources) {
    json files = json::array();
    for (const Source& s : sources) {
        files.push_back({{"path", s.path},
                         {"present", s.present},
                         {"size", s.present ? s.stamp.size : 0},
                         {"modified", s.present ? s.stamp.modified : 0},
                         {"hash", s.present ? s.hash : 0}});
    }
    return json{{"key", key}, {"files", files}}.dump();
}

// ---- The cache folder and the seals -------------------------------------------

// Makes the folder (and those above it) for the process's user only.
bool make_folder(const std::string& folder, std::string* why) {
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) {
        fs::create_directories(folder, ec);
        if (ec) {
            *why = ec.message();
            return false;
        }
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::replace, ec);
    }
    if (::access(folder.c_str(), W_OK | X_OK) != 0) {
        *why = std::strerror(errno);
        return false;
    }
    return true;
}

std::string seal_path(const std::string& folder, const std::string& compiled) {
    const std::string abs = absolute(compiled);
    return (fs::path(folder) / (hex(checksum64(abs.data(), abs.size())) + ".seal")).string();
}

// What a seal says: the compiled file as it was when its sections were
// checked, and each source as it was when its content was hashed.
struct Seal {
    FileStamp compiled;
    std::uint64_t header = 0;
    std::vector<std::pair<std::string, FileStamp>> sources;
    const FileStamp* source(const std::string& path) const {
        for (const auto& [p, s] : sources) {
            if (p == path) return &s;
        }
        return nullptr;
    }
};

std::optional<Seal> read_seal(const std::string& path) {
    std::string text;
    {
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) return std::nullopt;
        char buffer[4096];
        for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;)
            text.append(buffer, static_cast<std::size_t>(n));
        ::close(fd);
    }
    try {
        const json j = json::parse(text);
        Seal s;
        const std::optional<FileStamp> c = stamp_from_json(j.at("compiled"));
        if (!c) return std::nullopt;
        s.compiled = *c;
        j.at("header").get_to(s.header);
        for (const json& x : j.at("sources")) {
            const std::optional<FileStamp> st = stamp_from_json(x.at("stamp"));
            if (st) s.sources.emplace_back(x.at("path").get<std::string>(), *st);
        }
        return s;
    } catch (const json::exception&) {
        return std::nullopt;
    }
}

// Writes a seal (through a temporary file renamed into place); a seal that
// cannot be written only means checking again next time.
void write_seal(const std::string& path, const Seal& seal) {
    json sources = json::array();
    for (const auto& [p, s] : seal.sources)
        sources.push_back({{"path", p}, {"stamp", stamp_json(s)}});
    std::string text;
    try {
        text = json{{"compiled", stamp_json(seal.compiled)},
                    {"header", seal.header},
                    {"sources", sources}}
                   .dump();
    } catch (const json::exception&) {
        return;
    }
    const std::string temp = path + ".tmp." + std::to_string(::getpid());
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) return;
    const bool ok = ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    ::close(fd);
    if (!ok || ::rename(temp.c_str(), path.c_str()) != 0) ::unlink(temp.c_str());
}

// The stamps worth sealing: those of sources hashed when they had settled.
void seal_settled(Seal& seal, const std::vector<Source>& sources, std::int64_t hashedAt) {
    seal.sources.clear();
    for (const Source& s : sources) {
        if (!s.present) continue;
        if (hashedAt - std::max(s.stamp.modified, s.stamp.changed) > kSettled)
            seal.sources.emplace_back(s.path, s.stamp);
    }
}

// Removes from the cache folder the compiled files of sources that are gone,
// their seals, and temporary files left by a process that stopped.
void tidy_cache(const std::string& folder) {
    std::error_code ec;
    const auto now = fs::file_time_type::clock::now();
    for (const fs::directory_entry& e : fs::directory_iterator(folder, ec)) {
        const std::string name = e.path().filename().string();
        std::error_code ec2;
        if (name.find(".tmp.") != std::string::npos) {
            const auto age = now - e.last_write_time(ec2);
            if (!ec2 && age > std::chrono::hours(24)) fs::remove(e.path(), ec2);
            continue;
        }
        if (e.path().extension() != ".zc") continue;
        std::string identity;
        if (!read_compiled_identity(e.path().string(), identity)) continue;
        try {
            const json j = json::parse(identity);
            const std::string source = j.at("key").at("absolute").get<std::string>();
            if (fs::exists(source, ec2) || ec2) continue;
        } catch (const json::exception&) {
            continue;
        }
        fs::remove(seal_path(folder, e.path().string()), ec2);
        fs::remove(e.path(), ec2);
    }
}

// ---- Opening a compiled file ----------------------------------------------------

enum class Outcome { Used, Missing, Stale, Damaged };

struct Opening {
    Outcome outcome = Outcome::Missing;
    std::string why; // for a damaged file
    std::shared_ptr<const Corpus> corpus;
};

Opening open_compiled(const std::string& path, const std::string& key, const CorpusOptions& o,
                      const std::string& sealFolder) {
    Opening r;
    bool missing = false;
    const std::shared_ptr<const CompiledFile> file = CompiledFile::open(path, &r.why, &missing);
    if (!file) {
        r.outcome = missing ? Outcome::Missing : Outcome::Damaged;
        return r;
    }
    auto damaged = [&](std::string why) {
        r.outcome = Outcome::Damaged;
        r.why = std::move(why);
        return r;
    };
    r.outcome = Outcome::Stale;
    json identity;
    try {
        identity = json::parse(file->identity());
        // Other options (or a corpus whose name shares the hash).
        if (identity.at("key").dump() != key) return r;
    } catch (const json::exception&) {
        return damaged("has a damaged identity block");
    }
    // Each source as it was: present or not, of the size and time recorded.
    std::vector<Source> now;
    std::vector<std::uint64_t> recorded;
    try {
        for (const json& f : identity.at("files")) {
            Source s;
            s.path = f.at("path").get<std::string>();
            s.present = stamp_of(s.path, s.stamp);
            if (s.present != f.at("present").get<bool>()) return r;
            if (s.present && (s.stamp.size != f.at("size").get<std::uint64_t>() ||
                              s.stamp.modified != f.at("modified").get<std::int64_t>()))
                return r;
            recorded.push_back(f.at("hash").get<std::uint64_t>());
            now.push_back(std::move(s));
        }
    } catch (const json::exception&) {
        return damaged("has a damaged identity block");
    }

    // The sections, unless the seal says they were checked as the file is now.
    const std::string sealAt = sealFolder.empty() ? std::string() : seal_path(sealFolder, path);
    std::optional<Seal> seal = sealAt.empty() ? std::nullopt : read_seal(sealAt);
    const bool sealed =
        seal && seal->compiled == file->stamp() && seal->header == file->headerChecksum();
    bool reseal = !sealed;
    if (!sealed) {
        std::string why;
        if (!file->verify(&why)) return damaged(why);
    }
    // The content of each source, unless the seal says it was hashed as it is now.
    const std::int64_t hashedAt = now_ns();
    for (std::size_t i = 0; i < now.size(); ++i) {
        Source& s = now[i];
        if (!s.present) continue;
        const FileStamp* known = sealed ? seal->source(s.path) : nullptr;
        if (known && *known == s.stamp) {
            s.hash = recorded[i];
            continue;
        }
        const std::optional<std::uint64_t> h = hash_file(s.path);
        FileStamp after;
        if (!h || *h != recorded[i] || !stamp_of(s.path, after) || !(after == s.stamp)) return r;
        s.hash = *h;
        reseal = true;
    }

    const std::string source = (is_table(o) ? "table " : "folder ") + o.path;
    try {
        r.corpus = read_compiled_corpus(file, age_bands_of(o), source);
    } catch (const CompiledError& e) {
        return damaged(std::string("does not fit together (") + e.what() + ")");
    }
    if (reseal && !sealAt.empty()) {
        Seal s;
        s.compiled = file->stamp();
        s.header = file->headerChecksum();
        seal_settled(s, now, hashedAt);
        write_seal(sealAt, s);
    }
    r.outcome = Outcome::Used;
    return r;
}

} // namespace

// ---- Places ---------------------------------------------------------------------

std::string compiled_cache_folder(const CorpusOptions& o) {
    if (!o.cacheFolder.empty()) return o.cacheFolder;
    if (const char* xdg = std::getenv("XDG_CACHE_HOME"); xdg && *xdg == '/')
        return (fs::path(xdg) / "zapt").string();
    if (const char* home = std::getenv("HOME"); home && *home)
        return (fs::path(home) / ".cache" / "zapt").string();
    return {};
}

std::string compiled_beside_path(const CorpusOptions& o) {
    if (is_table(o)) return o.path + ".zapt";
    return (fs::path(o.path) / "compiled.zapt").string();
}

std::string compiled_cache_path(const CorpusOptions& o) {
    const std::string folder = compiled_cache_folder(o);
    if (folder.empty()) return {};
    const std::string key = key_of(o).dump();
    return (fs::path(folder) / (hex(checksum64(key.data(), key.size())) + ".zc")).string();
}

// ---- Writing and reading a whole corpus -------------------------------------------

bool write_compiled_corpus(const Corpus& corpus, const LoadReport& report,
                           const std::string& identity, const std::string& path,
                           std::string* error) {
    try {
        // The two indexes, side by side, when they are not made yet.
        auto forms = std::async(std::launch::async, [&] { corpus.forms(); });
        corpus.authorIndex();
        forms.get();
        CompiledWriter out;
        out.set_identity(identity);
        write_corpus_store(out, corpus.store());
        write_author_register(out, corpus.authors());
        write_corpus_metadata(out, corpus.metadata());
        CompiledLexiconLists lists;
        lists.glossary = corpus.lexicon().glossaryData;
        lists.families = corpus.lexicon().families;
        lists.builtinGlossary = corpus.lexicon().builtinGlossary;
        lists.builtinFamilies = corpus.lexicon().builtinFamilies;
        lists.caption = corpus.lexicon().caption;
        write_lexicon_lists(out, lists);
        write_load_report(out, report);
        corpus.authorIndex().write(out);
        corpus.forms().write(out);
        return out.write(path, error, 0600);
    } catch (const std::exception& e) {
        if (error) *error = std::string("cannot be compiled (") + e.what() + ")";
        return false;
    }
}

std::shared_ptr<const Corpus> read_compiled_corpus(std::shared_ptr<const CompiledFile> file,
                                                   AgeBands bands, std::string source) {
    Corpus::Parts p;
    auto store = std::make_shared<const CorpusStore>(read_corpus_store(*file));
    auto authors = std::make_shared<const AuthorRegister>(read_author_register(*file));
    if (authors->size() != store->authorCodes.size())
        throw CompiledError("the register and the store do not fit together");
    auto metadata = std::make_shared<const CorpusMetadata>(read_corpus_metadata(*file));
    CompiledLexiconLists lists = read_lexicon_lists(*file);
    CorpusLexicon corpusLexicon = make_lexicon(std::move(lists.glossary), std::move(lists.families),
                                               lists.builtinGlossary, lists.builtinFamilies);
    corpusLexicon.caption = std::move(lists.caption);
    auto lexicon = std::make_shared<const CorpusLexicon>(std::move(corpusLexicon));
    LoadReport report = read_load_report(*file);
    count_ranges_across_bands(authors->codes, authors->ages, bands, report);
    p.authorIndex =
        Once<AuthorIndex>(std::make_shared<const AuthorIndex>(AuthorIndex::read(*file, *store)));
    // The form index is read when first asked for; should its sections not
    // fit together, it is made from the store instead.
    p.forms = Once<FormIndex>([file, store, authors]() -> std::shared_ptr<const FormIndex> {
        try {
            return std::make_shared<const FormIndex>(FormIndex::read(*file, *store, *authors));
        } catch (const CompiledError&) {
            return std::make_shared<const FormIndex>(*store, *authors);
        }
    });
    p.store = std::move(store);
    p.authors = std::move(authors);
    p.metadata = std::move(metadata);
    p.bands = std::make_shared<const AgeBands>(std::move(bands));
    p.lexicon = std::move(lexicon);
    p.source = std::move(source);
    p.report = std::make_shared<const LoadReport>(std::move(report));
    return std::make_shared<const Corpus>(std::move(p));
}

// ---- The loader -------------------------------------------------------------------

std::shared_ptr<const Corpus> load_compiled_corpus(const CorpusOptions& o,
                                                   const LoadProgress& progress,
                                                   AuthorIndexWhen when,
                                                   std::vector<std::string>* notes) {
    AgeBands bands = age_bands_of(o);
    auto note = [&](std::string text) {
        if (notes) notes->push_back(std::move(text));
    };
    std::string key;
    try {
        key = key_of(o).dump();
    } catch (const json::exception&) {
        // A path that is not UTF-8 cannot be recorded: read as always.
        return make_corpus(read_corpus_source(o, progress), std::move(bands), when);
    }
    const std::string beside = compiled_beside_path(o);
    const std::string folder = compiled_cache_folder(o);
    std::string folderWhy = "no folder for it (neither XDG_CACHE_HOME nor HOME is set)";
    const bool cacheUsable = !folder.empty() && make_folder(folder, &folderWhy);
    const std::string sealFolder = cacheUsable ? folder : std::string();
    const std::string cached = cacheUsable ? compiled_cache_path(o) : std::string();

    std::vector<std::string> candidates{beside};
    if (o.compiled == CompiledPlace::Cache && !cached.empty()) candidates.push_back(cached);
    bool besideThere = false;
    for (const std::string& c : candidates) {
        Opening r = open_compiled(c, key, o, sealFolder);
        if (r.outcome == Outcome::Used) return std::move(r.corpus);
        if (c == beside && r.outcome != Outcome::Missing) besideThere = true;
        if (r.outcome == Outcome::Damaged)
            note("the compiled corpus " + c + " " + r.why + "; compiled again");
    }

    // Compiled here: beside the corpus when asked to or when a compiled file
    // stands there already, in the cache folder otherwise.
    std::vector<Source> sources = sources_of(o);
    std::uint64_t bytes = 0;
    for (const Source& s : sources) bytes += s.present ? s.stamp.size : 0;
    const bool toBeside = o.compiled == CompiledPlace::Beside || besideThere;
    if (!toBeside && bytes < o.compileFrom)
        return make_corpus(read_corpus_source(o, progress), std::move(bands), when);
    if (!toBeside && !cacheUsable) {
        note("no compiled corpus kept: the cache folder " + (folder.empty() ? "" : folder + " ") +
             "cannot be written (" + folderWhy + ")");
        return make_corpus(read_corpus_source(o, progress), std::move(bands), when);
    }
    // Each source hashed before it is read: a source that changes in between
    // then differs from its hash at the next open.
    const std::int64_t hashedAt = now_ns();
    bool hashed = true;
    for (Source& s : sources) {
        if (!s.present) continue;
        const std::optional<std::uint64_t> h = hash_file(s.path);
        hashed = hashed && h.has_value();
        s.hash = h.value_or(0);
    }
    LoadedCorpus loaded = read_corpus_source(o, progress);
    const LoadReport report = loaded.report;
    std::shared_ptr<const Corpus> corpus = make_corpus(std::move(loaded), std::move(bands), when);
    // A source that changed while it was read is not compiled.
    for (const Source& s : sources) {
        FileStamp after;
        const bool present = stamp_of(s.path, after);
        if (present != s.present || (present && !(after == s.stamp))) hashed = false;
    }
    if (!hashed) return corpus;

    const std::string identity = identity_of(json::parse(key), sources);
    std::string why;
    std::string target = toBeside ? beside : cached;
    bool written = write_compiled_corpus(*corpus, report, identity, target, &why);
    if (!written && toBeside && o.compiled == CompiledPlace::Cache && !cached.empty()) {
        // A compiled file beside a corpus on a folder that cannot be written.
        target = cached;
        written = write_compiled_corpus(*corpus, report, identity, target, &why);
    }
    if (!written) {
        note("no compiled corpus kept: " + why);
        return corpus;
    }
    if (cacheUsable) {
        std::string ignored;
        if (auto file = CompiledFile::open(target, &ignored)) {
            Seal s;
            s.compiled = file->stamp();
            s.header = file->headerChecksum();
            seal_settled(s, sources, hashedAt);
            write_seal(seal_path(folder, target), s);
        }
        if (target == cached) tidy_cache(folder);
    }
    return corpus;
}

} // namespace zapt
