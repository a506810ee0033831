#include "app/corpus_settings.h"

#include <nlohmann/json.hpp>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace zapt {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

constexpr int kVersion = 1;

std::string absolute_path(const std::string& path) {
    if (path.empty()) return path;
    std::error_code ec;
    fs::path p = fs::weakly_canonical(fs::absolute(path, ec), ec);
    if (ec) p = fs::absolute(path, ec).lexically_normal();
    return ec ? path : p.string();
}

json options_json(const CorpusOptions& o) {
    json map = json::array();
    for (const auto& [field, column] : o.table.map)
        map.push_back({{"field", field}, {"column", column}});
    return {{"bands", o.bands},
            {"map", map},
            {"encoding", o.table.encoding},
            {"textFields", o.table.textFields},
            {"authorFields", o.table.authorFields},
            {"glossary", absolute_path(o.glossary)},
            {"families", absolute_path(o.families)}};
}

json subcorpora_json(const std::vector<KeptSubcorpus>& list) {
    json out = json::array();
    for (const KeptSubcorpus& s : list)
        out.push_back({{"name", s.name}, {"conditions", s.conditions}});
    return out;
}

// The string at `key` of an object; "" when absent. Throws for another type.
std::string text_at(const json& j, const char* key) {
    const auto it = j.find(key);
    return it == j.end() ? std::string() : it->get<std::string>();
}

std::vector<std::string> texts_at(const json& j, const char* key) {
    const auto it = j.find(key);
    return it == j.end() ? std::vector<std::string>() : it->get<std::vector<std::string>>();
}

CorpusSettings settings_of(const std::string& path, const json& j) {
    CorpusSettings s;
    s.options.path = path == "built-in" ? std::string() : path;
    s.options.bands = text_at(j, "bands");
    s.options.glossary = text_at(j, "glossary");
    s.options.families = text_at(j, "families");
    s.options.table.encoding = text_at(j, "encoding");
    s.options.table.textFields = texts_at(j, "textFields");
    s.options.table.authorFields = texts_at(j, "authorFields");
    if (const auto map = j.find("map"); map != j.end()) {
        for (const json& m : map->get<std::vector<json>>()) {
            const std::string field = text_at(m, "field"), column = text_at(m, "column");
            // A mapping the program would not take is left out.
            add_column_mapping(s.options.table, field + "=" + column);
        }
    }
    if (const auto list = j.find("subcorpora"); list != j.end()) {
        for (const json& k : list->get<std::vector<json>>())
            s.subcorpora.push_back(KeptSubcorpus{text_at(k, "name"), text_at(k, "conditions")});
    }
    return s;
}

// The whole file: an empty store when there is none yet; nothing, with `error`
// set, when it cannot be read as settings.
std::optional<json> read_store(const std::string& file, std::string* error) {
    auto fail = [&](const std::string& why) -> std::optional<json> {
        if (error) *error = "the settings file " + file + " " + why;
        return std::nullopt;
    };
    std::error_code ec;
    if (!fs::exists(file, ec)) return json{{"version", kVersion}, {"corpora", json::object()}};
    std::ifstream in(file, std::ios::binary);
    if (!in) return fail("cannot be opened");
    std::stringstream content;
    content << in.rdbuf();
    json j = json::parse(content.str(), nullptr, false);
    if (j.is_discarded() || !j.is_object() || !j.contains("corpora") || !j["corpora"].is_object())
        return fail("is not a file of the program's settings");
    return j;
}

bool write_store(const std::string& folder, const std::string& file, const json& j,
                 std::string* error) {
    auto fail = [&](const std::string& why) {
        if (error) *error = why;
        return false;
    };
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) return fail("the folder " + folder + " cannot be made (" + ec.message() + ")");
    // Written beside the file and then put in its place, so that a file half
    // written never replaces the settings.
    const std::string temporary = file + ".new-" + std::to_string(::getpid());
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << j.dump(1) << "\n";
        out.flush();
        if (!out) {
            fs::remove(temporary, ec);
            return fail("the settings file " + file + " cannot be written");
        }
    }
    fs::rename(temporary, file, ec);
    if (ec) {
        fs::remove(temporary, ec);
        return fail("the settings file " + file + " cannot be replaced");
    }
    return true;
}

} // namespace

std::string SettingsStore::default_folder() {
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg == '/')
        return (fs::path(xdg) / "zapt").string();
    if (const char* home = std::getenv("HOME"); home && *home)
        return (fs::path(home) / ".config" / "zapt").string();
    return {};
}

std::string SettingsStore::file() const {
    return (fs::path(folder_) / "corpora.json").string();
}

std::string SettingsStore::key(const std::string& corpusPath) {
    return corpusPath.empty() ? "built-in" : absolute_path(corpusPath);
}

std::optional<CorpusSettings> SettingsStore::load(const std::string& corpusPath,
                                                  std::string* error) const {
    if (error) error->clear();
    if (folder_.empty()) return std::nullopt;
    std::optional<json> store = read_store(file(), error);
    if (!store) return std::nullopt;
    const std::string k = key(corpusPath);
    const auto it = (*store)["corpora"].find(k);
    if (it == (*store)["corpora"].end()) return std::nullopt;
    try {
        return settings_of(k, *it);
    } catch (const json::exception&) {
        if (error) *error = "the settings of " + k + " in " + file() + " cannot be read";
        return std::nullopt;
    }
}

bool SettingsStore::save(const CorpusSettings& settings, std::string* error) const {
    if (folder_.empty()) {
        if (error) *error = "no configuration folder (neither XDG_CONFIG_HOME nor HOME is set)";
        return false;
    }
    std::optional<json> store = read_store(file(), error);
    if (!store) return false;
    json entry = options_json(settings.options);
    entry["subcorpora"] = subcorpora_json(settings.subcorpora);
    (*store)["version"] = kVersion;
    (*store)["corpora"][key(settings.options.path)] = std::move(entry);
    return write_store(folder_, file(), *store, error);
}

bool SettingsStore::saveOptions(const CorpusOptions& options, std::string* error) const {
    std::string why;
    CorpusSettings s;
    if (auto kept = load(options.path, &why)) s.subcorpora = std::move(kept->subcorpora);
    if (!why.empty()) {
        if (error) *error = why;
        return false;
    }
    s.options = options;
    return save(s, error);
}

} // namespace zapt
