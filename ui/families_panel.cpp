#include "app/main_window_state.h"
#include "ui/form_parts.h"
#include "ui/panels.h"
#include "ui/text_convert.h"
#include "variation/tables.h"

#include <iterator>
#include <string_view>

namespace zapt::ui {

FamiliesPanel::FamiliesPanel(PanelContext context) : Panel(std::move(context)) {
    QWidget* w = form();
    const MainForm& f = form1();
    make_label(w, "Label24", "WORDS AND CONTRACTIONS COMMONLY USED NON-STANDARDLY",
               R(10200, 90, 1680, 810));
    const struct {
        const char* square;
        const char* label;
        const char* caption;
        const QColor* colour;
    } legend[] = {{"Label33", "Label34", "Group", &colour::red},
                  {"Label35", "Label36", "Corpus", &colour::blue},
                  {"Label38", "Label39", "Individ.", &colour::black}};
    for (int i = 0; i < 3; ++i) {
        int y = 150 + i * 270;
        QLabel* square = make_label(w, legend[i].square, "", R(11940, y + 30, 180, 180));
        set_background(square, *legend[i].colour);
        make_label(w, legend[i].label, legend[i].caption, R(12180, y, 1080, 240));
    }
    make_label(w, "Label29",
               "Some results will not be case-sensitive. Also, caution regarding polysemy for some "
               "items is advised.",
               R(10200, 960, 3075, 720));

    // The grid: which family stands where (index into the data file's order).
    // A built-in family stands in its own list's place; a corpus's own family
    // in a place whose built-in family the corpus lacks (family_places).
    const FamilyPlaces places = family_places(state().variantFamilies());
    auto index_of = [&](const char* list) {
        for (std::size_t p = 0; p < std::size(kFamilyNames); ++p) {
            if (std::string_view(kFamilyNames[p].list) == list && places.place[p] >= 0)
                return static_cast<std::size_t>(places.place[p]);
        }
        return f.families.size();
    };
    const char* grid[4][4] = {{"lstUForms", "lstIForms", "lstBack", "LstWeForms"},
                              {"lstWhat", "lstWho", "lstBeen", "lstHow"},
                              {"lstText", "lstTomorrow", "lstHave", "lstThe"},
                              {"lstThWords", "lstToday", "lstIs", "lstOkay"}};
    const int xs[4] = {10200, 11880, 13440, 15000};
    // Headings may use the width up to the next grid column (the second column
    // stops short of the punctuation box).
    const int headingWidth[4] = {1680, 1425, 1545, 1335};
    for (int c = 0; c < 4; ++c) {
        for (int r = 0; r < 4; ++r) {
            std::size_t i = index_of(grid[c][r]);
            if (i >= f.families.size()) continue;
            if (c < 2) {
                // Under the heading and the note; the last family has a taller list.
                buildFamily(i, xs[c], 2040 + r * 1380, r == 3 ? 1170 : 855, headingWidth[c]);
            } else {
                buildFamily(i, xs[c], 360 + r * 1335, 750, headingWidth[c]);
            }
        }
    }

    // Under the columns: which families the lists show, and where the rest are.
    QLabel* familiesNote =
        make_label(w, "lblFamiliesNote", toQ(places.note), R(6480, 8985, 10080, 315));
    familiesNote->setToolTip(toQ(places.tip));
    familiesNote->setVisible(!places.note.empty());

    make_label(w, "Label30", "No. of Texts in Group:", R(10200, 7980, 1950, 270));
    bind(value_box(w, "lblNumOfGroupTexts2", R(12180, 7950, 1035, 285), colour::white,
                   "Total no. of texts for group"),
         &f.lblNumOfGroupTexts2);
    make_label(w, "Label37", "No. of Texts in Corpus:", R(10200, 8310, 1950, 270));
    bind(value_box(w, "lblNumOfCorpusTexts", R(12180, 8280, 1035, 285), colour::white,
                   "Total no. of texts for group"),
         &f.lblNumOfCorpusTexts);

    make_shape(w, "Shape3", R(13320, 5760, 3255, 2895), nullptr);
    QLabel* punc = make_label(w, "Label67", "PUNCTUATION", R(13380, 5820, 3135, 255), 8.25, true);
    punc->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    set_foreground(punc, colour::red);
    QLabel* note =
        make_label(w, "Label40", " Note: the % sign indicates text separation between two texts",
                   R(13380, 6075, 3135, 480), 8.25, true);
    note->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    set_foreground(note, colour::blue);
    ListBox* clusters =
        bindList(make_list(w, "lstClusterPunc", R(13440, 6570, 3015, 1530), colour::white),
                 &f.lstClusterPunc);
    clusters->setFont(dialog_font(8.25, true));
    set_foreground(clusters, colour::red);
    clusters->setToolTip("The \"%\" sign means 'text separator'.");
    // A click on the cluster list only moves its own highlight.
    clusters->onClick = [this](int row) {
        record([row](MainWindowState& e) { e.selectClusterPunc(row); });
    };
    attachTable(
        clusters, [this] { return cluster_table(state()); },
        [this] { return form1().lstClusterPunc.selected; });
    QPushButton* button =
        make_button(w, "cmdClusterPunctuation", "Punctuation", R(14310, 8175, 1275, 390));
    onClick(button, [](MainWindowState& e) { e.cmdClusterPunctuation_Click(); });
}

void FamiliesPanel::buildFamily(std::size_t index, int left, int top, int listHeight,
                                int headingWidth) {
    QWidget* w = form();
    const FamilyState& family = form1().families[index];
    const VariantFamily& data = state().variantFamilies()[index];
    const int width = 1335;
    QLabel* caption = make_label(w, data.captionLabel.c_str(), toQ(data.caption),
                                 R(left, top, headingWidth, 240));
    // A heading too long for one line takes two; the list gives up the room.
    int extra = 0;
    if (caption->fontMetrics().horizontalAdvance(caption->text()) > caption->width()) {
        extra = 180;
        caption->setGeometry(twRect(left, top, headingWidth, 240 + extra));
    } else {
        caption->setWordWrap(false);
    }
    ListBox* list =
        bindList(make_list(w, data.list.c_str(),
                           R(left, top + 240 + extra, width, listHeight - extra), colour::white),
                 &family.list);
    list->onClick = [this, index](int row) {
        run([index, row](MainWindowState& e) { e.selectFamily(index, row); });
    };
    auto counts = [this, index] { return family_counts_table(state(), index); };
    attachTable(caption, counts);
    attachTable(list, counts);
    const struct {
        const char* suffix;
        const std::string* caption;
        const QColor* colour;
        const char* tip;
    } results[] = {{"Individual", &family.Individual, &colour::black, "Individual Results"},
                   {"InGroup", &family.InGroup, &colour::red, "Results in Group"},
                   {"InCorpus", &family.InCorpus, &colour::blue, "Results in Corpus"}};
    for (int i = 0; i < 3; ++i) {
        const std::string name = "lbl" + family.stem + results[i].suffix;
        QLabel* l = value_box(w, name.c_str(), R(left + i * 450, top + 255 + listHeight, 435, 255),
                              colour::white, results[i].tip);
        set_foreground(l, *results[i].colour);
        l->setAlignment(Qt::AlignCenter);
        bind(l, results[i].caption);
        attachTable(l, counts);
    }
}

} // namespace zapt::ui
