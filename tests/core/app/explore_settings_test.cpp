// The Explore window's subcorpora kept between sessions: each change of the
// list reported, the list of an earlier session read again, what cannot be
// read now left out with why; a text field named for what it is.
#include "app/explore_form.h"
#include "tests/core/app/main_window_world.h"
#include "tests/core/explore/explore_test_corpus.h"

#include <gtest/gtest.h>

namespace zapt {
namespace {

using testing::ExploreCorpus;
using testing::writer;

struct Window {
    ExploreCorpus corpus{
        {writer("01", "Ann Lee", "17", "F"), writer("02", "Bo Ray", "19", "M"),
         writer("03", "Cy Day", "40", "F", "G")},
        {{"Ann Lee", "c u 2moro x"}, {"Bo Ray", "c u l8r m8"}, {"Cy Day", "see you tomorrow"}}};
    Glossary glossary{GlossaryData{{"u"}, {"you"}}};
    std::vector<std::string> columns{"town"};
    std::vector<std::vector<std::string>> towns{{"Leeds"}, {"York"}, {"Leeds"}};
    std::shared_ptr<const Corpus> made =
        testing::corpus_like(corpus, glossary.data(), columns, towns);
    ExploreForm form{*made, "/nonexistent/words"};
};

using Kept = std::vector<std::pair<std::string, std::string>>;

TEST(ExploreSettings, SubcorporaComeBackInTheNextSession) {
    Window first;
    int changes = 0;
    first.form.subcorporaChanged = [&] { ++changes; };
    for (const auto& [name, conditions] : Kept{{"young", "age=16-25"},
                                               {"Leeds women", "town = Leeds\ngender=F"},
                                               {"nobody", "gender=X"}}) {
        first.form.txtName_Change(name);
        first.form.txtConditions_Change(conditions);
        first.form.cmdDefine_Click();
    }
    EXPECT_EQ(changes, 2); // the one that cannot be read changes nothing
    first.form.selectSubcorpus(1);
    first.form.cmdDelete_Click();
    EXPECT_EQ(changes, 3);
    first.form.txtName_Change("young");
    first.form.txtConditions_Change("age=16-19");
    first.form.cmdDefine_Click();
    EXPECT_EQ(changes, 4);
    const Kept kept = first.form.keptSubcorpora();
    EXPECT_EQ(kept, (Kept{{"Leeds women", "town=Leeds; gender=F"}, {"young", "age=16-19"}}));

    Window next;
    next.form.subcorporaChanged = [&] { ++changes; };
    next.form.restoreSubcorpora(kept);
    EXPECT_EQ(changes, 4); // coming back is no change
    EXPECT_EQ(next.form.keptSubcorpora(), kept);
    const auto& rows = next.form.subcorpora().table.rows;
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1][2], "2"); // Ann and Cy
    EXPECT_EQ(rows[2][2], "2"); // Ann and Bo
    EXPECT_EQ(next.form.subcorpora().status, "2 subcorpora of the last session back");
}

TEST(ExploreSettings, WhatCannotBeReadNowIsLeftOutWithWhy) {
    Window w;
    w.form.restoreSubcorpora({{"by region", "region=North"},
                              {"", "age=17"},
                              {"whole corpus", "age=17"},
                              {"none", ""},
                              {"teens", "age=13-19"},
                              {"TEENS", "age=17"}});
    EXPECT_EQ(w.form.keptSubcorpora(), (Kept{{"TEENS", "age=17"}})); // one name, the later
    const std::string& status = w.form.subcorpora().status;
    EXPECT_EQ(status.rfind("1 subcorpus of the last session back; \"by region\" left out: "
                           "unknown field \"region\"",
                           0),
              0u)
        << status;
    for (const char* said :
         {"\"\" left out", "\"whole corpus\" left out", "\"none\" left out: no condition"})
        EXPECT_NE(status.find(said), std::string::npos) << said << " in " << status;
    // Nothing kept: the status line stays.
    Window fresh;
    const std::string before = fresh.form.subcorpora().status;
    fresh.form.restoreSubcorpora({});
    EXPECT_EQ(fresh.form.subcorpora().status, before);
}

TEST(ExploreSettings, ATextFieldIsNamedForWhatItIs) {
    // A corpus that knows the text field's name but not each text's value.
    DataSet d;
    d.authors = {writer("01", "Ann Lee", "17", "F")};
    d.corpus = {{"Ann Lee", "c u 2moro x"}};
    d.textColumns = {"sent at"};
    const std::shared_ptr<const Corpus> corpus = corpus_of(std::move(d));
    ExploreForm form{*corpus, "/nonexistent/words"};
    form.txtName_Change("mornings");
    form.txtConditions_Change("Sent_At=9:00");
    form.cmdDefine_Click();
    EXPECT_NE(form.subcorpora().status.find("\"Sent_At\" is a text field"), std::string::npos)
        << form.subcorpora().status;
    EXPECT_EQ(form.subcorpora().list.size(), 1u);
}

} // namespace
} // namespace zapt
