// The secondary windows the main window opens, each by its own identifier
// rather than by a string; `window_name` gives the window's control name.
#pragma once

namespace zapt::ui {

enum class WindowId {
    About,        // Form2
    CorpusData,   // Form4
    Help,         // Form5
    MoreHelp,     // Form6
    Facts,        // Form7
    Donate,       // Form8
    Collocations, // Form11
    Compare,      // Form12
    OpenCorpus,   // FormOpenCorpus
    Explore,      // FormExplore
    Lexicon,      // FormLexicon
};

constexpr const char* window_name(WindowId id) {
    switch (id) {
    case WindowId::About:
        return "Form2";
    case WindowId::CorpusData:
        return "Form4";
    case WindowId::Help:
        return "Form5";
    case WindowId::MoreHelp:
        return "Form6";
    case WindowId::Facts:
        return "Form7";
    case WindowId::Donate:
        return "Form8";
    case WindowId::Collocations:
        return "Form11";
    case WindowId::Compare:
        return "Form12";
    case WindowId::OpenCorpus:
        return "FormOpenCorpus";
    case WindowId::Explore:
        return "FormExplore";
    case WindowId::Lexicon:
        return "FormLexicon";
    }
    return "";
}

} // namespace zapt::ui
