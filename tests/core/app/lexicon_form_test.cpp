// The Lexicon window's state: proposing off the window's thread, the list
// and its filters, the selected form's candidates and private lines, the
// decisions with their undo, the families, and what the window gives the
// corpus.
#include "app/lexicon_form.h"
#include "lexicon/lexicon_test_corpus.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace zapt {
namespace {

struct Window {
    testing::ExploreCorpus corpus = testing::lexicon_corpus();
    LexiconForm form{*corpus.corpus, [] { return testing::small_dictionary(); }};
    Window() {
        form.cmdPropose_Click();
        form.poll(true);
    }
    // The row of a form in the list, or -1.
    int row(const std::string& form_) const {
        const auto& rows = form.table().rows;
        for (std::size_t r = 0; r < rows.size(); ++r)
            if (rows[r][0] == form_) return static_cast<int>(r);
        return -1;
    }
    std::vector<std::string> cells(const std::string& form_) const {
        const int r = row(form_);
        return r < 0 ? std::vector<std::string>{} : form.table().rows[static_cast<std::size_t>(r)];
    }
    void select(const std::string& form_) {
        const int r = row(form_);
        ASSERT_GE(r, 0) << form_;
        form.lstForms_Click(r);
    }
};

TEST(LexiconForm, ProposingRunsOnceAndListsByCount) {
    testing::ExploreCorpus corpus = testing::lexicon_corpus();
    LexiconForm form(*corpus.corpus, [] { return testing::small_dictionary(); });
    // Before proposing, nothing is listed and no decision does anything.
    EXPECT_FALSE(form.ready());
    EXPECT_TRUE(form.table().rows.empty());
    form.cmdAccept_Click();
    form.cmdUndo_Click();
    form.cmdAcceptAbove_Click("0.5");
    EXPECT_NE(form.status().find("not made"), std::string::npos) << form.status();
    form.cmdPropose_Click();
    EXPECT_TRUE(form.proposing());
    EXPECT_NE(form.status().find("Proposing"), std::string::npos);
    form.cmdPropose_Click(); // a second press while it runs starts nothing more
    EXPECT_TRUE(form.poll(true));
    EXPECT_TRUE(form.ready());
    EXPECT_FALSE(form.proposing());
    EXPECT_FALSE(form.poll(true)); // nothing more to take
    form.cmdPropose_Click();       // done: not proposed again
    EXPECT_FALSE(form.proposing());
    const auto& rows = form.table().rows;
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows.size(), form.lexicon().size());
    for (std::size_t r = 1; r < rows.size(); ++r)
        EXPECT_GE(std::stoull(rows[r - 1][1]), std::stoull(rows[r][1])) << r;
    EXPECT_NE(form.status().find(std::to_string(rows.size()) + " forms proposed"),
              std::string::npos);
}

TEST(LexiconForm, ADictionaryThatCannotBeReadSaysSo) {
    testing::ExploreCorpus corpus = testing::lexicon_corpus();
    LexiconForm form(*corpus.corpus,
                     [] { return StandardDictionary::load("/nonexistent/words", "missing"); });
    form.cmdPropose_Click();
    EXPECT_TRUE(form.poll(true));
    EXPECT_FALSE(form.ready());
    EXPECT_TRUE(form.table().rows.empty());
    EXPECT_NE(form.status().find("cannot be read"), std::string::npos) << form.status();
}

