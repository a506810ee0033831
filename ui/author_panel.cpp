#include "ui/form_parts.h"
#include "ui/panels.h"
#include "variation/tables.h"

#include <algorithm>

namespace zapt::ui {

AuthorPanel::AuthorPanel(PanelContext context) : Panel(std::move(context)) {
    buildGroupAverages();
    buildAuthorLists();
    buildAuthorFigures();
    QWidget* w = form();
    const MainForm& f = form1();
    QPushButton* authorData =
        make_button(w, "cmdAuthorData", "Get Author Data", R(2760, 7920, 3375, 510), true);
    set_background(authorData, colour::palePink);
    bindEnabled(authorData, &f.cmdAuthorData);
    onClick(authorData, [](MainWindowState& e) { e.cmdAuthorData_Click(); });

    QPushButton* corpusData =
        make_button(w, "cmdGetCorpusData", "Get Overall Corpus Data", R(2640, 8580, 3615, 315));
    onClick(corpusData, [](MainWindowState& e) { e.cmdGetCorpusData_Click(); });
}

// The six figures of the group in hand.
void AuthorPanel::buildGroupAverages() {
    QWidget* w = form();
    const MainForm& f = form1();
    heading(w, "Label18", "Group averages/totals:", R(2520, 240, 3765, 285));
    const struct {
        const char* caption_name;
        const char* caption;
        const char* value_name;
        const std::string* value;
        const char* tip;
    } rows[] = {
        {"Label41", "No. of texts in Group", "NumOfGroupTexts", &f.NumOfGroupTexts,
         "Total no. of texts for group"},
        {"Label42", "Av. text length in Group", "GroupAvTextLength", &f.GroupAvTextLength,
         "Average text length for group"},
        {"Label44", "Av. no. of characters per text in Group", "GroupAvNumOfCharacters",
         &f.GroupAvNumOfCharacters, "Average number of characters per text for group"},
        {"Label45", "Av. word cluster in Group", "GroupAvWordClusterLength",
         &f.GroupAvWordClusterLength, "Average word/cluster length for this group"},
        {"Label46", "Av. punctuation density in Group", "GroupAvPuncDensity", &f.GroupAvPuncDensity,
         "Average punctuation density for this  group"},
        {"Label48", "Av. Non-Standard Density", "GroupNonStandardFormsDensity",
         &f.GroupNonStandardFormsDensity, "Average non-standard density for group"},
    };
    auto groupTable = [this] { return group_panel_table(state()); };
    int y = 600;
    for (int i = 0; i < 6; ++i) {
        // The long caption of the characters row takes two lines.
        const int height = i == 2 ? 405 : 285;
        QLabel* caption =
            make_label(w, rows[i].caption_name, rows[i].caption, R(2520, y + 15, 2700, height));
        QLabel* value = bind(
            value_box(w, rows[i].value_name, R(5250, y, 1035, 285), colour::white, rows[i].tip),
            rows[i].value);
        attachTable(caption, groupTable);
        attachTable(value, groupTable);
        y += height + 45;
    }
}

// Step 2: the group's author codes, with each author's education beside them.
void AuthorPanel::buildAuthorLists() {
    QWidget* w = form();
    const MainForm& f = form1();
    const QColor& pink = colour::palePink;
    make_shape(w, "Shape2", R(2640, 3000, 3615, 5535), &pink);
    heading(w, "Label4", "Step 2:", R(2760, 3060, 900, 285));
    heading(w, "Label5", "INDIVIDUAL DATA", R(3660, 3060, 2500, 285), colour::red);
    QLabel* intro = make_label(w, "Label6",
                               "Click on an author code in the yellow list. Then click on the 'Get "
                               "Author Data' button .",
                               R(2760, 3390, 3375, 660));
    set_background(intro, pink);

    ListBox* ageTable = bindList(
        make_list(w, "AgeTable", R(2760, 4080, 1560, 1230), colour::paleYellow), &f.AgeTable);
    ageTable->setToolTip("Author Code");
    focusTarget(FocusTarget::AgeTable, ageTable);
    ageTable->onClick = [this](int row) {
        run([row](MainWindowState& e) { e.selectAgeTable(row); });
    };
    // A corpus without any education data says so instead of showing blank rows.
    const std::vector<std::string>& levels = state().authors().educations;
    const bool noEducation =
        !levels.empty() &&
        std::all_of(levels.begin(), levels.end(), [](const std::string& e) { return e.empty(); });
    ListBox* education =
        bindList(make_list(w, "lstEducation", R(4380, 4080, 840, 1230), colour::paleMagenta),
                 &f.lstEducation,
                 noEducation ? std::function<QString(const std::string&)>(
                                   [](const std::string&) { return QString::fromUtf8("\u2013"); })
                             : nullptr);
    education->setToolTip(noEducation
                              ? QString("Education Level: this corpus has no education data")
                              : QString("Education Level: 'G' = Middle School/GCSE certificate; HS "
                                        "= High School Diploma/'A Level'/Bacc; U = University "
                                        "Graduate"));
    // A click on the education list only moves its own highlight.
    education->onClick = [this](int row) {
        record([row](MainWindowState& e) { e.selectEducation(row); });
    };
    // The two lists copy as one table of codes and education codes.
    attachTable(
        ageTable, [this] { return group_authors_table(state()); },
        [this] { return form1().AgeTable.selected; });
    attachTable(
        education, [this] { return group_authors_table(state()); },
        [this] { return form1().lstEducation.selected; });
    // The education list stands row for row beside the codes: whichever of the
    // two is scrolled (wheel, keys, scroll bar), the other follows.
    follow_scrolling(ageTable, education);
}

// The figures of the author chosen.
void AuthorPanel::buildAuthorFigures() {
    QWidget* w = form();
    const MainForm& f = form1();
    const QColor& pink = colour::palePink;
    const struct {
        const char* caption_name;
        const char* caption;
        const char* caption_tip;
        const char* value_name;
        const std::string* value;
        const char* value_tip;
    } author_rows[] = {
        {"Label17", "Total Number of Texts:", "", "lblTextTotal", &f.lblTextTotal, ""},
        {"Label8", "Av. Text Length (words):", "Example of a cluster: toldu2go", "lblAvTextLength",
         &f.lblAvTextLength,
         "A cluster is any string unbroken by spaces, can include punctuation marks"},
        {"Label13", "Av. Text Length (No. of chars):", "", "lblNumOfCharacters",
         &f.lblNumOfCharacters, ""},
        {"Label12", "Average word/cluster length:", "Example of a cluster: toldu2go",
         "lblAvWordClusterLength", &f.lblAvWordClusterLength, ""},
        {"Label9", "Punctuation Density:", "", "lblPuncDensity", &f.lblPuncDensity,
         "Total number of punctuation marks/number of characters"},
        {"Label14", "Non-standard form density:",
         "No. of non standard forms used/total number of words in texts:",
         "lblNonStandardFormDensity", &f.lblNonStandardFormDensity,
         "Number of non-standard uses / total number of words or clusters"},
        {"Label16", "Word Total for this author:", "", "lblTotWords", &f.lblTotWords, ""},
    };
    auto authorTable = [this] { return author_panel_table(state()); };
    int row_top = 5370;
    for (int i = 0; i < 7; ++i) {
        // Three rows have captions of two lines.
        const int height = (i == 2 || i == 3 || i == 5) ? 405 : 270;
        QLabel* c = make_label(w, author_rows[i].caption_name, author_rows[i].caption,
                               R(2700, row_top + 15, 1920, height));
        set_background(c, pink);
        if (*author_rows[i].caption_tip) c->setToolTip(author_rows[i].caption_tip);
        QLabel* value = bind(value_box(w, author_rows[i].value_name, R(4650, row_top, 1560, 270),
                                       pink, author_rows[i].value_tip),
                             author_rows[i].value);
        attachTable(c, authorTable);
        attachTable(value, authorTable);
        row_top += height + 30;
    }
}

} // namespace zapt::ui
