// The proposals of the lexicon over a small corpus with known forms of every
// kind: what each form is taken for, and the candidates of the variants.
#include "lexicon/evaluation.h"
#include "lexicon/lexicon_test_corpus.h"
#include "lexicon/proposal.h"

#include <gtest/gtest.h>

#include <map>

namespace zapt {
namespace {

using testing::lexicon_corpus;
using testing::small_dictionary;

TEST(LexiconProposals, EachFormGetsItsKindAndVariantsTheirWord) {
    const auto corpus = lexicon_corpus();
    const StandardDictionary dictionary = small_dictionary();
    Proposer proposer(*corpus, dictionary, &corpus.store);
    struct Expect {
        const char* form;
        LexKind kind;
        const char* first; // the first candidate of a variant
    };
    const Expect table[] = {
        {"tmr", LexKind::Variant, "tomorrow"},  {"2moro", LexKind::Variant, "tomorrow"},
        {"pls", LexKind::Variant, "please"},    {"dont", LexKind::Variant, "don't"},
        {"goin", LexKind::Variant, "going"},    {"l8r", LexKind::Variant, "later"},
        {"sooo", LexKind::Variant, "so"},       {"c", LexKind::Variant, "see"},
        {"u", LexKind::Variant, "you"},         {"2", LexKind::Variant, "to"},
        {"lol", LexKind::Laughter, ""},         {"hahaha", LexKind::Laughter, ""},
        {"hehe", LexKind::Laughter, ""},        {"lah", LexKind::Particle, ""},
        {"hmm", LexKind::Particle, ""},         {"jezza", LexKind::Name, ""},
        {"5pm", LexKind::Number, ""},           {"10pm", LexKind::Number, ""},
        {"<#>", LexKind::Placeholder, ""},      {":d", LexKind::Emoticon, ""},
        {"привет", LexKind::OtherLanguage, ""}, {"zxqvw", LexKind::Unresolved, ""},
    };
    for (const Expect& e : table) {
        const Proposal p = proposer.propose(e.form);
        EXPECT_EQ(kind_name(p.kind), std::string(kind_name(e.kind))) << e.form << ": " << p.reason;
        if (e.kind == LexKind::Variant) {
            ASSERT_FALSE(p.candidates.empty()) << e.form;
            EXPECT_EQ(p.candidates.front().text, e.first) << e.form;
            EXPECT_LE(p.candidates.size(), 5u);
            for (std::size_t k = 1; k < p.candidates.size(); ++k)
                EXPECT_GE(p.candidates[k - 1].score, p.candidates[k].score) << e.form;
            for (const Candidate& c : p.candidates) {
                EXPECT_GT(c.score, 0) << e.form;
                EXPECT_LT(c.score, 1) << e.form;
            }
        } else if (e.kind != LexKind::Unresolved && e.kind != LexKind::Name) {
            // Never given an English word.
            EXPECT_TRUE(p.candidates.empty()) << e.form;
        }
    }
}

TEST(LexiconProposals, ListsTheFormsOutsideTheDictionarySeenOftenEnough) {
    const auto corpus = lexicon_corpus();
    const StandardDictionary dictionary = small_dictionary();
    Proposer proposer(*corpus, dictionary, &corpus.store);
    const std::vector<Proposal> all = proposer.propose_all();
    std::map<std::string, const Proposal*> by;
    for (const Proposal& p : all) by[p.form] = &p;
    // Standard words are not proposed; forms seen once are not either.
    for (const char* standard : {"the", "party", "home", "you", "see", "i"})
        EXPECT_EQ(by.count(standard), 0u) << standard;
    EXPECT_EQ(by.count("tmr"), 1u);
    EXPECT_EQ(by.count("l8r"), 0u); // seen once
    for (std::size_t i = 1; i < all.size(); ++i) EXPECT_GE(all[i - 1].count, all[i].count);
    ASSERT_EQ(by.count("2moro"), 1u);
    EXPECT_EQ(by["2moro"]->count, 2u);
    EXPECT_EQ(by["2moro"]->authors, 2u);
    EXPECT_EQ(by["2moro"]->shown, "2moro");

    ProposalSettings once;
    once.minCount = 1;
    bool found = false;
    for (const Proposal& p : proposer.propose_all(once)) found = found || p.form == "l8r";
    EXPECT_TRUE(found);

    // A threshold above every score leaves every variant unresolved, and says so.
    ProposalSettings strict;
    strict.threshold = 1.0;
    const Proposal p = proposer.propose("goin", strict);
    EXPECT_EQ(p.kind, LexKind::Unresolved);
    EXPECT_NE(p.reason.find("1.00"), std::string::npos) << p.reason;
}

TEST(LexiconProposals, NoParticleLaughterOrNameIsGivenAnEnglishWord) {
    const auto corpus = lexicon_corpus();
    const StandardDictionary dictionary = small_dictionary();
    Proposer proposer(*corpus, dictionary, &corpus.store);
    for (const Proposal& p : proposer.propose_all()) {
        if (p.kind == LexKind::Particle || p.kind == LexKind::Laughter ||
            p.kind == LexKind::Emoticon || p.kind == LexKind::Number ||
            p.kind == LexKind::Placeholder) {
            EXPECT_TRUE(p.candidates.empty()) << p.form;
        }
        EXPECT_FALSE(p.form == "lah" && p.kind == LexKind::Variant);
        EXPECT_FALSE(p.form == "jezza" && p.kind == LexKind::Variant);
    }
}

TEST(LexiconProposals, WithoutTheTextsAsWrittenOnlySignsAreEmoticons) {
    const auto corpus = lexicon_corpus();
    const StandardDictionary dictionary = small_dictionary();
    Proposer proposer(*corpus, dictionary); // no store: ":D" is only "D"
    EXPECT_NE(proposer.propose("d").kind, LexKind::Emoticon);
    EXPECT_EQ(proposer.propose("<3").kind, LexKind::Emoticon);
    EXPECT_EQ(proposer.propose("&").kind, LexKind::Variant); // shorthand for "and"
}

// The emoticons are those of the exploring tools' list, the one the form index
// reads: a form it made whole is an emoticon. An index made without emoticons
// has only their remnants ("D" of ":D"); those count as emoticons when most of
// their uses stand in an emoticon of the texts as written.
TEST(LexiconProposals, EmoticonsAreThoseOfTheFormIndexList) {
    const std::vector<RegisterRow> rows = {testing::writer("001", "Ann"),
                                           testing::writer("002", "Bob")};
    const std::vector<CorpusRow> texts = {
        {"Ann", "c u l8r :D"},          {"Ann", "ok:P see u xD"},
        {"Bob", "miss u :D xx"},        {"Bob", "ha :P :P <3"},
        {"Ann", "vitamin D and P"},     {"Bob", "more :D :D xoxo"},
        {"Ann", "type 8) or 8) again"}, {"Bob", "xx"}};
    const CorpusStore store = build_corpus_store(texts, rows);
    const AuthorRegister authors = build_author_register(rows);
    const StandardDictionary dictionary = testing::small_dictionary();

    const FormIndex whole(store, authors); // the built-in list
    Proposer withList(whole, dictionary, &store);
    struct Expect {
        const char* form;
        bool emoticon;
    };
    const Expect listed[] = {{":D", true}, {":p", true}, {"<3", true}, {"xx", true}, {"8", false}};
    for (const Expect& e : listed) {
        const Proposal p = withList.propose(e.form);
        EXPECT_EQ(p.kind == LexKind::Emoticon, e.emoticon) << e.form << ": " << p.reason;
        if (e.emoticon) {
            EXPECT_TRUE(p.candidates.empty()) << e.form;
        }
    }
    EXPECT_NE(withList.propose(":D").reason.find("built-in list"), std::string::npos);
    // ":D" is a piece of its own: the only "d" left is the letter of "vitamin D".
    ASSERT_GE(whole.find("d"), 0);
    EXPECT_EQ(whole.total(static_cast<std::uint32_t>(whole.find("d"))).count, 1u);

    // A list of the user's own: "8)" is an emoticon, named by its list.
    std::string error;
    const std::optional<EmoticonList> own = EmoticonList::parse("8)\n:D\n", "my list", &error);
    ASSERT_TRUE(own) << error;
    const FormIndex ownIndex(store, authors, *own);
    Proposer withOwn(ownIndex, dictionary, &store);
    const Proposal eight = withOwn.propose("8)");
    EXPECT_EQ(eight.kind, LexKind::Emoticon) << eight.reason;
    EXPECT_NE(eight.reason.find("my list"), std::string::npos) << eight.reason;

    // Without emoticons in the index: "d" stands in ":D" four times of five,
    // "p" in ":P" three times of four (the "P" of "vitamin D and P" the
    // fifth and fourth): both emoticons, by the texts as written.
    const FormIndex plain(store, authors, EmoticonList());
    Proposer remnants(plain, dictionary, &store);
    for (const char* form : {"d", "p"}) {
        const Proposal p = remnants.propose(form);
        EXPECT_EQ(p.kind, LexKind::Emoticon) << form << ": " << p.reason;
        EXPECT_NE(p.reason.find("within emoticons"), std::string::npos) << p.reason;
    }
    // Without the texts as written, the remnants are not known for what they are.
    Proposer blind(plain, dictionary);
    EXPECT_NE(blind.propose("d").kind, LexKind::Emoticon);
}

TEST(LexiconProposals, GlossaryInterpretationsSplitIntoAlternatives) {
    const std::pair<const char*, std::vector<std::string>> table[] = {
        {"for, four", {"for", "four"}},
        {"honest (typo)", {"honest"}},
        {"ends, i.e. neighbourhood", {"ends", "neighbourhood"}},
        {"don\xE2\x80\x99t", {"don't"}},
        {"\xE2\x80\x98hi\xE2\x80\x99, \xE2\x80\x98hiya\xE2\x80\x99", {"hi", "hiya"}},
        {"okay! okay!", {"okay! okay"}},
        {"there; their", {"there", "their"}},
        {"", {}},
    };
    for (const auto& [text, want] : table)
        EXPECT_EQ(interpretation_alternatives(text), want) << text;
}

TEST(LexiconProposals, EvaluationCountsTheRankOfTheRightCandidate) {
    const auto corpus = lexicon_corpus();
    const StandardDictionary dictionary = small_dictionary();
    Proposer proposer(*corpus, dictionary, &corpus.store);
    GlossaryData g{{"tmr", "goin", "lah", "zxqvw", "nothing"},
                   {"tomorrow", "going, gone", "a particle", "", "x"}};
    const Evaluation e = evaluate_proposals(proposer, g);
    EXPECT_EQ(e.glossaryRows, 5u);
    ASSERT_EQ(e.rows.size(), 4u); // the row without an interpretation is left out
    EXPECT_EQ(e.rows[0].rank, 1);
    EXPECT_EQ(e.rows[1].rank, 1);
    EXPECT_EQ(e.rows[2].rank, 0); // a particle has no candidate
    EXPECT_EQ(e.first, 2u);
    EXPECT_EQ(e.firstFive, 2u);
    EXPECT_EQ(e.listed, 2u); // tmr and goin: variants seen twice outside the dictionary
}

} // namespace
} // namespace zapt
