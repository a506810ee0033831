// The standard dictionary as the lexicon reads a word list, the keys under
// which spellings meet, and the shipped lists.
#include "corpus/data_files.h"
#include "lexicon/dictionary.h"
#include "lexicon/keys.h"
#include "lexicon/lists.h"

#include <gtest/gtest.h>

namespace zapt {
namespace {

TEST(LexiconDictionary, WordListEntriesCountAsTextingReadsThem) {
    const StandardDictionary d({"a",     "I",   "I'm",    "b",     "u",        "OK",    "TX",
                                "Ur",    "Cu",  "London", "walk",  "stop",     "love",  "see",
                                "happy", "she", "visit",  "quick", "possible", "basic", "chat",
                                "pt",    "hmm", "shes",   "May",   "may",      "mum"},
                               "test");
    const std::pair<const char*, bool> table[] = {
        // single letters other than a and I, acronyms, short capitalised entries
        {"a", true},
        {"i", true},
        {"i'm", true},
        {"b", false},
        {"u", false},
        {"ok", false},
        {"tx", false},
        {"ur", false},
        {"cu", false},
        {"london", true},
        {"pt", false},
        {"hmm", false},
        {"shes", false}, // a shipped texting spelling
        // inflections of standard words
        {"walked", true},
        {"walks", true},
        {"walking", true},
        {"walker", true},
        {"stopped", true},
        {"stopping", true},
        {"stoped", false},
        {"stoping", false},
        {"loved", true},
        {"loving", true},
        {"loveing", false},
        {"seeing", true},
        {"happier", true},
        {"happiest", true},
        {"happily", true},
        {"visited", true},
        {"visiting", true},
        {"quickly", true},
        {"possibly", true},
        {"basically", true},
        {"chatting", true},
        {"chating", false},
        {"mum's", true},
        {"mums", true},
        // closed-class words and names take no endings
        {"shed", false},
        {"londons", false},
        {"hes", false},
        {"may", true},
        {"wot", false},
        {"", false},
    };
    for (const auto& [form, standard] : table)
        EXPECT_EQ(d.is_standard(form), standard) << "'" << form << "'";
    EXPECT_EQ(d.spelling("i'm"), "I'm");
    EXPECT_EQ(d.spelling("i"), "I");     // the pronoun before the letter
    EXPECT_EQ(d.spelling("may"), "may"); // the word before the month
    EXPECT_EQ(d.spelling("zzz"), "zzz");
    EXPECT_TRUE(d.available());

    const StandardDictionary missing = StandardDictionary::load("/nonexistent/words", "none");
    EXPECT_FALSE(missing.available());
    EXPECT_FALSE(missing.is_standard("the"));
}

TEST(LexiconDictionary, SpellingsOfOneWordShareTheirKeys) {
    const struct {
        const char *a, *b;
        bool skeleton, sound, keypad;
    } table[] = {
        {"pls", "please", true, true, false},   {"msg", "message", true, true, false},
        {"txt", "text", true, true, false},     {"nite", "night", false, true, false},
        {"fone", "phone", true, true, false},   {"skool", "school", false, true, false},
        {"wot", "what", false, true, false},    {"luv", "love", true, true, false},
        {"thanx", "thanks", true, true, false}, {"gin", "him", false, false, true},
        {"of", "me", false, false, true},       {"tmr", "tomorrow", false, true, false},
        {"Pls", "please", true, true, false},   {"bout", "but", true, true, false},
    };
    for (const auto& t : table) {
        EXPECT_EQ(consonant_skeleton(t.a) == consonant_skeleton(t.b), t.skeleton)
            << t.a << " " << t.b;
        EXPECT_EQ(sound_key(t.a) == sound_key(t.b), t.sound) << t.a << " " << t.b;
        EXPECT_EQ(keypad_key(t.a) == keypad_key(t.b), t.keypad) << t.a << " " << t.b;
    }
    EXPECT_TRUE(abbreviates("tmr", "tomorrow"));
    EXPECT_FALSE(abbreviates("bout", "but"));
    EXPECT_FALSE(abbreviates("mtr", "tomorrow")); // the first letter stays
    EXPECT_FALSE(abbreviates("", "x"));
    EXPECT_DOUBLE_EQ(spelling_likeness("abc", "abc"), 1.0);
    EXPECT_DOUBLE_EQ(spelling_likeness("tmr", "tomorrow"), 6.0 / 11.0);
    EXPECT_DOUBLE_EQ(spelling_likeness("", "x"), 0.0);
    EXPECT_EQ(keypad_letters('h'), "ghi");
    EXPECT_EQ(keypad_letters('1'), "");
}

TEST(LexiconLists, ShippedListsAreReadAndBrokenLinesNamed) {
    const LexiconLists& l = shipped_lists();
    EXPECT_FALSE(l.rules.empty());
    EXPECT_GT(l.commonWords.size(), 1000u);
    EXPECT_EQ(l.shorthand.at("idk").front(), "I don't know");
    EXPECT_TRUE(l.particles.matches("lah"));
    EXPECT_TRUE(l.particles.matches("hmmmm"));
    EXPECT_TRUE(l.laughter.matches("hahahaha"));
    EXPECT_TRUE(l.laughter.matches("lmao"));
    EXPECT_FALSE(l.laughter.matches("ha")); // one "ha" is a word of its own
    EXPECT_FALSE(l.laughter.matches("hu"));
    EXPECT_EQ(l.otherLanguage.at("makan"), "Malay");
    EXPECT_TRUE(l.functionWords.count("she"));

    const std::pair<const char*, const char*> broken[] = {
        {"lexicon_shorthand.tsv", "lol\n"},
        {"lexicon_shorthand.tsv", "# fine\nlol\t\n"},
        {"lexicon_rules.tsv", "a\tb\tany\t1\n"},
        {"lexicon_rules.tsv", "a\tb\tsomewhere\t1\tp\n"},
        {"lexicon_rules.tsv", "a\tb\tany\tcheap\tp\n"},
        {"lexicon_rules.tsv", "a\ta\tany\t1\tp\n"},
        {"lexicon_rules.tsv", "\tb\tany\t1\tp\n"},
        {"lexicon_particles.txt", "re:(unclosed\n"},
        {"lexicon_other_languages.txt", "makan\n"},
    };
    for (const auto& [file, content] : broken) {
        try {
            parse_lists({{file, content}});
            ADD_FAILURE() << file << ": " << content;
        } catch (const DataError& e) {
            EXPECT_EQ(e.file(), file);
            EXPECT_GE(e.line(), 1);
        }
    }
    const LexiconLists ok =
        parse_lists({{"lexicon_rules.tsv", "# a comment\n\n\th\tstart\t0.8\th dropped\r\n"}});
    ASSERT_EQ(ok.rules.size(), 1u);
    EXPECT_EQ(ok.rules[0].to, "h");
    EXPECT_EQ(ok.rules[0].process, "h dropped");
}

} // namespace
} // namespace zapt
