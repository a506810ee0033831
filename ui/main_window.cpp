#include "ui/main_window.h"

#include "lookup/count_word.h"
#include "ui/compare_window.h"
#include "ui/info_windows.h"
#include "ui/result_windows.h"
#include "ui/table_actions.h"
#include "ui/text_convert.h"
#include "ui/twips.h"
#include "ui/widgets.h"
#include "variation/tables.h"

#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QWindow>

namespace zapt::ui {
namespace {

// Client area of the main window; its outer width in twips (with the window
// frame) is 120 more.
constexpr int kClientWidth = 16650;
constexpr int kClientHeight = 8910;
constexpr int kFrameTwips = 120;

QRect R(int left, int top, int width, int height) {
    return QRect(left, top, width, height);
}

// A filled or outlined rectangle of the layout.
QFrame* make_shape(QWidget* parent, const char* name, QRect twips, const QColor* fill) {
    auto* f = new QFrame(parent);
    f->setObjectName(name);
    f->setGeometry(twRect(twips.x(), twips.y(), twips.width(), twips.height()));
    if (fill) {
        set_background(f, *fill);
    } else {
        f->setFrameStyle(QFrame::Box | QFrame::Plain);
    }
    return f;
}

// A line of the layout: a thin dark frame.
void make_line(QWidget* parent, QRect twips) {
    auto* f = new QFrame(parent);
    f->setGeometry(twRect(twips.x(), twips.y(), twips.width(), twips.height()));
    f->setFrameStyle(QFrame::Box | QFrame::Plain);
    f->setStyleSheet("border: none; background: #808080;");
}

QRadioButton* make_option(QWidget* parent, const char* name, const QString& text, QRect twips,
                          QButtonGroup* group, const QColor* background) {
    auto* o = new QRadioButton(text, parent);
    o->setObjectName(name);
    o->setFont(dialog_font());
    o->setGeometry(twRect(twips.x(), twips.y(), twips.width(), twips.height()));
    if (background) set_background(o, *background);
    group->addButton(o);
    return o;
}

QGroupBox* make_frame(QWidget* parent, const char* name, QRect twips, const QColor* background) {
    auto* g = new QGroupBox(parent);
    g->setObjectName(name);
    g->setGeometry(twRect(twips.x(), twips.y(), twips.width(), twips.height()));
    if (background) set_background(g, *background);
    return g;
}

ListBox* make_list(QWidget* parent, const char* name, QRect twips, const QColor& background) {
    auto* l = new ListBox(parent);
    l->setObjectName(name);
    l->setFont(dialog_font());
    l->setGeometry(twRect(twips.x(), twips.y(), twips.width(), twips.height()));
    // Never a row cut in half: the list keeps the whole rows that fit its place.
    l->resize(l->width(), l->heightForRows(l->wholeRows(l->height())));
    QPalette p = l->palette();
    p.setColor(QPalette::Base, background);
    l->setPalette(p);
    return l;
}

QLabel* value_box(QWidget* parent, const char* name, QRect twips, const QColor& background,
                  const QString& toolTip = {}) {
    QLabel* l = make_value_label(parent, name, "0", twips);
    set_background(l, background);
    if (!toolTip.isEmpty()) l->setToolTip(toolTip);
    return l;
}

QLabel* heading(QWidget* parent, const char* name, const QString& text, QRect twips,
                const QColor& colour = colour::black) {
    QLabel* l = make_label(parent, name, text, twips, 9.75, true);
    set_foreground(l, colour);
    return l;
}

QStringList to_rows(const std::vector<std::string>& items) {
    QStringList rows;
    rows.reserve(static_cast<int>(items.size()));
    for (const std::string& s : items) rows << toQ(s);
    return rows;
}

} // namespace

MainWindow::MainWindow(const DataSet& data) : explorer_(data, *this) {
    setObjectName("Form1");
    setWindowTitle("ZAPT...The Mobile Phone Text Corpus");
    setFont(dialog_font());
    resize(tw(kClientWidth), tw(kClientHeight));
    setMinimumSize(0, 0);
    messageHandler = [this](const QString& text) {
        QMessageBox::information(this, windowTitle(), text);
    };
    windows_.setAnchor(this);
    build();
    refresh();
}

MainWindow::~MainWindow() {
    windows_.closeAll();
}

void MainWindow::closeEvent(QCloseEvent* e) {
    // Closing the main window ends the program, with every other window.
    windows_.closeAll();
    uploadPage_.close();
    if (progress_) progress_->close();
    e->accept();
    QApplication::quit();
}

void MainWindow::run(const std::function<void()>& event) {
    event();
    refresh();
}

QLabel* MainWindow::bind(QLabel* label, const std::string* caption) {
    labels_.push_back({label, caption});
    return label;
}

ListBox* MainWindow::bindList(ListBox* list, const zapt::ListBox* state) {
    lists_.push_back({list, state, state->revision - 1});
    return list;
}

void MainWindow::build() {
    // The lines between the four columns, and between the blocks of the third.
    for (int x : {2280, 6360, 10080}) make_line(this, R(x, 0, 15, kClientHeight));
    for (int y : {3600, 6075, 7440}) make_line(this, R(6360, y, 10080 - 6360, 15));
    buildGroupColumn();
    buildAuthorColumn();
    buildFormsColumn();
    buildFamiliesColumn();
}

// Column 1: Step 1, the group; the buttons that open the information windows.
void MainWindow::buildGroupColumn() {
    const MainForm& f = explorer_.form1();
    const QColor* cyan = &colour::paleCyan;
    heading(this, "Label3", "Step 1:", R(120, 120, 2055, 285));
    heading(this, "Label2", "GROUP DATA", R(120, 420, 2055, 285), colour::blue);
    make_shape(this, "Shape1", R(120, 720, 2055, 6495), cyan);
    QLabel* intro =
        make_label(this, "Label1",
                   "Select your grouping from the permutations below and click the 'Get "
                   "Group Data' button at the bottom.",
                   R(240, 840, 1815, 1140));
    set_background(intro, *cyan);

    QGroupBox* ages = make_frame(this, "Frame2", R(240, 2100, 1815, 2160), cyan);
    auto* ageGroup = new QButtonGroup(this);
    const struct {
        const char* name;
        const char* caption;
        AgeBand band;
    } bands[] = {{"optUnder18", "<18", AgeBand::Under18},
                 {"Opt18To25", "18 to 25", AgeBand::From18To25},
                 {"opt26To40", "26 to 40", AgeBand::From26To40},
                 {"opt41To60", "41 to 60", AgeBand::From41To60},
                 {"opt61Plus", "61+", AgeBand::Over60}};
    for (int i = 0; i < 5; ++i) {
        QRadioButton* o = make_option(ages, bands[i].name, bands[i].caption,
                                      R(240, 180 + i * 390, 1400, 330), ageGroup, cyan);
        AgeBand band = bands[i].band;
        o->setChecked(f.ageOption == band);
        connect(o, &QRadioButton::clicked, this, [this, band] { explorer_.ageOption_Click(band); });
    }
    QGroupBox* genders = make_frame(this, "Frame1", R(240, 4440, 1815, 1080), cyan);
    auto* genderGroup = new QButtonGroup(this);
    const struct {
        const char* name;
        const char* caption;
        Gender gender;
    } sexes[] = {{"optFemale", "Female", Gender::Female}, {"optMale", "Male", Gender::Male}};
    for (int i = 0; i < 2; ++i) {
        QRadioButton* o = make_option(genders, sexes[i].name, sexes[i].caption,
                                      R(240, 180 + i * 420, 1400, 330), genderGroup, cyan);
        Gender g = sexes[i].gender;
        o->setChecked(f.genderOption == g);
        connect(o, &QRadioButton::clicked, this, [this, g] { explorer_.genderOption_Click(g); });
    }
    QPushButton* fetch =
        make_button(this, "cmdAgeAndGender", "Get Group Data", R(240, 5880, 1815, 600), true);
    set_background(fetch, *cyan);
    connect(fetch, &QPushButton::clicked, this,
            [this] { run([this] { explorer_.cmdAgeAndGender_Click(); }); });

    QPushButton* donate =
        make_button(this, "Command1", "How to donate Texts", R(120, 7320, 2055, 435), true);
    set_background(donate, colour::red);
    connect(donate, &QPushButton::clicked, this, [this] {
        windows_.open("Form8",
                      [this] { return createDonateWindow([this] { uploadPage_.open(); }); });
    });
    QPushButton* about = make_button(this, "cmdAbout", "About", R(120, 7860, 1260, 315));
    connect(about, &QPushButton::clicked, this,
            [this] { windows_.open("Form2", [this] { return aboutWindow(); }); });
    QPushButton* help = make_button(this, "cmdHelp", "Help", R(120, 8220, 1260, 315));
    connect(help, &QPushButton::clicked, this, [this] {
        windows_.open("Form5", [this] {
            return createHelpWindow(
                [this] { windows_.open("Form6", [] { return createMoreHelpWindow(); }); });
        });
    });
    // The comparison of groups, under the buttons of the information windows.
    QPushButton* compare =
        make_button(this, "cmdCompareGroups", "Compare groups...", R(120, 8580, 2055, 315));
    connect(compare, &QPushButton::clicked, this, [this] {
        windows_.open("Form12", [this] {
            return createCompareWindow(
                explorer_, [this] { return export_header(explorer_, "all groups"); },
                [this] { return explorer_.form1().lstNonStandardForms.text(); });
        });
    });
    auto* strange = new WrapButton("Strange but true...!", this);
    strange->setObjectName("cmdStrange");
    strange->setFont(dialog_font());
    strange->setGeometry(twRect(1455, 7860, 720, 675));
    connect(strange, &QPushButton::clicked, this,
            [this] { windows_.open("Form7", [] { return createFactsWindow(); }); });
}

// Column 2: the group averages, Step 2 (the author) and the corpus data button.
void MainWindow::buildAuthorColumn() {
    const MainForm& f = explorer_.form1();
    heading(this, "Label18", "Group averages/totals:", R(2520, 240, 3765, 285));
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
    int y = 600;
    for (int i = 0; i < 6; ++i) {
        // The long caption of the characters row takes two lines.
        const int height = i == 2 ? 405 : 285;
        QLabel* caption =
            make_label(this, rows[i].caption_name, rows[i].caption, R(2520, y + 15, 2700, height));
        QLabel* value = bind(
            value_box(this, rows[i].value_name, R(5250, y, 1035, 285), colour::white, rows[i].tip),
            rows[i].value);
        for (QWidget* w : {static_cast<QWidget*>(caption), static_cast<QWidget*>(value)})
            attachTable(w, [this] { return group_panel_table(explorer_); });
        y += height + 45;
    }

    const QColor& pink = colour::palePink;
    make_shape(this, "Shape2", R(2640, 3000, 3615, 5535), &pink);
    heading(this, "Label4", "Step 2:", R(2760, 3060, 900, 285));
    heading(this, "Label5", "INDIVIDUAL DATA", R(3660, 3060, 2500, 285), colour::red);
    QLabel* intro = make_label(this, "Label6",
                               "Click on an author code in the yellow list. Then click on the 'Get "
                               "Author Data' button .",
                               R(2760, 3390, 3375, 660));
    set_background(intro, pink);

    ListBox* ageTable = bindList(
        make_list(this, "AgeTable", R(2760, 4080, 1560, 1230), colour::paleYellow), &f.AgeTable);
    ageTable->setToolTip("Author Code");
    ageTable->onClick = [this](int row) { run([this, row] { explorer_.selectAgeTable(row); }); };
    ListBox* education =
        bindList(make_list(this, "lstEducation", R(4380, 4080, 840, 1230), colour::paleMagenta),
                 &f.lstEducation);
    education->setToolTip("Education Level: 'G' = Middle School/GCSE certificate; HS = High School "
                          "Diploma/'A Level'/Bacc; U = University Graduate");
    // A click on the education list only moves its own highlight.
    education->onClick = [this](int row) { explorer_.selectEducation(row); };

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
    int row_top = 5370;
    for (int i = 0; i < 7; ++i) {
        // Three rows have captions of two lines.
        const int height = (i == 2 || i == 3 || i == 5) ? 405 : 270;
        QLabel* c = make_label(this, author_rows[i].caption_name, author_rows[i].caption,
                               R(2700, row_top + 15, 1920, height));
        set_background(c, pink);
        if (*author_rows[i].caption_tip) c->setToolTip(author_rows[i].caption_tip);
        QLabel* value = bind(value_box(this, author_rows[i].value_name, R(4650, row_top, 1560, 270),
                                       pink, author_rows[i].value_tip),
                             author_rows[i].value);
        for (QWidget* w : {static_cast<QWidget*>(c), static_cast<QWidget*>(value)})
            attachTable(w, [this] { return author_panel_table(explorer_); });
        row_top += height + 30;
    }
    QPushButton* authorData =
        make_button(this, "cmdAuthorData", "Get Author Data", R(2760, 7920, 3375, 510), true);
    set_background(authorData, pink);
    buttons_.push_back({authorData, &f.cmdAuthorData});
    connect(authorData, &QPushButton::clicked, this,
            [this] { run([this] { explorer_.cmdAuthorData_Click(); }); });

    QPushButton* corpusData =
        make_button(this, "cmdGetCorpusData", "Get Overall Corpus Data", R(2640, 8580, 3615, 315));
    connect(corpusData, &QPushButton::clicked, this,
            [this] { run([this] { explorer_.cmdGetCorpusData_Click(); }); });
}

// Column 3: the author's non-standard forms, the glossary, the word search and
// the punctuation count.
void MainWindow::buildFormsColumn() {
    const MainForm& f = explorer_.form1();
    heading(this, "Label7", "NON-STANDARD FORMS", R(6960, 240, 3015, 285));
    make_label(this, "Label11",
               "The author has used the non-standard forms seen in the white-coloured list below. "
               "Click on any item in the list for an interpretation:",
               R(6960, 555, 3015, 840));
    ListBox* uses =
        bindList(make_list(this, "lstNonStandards", R(6960, 1425, 1110, 1395), colour::paleCyan),
                 &f.lstNonStandards);
    uses->onClick = [this](int row) { run([this, row] { explorer_.selectNonStandards(row); }); };
    attachTable(
        uses, [this] { return non_standards_table(explorer_); },
        [this] { return explorer_.form1().lstNonStandards.selected; });
    make_label(this, "Label10", "Form:", R(8130, 1425, 1845, 240));
    bind(make_value_label(this, "lblForm", "", R(8130, 1665, 1845, 285)), &f.lblForm);
    make_label(this, "Label15", "Interpretation:", R(8130, 2010, 1845, 240));
    QLabel* interpretation =
        bind(make_value_label(this, "lblInterpretation", "", R(8130, 2250, 1845, 570)),
             &f.lblInterpretation);
    interpretation->setWordWrap(true);
    interpretation->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    make_label(this, "Label21",
               "Number of Instances of selected word in corpus:", R(6960, 2880, 2160, 405));
    bind(value_box(this, "lblInstancesOfSearchWord", R(9180, 2940, 795, 270), colour::white),
         &f.lblInstancesOfSearchWord);
    make_label(this, "Label19", "Number of Words in Corpus:", R(6960, 3315, 2160, 255));
    bind(value_box(this, "lblWordTotal", R(9180, 3285, 795, 270), colour::white), &f.lblWordTotal);

    make_label(this, "Label20", "Non-standard forms in corpus:", R(6480, 3690, 3495, 240));
    ListBox* forms = bindList(
        make_list(this, "lstNonStandardForms", R(6480, 3945, 3495, 1050), colour::lightGrey),
        &f.lstNonStandardForms);
    forms->onClick = [this](int row) {
        run([this, row] { explorer_.selectNonStandardForms(row); });
    };
    make_label(this, "Label22",
               "Number of Instances of selected word in corpus:", R(6480, 5040, 2640, 405));
    bind(value_box(this, "lblCorpusTotal", R(9180, 5085, 795, 285), colour::white),
         &f.lblCorpusTotal);
    auto* colls =
        new WrapButton("Select item from list and search for collocations (unsorted)", this);
    colls->setObjectName("cmdColls");
    colls->setFont(dialog_font());
    colls->setGeometry(twRect(6480, 5475, 3495, 540));
    connect(colls, &QPushButton::clicked, this,
            [this] { run([this] { explorer_.cmdColls_Click(); }); });

    txtSearch_ = new QLineEdit(toQ(f.txtSearch), this);
    txtSearch_->setObjectName("txtSearch");
    txtSearch_->setFont(dialog_font());
    txtSearch_->setGeometry(twRect(6480, 6180, 1020, 345));
    set_background(txtSearch_, colour::paleGreen);
    txtSearch_->installEventFilter(this);
    connect(txtSearch_, &QLineEdit::textChanged, this,
            [this](const QString& text) { explorer_.txtSearch_Change(fromQ(text)); });
    QPushButton* searchGroup =
        make_button(this, "cmdSearchGroup", "Search Group", R(7545, 6180, 1140, 345));
    buttons_.push_back({searchGroup, &f.cmdSearchGroup});
    connect(searchGroup, &QPushButton::clicked, this,
            [this] { run([this] { explorer_.cmdSearchGroup_Click(); }); });
    QPushButton* search = make_button(this, "cmdSearch", "Search Corpus", R(8730, 6180, 1245, 345));
    buttons_.push_back({search, &f.cmdSearch});
    connect(search, &QPushButton::clicked, this,
            [this] { run([this] { explorer_.cmdSearch_Click(); }); });
    make_label(this, "Label25", "No. of instances in group:", R(6480, 6645, 2250, 270));
    bind(value_box(this, "lblInstInGroup", R(8760, 6630, 1215, 270), colour::white),
         &f.lblInstInGroup);
    make_label(this, "Label23", "No. of instances in corpus:", R(6480, 7005, 2250, 270));
    bind(value_box(this, "lblInstInCorpus", R(8760, 6990, 1215, 270), colour::white),
         &f.lblInstInCorpus);

    QGroupBox* frame = make_frame(this, "Frame3", R(6480, 7500, 2460, 1215), nullptr);
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
        connect(o, &QRadioButton::clicked, this,
                [this, option] { explorer_.puncOption_Click(option); });
    }
    QPushButton* count = make_button(this, "cmdPuncCount", "Count", R(9015, 7560, 960, 375));
    connect(count, &QPushButton::clicked, this,
            [this] { run([this] { explorer_.cmdPuncCount_Click(); }); });
    bind(value_box(this, "lblPuncCount", R(9015, 8040, 960, 285), colour::white), &f.lblPuncCount);
}

