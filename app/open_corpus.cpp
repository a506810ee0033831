#include "app/open_corpus.h"

#include "corpus/load_report.h"
#include "corpus/metadata.h"
#include "corpus/text.h"

#include <exception>
#include <unordered_map>
#include <vector>

namespace zapt {
namespace {

// The authors each of the preview's own bands would hold (the running
// program's bands are another corpus's and stay as they are).
void count_bands(const DataSet& data, const AgeBands& bands, CorpusPreview& p) {
    std::vector<std::size_t> counts(bands.size(), 0);
    for (const RegisterRow& a : data.authors) {
        const AgeSpan age = read_age(a.age);
        if (!age.known) {
            ++p.authorsWithoutAge;
        } else if (auto band = bands.query_band(age)) {
            ++counts[static_cast<std::size_t>(*band)];
        } else {
            ++p.authorsInNoBand;
        }
    }
    for (AgeBand b : bands.bands())
        p.bands.emplace_back(bands.caption(b), counts[static_cast<std::size_t>(b)]);
    p.fitsMainWindow = bands.size() <= kMaxWindowBands;
}

void preview_rows(const DataSet& data, std::size_t wanted, CorpusPreview& p) {
    p.headings = {"code", "age", "gender", "education", "native language"};
    for (const std::string& c : data.metadataColumns) p.headings.push_back(c);
    const std::size_t authorColumns = p.headings.size();
    for (const std::string& c : data.textColumns) p.headings.push_back(c + " (text field)");
    p.headings.push_back("text (first half)");
    std::unordered_map<std::string, std::size_t> row_of;
    for (std::size_t i = 0; i < data.authors.size(); ++i)
        row_of.emplace(fold_text(data.authors[i].name), i);
    for (std::size_t t = 0; t < data.corpus.size(); ++t) {
        const CorpusRow& text = data.corpus[t];
        if (p.rows.size() >= wanted) break;
        std::vector<std::string> row;
        const auto it = row_of.find(fold_text(text.author));
        if (it == row_of.end()) {
            // A text whose author the register lacks: no code to show.
            row.assign(5, "");
            row[0] = "?";
        } else {
            const RegisterRow& a = data.authors[it->second];
            row = {a.code, a.age, a.gender, a.education, a.nativeLanguage};
            if (it->second < data.authorMetadata.size()) {
                for (const std::string& v : data.authorMetadata[it->second]) row.push_back(v);
            }
        }
        row.resize(authorColumns);
        if (t < data.textMetadata.size()) {
            for (const std::string& v : data.textMetadata[t]) row.push_back(v);
        }
        row.resize(p.headings.size() - 1);
        row.push_back(first_half(text.text));
        p.rows.push_back(std::move(row));
    }
}

} // namespace

std::string first_half(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && text[i] == ' ') ++i;
        const std::size_t start = i;
        while (i < text.size() && text[i] != ' ') ++i;
        if (i > start) words.push_back(text.substr(start, i - start));
    }
    const std::size_t kept = words.size() / 2;
    std::string out;
    for (std::size_t w = 0; w < kept; ++w) {
        if (w) out += ' ';
        out += words[w];
    }
    if (kept < words.size()) out += out.empty() ? "\u2026" : " \u2026";
    return out;
}

std::string bands_list(const std::vector<BandBounds>& bands) {
    return AgeBands(bands).list();
}

std::vector<std::string> corpus_arguments(const CorpusOptions& options) {
    std::vector<std::string> args;
    auto add = [&](const char* name, const std::string& value) {
        if (value.empty()) return;
        args.push_back(name);
        args.push_back(value);
    };
    add("--corpus", options.path);
    for (const auto& [field, column] : options.table.map) add("--map", field + "=" + column);
    add("--encoding", options.table.encoding);
    for (const std::string& c : options.table.textFields) add("--text-field", c);
    for (const std::string& c : options.table.authorFields) add("--author-field", c);
    add("--glossary", options.glossary);
    add("--families", options.families);
    add("--lexicon", options.lexicon);
    add("--bands", options.bands);
    return args;
}

std::string map_text(const TableOptions& table) {
    std::string out;
    for (const auto& [field, column] : table.map)
        out += (out.empty() ? "" : "; ") + field + "=" + column;
    return out;
}

std::optional<std::string> read_map_text(std::string_view text, TableOptions& table) {
    TableOptions read;
    std::size_t from = 0;
    while (from <= text.size()) {
        std::size_t at = text.find_first_of(";\n\r", from);
        if (at == std::string_view::npos) at = text.size();
        const std::string_view part = text.substr(from, at - from);
        from = at + 1;
        if (!valid_utf8(part)) return "the column mapping is not UTF-8 text";
        if (is_blank(part)) continue;
        if (auto error = add_column_mapping(read, part)) return error;
    }
    table.map = std::move(read.map);
    return std::nullopt;
}

void choose_field_kind(TableOptions& table, const std::string& column, bool textField) {
    const std::string key = fold_text(trim_blanks(column));
    for (auto* list : {&table.textFields, &table.authorFields}) {
        std::erase_if(*list,
                      [&](const std::string& c) { return fold_text(trim_blanks(c)) == key; });
    }
    (textField ? table.textFields : table.authorFields).push_back(column);
}

CorpusOptions offered_options(const std::string& path, const CorpusOptions& current,
                              const SettingsStore* store, bool* kept) {
    if (kept) *kept = false;
    if (store) {
        if (std::optional<CorpusSettings> s = store->load(path)) {
            if (kept) *kept = true;
            s->options.path = path;
            return s->options;
        }
    }
    CorpusOptions o;
    if (SettingsStore::key(path) == SettingsStore::key(current.path)) o = current;
    o.path = path;
    o.bands = current.bands;
    o.glossary = current.glossary;
    o.families = current.families;
    o.table.progress = {};
    return o;
}

CorpusPreview preview_corpus(const CorpusOptions& options, std::size_t rows) {
    CorpusPreview p;
    std::vector<BandBounds> bounds;
    try {
        bounds = bands_of(options);
    } catch (const DataError& e) {
        p.bandsError = e.rule();
    }
    if (options.bands.empty()) {
        p.bandsNote = std::string("no age bands were given: the built-in bands ") + kBuiltinBands +
                      " are used";
    }
    LoadedCorpus c;
    LoadReport failed;
    try {
        c = read_corpus_source(options, {}, &failed);
    } catch (const std::exception& e) {
        p.error = e.what();
        p.proposedEncoding = failed.proposedEncoding;
        p.report = failed.fatal() ? format_report(failed) : "cannot be read: " + p.error + "\n";
        return p;
    }
    p.encoding = c.report.encoding;
    if (auto fatal = c.report.fatal_error()) {
        p.error = fatal->what();
        p.report = format_report(c.report);
        return p;
    }
    p.readable = true;
    p.fields = c.report.metadataFields;
    p.name = c.name;
    p.texts = c.data.corpus.size();
    p.authors = c.data.authors.size();
    p.columns = c.report.columnsUsed;
    for (const std::string& d : c.report.columnsDropped) p.columns.push_back("not read: " + d);
    for (const std::string& f : c.report.absentFields) p.columns.push_back("absent: " + f);
    preview_rows(c.data, rows, p);
    if (p.bandsError.empty()) count_bands(c.data, AgeBands(bounds), p);
    p.report = format_report(c.report);
    return p;
}

} // namespace zapt