TEST(LexiconForm, TheSelectedFormShowsCandidatesAndPrivateLines) {
    Window w;
    w.select("tmr");
    const auto& c = w.form.candidates();
    ASSERT_FALSE(c.rows.empty());
    EXPECT_EQ(c.rows[0][0], "tomorrow");
    // Every line is the form's, under an author code, and shows at most half
    // of its text's pieces; no author's name appears anywhere.
    const auto& lines = w.form.lines();
    ASSERT_EQ(lines.rows.size(), 2u); // "c u tmr at the party lol", "call me tmr pls"
    for (const auto& l : lines.rows) {
        EXPECT_EQ(l[2], "tmr");
        EXPECT_TRUE(l[0] == "001" || l[0] == "002") << l[0];
        for (const std::string& cell : l)
            for (const char* name : {"Ann", "Bob", "Cat", "Dev", "Eve"})
                EXPECT_EQ(cell.find(name), std::string::npos) << cell;
    }
    // "call me tmr pls" has 4 pieces: the line shows at most 2.
    for (const auto& l : lines.rows) {
        if (l[0] != "002") continue;
        auto words = [](const std::string& s) {
            return s.empty() ? 0 : 1 + std::count(s.begin(), s.end(), ' ');
        };
        EXPECT_LE(words(l[1]) + 1 + words(l[3]), 2);
    }
    // No selection: nothing shown.
    w.form.lstForms_Click(-1);
    EXPECT_TRUE(w.form.candidates().rows.empty());
    EXPECT_TRUE(w.form.lines().rows.empty());
    w.form.lstForms_Click(100000);
    EXPECT_EQ(w.form.selected(), -1);
}

TEST(LexiconForm, DecisionsAreUndoneAndRedoneAndTheSelectionFollowsItsForm) {
    Window w;
    LexiconForm& f = w.form;
    const std::vector<std::string> before = w.cells("tmr");
    ASSERT_EQ(before[4], "proposed");

    // Table: event, then the form's status, kind and interpretation.
    struct Step {
        const char* what;
        std::function<void()> event;
        const char* status;
        const char* kind;
        const char* interpretation;
    };
    const Step steps[] = {
        {"accept", [&] { f.cmdAccept_Click(); }, "accepted", "variant", "tomorrow"},
        {"candidate 2", [&] { f.lstCandidates_DblClick(1); }, "accepted", "variant", nullptr},
        {"typed", [&] { f.cmdAcceptTyped_Click("  tomorrow morning "); }, "accepted", "variant",
         "tomorrow morning"},
        {"kind", [&] { f.cboSetKind_Change(LexKind::Name); }, "accepted", "name", ""},
        {"reject", [&] { f.cmdReject_Click(); }, "rejected", nullptr, nullptr},
        {"reset", [&] { f.cmdReset_Click(); }, "proposed", "variant", "tomorrow"},
    };
    std::vector<std::vector<std::string>> seen = {before};
    w.select("tmr");
    for (const Step& s : steps) {
        s.event();
        const std::vector<std::string> now = w.cells("tmr");
        ASSERT_FALSE(now.empty()) << s.what;
        EXPECT_EQ(now[4], s.status) << s.what;
        if (s.kind) {
            EXPECT_EQ(now[3], s.kind) << s.what;
        }
        if (s.interpretation) {
            EXPECT_EQ(now[5], s.interpretation) << s.what;
        }
        EXPECT_EQ(f.table().rows[static_cast<std::size_t>(f.selected())][0], "tmr") << s.what;
        seen.push_back(now);
    }
    // Each step comes back in order, and goes again.
    for (std::size_t k = seen.size() - 1; k > 0; --k) {
        ASSERT_TRUE(f.canUndo());
        f.cmdUndo_Click();
        EXPECT_EQ(w.cells("tmr"), seen[k - 1]) << k;
    }
    EXPECT_FALSE(f.canUndo());
    f.cmdUndo_Click();
    EXPECT_EQ(f.status(), "Nothing to undo.");
    for (std::size_t k = 1; k < seen.size(); ++k) {
        f.cmdRedo_Click();
        EXPECT_EQ(w.cells("tmr"), seen[k]) << k;
    }
    EXPECT_FALSE(f.canRedo());

    // Odd input changes nothing and says why.
    const unsigned r = f.revision();
    f.cmdAcceptTyped_Click("   ");
    EXPECT_GT(f.revision(), r);
    EXPECT_EQ(w.cells("tmr"), seen.back());
    f.lstCandidates_DblClick(99);
    f.lstCandidates_DblClick(-1);
    EXPECT_EQ(w.cells("tmr"), seen.back());
    f.lstForms_Click(-1);
    f.cmdReject_Click();
    EXPECT_EQ(f.status(), "Select a form first.");
}