// Column 4: the variant families, the text totals and the punctuation clusters.
void MainWindow::buildFamiliesColumn() {
    const MainForm& f = explorer_.form1();
    make_label(this, "Label24", "WORDS AND CONTRACTIONS COMMONLY USED NON-STANDARDLY",
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
        QLabel* square = make_label(this, legend[i].square, "", R(11940, y + 30, 180, 180));
        set_background(square, *legend[i].colour);
        make_label(this, legend[i].label, legend[i].caption, R(12180, y, 1080, 240));
    }
    make_label(this, "Label29",
               "Some results will not be case-sensitive. Also, caution regarding polysemy for some "
               "items is advised.",
               R(10200, 960, 3075, 720));

    // The grid: which family stands where (index into the data file's order).
    auto index_of = [&](const char* list) {
        for (std::size_t i = 0; i < f.families.size(); ++i) {
            if (f.families[i].listName == list) return i;
        }
        return f.families.size();
    };
    const char* grid[4][4] = {{"lstUForms", "lstIForms", "lstBack", "LstWeForms"},
                              {"lstWhat", "lstWho", "lstBeen", "lstHow"},
                              {"lstText", "lstTomorrow", "lstHave", "lstThe"},
                              {"lstThWords", "lstToday", "lstIs", "lstOkay"}};
    const int xs[4] = {10200, 11880, 13440, 15000};
    for (int c = 0; c < 4; ++c) {
        for (int r = 0; r < 4; ++r) {
            std::size_t i = index_of(grid[c][r]);
            if (i >= f.families.size()) continue;
            // Headings may use the width up to the next grid column (the second
            // column stops short of the punctuation box).
            const int headingWidth[4] = {1680, 1425, 1545, 1335};
            if (c < 2) {
                // Under the heading and the note; the last family has a taller list.
                buildFamily(i, xs[c], 2040 + r * 1380, r == 3 ? 1170 : 855, headingWidth[c]);
            } else {
                buildFamily(i, xs[c], 360 + r * 1335, 750, headingWidth[c]);
            }
        }
    }

    make_label(this, "Label30", "No. of Texts in Group:", R(10200, 7980, 1950, 270));
    bind(value_box(this, "lblNumOfGroupTexts2", R(12180, 7950, 1035, 285), colour::white,
                   "Total no. of texts for group"),
         &f.lblNumOfGroupTexts2);
    make_label(this, "Label37", "No. of Texts in Corpus:", R(10200, 8310, 1950, 270));
    bind(value_box(this, "lblNumOfCorpusTexts", R(12180, 8280, 1035, 285), colour::white,
                   "Total no. of texts for group"),
         &f.lblNumOfCorpusTexts);

    make_shape(this, "Shape3", R(13320, 5760, 3255, 2895), nullptr);
    QLabel* punc =
        make_label(this, "Label67", "PUNCTUATION", R(13380, 5820, 3135, 255), 8.25, true);
    punc->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    set_foreground(punc, colour::red);
    QLabel* note =
        make_label(this, "Label40", " Note: the % sign indicates text separation between two texts",
                   R(13380, 6075, 3135, 480), 8.25, true);
    note->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    set_foreground(note, colour::blue);
    ListBox* clusters =
        bindList(make_list(this, "lstClusterPunc", R(13440, 6570, 3015, 1530), colour::white),
                 &f.lstClusterPunc);
    clusters->setFont(dialog_font(8.25, true));
    set_foreground(clusters, colour::red);
    clusters->setToolTip("The \"%\" sign means 'text separator'.");
    clusters->onClick = [this](int row) { explorer_.selectClusterPunc(row); };
    attachTable(
        clusters, [this] { return cluster_table(explorer_); },
        [this] { return explorer_.form1().lstClusterPunc.selected; });
    QPushButton* button =
        make_button(this, "cmdClusterPunctuation", "Punctuation", R(14310, 8175, 1275, 390));
    connect(button, &QPushButton::clicked, this,
            [this] { run([this] { explorer_.cmdClusterPunctuation_Click(); }); });
}

