// The linguist's decisions on the proposals, their undo stack, the filters
// and the variant families.
#include "lexicon/lexicon.h"
#include "lexicon/lexicon_test_corpus.h"

#include <gtest/gtest.h>

namespace zapt {
namespace {

Candidate candidate(std::string text, double score) {
    Candidate c;
    c.text = std::move(text);
    c.score = score;
    return c;
}

Proposal proposal(std::string form, LexKind kind, std::vector<Candidate> candidates,
                  std::uint64_t count) {
    Proposal p;
    p.form = form;
    p.shown = form;
    p.kind = kind;
    p.candidates = std::move(candidates);
    p.count = count;
    return p;
}

// tmr, 2moro and tmrw stand for tomorrow; pls for please; lah is a particle;
// zxq is unresolved.
Lexicon sample() {
    return Lexicon({proposal("tmr", LexKind::Variant,
                             {candidate("tomorrow", 0.9), candidate("timer", 0.4)}, 9),
                    proposal("pls", LexKind::Variant, {candidate("please", 0.8)}, 7),
                    proposal("2moro", LexKind::Variant, {candidate("tomorrow", 0.95)}, 5),
                    proposal("lah", LexKind::Particle, {}, 4),
                    proposal("tmrw", LexKind::Variant, {candidate("tomorrow", 0.3)}, 3),
                    proposal("zxq", LexKind::Unresolved, {candidate("zoo", 0.1)}, 2)},
                   "test lexicon");
}

TEST(Lexicon, EveryDecisionIsUndoneAndRedoneInOrder) {
    Lexicon x = sample();
    auto state = [&](const char* form) {
        return x.entry(static_cast<std::size_t>(x.find(form))).decision;
    };
    EXPECT_EQ(state("tmr").status, LexStatus::Proposed);
    EXPECT_FALSE(x.canUndo());

    // One call per event; each says whether anything changed.
    EXPECT_TRUE(x.accept("tmr", 1)); // the second candidate
    EXPECT_EQ(state("tmr").interpretation, "timer");
    EXPECT_TRUE(x.accept("TMR")); // as written: the first one
    EXPECT_EQ(state("tmr").interpretation, "tomorrow");
    EXPECT_FALSE(x.accept("tmr"));                   // already so: no step
    EXPECT_FALSE(x.accept("tmr", 7));                // no such candidate
    EXPECT_FALSE(x.accept("nowhere"));               // no such form
    EXPECT_FALSE(x.accept("zxq"));                   // unresolved: type or set a kind
    EXPECT_TRUE(x.acceptAs("zxq", "  zoo keeper ")); // typed
    EXPECT_EQ(state("zxq").interpretation, "zoo keeper");
    EXPECT_EQ(state("zxq").kind, LexKind::Variant);
    EXPECT_FALSE(x.acceptAs("pls", "   "));
    EXPECT_FALSE(x.acceptAs("pls", "two\nlines"));
    EXPECT_TRUE(x.accept("lah")); // the particle as proposed
    EXPECT_EQ(state("lah").status, LexStatus::Accepted);
    EXPECT_EQ(state("lah").interpretation, "");
    EXPECT_TRUE(x.setKind("pls", LexKind::OtherLanguage));
    EXPECT_EQ(state("pls").status, LexStatus::Accepted);
    EXPECT_TRUE(x.reject("2moro"));
    EXPECT_EQ(state("2moro").status, LexStatus::Rejected);

    const std::vector<Decision> all = x.decisions();
    EXPECT_EQ(all.size(), 5u);

    // Undo walks back one event at a time; redo forward again.
    const struct {
        const char* form;
        LexStatus status;
        const char* interpretation;
    } back[] = {{"2moro", LexStatus::Proposed, ""},    {"pls", LexStatus::Proposed, ""},
                {"lah", LexStatus::Proposed, ""},      {"zxq", LexStatus::Proposed, ""},
                {"tmr", LexStatus::Accepted, "timer"}, {"tmr", LexStatus::Proposed, ""}};
    for (const auto& b : back) {
        ASSERT_TRUE(x.undo());
        EXPECT_EQ(state(b.form).status, b.status) << b.form;
        EXPECT_EQ(state(b.form).interpretation, b.interpretation) << b.form;
    }
    EXPECT_FALSE(x.undo());
    EXPECT_TRUE(x.decisions().empty());
    for (int i = 0; i < 6; ++i) ASSERT_TRUE(x.redo());
    EXPECT_FALSE(x.redo());
    EXPECT_EQ(x.decisions(), all);

    // A new event after an undo drops what could have been redone.
    x.undo();
    x.undo();
    EXPECT_TRUE(x.reset("tmr"));
    EXPECT_FALSE(x.canRedo());
    EXPECT_EQ(state("tmr").status, LexStatus::Proposed);
}

TEST(Lexicon, BulkAcceptanceAboveAScoreIsOneStep) {
    Lexicon x = sample();
    x.reject("2moro");
    EXPECT_EQ(x.acceptAbove(0.5), 2u); // tmr and pls; 2moro is decided, lah no variant
    for (const char* form : {"tmr", "pls"})
        EXPECT_EQ(x.entry(static_cast<std::size_t>(x.find(form))).decision.status,
                  LexStatus::Accepted);
    EXPECT_EQ(x.entry(static_cast<std::size_t>(x.find("tmrw"))).decision.status,
              LexStatus::Proposed);
    x.undo();
    EXPECT_EQ(x.entry(static_cast<std::size_t>(x.find("tmr"))).decision.status,
              LexStatus::Proposed);
    EXPECT_EQ(x.entry(static_cast<std::size_t>(x.find("2moro"))).decision.status,
              LexStatus::Rejected);
    EXPECT_EQ(x.acceptAbove(2.0), 0u);
}

TEST(Lexicon, FiltersByKindStatusAndScore) {
    Lexicon x = sample();
    x.accept("pls");
    auto forms = [&](const LexiconFilter& f) {
        std::vector<std::string> out;
        for (std::size_t i : x.rows(f)) out.push_back(x.entry(i).proposal.form);
        return out;
    };
    using V = std::vector<std::string>;
    EXPECT_EQ(forms({}), (V{"tmr", "pls", "2moro", "lah", "tmrw", "zxq"}));
    EXPECT_EQ(forms({LexKind::Variant, std::nullopt, 0}), (V{"tmr", "pls", "2moro", "tmrw"}));
    EXPECT_EQ(forms({std::nullopt, LexStatus::Accepted, 0}), (V{"pls"}));
    EXPECT_EQ(forms({LexKind::Variant, LexStatus::Proposed, 0.85}), (V{"tmr", "2moro"}));
    EXPECT_EQ(forms({LexKind::Particle, std::nullopt, 0}), (V{"lah"}));
}

TEST(Lexicon, AcceptedVariantsOfOneWordMakeAFamilyTheUserShapes) {
    Lexicon x = sample();
    EXPECT_TRUE(x.families().empty());
    x.accept("tmr");
    x.accept("2moro");
    x.accept("tmrw");
    x.accept("pls");
    std::vector<LexFamily> f = x.families();
    ASSERT_EQ(f.size(), 2u); // by standard form
    EXPECT_EQ(f[0].name, "please");
    EXPECT_EQ(f[1].name, "tomorrow");
    EXPECT_EQ(f[1].variants, (std::vector<std::string>{"tmr", "2moro", "tmrw"}));
    EXPECT_FALSE(f[1].own);

    // Split off tmrw, rename the rest, keep it; merge please into it; undo all.
    ASSERT_TRUE(x.splitFamily(1, {"tmrw"}, "tmrw forms"));
    f = x.families();
    ASSERT_EQ(f.size(), 3u);
    EXPECT_EQ(f[0].variants, (std::vector<std::string>{"tmr", "2moro"}));
    EXPECT_EQ(f[1].variants, (std::vector<std::string>{"tmrw"}));
    EXPECT_EQ(f[2].name, "please"); // still proposed
    EXPECT_FALSE(x.splitFamily(0, {"nothing"}, "none"));
    ASSERT_TRUE(x.renameFamily(0, "Tomorrow"));
    ASSERT_TRUE(x.keepFamily(0));
    EXPECT_TRUE(x.families()[0].kept);
    ASSERT_TRUE(x.mergeFamilies(0, 2));
    f = x.families();
    ASSERT_EQ(f.size(), 2u);
    EXPECT_EQ(f[0].variants, (std::vector<std::string>{"tmr", "2moro", "please", "pls"}));
    EXPECT_FALSE(x.mergeFamilies(0, 0));
    EXPECT_FALSE(x.renameFamily(9, "x"));

    // The kept family, as the program's families: standard form first, and a
    // name of a built-in family takes that family's list.
    const std::vector<VariantFamily> kept = x.keptFamilies();
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0].list, "lstTomorrow");
    EXPECT_EQ(kept[0].items,
              (std::vector<std::string>{"tomorrow", "tmr", "2moro", "please", "pls"}));

