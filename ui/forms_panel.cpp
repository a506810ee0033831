#include "ui/form_parts.h"
#include "ui/panels.h"
#include "ui/text_convert.h"
#include "variation/tables.h"

#include <QKeyEvent>

namespace zapt::ui {

FormsPanel::FormsPanel(PanelContext context) : Panel(std::move(context)) {
    buildAuthorForms();
    buildCorpusForms();
    buildSearch();
    buildPunctuation();
}

// The author's non-standard forms, the interpretation of the one selected and
// its counts in the corpus.
void FormsPanel::buildAuthorForms() {
    QWidget* w = form();
    const MainForm& f = form1();
    heading(w, "Label7", "NON-STANDARD FORMS", R(6960, 240, 3015, 285));
    make_label(w, "Label11",
               "The author has used the non-standard forms seen in the white-coloured list below. "
               "Click on any item in the list for an interpretation:",
               R(6960, 555, 3015, 840));
    ListBox* uses =
        bindList(make_list(w, "lstNonStandards", R(6960, 1425, 1110, 1395), colour::paleCyan),
                 &f.lstNonStandards);
    focusTarget(FocusTarget::lstNonStandards, uses);
    uses->onClick = [this](int row) {
        run([row](MainWindowState& e) { e.selectNonStandards(row); });
    };
    attachTable(
        uses, [this] { return non_standards_table(state()); },
        [this] { return form1().lstNonStandards.selected; });
    make_label(w, "Label10", "Form:", R(8130, 1425, 1845, 240));
    bind(make_value_label(w, "lblForm", "", R(8130, 1665, 1845, 285)), &f.lblForm);
    make_label(w, "Label15", "Interpretation:", R(8130, 2010, 1845, 240));
    QLabel* interpretation =
        bind(make_value_label(w, "lblInterpretation", "", R(8130, 2250, 1845, 570)),
             &f.lblInterpretation);
    interpretation->setWordWrap(true);
    interpretation->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    make_label(w, "Label21",
               "Number of Instances of selected word in corpus:", R(6960, 2880, 2160, 405));
    bind(value_box(w, "lblInstancesOfSearchWord", R(9180, 2940, 795, 270), colour::white),
         &f.lblInstancesOfSearchWord);
    make_label(w, "Label19", "Number of Words in Corpus:", R(6960, 3315, 2160, 255));
    bind(value_box(w, "lblWordTotal", R(9180, 3285, 795, 270), colour::white), &f.lblWordTotal);
}

// The glossary's forms found in the corpus, the count of the one selected and
// the search for its collocations.
void FormsPanel::buildCorpusForms() {
    QWidget* w = form();
    const MainForm& f = form1();
    make_label(w, "Label20", "Non-standard forms in corpus:", R(6480, 3690, 3495, 240));
    ListBox* forms =
        bindList(make_list(w, "lstNonStandardForms", R(6480, 3945, 3495, 1050), colour::lightGrey),
                 &f.lstNonStandardForms);
    forms->onClick = [this](int row) {
        run([row](MainWindowState& e) { e.selectNonStandardForms(row); });
    };
    attachTable(
        forms, [this] { return glossary_table(state()); },
        [this] { return form1().lstNonStandardForms.selected; });
    make_label(w, "Label22",
               "Number of Instances of selected word in corpus:", R(6480, 5040, 2640, 405));
    bind(value_box(w, "lblCorpusTotal", R(9180, 5085, 795, 285), colour::white), &f.lblCorpusTotal);
    auto* colls = new WrapButton("Select item from list and search for collocations (unsorted)", w);
    colls->setObjectName("cmdColls");
    colls->setFont(dialog_font());
    colls->setGeometry(twRect(6480, 5475, 3495, 540));
    onClick(colls, [](MainWindowState& e) { e.cmdColls_Click(); });
}

// The word search in the group and in the corpus, with its two counts.
void FormsPanel::buildSearch() {
    QWidget* w = form();
    const MainForm& f = form1();
    txtSearch_ = new QLineEdit(toQ(f.txtSearch), w);
    txtSearch_->setObjectName("txtSearch");
    txtSearch_->setFont(dialog_font());
    txtSearch_->setGeometry(twRect(6480, 6180, 1020, 345));
    set_background(txtSearch_, colour::paleGreen);
    txtSearch_->installEventFilter(this);
    connect(txtSearch_, &QLineEdit::textChanged, this, [this](const QString& text) {
        record([t = fromQ(text)](MainWindowState& e) { e.txtSearch_Change(t); });
    });
    QPushButton* searchGroup =
        make_button(w, "cmdSearchGroup", "Search Group", R(7545, 6180, 1140, 345));
    bindEnabled(searchGroup, &f.cmdSearchGroup);
    onClick(searchGroup, [](MainWindowState& e) { e.cmdSearchGroup_Click(); });
    QPushButton* search = make_button(w, "cmdSearch", "Search Corpus", R(8730, 6180, 1245, 345));
    bindEnabled(search, &f.cmdSearch);
    onClick(search, [](MainWindowState& e) { e.cmdSearch_Click(); });
    make_label(w, "Label25", "No. of instances in group:", R(6480, 6645, 2250, 270));
    bind(value_box(w, "lblInstInGroup", R(8760, 6630, 1215, 270), colour::white),
         &f.lblInstInGroup);
    make_label(w, "Label23", "No. of instances in corpus:", R(6480, 7005, 2250, 270));
    bind(value_box(w, "lblInstInCorpus", R(8760, 6990, 1215, 270), colour::white),
         &f.lblInstInCorpus);
}

// The punctuation count: one option per kind of mark, the button and the count.
void FormsPanel::buildPunctuation() {
    QWidget* w = form();
    const MainForm& f = form1();
    QGroupBox* frame = make_frame(w, "Frame3", R(6480, 7500, 2460, 1215), nullptr);
    auto* group = new QButtonGroup(this);
    const struct {
        const char* name;
        const char* caption;
        const char* tip;
        PuncOption option;
    } options[] = {
        {"optStops", "Stops", "Stops", PuncOption::Stops},
        {"optCommas", "Commas", "Commas", PuncOption::Commas},
        {"optQM", "?", "Question Marks", PuncOption::QuestionMarks},
        {"optExc", "!", "Exclamation Marks", PuncOption::ExclamationMarks},
        {"optSlash", "/", "Slashes", PuncOption::Slashes},
        {"optBrackets", "( )", "Brackets", PuncOption::Brackets},
        {"optSemiColon", ";", "Semi-colons", PuncOption::SemiColons},
        {"optColon", ":", "Colons", PuncOption::Colons},
        {"optSpacePlusStop", "#.", "Space + Stop", PuncOption::SpacePlusStop},
        {"optSpacePlusComma", "#,", "Space + Comma", PuncOption::SpacePlusComma},
    };
    // Three columns: the worded kinds, then the single marks.
    const QRect places[] = {R(90, 75, 1080, 255),   R(90, 345, 1080, 255),  R(1200, 75, 540, 255),
                            R(1200, 345, 540, 255), R(1200, 615, 540, 255), R(90, 615, 1080, 255),
                            R(1770, 75, 630, 255),  R(1770, 345, 630, 255), R(1770, 615, 630, 255),
                            R(1770, 885, 630, 255)};
    for (int i = 0; i < 10; ++i) {
        QRadioButton* o =
            make_option(frame, options[i].name, options[i].caption, places[i], group, nullptr);
        o->setToolTip(options[i].tip);
        PuncOption option = options[i].option;
        o->setChecked(f.puncOption == option);
        connect(o, &QRadioButton::clicked, this, [this, option] {
            record([option](MainWindowState& e) { e.puncOption_Click(option); });
        });
    }
    QPushButton* count = make_button(w, "cmdPuncCount", "Count", R(9015, 7560, 960, 375));
    onClick(count, [](MainWindowState& e) { e.cmdPuncCount_Click(); });
    bind(value_box(w, "lblPuncCount", R(9015, 8040, 960, 285), colour::white), &f.lblPuncCount);
}

void FormsPanel::refresh() {
    Panel::refresh();
    const std::string& search = form1().txtSearch;
    if (txtSearch_ && fromQ(txtSearch_->text()) != search) txtSearch_->setText(toQ(search));
}

bool FormsPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtSearch_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            run([](MainWindowState& e) { e.txtSearch_KeyDown(13); });
            return true;
        }
    }
    return Panel::eventFilter(watched, event);
}

} // namespace zapt::ui
