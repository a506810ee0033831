// The four panels of the main window, from left to right.
#pragma once

#include "ui/panel.h"

#include <QLineEdit>

namespace zapt::ui {

// Column 1: Step 1, the choice of the group and its query; the buttons that
// open the information windows and the comparison of groups.
class GroupPanel : public Panel {
public:
    explicit GroupPanel(PanelContext context);
};

// Column 2: the group averages, Step 2 (the author's codes, the author's
// figures) and the corpus data button.
class AuthorPanel : public Panel {
public:
    explicit AuthorPanel(PanelContext context);

private:
    void buildGroupAverages();
    void buildAuthorLists();
    void buildAuthorFigures();
};

// Column 3: the author's non-standard forms with the glossary, the glossary's
// forms in the corpus, the word search and the punctuation count.
class FormsPanel : public Panel {
public:
    explicit FormsPanel(PanelContext context);
    void refresh() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildAuthorForms();
    void buildCorpusForms();
    void buildSearch();
    void buildPunctuation();

    QLineEdit* txtSearch_ = nullptr;
};

// Column 4: the sixteen variant families with their three counts, the text
// totals and the punctuation clusters.
class FamiliesPanel : public Panel {
public:
    explicit FamiliesPanel(PanelContext context);

private:
    void buildFamily(std::size_t index, int left, int top, int listHeight, int headingWidth);
};

} // namespace zapt::ui