    for (int i = 0; i < 4; ++i) ASSERT_TRUE(x.undo());
    EXPECT_EQ(x.families().size(), 2u);
    EXPECT_FALSE(x.families()[1].own);
    EXPECT_TRUE(x.keptFamilies().empty());
}

TEST(Lexicon, DecisionsFromAFileApplyAndTheRestIsKeptAside) {
    Lexicon x = sample();
    const std::vector<Decision> from = {
        {"TMR", LexStatus::Accepted, LexKind::Variant, "tomorrow"},
        {"gone", LexStatus::Accepted, LexKind::Variant, "elsewhere"}, // not listed here
        {"lah", LexStatus::Rejected, LexKind::Particle, ""}};
    EXPECT_EQ(x.apply(from), 2u);
    const std::vector<Decision> now = x.decisions();
    ASSERT_EQ(now.size(), 3u);
    EXPECT_EQ(now[2].form, "gone");
    const GlossaryData g = x.glossary();
    EXPECT_EQ(g.forms, (std::vector<std::string>{"tmr", "gone"}));
    EXPECT_EQ(g.interpretations, (std::vector<std::string>{"tomorrow", "elsewhere"}));
    EXPECT_NE(x.caption().find("2 accepted forms"), std::string::npos) << x.caption();

    // The built-in glossary as a starting point: only forms still proposed.
    Lexicon y = sample();
    y.reject("pls");
    EXPECT_EQ(y.mergeGlossary({{"pls", "2moro", "lah", "zzz"}, {"please", "tomorrow", "", "z"}}),
              1u);
    EXPECT_EQ(y.entry(static_cast<std::size_t>(y.find("2moro"))).decision.interpretation,
              "tomorrow");
    EXPECT_EQ(y.entry(static_cast<std::size_t>(y.find("pls"))).decision.status,
              LexStatus::Rejected);
}

} // namespace
} // namespace zapt
