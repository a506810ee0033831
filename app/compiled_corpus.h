// A corpus compiled once, mapped on every later open.
//
// The first open of a corpus (a folder or a table) reads and indexes it as
// always, then writes every part of the Corpus (the store, the register, the
// metadata, the lexicon's lists, the load's report, the author index and the
// form index) into one compiled file (corpus/compiled_file.h): in the user's
// cache folder, one file per source and options, named by their hash, or
// beside the corpus with --compile. Every later open maps that file instead:
// the large arrays are read in place, so an open costs what a command
// touches, not what the corpus holds.
//
// A compiled file answers for the corpus only while the corpus is what it was
// compiled from. Its identity block records the options that change the
// corpus's parts (the path, --map, --encoding, --text-field, --author-field,
// --glossary, --families; not --bands, which are applied at each open) and,
// per source file (the table, or the folder's register.json, corpus.jsonl,
// glossary.json and variants.json, present or not, and the lexicon files
// given), its size, modification time and the checksum of its content. A
// file whose size or time differs is stale; so is one whose content differs.
//
// Hashing a large source or checking every section of a large compiled file
// costs a pass over it, so both are done once and sealed: a small seal file in
// the cache folder records the compiled file's identity on disk (device,
// inode, size, times) after its sections were checked, and each source's
// after its content was hashed. Any write to a file changes its change time,
// so a file that matches its seal is the one that was checked; one that does
// not is checked again. A source changed within two seconds of being hashed is
// never sealed (a file system may not tell two writes in one tick apart).
// A damaged, truncated or foreign compiled file is compiled again with a note;
// a cache folder that cannot be written means no cache, with a note.
#pragma once

#include "app/corpus_source.h"
#include "corpus/compiled_file.h"
#include "corpus/corpus.h"

#include <memory>
#include <string>
#include <vector>

namespace zapt {

// The compiled corpus of options.path (a folder or a table): mapped when its
// compiled file answers for the corpus as it is, otherwise read, made and
// compiled. See load_corpus_source.
std::shared_ptr<const Corpus> load_compiled_corpus(const CorpusOptions& options,
                                                   const LoadProgress& progress,
                                                   AuthorIndexWhen when,
                                                   std::vector<std::string>* notes);

// The cache folder of `options`: options.cacheFolder, or $XDG_CACHE_HOME/zapt,
// or ~/.cache/zapt; empty when none can be named.
std::string compiled_cache_folder(const CorpusOptions& options);
// Where the compiled file of `options` stands beside the corpus, and in the
// cache folder (empty when there is none).
std::string compiled_beside_path(const CorpusOptions& options);
std::string compiled_cache_path(const CorpusOptions& options);

// Writes every part of `corpus` (its author index and form index built first,
// if they are not yet) as a compiled file at `path`, with `report` as the
// report of its reading (without the notes of the bands, which the bands of
// each open add) and `identity` as its identity block. False, with `error`,
// when it cannot be written.
bool write_compiled_corpus(const Corpus& corpus, const LoadReport& report,
                           const std::string& identity, const std::string& path,
                           std::string* error);
// The corpus of a compiled file, with `bands`, named `source` ("folder PATH",
// "table PATH"). A CompiledError when its parts do not fit together.
std::shared_ptr<const Corpus> read_compiled_corpus(std::shared_ptr<const CompiledFile> file,
                                                   AgeBands bands, std::string source);

} // namespace zapt
