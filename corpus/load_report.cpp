#include "corpus/load_report.h"

#include <nlohmann/json.hpp>

#include <sstream>

namespace zapt {
namespace {

std::string place(std::string_view file, int line) {
    std::string p(file);
    if (line > 0) p += ":" + std::to_string(line);
    return p;
}

} // namespace

void LoadReport::add(std::string_view rule, std::string_view sentence, std::string_view action,
                     std::string_view file, int line) {
    ReportedProblem* p = nullptr;
    for (auto& q : problems_) {
        if (q.rule == rule) p = &q;
    }
    if (!p) {
        problems_.push_back(
            ReportedProblem{std::string(rule), std::string(sentence), std::string(action), 0, {}});
        p = &problems_.back();
    }
    ++p->count;
    if (p->places.size() < kPlacesKept) p->places.push_back(place(file, line));
}

void LoadReport::merge(const LoadReport& later) {
    for (const ReportedProblem& q : later.problems_) {
        ReportedProblem* p = nullptr;
        for (auto& mine : problems_) {
            if (mine.rule == q.rule) p = &mine;
        }
        if (!p) {
            problems_.push_back(ReportedProblem{q.rule, q.sentence, q.action, 0, {}});
            p = &problems_.back();
        }
        p->count += q.count;
        for (const auto& place : q.places) {
            if (p->places.size() < kPlacesKept) p->places.push_back(place);
        }
    }
    textsRead += later.textsRead;
    textsSkippedEmpty += later.textsSkippedEmpty;
    rowsSkipped += later.rowsSkipped;
    if (!fatal_ && later.fatal_) fatal_ = later.fatal_;
}

void LoadReport::fail(std::string_view sentence, std::string_view file, int line) {
    if (!fatal_) fatal_ = Fatal{std::string(sentence), std::string(file), line};
}

std::optional<DataError> LoadReport::fatal_error() const {
    if (!fatal_) return std::nullopt;
    return DataError(fatal_->file, fatal_->line, fatal_->sentence);
}

const ReportedProblem* LoadReport::find(std::string_view rule) const {
    for (const auto& p : problems_) {
        if (p.rule == rule) return &p;
    }
    return nullptr;
}

std::size_t LoadReport::count(std::string_view rule) const {
    const ReportedProblem* p = find(rule);
    return p ? p->count : 0;
}

std::string LoadReport::to_json() const {
    using nlohmann::json;
    json problems = json::array();
    for (const ReportedProblem& p : problems_) {
        problems.push_back({{"rule", p.rule},
                            {"sentence", p.sentence},
                            {"action", p.action},
                            {"count", p.count},
                            {"places", p.places}});
    }
    json differing = json::array();
    for (const FieldDifference& d : differingAuthors)
        differing.push_back({{"field", d.field}, {"authors", d.authors}});
    json fields = json::array();
    for (const MetadataField& f : metadataFields) {
        fields.push_back({{"name", f.name},
                          {"textField", f.textField},
                          {"chosen", f.chosen},
                          {"differing", f.differing},
                          {"informative", f.informative}});
    }
    json j = {{"source", source},
              {"textsRead", textsRead},
              {"textsSkippedEmpty", textsSkippedEmpty},
              {"rowsSkipped", rowsSkipped},
              {"authors", authors},
              {"differingAuthors", differing},
              {"absentFields", absentFields},
              {"columnsUsed", columnsUsed},
              {"columnsDropped", columnsDropped},
              {"metadataFields", fields},
              {"encoding", encoding},
              {"proposedEncoding", proposedEncoding},
              {"problems", problems}};
    if (fatal_)
        j["fatal"] = {
            {"sentence", fatal_->sentence}, {"file", fatal_->file}, {"line", fatal_->line}};
    return j.dump();
}

LoadReport LoadReport::from_json(std::string_view text) {
    using nlohmann::json;
    const json j = json::parse(text);
    LoadReport r;
    j.at("source").get_to(r.source);
    j.at("textsRead").get_to(r.textsRead);
    j.at("textsSkippedEmpty").get_to(r.textsSkippedEmpty);
    j.at("rowsSkipped").get_to(r.rowsSkipped);
    j.at("authors").get_to(r.authors);
    for (const json& d : j.at("differingAuthors"))
        r.differingAuthors.push_back(
            {d.at("field").get<std::string>(), d.at("authors").get<std::size_t>()});
    j.at("absentFields").get_to(r.absentFields);
    j.at("columnsUsed").get_to(r.columnsUsed);
    j.at("columnsDropped").get_to(r.columnsDropped);
    for (const json& f : j.at("metadataFields")) {
        MetadataField m;
        f.at("name").get_to(m.name);
        f.at("textField").get_to(m.textField);
        f.at("chosen").get_to(m.chosen);
        f.at("differing").get_to(m.differing);
        f.at("informative").get_to(m.informative);
        r.metadataFields.push_back(std::move(m));
    }
    j.at("encoding").get_to(r.encoding);
    j.at("proposedEncoding").get_to(r.proposedEncoding);
    for (const json& p : j.at("problems")) {
        ReportedProblem q;
        p.at("rule").get_to(q.rule);
        p.at("sentence").get_to(q.sentence);
        p.at("action").get_to(q.action);
        p.at("count").get_to(q.count);
        p.at("places").get_to(q.places);
        r.problems_.push_back(std::move(q));
    }
    if (j.contains("fatal")) {
        const json& f = j.at("fatal");
        r.fatal_ = Fatal{f.at("sentence").get<std::string>(), f.at("file").get<std::string>(),
                         f.at("line").get<int>()};
    }
    return r;
}

std::vector<std::string> load_notes(const LoadReport& report) {
    std::vector<std::string> notes;
    for (const auto& p : report.problems()) {
        notes.push_back("on reading: " + p.rule + " " + std::to_string(p.count) + "x, " + p.action);
    }
    return notes;
}

std::string format_report(const LoadReport& r) {
    std::ostringstream out;
    if (auto e = r.fatal_error()) {
        out << "cannot be read: " << e->what() << "\n";
    }
    out << "Read " << r.source << ": " << r.textsRead << " texts by " << r.authors << " authors; "
        << r.textsSkippedEmpty << " empty texts left out; " << r.rowsSkipped
        << " other rows left out.\n";
    if (!r.encoding.empty() && r.encoding != "UTF-8") out << "  read as " << r.encoding << "\n";
    for (const auto& c : r.columnsUsed) out << "  column " << c << "\n";
    for (const auto& c : r.columnsDropped) out << "  not read: " << c << "\n";
    for (const auto& f : r.absentFields) out << "  absent: " << f << "\n";
    for (const auto& d : r.differingAuthors) {
        out << "  " << d.authors << (d.authors == 1 ? " author's" : " authors'") << " texts give "
            << "more than one " << d.field << "; the value of most of their texts taken\n";
    }
    if (r.problems().empty()) {
        out << "No problems.\n";
        return out.str();
    }
    out << "Problems:\n";
    for (const auto& p : r.problems()) {
        out << "  " << p.rule << " (" << p.count << "x): " << p.sentence << "; " << p.action
            << ".\n    at ";
        for (std::size_t i = 0; i < p.places.size(); ++i) out << (i ? ", " : "") << p.places[i];
        if (p.count > p.places.size()) out << " and " << (p.count - p.places.size()) << " more";
        out << "\n";
    }
    return out.str();
}

} // namespace zapt
