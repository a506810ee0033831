#include "lexicon/lexicon_file.h"

#include "corpus/data_files.h"
#include "corpus/text.h"

#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace zapt {
namespace {

using nlohmann::json;

std::string csv_field(const std::string& s) {
    if (s.find_first_of(",\"\r\n") == std::string::npos) return s;
    std::string out = "\"";
    for (char c : s) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + '"';
}

std::string number(double x) {
    char b[32];
    std::snprintf(b, sizeof b, "%.4f", x);
    return b;
}

void write_file(const std::string& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary);
    out << content;
    out.close();
    if (!out) throw DataError(path, 1, "cannot be written");
}

std::string extension(const std::string& path) {
    std::string e = std::filesystem::path(path).extension().string();
    for (char& c : e) c = fold_case(c);
    return e;
}

// The rows of a CSV or TSV table (RFC 4180 quoting), each with its line.
struct Row {
    std::vector<std::string> fields;
    int line = 0;
};
std::vector<Row> read_rows(std::string_view file, std::string_view content, char sep) {
    std::vector<Row> rows;
    if (content.substr(0, 3) == "\xEF\xBB\xBF") content.remove_prefix(3);
    std::size_t i = 0;
    int line = 1;
    while (i < content.size()) {
        Row r;
        r.line = line;
        std::string field;
        bool quoted = false, any = false;
        while (i < content.size()) {
            const char c = content[i];
            if (quoted) {
                if (c == '"' && i + 1 < content.size() && content[i + 1] == '"') {
                    field += '"';
                    i += 2;
                } else if (c == '"') {
                    quoted = false;
                    ++i;
                } else {
                    if (c == '\n') ++line;
                    field += c;
                    ++i;
                }
                continue;
            }
            if (c == '"' && field.empty()) {
                quoted = true;
                any = true;
                ++i;
            } else if (c == sep) {
                r.fields.push_back(std::move(field));
                field.clear();
                any = true;
                ++i;
            } else if (c == '\r' || c == '\n') {
                if (c == '\r' && i + 1 < content.size() && content[i + 1] == '\n') ++i;
                ++i;
                ++line;
                break;
            } else {
                field += c;
                any = true;
                ++i;
            }
        }
        if (quoted) throw DataError(std::string(file), r.line, "a quoted field is not closed");
        r.fields.push_back(std::move(field));
        if (any) rows.push_back(std::move(r));
    }
    return rows;
}

Decision decision_from(const std::string& file, int line, const std::string& form,
                       const std::string& status, const std::string& kind,
                       const std::string& interpretation) {
    Decision d;
    d.form = form;
    if (form.empty()) throw DataError(file, line, "a form may not be empty");
    const auto s = status_from_name(status);
    if (!s)
        throw DataError(file, line,
                        "status \"" + status + "\" is not proposed, accepted or rejected");
    const auto k = kind_from_name(kind);
    if (!k) throw DataError(file, line, "kind \"" + kind + "\" is not one of the lexicon's kinds");
    d.status = *s;
    d.kind = *k;
    d.interpretation = interpretation;
    if (interpretation.find_first_of("\r\n") != std::string::npos)
        throw DataError(file, line, "an interpretation may not hold a line break");
    return d;
}

// The accepted decisions as a glossary: a variant's interpretation, another
// kind in words.
GlossaryData glossary_of(const std::vector<Decision>& decisions) {
    GlossaryData g;
    for (const Decision& d : decisions) {
        if (d.status != LexStatus::Accepted) continue;
        if (d.kind == LexKind::Variant && d.interpretation.empty()) continue;
        g.forms.push_back(d.form);
        g.interpretations.push_back(d.kind == LexKind::Variant ? d.interpretation
                                                               : kind_description(d.kind));
    }
    return g;
}

} // namespace

std::string lexicon_json(const Lexicon& lexicon, const LexiconOrigin& origin) {
    json j;
    j["lexicon"] = lexicon.name();
    j["corpus"] = origin.corpus;
    j["dictionary"] = origin.dictionary;
    j["minCount"] = origin.minCount;
    const GlossaryData g = lexicon.glossary();
    j["forms"] = g.forms;
    j["interpretations"] = g.interpretations;
    json families = json::array();
    for (const LexFamily& f : lexicon.families()) {
        if (!f.own) continue; // proposed families are made again from the decisions
        families.push_back(
            {{"name", f.name}, {"standard", f.standard}, {"forms", f.variants}, {"kept", f.kept}});
    }
    j["families"] = families;
    json decisions = json::array();
    for (const Decision& d : lexicon.decisions()) {
        decisions.push_back({{"form", d.form},
                             {"status", status_name(d.status)},
                             {"kind", kind_name(d.kind)},
                             {"interpretation", d.interpretation}});
    }
    j["decisions"] = decisions;
    return j.dump(1) + "\n";
}

