#include "ui/info_windows.h"

#include "ui/deployment.h"
#include "ui/twips.h"
#include "ui/upload/upload_window.h"
#include "ui/widgets.h"

#include <QByteArray>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLibrary>
#include <QPushButton>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <unistd.h>
#include <utility>
#include <vector>

namespace zapt::ui {

namespace {

// ---------------------------------------------------------------------------
// Building blocks shared by the windows

// A fixed-size top-level window with the dialog font that discards itself when
// closed.
QWidget* make_window(const char* name, const QString& caption, int widthTw, int heightTw) {
    auto* w = new QWidget(nullptr, Qt::Window);
    w->setObjectName(name);
    w->setWindowTitle(caption);
    w->setFont(dialog_font());
    w->setFixedSize(tw(widthTw), tw(heightTw));
    w->setAttribute(Qt::WA_DeleteOnClose);
    return w;
}

// Hands out the designer-style label names Label1, Label2, ... in the order the
// labels are made, skipping the numbers of labels the program refers to by name.
class LabelNames {
public:
    explicit LabelNames(std::initializer_list<int> reserved = {}) : reserved_(reserved) {}
    QByteArray next() {
        ++n_;
        while (std::find(reserved_.begin(), reserved_.end(), n_) != reserved_.end()) ++n_;
        return "Label" + QByteArray::number(n_);
    }

private:
    std::vector<int> reserved_;
    int n_ = 0;
};

// Makes a word-wrapped label as tall as its text needs at its width. Returns the
// first pixel row below it.
int fit_height(QLabel* label) {
    label->resize(label->width(), label->heightForWidth(label->width()));
    return label->y() + label->height();
}

// A column of paragraphs laid out from the top down: each label is placed
// under the previous one and given the height its wrapped text needs, so the
// windows' long texts never run into each other whatever the font metrics.
class Column {
public:
    Column(QWidget* parent, LabelNames& names, int leftTw, int widthTw, int topTw)
        : parent_(parent), names_(names), left_(leftTw), width_(widthTw), y_(tw(topTw)) {}

