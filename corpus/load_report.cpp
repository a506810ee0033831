#include "corpus/load_report.h"

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
