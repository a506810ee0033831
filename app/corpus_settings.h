// What the program keeps of each corpus between sessions: how it was opened
// (the age bands, the column mapping, the encoding, the text and author fields,
// the glossary and variant families in force) and the Explore window's
// subcorpora. One small JSON file in the user's configuration folder
// ($XDG_CONFIG_HOME/zapt/corpora.json, or ~/.config/zapt/corpora.json) holds
// every corpus's settings, keyed by the corpus's absolute path; nothing is
// written beside a corpus. "Open corpus..." offers a corpus's settings again
// when it is chosen, and the Explore window's subcorpora come back when the
// program starts on it. The command line itself never takes settings from the
// file: what it says is what the program reads.
#pragma once

#include "app/corpus_source.h"

#include <optional>
#include <string>
#include <vector>

namespace zapt {

// A subcorpus as the user wrote it: its name and conditions ("age=16-25;
// gender=F"), read again when it comes back.
struct KeptSubcorpus {
    std::string name;
    std::string conditions;
    friend bool operator==(const KeptSubcorpus&, const KeptSubcorpus&) = default;
};

struct CorpusSettings {
    // The corpus (its path) and how it is opened. The progress callback is
    // never kept.
    CorpusOptions options;
    std::vector<KeptSubcorpus> subcorpora;
};

class SettingsStore {
public:
    // The store in `folder` (made when first written).
    explicit SettingsStore(std::string folder) : folder_(std::move(folder)) {}

    // The user's configuration folder for the program: $XDG_CONFIG_HOME/zapt,
    // or $HOME/.config/zapt; empty when neither variable is set.
    static std::string default_folder();

    const std::string& folder() const { return folder_; }
    // The file: corpora.json in the folder.
    std::string file() const;

    // The key of a corpus: its absolute path with symbolic links followed, or
    // "built-in" for the built-in corpus (an empty path).
    static std::string key(const std::string& corpusPath);

    // The settings kept for the corpus at `corpusPath`; nothing when none are
    // kept or the file cannot be read (then `error` says why).
    std::optional<CorpusSettings> load(const std::string& corpusPath,
                                       std::string* error = nullptr) const;

    // Keeps how the corpus of `settings.options.path` is opened, and its
    // subcorpora; the glossary's and families' paths are kept absolute. Other
    // corpora's settings stay as they are. A file that cannot be read as
    // settings is left alone: false, with `error` saying why.
    bool save(const CorpusSettings& settings, std::string* error = nullptr) const;

    // Keeps how the corpus is opened, and its subcorpora as they were.
    bool saveOptions(const CorpusOptions& options, std::string* error = nullptr) const;

private:
    std::string folder_;
};

} // namespace zapt
