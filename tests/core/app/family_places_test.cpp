// Where the main window shows a corpus's variant families: the built-in ones
// in their own lists, the corpus's own in the places left free, and whatever
// finds no place named in the window, never left out unsaid.
#include "app/main_window_state.h"
#include "corpus/table_reader.h"

#include <gtest/gtest.h>

namespace zapt::testing {
namespace {

VariantFamily builtin(std::size_t place) {
    return {
        kFamilyNames[place].list, kFamilyNames[place].stem, "", kFamilyNames[place].stem, {"x"}};
}

VariantFamily own(const std::string& stem) {
    return {"lst" + stem, stem, "lbl" + stem, stem, {"x"}};
}

TEST(FamilyPlaces, BuiltInListsFirstOwnFamiliesInTheFreePlacesTheRestNamed) {
    std::vector<VariantFamily> all16;
    for (std::size_t p = 0; p < 16; ++p) all16.push_back(builtin(p));
    // The sixteen, but the last ("lstUForms") missing.
    std::vector<VariantFamily> but_you(all16.begin(), all16.end() - 1);

    const struct {
        const char* what;
        std::vector<VariantFamily> families;
        // Expected family index per place (-1 empty), as {place, family} pairs
        // for the places that are not simply "built-in p is family p".
        std::vector<std::pair<int, int>> places;
        std::vector<std::size_t> elsewhere;
        std::string note;
        std::string tip;
    } cases[] = {
        {"the built-in sixteen", all16, {}, {}, "", ""},
        {"the sixteen, their data in another order",
         {all16[5], all16[0], all16[1], all16[2], all16[3], all16[4], all16[6], all16[7], all16[8],
          all16[9], all16[10], all16[11], all16[12], all16[13], all16[14], all16[15]},
         {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 0}},
         {},
         "",
         ""},
        {"own families beside 'back'",
         {own("Tonight"), builtin(5), own("Laugh")},
         {{0, 0}, {1, 2}, {5, 1}},
         {},
         "The lists show all 3 of the corpus's families.",
         "In the places of the built-in lists: Tonight, Laugh."},
        {"two more than sixteen",
         [&] {
             auto f = all16;
             f.push_back(own("Tonight"));
             f.push_back(own("Laugh"));
             return f;
         }(),
         {},
         {16, 17},
         "The lists show 16 of the corpus's 18 families; 2 more families in Compare groups...",
         "Compared in Compare groups... only: Tonight, Laugh."},
        {"one free place for two",
         [&] {
             auto f = but_you;
             f.push_back(own("Tonight"));
             f.push_back(own("Laugh"));
             return f;
         }(),
         {{15, 15}},
         {16},
         "The lists show 16 of the corpus's 17 families; 1 more family in Compare groups...",
         "In the places of the built-in lists: Tonight.\nCompared in Compare groups... only: "
         "Laugh."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const FamilyPlaces got = family_places(c.families);
        for (int p = 0; p < 16; ++p) {
            int want = p < static_cast<int>(c.families.size()) &&
                               c.families[static_cast<std::size_t>(p)].list == kFamilyNames[p].list
                           ? p
                           : -1;
            for (const auto& [place, family] : c.places) {
                if (place == p) want = family;
            }
            EXPECT_EQ(got.place[static_cast<std::size_t>(p)], want) << "place " << p;
        }
        EXPECT_EQ(got.elsewhere, c.elsewhere);
        EXPECT_EQ(got.note, c.note);
        EXPECT_EQ(got.tip, c.tip);
        // Every family is either in exactly one place or named as elsewhere.
        std::vector<int> seen(c.families.size(), 0);
        for (int i : got.place) {
            if (i >= 0) ++seen[static_cast<std::size_t>(i)];
        }
        for (std::size_t i : got.elsewhere) ++seen[i];
        for (std::size_t i = 0; i < seen.size(); ++i) EXPECT_EQ(seen[i], 1) << "family " << i;
    }
}

// A families table read as Open corpus reads it: a family named after a
// built-in stem takes that list, the rest their own names.
TEST(FamilyPlaces, AFamiliesTableOfOwnNames) {
    const auto families = read_families_csv(
        "families.csv", "family,form\nYou,u\nYou,ya\nTonight,2nite\nLaugh,lol\nBack,bk\n");
    const FamilyPlaces got = family_places(families);
    ASSERT_EQ(families.size(), 4u);
    EXPECT_EQ(got.place[15], 0); // "You" in lstUForms
    EXPECT_EQ(got.place[5], 3);  // "Back" in lstBack
    EXPECT_EQ(got.place[0], 1);  // "Tonight" in the first free place
    EXPECT_EQ(got.place[1], 2);
    EXPECT_TRUE(got.elsewhere.empty());
    EXPECT_EQ(got.note, "The lists show all 4 of the corpus's families.");
}

} // namespace
} // namespace zapt::testing
