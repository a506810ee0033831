// Keys under which spellings of one word meet, for the lexicon's candidates.
// Each works on the ASCII letters of a folded form; other characters are left
// out.
#pragma once

#include <string>
#include <string_view>

namespace zapt {

// The consonant skeleton: the first letter, then the consonants, each run of
// one consonant once, after c/q/ck -> k, ph -> f, x -> ks, z -> s. Vowels
// dropped by texting leave it as it is: "pls" and "please" are both "pls",
// "msg" and "message" both "msg".
std::string consonant_skeleton(std::string_view folded);

// A sound key after the rules of English spelling (silent letters, c before
// e/i/y, ph, gh, sh, ch, th, -ould, -ight...), vowels left out but for a
// first one: spellings that sound alike share it ("nite"/"night",
// "fone"/"phone", "skool"/"school", "wot"/"what").
std::string sound_key(std::string_view folded);

// The keys of a telephone keypad (2 abc ... 9 wxyz): words typed with the
// same keys share it ("gin"/"him", "of"/"me").
std::string keypad_key(std::string_view folded);
// The letters on the key of letter c (lowercase), or "" for another byte.
std::string_view keypad_letters(char c);

// How alike two spellings are, from 0 to 1: twice their longest common
// subsequence of characters over their lengths together.
double spelling_likeness(std::string_view a, std::string_view b);

// Whether `small` is a subsequence of `large` starting with its first letter.
bool abbreviates(std::string_view small, std::string_view large);

} // namespace zapt