TEST(LexiconForm, FiltersAndTheSelectionWhenItsRowLeavesTheList) {
    Window w;
    LexiconForm& f = w.form;
    f.cboStatus_Change(LexStatus::Proposed);
    const std::size_t all = f.table().rows.size();
    w.select("tmr");
    const int at = f.selected();
    f.cmdAccept_Click();
    // Accepted, tmr leaves the list of proposed forms; the row in its place
    // is selected, ready for the next decision.
    EXPECT_EQ(f.table().rows.size(), all - 1);
    EXPECT_EQ(w.row("tmr"), -1);
    ASSERT_GE(f.selected(), 0);
    EXPECT_EQ(f.selected(), std::min<int>(at, static_cast<int>(all) - 2));
    f.cboStatus_Change(LexStatus::Accepted);
    ASSERT_EQ(f.table().rows.size(), 1u);
    EXPECT_EQ(f.table().rows[0][0], "tmr");
    f.cboStatus_Change(std::nullopt);
    f.cboKind_Change(LexKind::Laughter);
    ASSERT_FALSE(f.table().rows.empty());
    for (const auto& row : f.table().rows) EXPECT_EQ(row[3], "laughter");
    f.cboKind_Change(LexKind::Placeholder);
    for (const auto& row : f.table().rows) EXPECT_EQ(row[3], "placeholder");
}

TEST(LexiconForm, BulkAcceptIsOneStep) {
    Window w;
    LexiconForm& f = w.form;
    const struct {
        const char* typed;
        bool accepted; // anything accepted
    } cases[] = {{"x", false}, {"1.5", false}, {"-0.1", false}, {"nan", false},
                 {"", false},  {"1", false},   {" 0.5 ", true}};
    for (const auto& c : cases) {
        f.cmdAcceptAbove_Click(c.typed);
        std::size_t accepted = 0;
        for (const auto& row : f.table().rows) accepted += row[4] == "accepted";
        EXPECT_EQ(accepted > 0, c.accepted) << c.typed << ": " << f.status();
    }
    for (const auto& row : f.table().rows) {
        if (row[4] != "accepted") continue;
        EXPECT_EQ(row[3], "variant");
        EXPECT_GE(std::stod(row[6]), 0.5) << row[0];
    }
    f.cmdUndo_Click();
    for (const auto& row : f.table().rows) EXPECT_EQ(row[4], "proposed") << row[0];
}

TEST(LexiconForm, FamiliesOfAcceptedVariantsAreKeptAndGiveTheCorpusLexicon) {
    Window w;
    LexiconForm& f = w.form;
    for (const char* form : {"tmr", "2moro", "pls"}) {
        w.select(form);
        f.cmdAcceptTyped_Click(std::string(form) == "pls" ? "please" : "tomorrow");
    }
    const auto& fam = f.familiesTable().rows;
    ASSERT_EQ(fam.size(), 2u);
    int tomorrow = fam[0][1] == "tomorrow" ? 0 : 1;
    EXPECT_EQ(fam[static_cast<std::size_t>(tomorrow)][2], "2moro tmr");
    EXPECT_TRUE(f.corpusLexicon().families.empty()); // nothing kept yet

    f.chkKeep_Click(true);
    EXPECT_EQ(f.status(), "Select a family first.");
    f.lstFamilies_Click(tomorrow);
    f.cmdRenameFamily_Click("Tomorrow");
    tomorrow = fam[0][0] == "Tomorrow" ? 0 : 1;
    f.lstFamilies_Click(tomorrow);
    f.chkKeep_Click(true);
    EXPECT_EQ(f.familiesTable().rows[static_cast<std::size_t>(tomorrow)][3], "yes");

    CorpusLexicon l = f.corpusLexicon();
    ASSERT_EQ(l.families.size(), 1u);
    EXPECT_EQ(l.families[0].stem, "Tomorrow");
    EXPECT_EQ(l.glossaryData.forms.size(), 3u);
    EXPECT_FALSE(l.builtinGlossary);
    EXPECT_FALSE(l.builtinFamilies);
    EXPECT_EQ(l.caption, "lexicon: corpus lexicon (3 accepted forms, 1 kept family)");

    // Merging and splitting are steps like any other.
    const int please = 1 - tomorrow;
    f.cmdMergeFamily_Click(please);
    ASSERT_EQ(f.familiesTable().rows.size(), 1u);
    f.lstFamilies_Click(0);
    f.cmdSplitFamily_Click("pls", "Please");
    EXPECT_EQ(f.familiesTable().rows.size(), 2u);
    f.cmdUndo_Click();
    EXPECT_EQ(f.familiesTable().rows.size(), 1u);
    f.cmdUndo_Click();
    EXPECT_EQ(f.familiesTable().rows.size(), 2u);
    f.cmdSplitFamily_Click("", "Nothing");
    EXPECT_NE(f.status().find("Type the variants"), std::string::npos);
}

} // namespace
} // namespace zapt