std::string lexicon_decisions_csv(const Lexicon& lexicon) {
    std::string out = "form,status,kind,interpretation,count,authors_using,score\n";
    std::vector<std::string> listed;
    for (std::size_t i = 0; i < lexicon.size(); ++i) {
        const LexiconEntry& e = lexicon.entry(i);
        const Decision& d = e.decision;
        std::string interpretation = d.interpretation;
        std::string score;
        if (d.status == LexStatus::Proposed && d.kind == LexKind::Variant &&
            !e.proposal.candidates.empty())
            interpretation = e.proposal.candidates.front().text;
        if (!e.proposal.candidates.empty() && d.kind == LexKind::Variant)
            score = number(e.proposal.candidates.front().score);
        out += csv_field(e.proposal.shown) + "," + status_name(d.status) + "," + kind_name(d.kind) +
               "," + csv_field(interpretation) + "," + std::to_string(e.proposal.count) + "," +
               std::to_string(e.proposal.authors) + "," + score + "\n";
    }
    // Decisions on forms the corpus does not list (kept from an earlier file).
    for (const Decision& d : lexicon.decisions()) {
        if (lexicon.find(d.form) >= 0) continue;
        out += csv_field(d.form) + "," + status_name(d.status) + "," + kind_name(d.kind) + "," +
               csv_field(d.interpretation) + ",,,\n";
    }
    return out;
}

std::string lexicon_glossary_csv(const Lexicon& lexicon) {
    const GlossaryData g = lexicon.glossary();
    std::string out = "form,interpretation\n";
    for (std::size_t i = 0; i < g.forms.size(); ++i)
        out += csv_field(g.forms[i]) + "," + csv_field(g.interpretations[i]) + "\n";
    return out;
}

SavedLexicon save_lexicon(const Lexicon& lexicon, const LexiconOrigin& origin,
                          const std::string& base) {
    SavedLexicon s;
    auto save = [&](const std::string& path, const std::string& content) {
        write_file(path, content);
        s.files.push_back(path);
    };
    save(base + ".json", lexicon_json(lexicon, origin));
    save(base + ".csv", lexicon_decisions_csv(lexicon));
    save(base + "-glossary.csv", lexicon_glossary_csv(lexicon));
    const std::string families = lexicon.keptFamiliesCsv();
    if (!families.empty()) save(base + "-families.csv", families);
    return s;
}

LexiconFile parse_lexicon_json(std::string_view file, std::string_view content) {
    const std::string name(file);
    json j;
    try {
        j = json::parse(content);
    } catch (const json::exception& e) {
        throw DataError(name, 1, std::string("not valid JSON (") + e.what() + ")");
    }
    if (!j.is_object()) throw DataError(name, 1, "a lexicon is a JSON object");
    LexiconFile f;
    f.path = name;
    auto text = [&](const json& o, const char* key) -> std::string {
        auto it = o.find(key);
        if (it == o.end() || it->is_null()) return {};
        if (!it->is_string())
            throw DataError(name, 1, std::string("\"") + key + "\" must be a string");
        const std::string v = it->get<std::string>();
        if (!valid_utf8(v)) throw DataError(name, 1, std::string("\"") + key + "\" is not UTF-8");
        return v;
    };
    f.name = text(j, "lexicon");
    f.origin.corpus = text(j, "corpus");
    f.origin.dictionary = text(j, "dictionary");
    if (auto it = j.find("minCount"); it != j.end() && it->is_number_unsigned())
        f.origin.minCount = it->get<std::uint64_t>();
    if (auto it = j.find("decisions"); it != j.end()) {
        if (!it->is_array()) throw DataError(name, 1, "\"decisions\" must be an array");
        for (const json& d : *it) {
            if (!d.is_object()) throw DataError(name, 1, "a decision must be a JSON object");
            f.decisions.push_back(decision_from(name, 1, text(d, "form"), text(d, "status"),
                                                text(d, "kind"), text(d, "interpretation")));
        }
    }
    const auto forms = j.find("forms"), interpretations = j.find("interpretations");
    if (forms != j.end() || interpretations != j.end()) {
        auto strings = [&](json::const_iterator it, const char* key) {
            std::vector<std::string> out;
            if (it == j.end()) return out;
            if (!it->is_array())
                throw DataError(name, 1, std::string("\"") + key + "\" must be an array");
            for (const json& v : *it) {
                if (!v.is_string() || !valid_utf8(v.get<std::string>()))
                    throw DataError(name, 1, std::string("\"") + key + "\" must hold strings");
                out.push_back(v.get<std::string>());
            }
            return out;
        };
        f.glossary.forms = strings(forms, "forms");
        f.glossary.interpretations = strings(interpretations, "interpretations");
        if (f.glossary.forms.size() != f.glossary.interpretations.size())
            throw DataError(name, 1,
                            "\"forms\" and \"interpretations\" must be of the same length");
    } else {
        f.glossary = glossary_of(f.decisions);
    }
    if (auto it = j.find("families"); it != j.end()) {
        if (!it->is_array()) throw DataError(name, 1, "\"families\" must be an array");
        for (const json& o : *it) {
            if (!o.is_object()) throw DataError(name, 1, "a family must be a JSON object");
            LexFamily fam;
            fam.name = text(o, "name");
            fam.standard = text(o, "standard");
            if (fam.name.empty()) throw DataError(name, 1, "a family needs a name");
            if (fam.standard.empty()) fam.standard = fold_text(fam.name);
            if (auto fs = o.find("forms"); fs != o.end()) {
                if (!fs->is_array())
                    throw DataError(name, 1, "a family's \"forms\" must be an array");
                for (const json& v : *fs) {
                    if (!v.is_string() || !valid_utf8(v.get<std::string>()))
                        throw DataError(name, 1, "a family's forms must be strings");
                    fam.variants.push_back(v.get<std::string>());
                }
            }
            if (auto k = o.find("kept"); k != o.end()) {
                if (!k->is_boolean()) throw DataError(name, 1, "\"kept\" must be true or false");
                fam.kept = k->get<bool>();
            }
            fam.own = true;
            f.families.push_back(std::move(fam));
        }
    }
    return f;
}

