#include "ui/form_parts.h"
#include "ui/panels.h"
#include "ui/text_convert.h"

namespace zapt::ui {

GroupPanel::GroupPanel(PanelContext context) : Panel(std::move(context)) {
    QWidget* w = form();
    const MainForm& f = form1();
    const QColor* cyan = &colour::paleCyan;
    heading(w, "Label3", "Step 1:", R(120, 120, 2055, 285));
    heading(w, "Label2", "GROUP DATA", R(120, 420, 2055, 285), colour::blue);
    make_shape(w, "Shape1", R(120, 720, 2055, 6495), cyan);
    QLabel* intro =
        make_label(w, "Label1",
                   "Select your grouping from the permutations below and click the 'Get "
                   "Group Data' button at the bottom.",
                   R(240, 840, 1815, 1140));
    set_background(intro, *cyan);

    QGroupBox* ages = make_frame(w, "Frame2", R(240, 2100, 1815, 2160), cyan);
    auto* ageGroup = new QButtonGroup(this);
    const char* bandOptions[] = {"optUnder18", "Opt18To25", "opt26To40", "opt41To60", "opt61Plus"};
    // The corpus's bands (the built-in five unless it brings its own, at most
    // five here); an option without a band is not shown.
    const AgeBands& corpusBands = state().corpus().bands();
    const std::size_t bands = corpusBands.size();
    for (int i = 0; i < 5; ++i) {
        const auto band = static_cast<AgeBand>(i);
        QRadioButton* o = make_option(ages, bandOptions[i], toQ(corpusBands.caption(band)),
                                      R(240, 180 + i * 390, 1400, 330), ageGroup, cyan);
        o->setChecked(f.ageOption == band);
        o->setVisible(static_cast<std::size_t>(i) < bands);
        connect(o, &QRadioButton::clicked, this,
                [this, band] { record([band](MainWindowState& e) { e.ageOption_Click(band); }); });
    }
    QGroupBox* genders = make_frame(w, "Frame1", R(240, 4440, 1815, 1080), cyan);
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
        connect(o, &QRadioButton::clicked, this,
                [this, g] { record([g](MainWindowState& e) { e.genderOption_Click(g); }); });
    }
    QPushButton* fetch =
        make_button(w, "cmdAgeAndGender", "Get Group Data", R(240, 5880, 1815, 600), true);
    set_background(fetch, *cyan);
    onClick(fetch, [](MainWindowState& e) { e.cmdAgeAndGender_Click(); });

    QPushButton* donate =
        make_button(w, "Command1", "How to donate Texts", R(120, 7320, 2055, 435), true);
    set_background(donate, colour::red);
    QPushButton* about = make_button(w, "cmdAbout", "About", R(120, 7860, 1260, 315));
    QPushButton* help = make_button(w, "cmdHelp", "Help", R(120, 8220, 1260, 315));
    // The comparison of groups, under the buttons of the information windows.
    QPushButton* compare =
        make_button(w, "cmdCompareGroups", "Compare groups...", R(120, 8580, 2055, 315));
    // In the strip under the columns: free exploration, another corpus.
    QPushButton* explore = make_button(w, "cmdExplore", "Explore...", R(120, 8985, 2055, 315));
    explore->setToolTip("Subcorpora from any metadata, word lists, patterns, keywords and a "
                        "concordance");
    QPushButton* openCorpus =
        make_button(w, "cmdOpenCorpus", "Open corpus...", R(2400, 8985, 2055, 315));
    openCorpus->setToolTip("Open a corpus of your own: a CSV or TSV table, or a folder");
    QPushButton* lexicon = make_button(w, "cmdLexicon", "Lexicon...", R(4680, 8985, 1680, 315));
    lexicon->setToolTip("The corpus's own lexicon: the forms outside the standard dictionary, "
                        "what each one is, and their variant families, as you decide them");
    auto* strange = new WrapButton("Strange but true...!", w);
    strange->setObjectName("cmdStrange");
    strange->setFont(dialog_font());
    strange->setGeometry(twRect(1455, 7860, 720, 675));
    const struct {
        QPushButton* button;
        WindowId window;
    } opens[] = {{donate, WindowId::Donate},
                 {about, WindowId::About},
                 {help, WindowId::Help},
                 {compare, WindowId::Compare},
                 {openCorpus, WindowId::OpenCorpus},
                 {explore, WindowId::Explore},
                 {lexicon, WindowId::Lexicon},
                 {strange, WindowId::Facts}};
    for (const auto& o : opens) {
        const WindowId id = o.window;
        connect(o.button, &QPushButton::clicked, this, [this, id] { open(id); });
    }
}

} // namespace zapt::ui
