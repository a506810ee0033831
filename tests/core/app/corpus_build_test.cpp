// A loaded corpus as one immutable object: its parts made once, whichever
// thread asks first; other bands or another lexicon make a new corpus that
// shares the rest; two corpora with their own bands answer at once on two
// threads (run under ThreadSanitizer by the test command).
#include "app/corpus_source.h"
#include "authors/author_index.h"
#include "authors/group_figures.h"
#include "explore/form_index.h"
#include "selection/subcorpus.h"
#include "test_corpus.h"
#include "variation/group_index.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace zapt::testing {
namespace {

DataSet small_data() {
    DataSet d;
    d.authors = {author("001", "Ann", "17", "F"), author("002", "Bo", "19", "M"),
                 author("003", "Cy", "23", "F"), author("004", "Di", "35", "F")};
    d.corpus = {{"Ann", "c u 2moro"}, {"Bo", "bk soon"}, {"Cy", "u ok? bk"}, {"Di", "see you"}};
    d.glossary = small_glossary();
    d.variants = load_builtin_data().variants;
    return d;
}

TEST(CorpusObject, PartsAreMadeOnceWhicheverThreadAsksFirst) {
    const std::shared_ptr<const Corpus> corpus = corpus_of(small_data());
    std::vector<const FormIndex*> seen(4, nullptr);
    std::vector<std::thread> threads;
    for (std::size_t i = 0; i < seen.size(); ++i)
        threads.emplace_back([&, i] { seen[i] = &corpus->forms(); });
    for (std::thread& t : threads) t.join();
    for (const FormIndex* f : seen) EXPECT_EQ(f, &corpus->forms());
    EXPECT_EQ(corpus->forms().totalWords(), 10u);
}

TEST(CorpusObject, OtherBandsOrLexiconMakeANewCorpusSharingTheRest) {
    const std::shared_ptr<const Corpus> corpus = corpus_of(small_data());
    const std::shared_ptr<const Corpus> banded =
        with_bands(*corpus, *AgeBands::parse("16-20,21-30,31-40", nullptr));
    EXPECT_EQ(&banded->store(), &corpus->store());
    EXPECT_EQ(&banded->forms(), &corpus->forms());
    EXPECT_EQ(&banded->authorIndex(), &corpus->authorIndex());
    EXPECT_TRUE(corpus->bands().builtin()); // the first corpus keeps its own
    EXPECT_EQ(banded->bands().size(), 3u);

    CorpusLexicon other =
        make_lexicon(GlossaryData{{"bk"}, {"back"}}, corpus->families(), false, false);
    const std::shared_ptr<const Corpus> glossed = with_lexicon(*corpus, std::move(other));
    EXPECT_EQ(&glossed->store(), &corpus->store());
    EXPECT_EQ(glossed->glossary().forms(), std::vector<std::string>{"bk"});
    // The author index counts the uses of the glossary's forms: made anew.
    EXPECT_NE(&glossed->authorIndex(), &corpus->authorIndex());
    EXPECT_EQ(corpus->glossary().forms(), small_glossary().forms);
}

// Two corpora with bands of their own, their groups worked out on two threads
// at once, give what each gives alone: the bands are no setting of the
// program that one corpus could change under the other.
TEST(CorpusObject, TwoCorporaWithTheirOwnBandsOnTwoThreads) {
    const std::shared_ptr<const Corpus> builtin = corpus_of(small_data());
    const std::shared_ptr<const Corpus> own =
        corpus_of(small_data(), *AgeBands::parse("16-18,19-25,26-40", nullptr));
    auto groups = [](const Corpus& c) {
        std::vector<std::size_t> sizes;
        const GroupIndex index(c.store(), c.authors(), c.bands());
        for (const GroupKey& g : index.groups()) sizes.push_back(index.memberRows(g).size());
        for (AgeBand b : c.bands().bands())
            sizes.push_back(
                group_figures(c.authorIndex(), c.bands(), b, Gender::Female).authors.size());
        return sizes;
    };
    const std::vector<std::size_t> alone1 = groups(*builtin), alone2 = groups(*own);
    // Built-in: Ann <18, Cy 18 to 25, Di 26 to 40 (women); Bo 18 to 25 (men).
    // Own: Ann 16-18, Cy 19-25, Di 26-40; Bo 19-25.
    EXPECT_EQ(alone1.size(), 2 * 5 + 1 + 5);
    EXPECT_EQ(alone2.size(), 2 * 3 + 1 + 3);
    for (int round = 0; round < 3; ++round) {
        std::vector<std::size_t> together1, together2;
        std::thread a([&] { together1 = groups(*builtin); });
        std::thread b([&] { together2 = groups(*own); });
        a.join();
        b.join();
        EXPECT_EQ(together1, alone1);
        EXPECT_EQ(together2, alone2);
    }
}

} // namespace
} // namespace zapt::testing