LexiconFile parse_lexicon_table(std::string_view file, std::string_view content) {
    const std::string name(file);
    if (!valid_utf8(content)) throw DataError(name, 1, "not UTF-8");
    const char sep = extension(name) == ".tsv" ? '\t' : ',';
    const std::vector<Row> rows = read_rows(file, content, sep);
    if (rows.empty()) throw DataError(name, 1, "the file holds no header row");
    int col[4] = {-1, -1, -1, -1};
    static const char* const names[4] = {"form", "status", "kind", "interpretation"};
    for (std::size_t i = 0; i < rows[0].fields.size(); ++i) {
        std::string h = fold_text(rows[0].fields[i]);
        while (!h.empty() && h.back() == ' ') h.pop_back();
        while (!h.empty() && h.front() == ' ') h.erase(0, 1);
        for (int k = 0; k < 4; ++k) {
            if (col[k] < 0 && h == names[k]) col[k] = static_cast<int>(i);
        }
    }
    for (int k = 0; k < 4; ++k) {
        if (col[k] < 0)
            throw DataError(name, 1, std::string("the header has no column \"") + names[k] + "\"");
    }
    LexiconFile f;
    f.path = name;
    for (std::size_t r = 1; r < rows.size(); ++r) {
        const Row& row = rows[r];
        if (row.fields.size() != rows[0].fields.size())
            throw DataError(name, row.line,
                            "a row has " + std::to_string(row.fields.size()) +
                                " fields; the header has " + std::to_string(rows[0].fields.size()));
        auto at = [&](int k) { return row.fields[static_cast<std::size_t>(col[k])]; };
        Decision d = decision_from(name, row.line, at(0), at(1), at(2), at(3));
        // A proposed row shows the proposal (its best candidate); only an
        // accepted or rejected row is a decision.
        if (d.status != LexStatus::Proposed) f.decisions.push_back(std::move(d));
    }
    f.glossary = glossary_of(f.decisions);
    return f;
}

LexiconFile read_lexicon_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw DataError(path, 1, "cannot be read");
    std::ostringstream s;
    s << in.rdbuf();
    if (in.bad()) throw DataError(path, 1, "cannot be read");
    const std::string content = s.str();
    return extension(path) == ".json" ? parse_lexicon_json(path, content)
                                      : parse_lexicon_table(path, content);
}

void apply_lexicon_file(Lexicon& lexicon, const LexiconFile& file) {
    lexicon.apply(file.decisions);
    if (!file.families.empty()) lexicon.setFamilies(file.families);
    if (!file.name.empty()) lexicon.setName(file.name);
}

LexiconInForce lexicon_in_force(const LexiconFile& file) {
    LexiconInForce l;
    l.glossary = file.glossary;
    l.families = kept_variant_families(file.families);
    std::size_t kept = 0;
    for (const LexFamily& f : file.families) kept += f.kept;
    std::string name = file.name;
    if (name.empty()) name = std::filesystem::path(file.path).stem().string();
    l.caption = lexicon_caption(name, l.glossary.forms.size(), kept);
    return l;
}

std::string default_lexicon_base(const std::string& corpusPath) {
    if (corpusPath.empty()) return {};
    namespace fs = std::filesystem;
    std::error_code e;
    if (fs::is_directory(corpusPath, e)) return (fs::path(corpusPath) / "lexicon").string();
    fs::path p(corpusPath);
    return (p.parent_path() / (p.stem().string() + ".lexicon")).string();
}

} // namespace zapt