    QLabel* add(const QString& text, double points = 8.25, bool bold = false,
                const QColor& colour = colour::black, int gapTw = 0, bool italic = false) {
        QLabel* l = make_label(parent_, names_.next().constData(), text,
                               QRect(left_, y_ * 15, width_, 0), points, bold);
        if (italic) l->setFont(dialog_font(points, bold, true));
        set_foreground(l, colour);
        y_ = fit_height(l) + tw(gapTw);
        return l;
    }
    void skip(int twips) { y_ += tw(twips); }
    // Continues below the lower of this column and `other`.
    void align_below(const Column& other) { y_ = std::max(y_, other.y_); }
    int y() const { return y_; }

private:
    QWidget* parent_;
    LabelNames& names_;
    int left_;
    int width_;
    int y_; // pixels
};

// An "OK"-style button that closes its window.
QPushButton* make_close_button(QWidget* window, const QString& caption, QRect twips) {
    QPushButton* b = make_button(window, "cmdOK", caption, twips);
    QObject::connect(b, &QPushButton::clicked, window, &QWidget::close);
    return b;
}

// One row of a question-and-answer table: the heading at the left, its answer
// to the right, both starting on the same line. Returns the row's bottom (px).
int add_side_by_side(QWidget* parent, LabelNames& names, int topPx, const QString& heading,
                     const QString& answer, const QColor& headingColour) {
    QLabel* h = make_label(parent, names.next().constData(), heading,
                           QRect(120, topPx * 15, 1860, 0), 8.25, true);
    set_foreground(h, headingColour);
    QLabel* a =
        make_label(parent, names.next().constData(), answer, QRect(2100, topPx * 15, 5655, 0));
    return std::max(fit_height(h), fit_height(a));
}

const QString kHost = QLatin1String(kSiteHost);

} // namespace

// ---------------------------------------------------------------------------
// About (Form2)

QWidget* createAboutWindow(const LoadedCorpusFigures* loaded) {
    QWidget* w = make_window("Form2", "About ZAPT the Corpus", 7875, 8445);
    LabelNames names;

    const std::pair<QString, QString> rows[] = {
        {"INTRO:",
         loaded
             ? QString("What you have here is a corpus of your own, explored with the tools "
                       "ZAPT offers for its sample of British-English text messages from "
                       "mobile phones: who writes 'u' for 'you', who never bothers with a full "
                       "stop, and whose texts go on (and on).")
             : "What you have here is a sample of ZAPT the Corpus, our growing collection of "
               "British-English text messages sent from mobile phones. It is here to show what can "
               "be "
               "done with a corpus like this: who writes 'u' for 'you', who never bothers with a "
               "full "
               "stop, and whose texts go on (and on). Think of it as a taster rather than the full "
               "banquet."},
        {"HOW BIG?",
         loaded ? QString("This corpus, loaded from %1, holds %2 texts from %3 people, which "
                          "comes to %4 words.%5")
                      .arg(loaded->folder)
                      .arg(loaded->texts)
                      .arg(loaded->people)
                      .arg(loaded->words)
                      .arg(loaded->applied.isEmpty()
                               ? QString()
                               : " It is read with " + loaded->applied.join("; ") + ".")
                : QString("The sample holds 977 texts from 53 people, which comes to about "
                          "14,800 words. That may not sound like much, but even a small sample "
                          "like this tells you a surprising amount about people's texting "
                          "habits.")},
        {"WHO?",
         loaded
             ? loaded->who + " No name of any author is ever shown, only their codes."
             : "Our texters are aged from 11 to 70, and roughly three in five of them are women. "
               "Their "
               "education ranges from general schooling (G) through high school (HS) to university "
               "(U). They all text in British English; nationality and ethnicity are only ever "
               "reported for the group as a whole, never for any one person."},
        {"WHAT ARE THEY TEXTING ABOUT?",
         loaded ? QString("Whatever your texters wrote about: ZAPT shows counts, forms and short "
                          "contexts of at most half a text, never a whole text.")
                : "Everything from baby clothes to cars that won't go, what's for tea, what books "
                  "to buy, "
                  "as well as the inevitable recriminations for various domestic offences."},
        {"DO THEY SWEAR?",
         loaded
             ? QString("ZAPT counts every form exactly as your corpus writes it, swear words "
                       "and all.")
             : "Some of them do, and with gusto. Be warned, too, that there is the odd racist or "
               "sexist "
               "remark. Everything has been reproduced exactly as it was collected: not because we "
               "approve, but because that is what real texts look like."},
        {"THE FUTURE:",
         "ZAPT the Corpus keeps growing, and we expect to add more texts and more queries to "
         "this program. Do check back with our web site at " +
             kHost + " now and then for news, new features and the odd update."},
        {"WHOSE IS IT?",
         "This program and the corpus behind it belong to the ZAPT team, who put rather a lot of "
         "late nights into them. Please do not copy it or pass it on without asking us first; if "
         "you would like a copy for a colleague or a class, just get in touch."},
    };
    int y = tw(180);
    for (const auto& [heading, answer] : rows)
        y = add_side_by_side(w, names, y, heading, answer, colour::blue) + tw(330);

    make_close_button(w, "OK", QRect(6315, 7905, 1335, 390));
    return w;
}

// ---------------------------------------------------------------------------
// Help (Form5)

QWidget* createHelpWindow(std::function<void()> openMoreHelp) {
    QWidget* w = make_window("Form5", "Help...!", 13635, 8895);
    LabelNames names{22};

    Column title(w, names, 240, 13155, 150);
    title.add("Well, not exactly help as such, more a sort of general guide to finding your way "
              "around ZAPT the Corpus and what it can tell you.",
              12, true);

    // Left: the two steps, in blue.
    Column left(w, names, 240, 6300, 0);
    left.align_below(title);
    left.skip(300);
    const std::pair<QString, QString> leftRows[] = {
        {"WHERE DO I BEGIN...?",
         "With Step 1: collect the data for a group of texters. Choose one of the age groups and "
         "a gender, and the group is defined."},
        {"THEN WHAT?", "Click on the 'Get Group Data' button. It collects the texts for that group "
                       "so you can extract information from those texts."},
        {"WHY CAN'T I JUST SEE THE TEXTS?",
         "Our volunteers trusted us with their private messages, so to protect their "
         "confidentiality nobody gets to see the whole texts, not even you (sorry!). You can "
         "still find out a great deal about them, though."},
        {"..AND THEN?",
         "The yellow list box fills up with author codes, one for each texter in the group. The "
         "codes keep the authors anonymous, so you will not find anybody's name in there."},
        {"SO I CLICK ON THE YELLOW LIST....OK?",
         "Yes. Clicking a code in the yellow list picks out that author, and you get his or her "
         "individual data. Then click on the 'Get Author Data' button."},
        {"WHAT DOES THAT DO?",
         "It lets you search that author's texts for words, for unconventionally written words "
         "and for his or her punctuation style. It also gives you the average word length, the "
         "average text length and other such delights."},
    };
    for (const auto& [heading, answer] : leftRows) {
        left.add(heading, 8.25, true, colour::blue, 15);
        left.add(answer, 8.25, false, colour::black, 405);
    }

    // Right: the author-level queries, in red.
    Column right(w, names, 6960, 6435, 0);
    right.align_below(title);
    right.skip(300);
    const std::pair<QString, QString> rightRows[] = {
        {"AND NOW...?",
         "The unconventional forms used by the author you chose (think 'gr8', 'l8r' or 'luv') "
         "appear in the pale blue list box."},
        {"OK....",
         "Click on any item in the pale blue list and you get corpus data on it. The grey list "
         "box underneath holds all the unconventional forms in the whole corpus; click on one of "
         "those to get its frequency."},
        {"SEARCH...", "You can search for any word in the corpus using the pale green box. Just "
                      "type your word in and hit return. It gives you group and corpus results."},
        {"ANYTHING ELSE?", "You can also search for collocations, punctuation data and "
                           "frequencies."},
        {"THE LITTLE WHITE BOXES",
         "The little white lists search for popular unconventional forms such as 'u', 'bk' or "
         "'2nite', and show you how much one texter varies: one of our texters writes 'you' in "
         "five different ways!"},
        {"AND.......?",
         "There is more to come. If you have ideas, questions or complaints, do send us an "
         "e-mail; we love hearing from you. And while we have your attention: have you donated "
         "your texts yet?"},
    };
    for (const auto& [heading, answer] : rightRows) {
        right.add(heading, 8.25, true, colour::red, 15);
        right.add(answer, 8.25, false, colour::black, 405);
    }

    // The education note sits at the bottom left, above its NOTE button, and is
    // hidden until asked for.
    QLabel* note = make_label(w, "Label22",
                              "The pale lavender box next to the yellow list box gives you the "
                              "education level of the author selected. G = general education (to "
                              "about 14 or 16 years of age); HS = High School Diploma or "
                              "equivalent; U = university graduate.",
                              QRect(1320, 0, 5220, 0));
    note->move(note->x(), tw(8895 - 150) - note->heightForWidth(note->width()));
    fit_height(note);
    note->hide();

    QPushButton* toggle = make_button(w, "Command1", "NOTE:", QRect(240, 8370, 975, 375));
    QObject::connect(toggle, &QPushButton::clicked, w, [note, toggle] {
        if (note->isHidden()) {
            note->show();
            toggle->setText("HIDE");
        } else {
            note->hide();
            toggle->setText("NOTE");
        }
    });

    QPushButton* clusters = make_button(w, "cmdClusters", "A note on Clusters and Punctuation",
                                        QRect(6960, 8370, 3300, 375));
    QObject::connect(clusters, &QPushButton::clicked, w, [open = std::move(openMoreHelp)] {
        if (open) open();
    });

    make_close_button(w, "OK", QRect(12060, 8370, 1335, 375));
    return w;
}

// ---------------------------------------------------------------------------
// More Help (Form6)

QWidget* createMoreHelpWindow() {
    QWidget* w = make_window("Form6", "More Help...(ZAPT)", 6885, 6930);
    LabelNames names;

    Column col(w, names, 240, 6405, 360);
    const std::pair<QString, QString> rows[] = {
        {"WHAT ARE CLUSTERS?", "Clusters are combinations of words together linked by "
                               "punctuation, e.g. 'OK.cu' or 'went2town.gotback' etc."},
        {"ARE CLUSTERS IMPORTANT?",
         "Well, they can be. Some people have habitually got longer clusters than others."},
        {"HOW CAN I GET TO SEE SOME CLUSTERS?",
         "First click on 'Get Author Data', then on the 'Punctuation' button at the bottom right "
         "of the main window. It lists the author's usual punctuation together with any clusters "
         "he or she has come up with."},
        {"ANYTHING ELSE...?",
         "Just have fun with it! The corpus and its tools are still being developed, so there "
         "should be more to play with before too long."},
    };
    for (const auto& [heading, answer] : rows) {
        col.add(heading, 8.25, true, colour::black, 30);
        col.add(answer, 8.25, false, colour::black, 570);
    }

    make_close_button(w, "OK", QRect(5310, 6390, 1335, 375));
    return w;
}

// ---------------------------------------------------------------------------
// Facts (Form7)

QWidget* createFactsWindow() {
    QWidget* w = make_window("Form7", "Facts...", 7710, 5340);
    LabelNames names;

    Column col(w, names, 240, 6240, 180);
    const std::pair<QString, QString> facts[] = {
        {"Fact 1", "One texter writes 'you' in five different ways!"},
        {"Fact 2", "Nearly a fifth of instances of 'u', meaning 'you' are texted by one author."},
        {"Fact 3", "Another texter writes 'back' in three different ways."},
        {"Fact 4", "In compiling this corpus we came across epithets we had never heard of. And "
                   "one of us is the son of a sailor!"},
    };
    for (const auto& [heading, text] : facts) {
        col.add(heading, 9.75, true, colour::blue);
        col.add(text, 8.25, false, colour::black, 390);
    }

    // A column of colour swatches down the right-hand side, for decoration.
    const QColor swatches[] = {{255, 255, 192}, {192, 192, 255}, {224, 224, 224}, {192, 255, 192},
                               {192, 0, 0},     {0, 192, 192},   {0, 0, 255}};
    int top = 180;
    int n = 0;
    for (const QColor& c : swatches) {
        auto* square = new QFrame(w);
        square->setObjectName("Shape" + QString::number(++n));
        square->setGeometry(twRect(6960, top, 495, 495));
        square->setFrameStyle(QFrame::Box | QFrame::Plain);
        set_background(square, c);
        top += 600;
    }

    make_close_button(w, "OK, I get it. Life is rich and people are colourful.",
                      QRect(2520, 4740, 4200, 420));
    return w;
}

// ---------------------------------------------------------------------------
// Donate (Form8)

namespace {

// Donate's three ways to send texts, down the left half of `panel`, below `top`.
Column donate_ways(QWidget* window, QWidget* panel, LabelNames& names, const Column& top,
                   std::function<void()> openUpload) {
    Column ways(panel, names, 240, 6000, 0);
    ways.align_below(top);
    ways.add("Forward your texts to this UK number:", 8.25, true);
    ways.add(QLatin1String(kPhoneNumber), 12, true, colour::black, 30);
    ways.add("Hint: Forward as 'SMS' if this option is available, or just 'forward'. You will "
             "need to do this for each message.",
             8.25, false, colour::black, 30);
    ways.add("This is a UK number, so please precede with the appropriate international code if "
             "forwarding messages from abroad.",
             8.25, false, colour::black, 30);
    ways.add("Please use existing messages only.", 8.25, false, colour::black, 150);

    ways.add("OR", 9.75, true, colour::black, 120);
    ways.add("Email your texts to:", 8.25, true);

    auto* address = new ClickLabel(QLatin1String(kEmailAddress), panel);
    address->setObjectName("Label7");
    address->setFont(dialog_font(13.5, true));
    address->setCursor(Qt::PointingHandCursor);
    set_foreground(address, colour::black);
    address->setGeometry(tw(240), ways.y(), tw(6000), address->sizeHint().height());
    QObject::connect(address, &ClickLabel::clicked, address, [address] {
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->clear();
        clipboard->setText(address->text());
        set_foreground(address, colour::blue);
    });
    ways.skip(address->height() * 15);
    ways.add("Click on this email address to copy it to your clipboard.", 8.25, false, colour::blue,
             150);

    ways.add("OR", 9.75, true, colour::black, 120);
    ways.add("Click this link to be taken to our website, where you will see an empty box. Just "
             "transcribe your texts and deposit them in the empty box.",
             8.25, false, colour::black, 60);
    QPushButton* browse = make_button(panel, "cmdBrowse", "Click to go to " + kHost + " website",
                                      QRect(240, ways.y() * 15, 4200, 390));
    QObject::connect(browse, &QPushButton::clicked, window, [open = std::move(openUpload)] {
        if (open) open();
    });
    ways.skip(390);

    return ways;
}

// Consent and the format of a donated text, down the right half; the notes on
// the format end level with the end of `ways`.
Column donate_consent(QWidget* panel, LabelNames& names, const Column& top, const Column& ways) {
    Column right(panel, names, 6720, 6045, 0);
    right.align_below(top);
    right.add("Please note: by sending us your texts you agree to their use in the ZAPT corpus. "
              "Nobody will ever see your texts whole, all names are replaced by generic ones, and "
              "no phone numbers or other details are ever divulged. The corpus is used for "
              "research into language and for nothing else.",
              8.25, true, colour::black, 300);
    QWidget* formatNotes[] = {
        right.add("Please use the following format for each text:", 9.75, true, colour::black, 60),
        right.add("Anonymise any people or place names with generic ones if you wish, e.g. "
                  "'John', 'Townville', etc.***",
                  8.25, false, colour::black, 60),
        right.add("Please separate with TAB if possible.", 8.25, false, colour::black, 0, true),
    };
    // The notes on the format go just above the format panel.
    if (const int drop = ways.y() - right.y(); drop > 0) {
        for (QWidget* n : formatNotes) n->move(n->x(), n->y() + drop);
        right.skip(drop * 15);
    }

    return right;
}

// The format panel of a donated text, at `below`: seven column headings and
// one example row.
void donate_format(QWidget* panel, LabelNames& names, Column& below) {
    auto* format = new QFrame(panel);
    format->setObjectName("Frame1");
    format->setFrameStyle(QFrame::Box | QFrame::Plain);
    set_background(format, colour::paleYellow);
    const std::pair<QString, QString> fields[] = {
        {"Gender and age of sender:", "F35"},
        {"Education Level of sender:", "U"},
        {"Sender's nationality:", "UK"},
        {"Message:", "Hiya hun, r u still comin 2nite? Will b @ the pub by 8. C u there x"},
        {"Gender and age of receiver:", "M29"},
        {"Education Level of receiver:", "U"},
        {"Receiver's nationality:", "UK"},
    };
    const int widths[] = {1530, 1530, 1365, 3420, 1530, 1530, 1365}; // twips, 12270 in all
    int x = 120;
    int headingBottom = 0;
    std::vector<QLabel*> values;
    for (std::size_t i = 0; i < std::size(fields); ++i) {
        QLabel* h = make_label(format, names.next().constData(), fields[i].first,
                               QRect(x, 90, widths[i] - 90, 0), 8.25, true);
        headingBottom = std::max(headingBottom, fit_height(h));
        values.push_back(make_label(format, names.next().constData(), fields[i].second,
                                    QRect(x, 0, widths[i] - 90, 0)));
        x += widths[i];
    }
    int formatHeight = 0;
    for (QLabel* v : values) {
        v->move(v->x(), headingBottom + tw(90));
        formatHeight = std::max(formatHeight, fit_height(v) + tw(90));
    }
    format->setGeometry(tw(240), below.y(), tw(12525), formatHeight);
    below.skip(formatHeight * 15 + 240);
}

} // namespace

QWidget* createDonateWindow(std::function<void()> openUpload) {
    QWidget* w = make_window("Form8", "Donate", 13005, 8910);
    LabelNames names{7};

    // Everything sits on one white panel that fills the window.
    auto* panel = new QWidget(w);
    panel->setObjectName("Picture1");
    panel->setGeometry(0, 0, w->width(), w->height());
    set_background(panel, colour::white);

    Column top(panel, names, 240, 12525, 120);
    top.add("How to donate texts to the ZAPT corpus", 18, true, colour::blue);
    top.add("You can send texts to us in one of a number of ways.", 13.5, true,
            QColor(128, 128, 255), 300);

    // The three ways, down the left half; consent and the format of a donated
    // text, down the right half.
    const Column ways = donate_ways(w, panel, names, top, std::move(openUpload));
    const Column right = donate_consent(panel, names, top, ways);

    // Below both halves: the format panel, then the notes on it.
    Column below(panel, names, 240, 12525, 0);
    below.align_below(ways);
    below.align_below(right);
    below.skip(240);
    donate_format(panel, names, below);

    below.add("Please state if you are NOT a native speaker of English. In that case please state "
              "native/first language.",
              8.25, false, colour::black, 90);
    below.add("*** Don't worry if you haven't got time to anonymise. We will anonymise all texts.",
              8.25, false, colour::black, 90);
    below.add("Education Level codes: U = university graduate; HS = High School Diploma or "
              "equivalent; G = general education (to approximately 14 or 16 years of age).",
              8.25, false, colour::black, 420);

    QLabel* thanks =
        below.add("Thank you for your participation!", 13.5, true, colour::blue, 0, true);
    thanks->resize(tw(7500), thanks->height());

    // A reminder at the bottom right, level with the last line.
    QLabel* phoneType = make_label(panel, names.next().constData(), "phone type/predictive ",
                                   QRect(9960, 0, 2805, 0));
    phoneType->setAlignment(Qt::AlignRight | Qt::AlignTop);
    fit_height(phoneType);
    phoneType->move(phoneType->x(), thanks->y() + thanks->height() - phoneType->height());
    return w;
}

// ---------------------------------------------------------------------------
// Progress (Form10)

QWidget* createProgressWindow() {
    QWidget* w = make_window("Form10", "Progress", 5880, 2490);
    // Kept above every other window while the long calculation runs; the flag is
    // set before the window is first shown, so its place and size stay as they are.
    w->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    QLabel* l = make_label(w, "Label1", "Calculating....please wait......", QRect(240, 0, 5400, 0),
                           13.5, true);
    set_foreground(l, colour::red);
    l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    fit_height(l);
    l->move(l->x(), (w->height() - l->height()) / 2);
    return w;
}

// ---------------------------------------------------------------------------
// Upload page (Form9)

QWidget* createUploadWindow() {
    // Loaded once and kept for the rest of the run: windows made by the module
    // must outlive any one request.
    static QLibrary* module = nullptr;
    if (!module) {
        QString dir = qEnvironmentVariable("ZAPT_MODULE_DIR");
        if (dir.isEmpty()) dir = QCoreApplication::applicationDirPath();

        // The browser engine refuses to start under the root account unless its
        // sandbox is switched off; only in that case is it switched off.
        if (geteuid() == 0) {
            qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
            QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
            if (!flags.contains("--no-sandbox")) {
                if (!flags.isEmpty()) flags += ' ';
                flags += "--no-sandbox";
                qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags);
            }
        }

        auto* lib = new QLibrary(QDir(dir).filePath("libzapt_upload.so"));
        if (!lib->load()) {
            qWarning("The upload page is unavailable: %s", qPrintable(lib->errorString()));
            delete lib;
            return nullptr;
        }
        module = lib;
    }

    auto create =
        reinterpret_cast<ZaptCreateUploadWindow>(module->resolve(ZAPT_UPLOAD_ENTRY_POINT));
    if (!create) return nullptr;
    const QByteArray url = uploadUrl().toUtf8();
    const QByteArray title = ("Deposit Texts at " + kHost).toUtf8();
    QWidget* w = create(url.constData(), title.constData());
    if (w) w->setFont(dialog_font());
    return w;
}

} // namespace zapt::ui
