// The programs' entry point for a corpus table. Apart from the reader because
// it takes the built-in glossary and variant families, which only the program
// carries.
#include "corpus/table_reader.h"

namespace zapt {

DataSet load_table_corpus(const std::string& path, const TableOptions& options,
                          LoadReport& report) {
    DataSet d = read_table_corpus(path, options, report);
    if (auto e = report.fatal_error()) throw *e;
    d.glossary = load_builtin_glossary();
    d.variants = load_builtin_variants();
    return d;
}

} // namespace zapt
