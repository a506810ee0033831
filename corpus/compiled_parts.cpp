#include "corpus/compiled_parts.h"

#include <nlohmann/json.hpp>

namespace zapt {
namespace {

// A table of strings (rows of `width` values) as one list, row after row.
std::vector<std::string> flat(const std::vector<std::vector<std::string>>& rows,
                              std::size_t width) {
    std::vector<std::string> out;
    out.reserve(rows.size() * width);
    for (const auto& row : rows) {
        if (row.size() != width) throw CompiledError("a row of metadata has the wrong width");
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

std::vector<std::vector<std::string>> unflat(std::vector<std::string> list, std::size_t rows,
                                             std::size_t width) {
    if (list.size() != rows * width) throw CompiledError("the metadata does not fit together");
    std::vector<std::vector<std::string>> out(rows);
    for (std::size_t r = 0; r < rows; ++r) {
        out[r].reserve(width);
        for (std::size_t c = 0; c < width; ++c) out[r].push_back(std::move(list[r * width + c]));
    }
    return out;
}

} // namespace

void write_author_register(CompiledWriter& out, const AuthorRegister& a) {
    out.add_strings("register.codes", a.codes);
    out.add_strings("register.names", a.names);
    out.add_strings("register.ages", a.ages);
    out.add_strings("register.genders", a.genders);
    out.add_strings("register.educations", a.educations);
    out.add_strings("register.nativeLanguages", a.nativeLanguages);
}

AuthorRegister read_author_register(const CompiledFile& f) {
    AuthorRegister a;
    a.codes = f.strings("register.codes");
    a.names = f.strings("register.names");
    a.ages = f.strings("register.ages");
    a.genders = f.strings("register.genders");
    a.educations = f.strings("register.educations");
    a.nativeLanguages = f.strings("register.nativeLanguages");
    const std::size_t m = a.codes.size();
    for (const auto* column : {&a.names, &a.ages, &a.genders, &a.educations, &a.nativeLanguages}) {
        if (column->size() != m) throw CompiledError("the register does not fit together");
    }
    return a;
}

void write_corpus_metadata(CompiledWriter& out, const CorpusMetadata& m) {
    out.add_strings("metadata.authorColumns", m.authorColumns);
    out.add_value("metadata.authorRows", static_cast<std::uint64_t>(m.authorValues.size()));
    out.add_strings("metadata.authorValues", flat(m.authorValues, m.authorColumns.size()));
    out.add_strings("metadata.textColumns", m.textColumns);
    out.add_value("metadata.textRows", static_cast<std::uint64_t>(m.textValues.size()));
    out.add_strings("metadata.textValues", flat(m.textValues, m.textColumns.size()));
}

CorpusMetadata read_corpus_metadata(const CompiledFile& f) {
    CorpusMetadata m;
    m.authorColumns = f.strings("metadata.authorColumns");
    m.authorValues = unflat(f.strings("metadata.authorValues"),
                            f.value<std::uint64_t>("metadata.authorRows"), m.authorColumns.size());
    m.textColumns = f.strings("metadata.textColumns");
    m.textValues = unflat(f.strings("metadata.textValues"),
                          f.value<std::uint64_t>("metadata.textRows"), m.textColumns.size());
    return m;
}

void write_lexicon_lists(CompiledWriter& out, const CompiledLexiconLists& l) {
    out.add_strings("lexicon.forms", l.glossary.forms);
    out.add_strings("lexicon.interpretations", l.glossary.interpretations);
    nlohmann::json families = nlohmann::json::array();
    for (const VariantFamily& f : l.families) {
        families.push_back({{"list", f.list},
                            {"stem", f.stem},
                            {"captionLabel", f.captionLabel},
                            {"caption", f.caption},
                            {"items", f.items}});
    }
    const nlohmann::json j = {{"builtinGlossary", l.builtinGlossary},
                              {"builtinFamilies", l.builtinFamilies},
                              {"families", families},
                              {"caption", l.caption}};
    out.add_owned("lexicon.families", j.dump());
}

CompiledLexiconLists read_lexicon_lists(const CompiledFile& f) {
    CompiledLexiconLists l;
    l.glossary.forms = f.strings("lexicon.forms");
    l.glossary.interpretations = f.strings("lexicon.interpretations");
    try {
        const nlohmann::json j = nlohmann::json::parse(f.chars("lexicon.families"));
        j.at("builtinGlossary").get_to(l.builtinGlossary);
        j.at("builtinFamilies").get_to(l.builtinFamilies);
        j.at("caption").get_to(l.caption);
        for (const nlohmann::json& x : j.at("families")) {
            VariantFamily v;
            x.at("list").get_to(v.list);
            x.at("stem").get_to(v.stem);
            x.at("captionLabel").get_to(v.captionLabel);
            x.at("caption").get_to(v.caption);
            x.at("items").get_to(v.items);
            l.families.push_back(std::move(v));
        }
    } catch (const nlohmann::json::exception& e) {
        throw CompiledError(std::string("the lexicon cannot be read: ") + e.what());
    }
    return l;
}

void write_load_report(CompiledWriter& out, const LoadReport& report) {
    out.add_owned("report", report.to_json());
}

LoadReport read_load_report(const CompiledFile& f) {
    try {
        return LoadReport::from_json(f.chars("report"));
    } catch (const nlohmann::json::exception& e) {
        throw CompiledError(std::string("the load's report cannot be read: ") + e.what());
    }
}

} // namespace zapt