void MainWindow::buildFamily(std::size_t index, int left, int top, int listHeight,
                             int headingWidth) {
    const FamilyState& state = explorer_.form1().families[index];
    const VariantFamily& data = explorer_.variantFamilies()[index];
    const int width = 1335;
    QLabel* caption = make_label(this, data.captionLabel.c_str(), toQ(data.caption),
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
        bindList(make_list(this, data.list.c_str(),
                           R(left, top + 240 + extra, width, listHeight - extra), colour::white),
                 &state.list);
    list->onClick = [this, index](int row) {
        run([this, index, row] { explorer_.selectFamily(index, row); });
    };
    auto counts = [this, index] { return family_counts_table(explorer_, index); };
    attachTable(caption, counts);
    attachTable(list, counts);
    const struct {
        const char* suffix;
        const std::string* caption;
        const QColor* colour;
        const char* tip;
    } results[] = {{"Individual", &state.Individual, &colour::black, "Individual Results"},
                   {"InGroup", &state.InGroup, &colour::red, "Results in Group"},
                   {"InCorpus", &state.InCorpus, &colour::blue, "Results in Corpus"}};
    for (int i = 0; i < 3; ++i) {
        const std::string name = "lbl" + state.stem + results[i].suffix;
        QLabel* l =
            value_box(this, name.c_str(), R(left + i * 450, top + 255 + listHeight, 435, 255),
                      colour::white, results[i].tip);
        set_foreground(l, *results[i].colour);
        l->setAlignment(Qt::AlignCenter);
        bind(l, results[i].caption);
        attachTable(l, counts);
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtSearch_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            run([this] { explorer_.txtSearch_KeyDown(13); });
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::refresh() {
    for (LabelBinding& b : labels_) {
        QString text = toQ(*b.caption);
        if (b.label->text() != text) b.label->setText(text);
    }
    for (ListBinding& b : lists_) {
        if (b.revision != b.state->revision) {
            b.list->setRows(to_rows(b.state->items));
            b.revision = b.state->revision;
        }
        int shown = b.list->currentRow();
        if (shown != b.state->selected || (shown >= 0 && !b.list->item(shown)->isSelected())) {
            b.list->setSelectedRow(b.state->selected);
        }
    }
    for (ButtonBinding& b : buttons_) b.button->setEnabled(*b.enabled);
    QString search = toQ(explorer_.form1().txtSearch);
    if (txtSearch_ && fromQ(txtSearch_->text()) != explorer_.form1().txtSearch)
        txtSearch_->setText(search);
    refreshCorpusDataForm();
    refreshCollocationsForm();
}

QWidget* MainWindow::aboutWindow() {
    if (corpusFolder_.isEmpty()) return createAboutWindow();
    LoadedCorpusFigures figures;
    figures.folder = corpusFolder_;
    figures.texts = explorer_.form3().corpusTextCount();
    for (const std::string& n : explorer_.form3().lstNumOfTextsPerAuthor)
        figures.people += n != "0";
    figures.words = word_total(explorer_.form3().Text2);
    return createAboutWindow(&figures);
}

void MainWindow::attachTable(QWidget* w, std::function<ResultTable()> table,
                             std::function<int()> selectedRow) {
    attach_table(w, {std::move(table),
                     [this] { return export_header(explorer_, shown_selection(explorer_)); },
                     std::move(selectedRow)});
}

// ---- Effects of the explorer's operations ----------------------------------------------

void MainWindow::showProgress() {
    if (!progress_) {
        progress_ = createProgressWindow();
        place_over(progress_, this);
    }
    if (!progress_) return;
    progress_->show();
    progress_->raise();
    // The run that follows holds the thread, so the window must be mapped and
    // painted now, or it stays an unpainted box until the run ends. Only the
    // window system's own events are let through; user input waits.
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 500 &&
           !(progress_->windowHandle() && progress_->windowHandle()->isExposed()))
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
    progress_->repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void MainWindow::closeProgress() {
    if (progress_) progress_->close();
}

void MainWindow::setMainWidth(int twips) {
    resize(tw(twips - kFrameTwips), height());
    repaint();
}

void MainWindow::showMessage(const std::string& text) {
    if (messageHandler) messageHandler(toQ(text));
}

void MainWindow::setFocus(FocusTarget target) {
    if (target == FocusTarget::Form1) {
        activateWindow();
        return;
    }
    if (auto* w = findChild<QWidget*>(focus_target_name(target))) w->setFocus();
}

void MainWindow::showCorpusDataForm() {
    windows_.open("Form4", [this] {
        QWidget* form = createCorpusDataWindow(explorer_.form4(), [this](const char* button) {
            if (std::string_view(button) == "cmdAges")
                explorer_.cmdAges_Click();
            else
                explorer_.cmdGender_Click();
            refreshCorpusDataForm();
        });
        connect(form, &QObject::destroyed, this, [this] { explorer_.Form4_Unload(); });
        attachTable(form, [this] { return corpus_data_table(explorer_); });
        return form;
    });
    refreshCorpusDataForm();
}

void MainWindow::showCollocationsForm() {
    windows_.open("Form11", [this] {
        QWidget* form = createCollocationsWindow();
        connect(form, &QObject::destroyed, this, [this] { explorer_.Form11_Unload(); });
        auto pairs = [this] { return collocation_window_table(explorer_); };
        attachTable(form, pairs);
        for (QWidget* text : form->findChildren<QPlainTextEdit*>()) attachTable(text, pairs);
        return form;
    });
    refreshCollocationsForm();
}

void MainWindow::refreshCorpusDataForm() {
    if (QWidget* w = windows_.find("Form4")) showCorpusData(w, explorer_.form4());
}

void MainWindow::refreshCollocationsForm() {
    if (QWidget* w = windows_.find("Form11")) showCollocations(w, explorer_.form11());
}

} // namespace zapt::ui