namespace zapt {
namespace {

TEST(LexiconForm, ASavedLexiconIsReopenedWithItsDecisions) {
    namespace fs = std::filesystem;
    const fs::path folder =
        fs::temp_directory_path() /
        ("zapt_lexform_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    fs::remove_all(folder);
    const std::string base = (folder / "not yet made" / "mine").string();
    std::string kept;
    {
        Window w;
        LexiconForm& f = w.form;
        f.setFiles("", "folder /corpus");
        EXPECT_FALSE(f.cmdSave_Click("  ")); // nowhere to save
        EXPECT_NE(f.status().find("Type where"), std::string::npos);
        w.select("tmr");
        f.cmdAccept_Click();
        w.select("lah");
        f.cmdReject_Click();
        f.lstFamilies_Click(0);
        f.chkKeep_Click(true);
        kept = f.familiesTable().rows[0][0];
        // "NAME.json" typed is NAME; the missing folders are made.
        const std::optional<std::string> file = f.cmdSave_Click(base + ".json");
        ASSERT_TRUE(file) << f.status();
        EXPECT_EQ(*file, base + ".json");
        for (const char* end : {".json", ".csv", "-glossary.csv", "-families.csv"})
            EXPECT_TRUE(fs::exists(base + end)) << end;
        EXPECT_EQ(f.saveBase(), base);
        // A place that cannot be written: said, not thrown.
        EXPECT_FALSE(f.cmdSave_Click("/proc/zapt-cannot/lexicon"));
        EXPECT_NE(f.status().find("not saved"), std::string::npos) << f.status();
    }
    Window again; // proposed afresh, then the saved decisions apply
    LexiconForm f2(*again.corpus.corpus, [] { return testing::small_dictionary(); });
    f2.setFiles(base, "folder /corpus", read_lexicon_file(base + ".json"));
    f2.cmdPropose_Click();
    f2.poll(true);
    auto status = [&](const std::string& form) {
        for (const auto& row : f2.table().rows)
            if (row[0] == form) return row[4];
        return std::string("missing");
    };
    EXPECT_EQ(status("tmr"), "accepted");
    EXPECT_EQ(status("lah"), "rejected");
    ASSERT_FALSE(f2.familiesTable().rows.empty());
    EXPECT_EQ(f2.familiesTable().rows[0][0], kept);
    EXPECT_EQ(f2.familiesTable().rows[0][3], "yes");
    EXPECT_NE(f2.status().find("The decisions of " + base + ".json apply"), std::string::npos);
    // They are the starting point: nothing to undo.
    EXPECT_FALSE(f2.canUndo());
    fs::remove_all(folder);
}

} // namespace
} // namespace zapt
