#include "ui/result_windows.h"

#include "ui/text_convert.h"
#include "ui/widgets.h"

#include <QGroupBox>
#include <QPlainTextEdit>
#include <utility>

namespace zapt::ui {
namespace {

QWidget* make_window(const char* name, const char* caption, int width, int height) {
    auto* w = new QWidget(nullptr, Qt::Window);
    w->setObjectName(name);
    w->setWindowTitle(caption);
    w->setFont(dialog_font());
    w->setFixedSize(tw(width), tw(height));
    return w;
}

QGroupBox* make_titled_frame(QWidget* parent, const char* name, const char* title, QRect twips) {
    auto* g = new QGroupBox(title, parent);
    g->setObjectName(name);
    g->setFont(dialog_font());
    g->setGeometry(twRect(twips.x(), twips.y(), twips.width(), twips.height()));
    return g;
}

void set_caption(QWidget* window, const char* name, const std::string& caption) {
    if (auto* l = window->findChild<QLabel*>(name)) {
        QString text = toQ(caption);
        if (l->text() != text) l->setText(text);
    }
}

} // namespace

QWidget* createCorpusDataWindow(const CorpusDataForm& state, const AgeBands& bands,
                                std::function<void()> onAges, std::function<void()> onGender) {
    QWidget* w = make_window("Form4", "Corpus Data", 3480, 5100);
    QGroupBox* age =
        make_titled_frame(w, "frmeAge", "Participant Age", QRect(120, 120, 3240, 2760));
    const char* counts[] = {"lblUnder18s", "lbl18To25", "lbl25To40", "lbl41To60", "lbl61Plus"};
    for (int i = 0; i < 5; ++i) {
        std::string name = "Label" + std::to_string(i + 1);
        QLabel* band = make_label(age, name.c_str(), toQ(bands.caption(static_cast<AgeBand>(i))),
                                  QRect(240, 360 + i * 345, 1200, 270));
        QLabel* count = make_value_label(age, counts[i], "0", QRect(1680, 345 + i * 345, 900, 285));
        // The corpus's own bands: a row without a band is not shown.
        band->setVisible(static_cast<std::size_t>(i) < bands.size());
        count->setVisible(band->isVisibleTo(age));
    }
    QPushButton* ages = make_button(age, "cmdAges", "Age Breakdown", QRect(240, 2160, 2760, 420));
    QGroupBox* gender =
        make_titled_frame(w, "frmeGender", "Participant Gender", QRect(120, 3000, 3240, 1980));
    make_label(gender, "Label7", "M", QRect(240, 360, 1200, 270));
    make_value_label(gender, "lblMale", "0", QRect(1680, 345, 900, 285));
    make_label(gender, "Label6", "F", QRect(240, 705, 1200, 270));
    make_value_label(gender, "lblFemale", "0", QRect(1680, 690, 900, 285));
    QPushButton* genders =
        make_button(gender, "cmdGender", "Participant Gender", QRect(240, 1260, 2760, 420));
    QObject::connect(ages, &QPushButton::clicked, w, std::move(onAges));
    QObject::connect(genders, &QPushButton::clicked, w, std::move(onGender));
    showCorpusData(w, state);
    return w;
}

void showCorpusData(QWidget* w, const CorpusDataForm& s) {
    set_caption(w, "lblUnder18s", s.lblUnder18s);
    set_caption(w, "lbl18To25", s.lbl18To25);
    set_caption(w, "lbl25To40", s.lbl25To40);
    set_caption(w, "lbl41To60", s.lbl41To60);
    set_caption(w, "lbl61Plus", s.lbl61Plus);
    set_caption(w, "lblMale", s.lblMale);
    set_caption(w, "lblFemale", s.lblFemale);
}

QWidget* createCollocationsWindow() {
    QWidget* w = make_window("Form11", "Collocations", 6840, 5280);
    make_label(w, "Label1", "Collocations for:", QRect(120, 150, 1500, 285));
    QLabel* form = make_label(w, "Label2", "", QRect(1680, 135, 3000, 300), 8.25, true);
    form->setWordWrap(false);
    auto* text = new QPlainTextEdit(w);
    text->setObjectName("Text1");
    // The string can run to a megabyte in one paragraph on a large corpus; plain
    // Latin text needs no shaping, and laying it out without is a third faster.
    QFont plain = text->font();
    plain.setStyleStrategy(QFont::PreferNoShaping);
    text->setFont(plain);
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text->setGeometry(twRect(120, 540, 6600, 3720));
    QLabel* note =
        make_label(w, "Label3",
                   "Note: These are raw, unsorted collocations. You will need to organise "
                   "them according to your preferences.",
                   QRect(120, 4380, 6600, 720), 8.25, true);
    set_foreground(note, colour::red);
    return w;
}

void showCollocations(QWidget* w, const CollocationsForm& s) {
    set_caption(w, "Label2", s.Label2);
    if (auto* text = w->findChild<QPlainTextEdit*>("Text1")) {
        QString t = toQ(s.Text1);
        if (text->toPlainText() != t) text->setPlainText(t);
    }
}

} // namespace zapt::ui
