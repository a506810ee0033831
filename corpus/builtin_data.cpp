#include "corpus/data_files.h"

#include <cstddef>

namespace zapt {
namespace embedded {
// Written by the build from the files in data/ (see tools/embed_data.cpp).
extern const unsigned char register_json[];
extern const std::size_t register_json_size;
extern const unsigned char corpus_jsonl[];
extern const std::size_t corpus_jsonl_size;
extern const unsigned char glossary_json[];
extern const std::size_t glossary_json_size;
extern const unsigned char variants_json[];
extern const std::size_t variants_json_size;
} // namespace embedded

namespace {
std::string_view view(const unsigned char* bytes, std::size_t size) {
    return {reinterpret_cast<const char*>(bytes), size};
}
} // namespace

DataSet load_builtin_data() {
    using namespace embedded;
    DataSet d;
    d.authors = read_register("data/register.json", view(register_json, register_json_size));
    d.corpus = read_corpus("data/corpus.jsonl", view(corpus_jsonl, corpus_jsonl_size));
    d.glossary = read_glossary("data/glossary.json", view(glossary_json, glossary_json_size));
    d.variants = read_variants("data/variants.json", view(variants_json, variants_json_size));
    return d;
}

GlossaryData load_builtin_glossary() {
    using namespace embedded;
    return read_glossary("data/glossary.json", view(glossary_json, glossary_json_size));
}

std::vector<VariantFamily> load_builtin_variants() {
    using namespace embedded;
    return read_variants("data/variants.json", view(variants_json, variants_json_size));
}

} // namespace zapt
