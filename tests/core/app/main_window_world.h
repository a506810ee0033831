// The main window's state over a small corpus made for the test, an Effects
// that records, and the corpus of an exploring test's register and texts: what
// the tests of the main window's state and of the windows' forms build on.
#pragma once

#include "app/corpus_source.h"
#include "app/main_window_state.h"
#include "corpus/data_files.h"
#include "tests/core/explore/explore_test_corpus.h"
#include "tests/core/main_window_state_access.h"
#include "tests/core/test_corpus.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace zapt::testing {

struct RecordingEffects : Effects {
    std::vector<std::string> log;
    void showProgress() override { log.push_back("showProgress"); }
    void closeProgress() override { log.push_back("closeProgress"); }
    void setMainWidth(int twips) override { log.push_back("width " + std::to_string(twips)); }
    void showMessage(const std::string& text) override { log.push_back("message " + text); }
    void setFocus(FocusTarget) override {}
    void showCorpusDataForm() override { log.push_back("showForm4"); }
    void showCollocationsForm() override { log.push_back("showForm11"); }
    int count(const std::string& entry) const {
        int n = 0;
        for (const auto& e : log) n += e == entry;
        return n;
    }
};

// The corpus of an exploring test's register and texts, made as the programs
// make one, with a glossary and a table's author fields (`columns`, and per
// register row one value per column).
inline std::shared_ptr<const Corpus>
corpus_like(const ExploreCorpus& x, GlossaryData glossary, std::vector<std::string> columns = {},
            std::vector<std::vector<std::string>> values = {}) {
    DataSet d;
    d.authors = x.rows;
    for (std::size_t t = 0; t < x.store.texts.size(); ++t)
        d.corpus.push_back({std::string(x.store.textNames[t]), std::string(x.store.texts[t])});
    d.glossary = std::move(glossary);
    d.metadataColumns = std::move(columns);
    d.authorMetadata = std::move(values);
    return corpus_of(std::move(d));
}

// A main window state over the given register and corpus, with the built-in variant
// families and the small glossary.
struct World {
    RecordingEffects effects;
    std::unique_ptr<MainWindowState> app;

    World(std::vector<RegisterRow> authors, std::vector<CorpusRow> corpus,
          GlossaryData glossary = small_glossary()) {
        app = std::make_unique<MainWindowState>(
            small_corpus(std::move(authors), std::move(corpus), std::move(glossary)), effects);
    }
    MainWindowState& operator*() { return *app; }
    MainWindowState* operator->() { return app.get(); }

    // Chooses a band and gender and fetches the group.
    void fetch(AgeBand band, Gender gender) {
        app->ageOption_Click(band);
        app->genderOption_Click(gender);
        app->cmdAgeAndGender_Click();
    }
    const FamilyState& family(const std::string& stem) {
        for (auto& f : app->form1().families) {
            if (f.stem == stem) return f;
        }
        throw std::runtime_error("no family " + stem);
    }
    std::size_t family_index(const std::string& stem) {
        for (std::size_t i = 0; i < app->form1().families.size(); ++i) {
            if (app->form1().families[i].stem == stem) return i;
        }
        throw std::runtime_error("no family " + stem);
    }
    int row_of(const ListBox& list, const std::string& item) {
        for (int i = 0; i < list.count(); ++i) {
            if (list.items[static_cast<std::size_t>(i)] == item) return i;
        }
        return -1;
    }
};

} // namespace zapt::testing
