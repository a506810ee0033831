// A small corpus of messages with known non-standard forms of every kind, and
// a small standard dictionary, for the lexicon's tests.
#pragma once

#include "explore/explore_test_corpus.h"
#include "lexicon/dictionary.h"

#include <string>
#include <vector>

namespace zapt::testing {

// Words of a standard word list (as Debian's lists write them: names
// capitalised, acronyms in capitals, single letters).
inline std::vector<std::string> small_word_list() {
    return {"a",      "I",     "b",       "c",      "u",      "r",       "OK",       "Ur",
            "at",     "be",    "you",     "see",    "the",    "to",      "for",      "so",
            "and",    "are",   "will",    "is",     "it",     "in",      "on",       "me",
            "my",     "we",    "going",   "go",     "night",  "tonight", "tomorrow", "please",
            "don't",  "can't", "I'm",     "text",   "later",  "great",   "love",     "what",
            "think",  "thing", "that",    "this",   "with",   "home",    "good",     "come",
            "coming", "party", "there",   "here",   "back",   "call",    "now",      "yes",
            "no",     "not",   "time",    "bus",    "dinner", "London",  "Monday",   "walk",
            "stop",   "love",  "happy",   "big",    "she",    "he",      "chat",     "lot",
            "bit",    "about", "message", "people", "later",  "wait"};
}

inline StandardDictionary small_dictionary() {
    return StandardDictionary(small_word_list(), "test");
}

// Five writers; every form below is used at least twice.
inline ExploreCorpus lexicon_corpus() {
    return ExploreCorpus({writer("001", "Ann"), writer("002", "Bob"), writer("003", "Cat"),
                          writer("004", "Dev"), writer("005", "Eve")},
                         {{"Ann", "c u tmr at the party lol"},
                          {"Ann", "pls text me l8r hahaha"},
                          {"Ann", "i dont think so lah"},
                          {"Bob", "goin home now hmm"},
                          {"Bob", "c u 2moro with Jezza :D"},
                          {"Bob", "call me tmr pls"},
                          {"Cat", "dont wait for me lah"},
                          {"Cat", "goin to the party with Jezza tonight hehe"},
                          {"Cat", "see you 2moro <#> :D"},
                          {"Dev", "bus at 5pm or 10pm <#>"},
                          {"Dev", "hmm what about 5pm hahaha"},
                          {"Dev", "zxqvw zxqvw"},
                          {"Eve", "привет привет you"},
                          {"Eve", "it is sooo good lol"},
                          {"Eve", "sooo happy 2 see u"},
                          {"Eve", "Jezza is coming 2 the party"},
                          {"Ann", "go 2 bed now"},
                          {"Bob", "me 2 lah"}});
}

} // namespace zapt::testing
