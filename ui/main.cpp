#include "corpus/corpus_store.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const zapt::DataSet data = zapt::load_builtin_data();
    const zapt::CorpusStore store = zapt::build_corpus_store(data.corpus, data.authors);
    QMainWindow window;
    window.setWindowTitle("ZAPT...The Mobile Phone Text Corpus");
    auto* label = new QLabel(QString("No. of Texts in Corpus: %1").arg(store.corpusTextCount()));
    window.setCentralWidget(label);
    window.show();
    return app.exec();
}
