// The concordance: the lines of a form, pattern or phrase, each made of the
// pieces of the hit's own text and never of another, and cut so that no line
// shows more than half of its text. The lines of one text together never show
// more than half of it either: otherwise the lines of a frequent pattern
// ("*"), read in corpus order, would put whole texts back together. The lines
// name the author by code only.
#pragma once

#include "explore/form_index.h"
#include "explore/pattern.h"
#include "selection/subcorpus.h"
#include "variation/grouping.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zapt {

inline constexpr int kMinContext = 1;
inline constexpr int kMaxContext = 5;
inline constexpr int kDefaultContext = 3;

// A line: where the hit stands and how many pieces it shows on each side.
// Its words are read from the index when they are wanted.
struct ConcordanceLine {
    std::uint32_t text = 0;
    std::uint32_t first = 0;  // the hit's first piece among all pieces
    std::uint32_t length = 1; // the hit's pieces
    std::uint32_t left = 0, right = 0;
    std::int32_t author = -1; // the register row, or -1

    std::uint32_t from() const { return first - left; }
    std::uint32_t to() const { return first + length + right; }
};

// The author code of a line; empty for a text of no author, never a name.
std::string line_code(const FormIndex& index, const ConcordanceLine& line);
// The pieces left of the hit, of the hit, right of it, as spelled.
std::vector<std::string> line_left(const FormIndex& index, const ConcordanceLine& line);
std::vector<std::string> line_hit(const FormIndex& index, const ConcordanceLine& line);
std::vector<std::string> line_right(const FormIndex& index, const ConcordanceLine& line);
// The pieces from..to joined by single blanks.
std::string joined_pieces(const FormIndex& index, std::uint32_t from, std::uint32_t to);

struct Concordance {
    std::vector<ConcordanceLine> lines; // corpus order
    std::size_t hits = 0;               // every hit, shown or not
    // Per bucket of the index (register rows, then the texts of no author):
    // its hits, shown or not.
    std::vector<std::uint32_t> bucketHits;
    std::size_t hidden = 0;   // hits whose text is too short to show any line
    std::size_t withheld = 0; // hits whose text's half the lines before them already show
    std::string error;        // the pattern's message
    std::string texts;        // the texts chosen (see chosen_texts); empty: whole authors
};

// How many pieces a line may show on each side of a hit of `length` pieces at
// `before` pieces from the start of a text of `pieces` pieces, with up to
// `context` each side: the line (left, hit, right) holds at most half the
// text's pieces (rounded down), the longer side losing a piece first (the
// right on a tie). Nothing when even the hit is more than half.
struct LineSpan {
    bool shown = false;
    std::size_t left = 0, right = 0;
};
LineSpan line_span(std::size_t pieces, std::size_t before, std::size_t length, int context);

// The lines of `pattern` in the texts of the buckets marked in `inScope`
// (empty: the whole corpus) and, when `texts` is not empty, only in the texts
// marked in it, with `context` pieces each side (clamped to 1..5). Each line is first cut by
// line_span; then, taking the hits of a text in order, while the pieces of the text shown by its
// lines so far and this one would be more than half of it, the line loses a piece from its longer
// side (the right on a tie); a line that still shows too much is withheld.
Concordance concordance(const FormIndex& index, const Pattern& pattern, int context,
                        const std::vector<char>& inScope = {}, const std::vector<char>& texts = {});

enum class ConcordanceSort { Corpus, Left, Right, Left1, Left2, Right1, Right2 };
// Orders the lines by the words left of the hit (the nearest first, then the
// next and so on), by those right of it, or in corpus order; or by one word
// alone: the first or second left of the hit, the first or second right of
// it. Words are compared by their folded forms; a line that shows fewer words
// on the side (or not the word sorted by) comes before one that shows more;
// equal keys keep corpus order. Only the words a line shows count.
void sort_lines(const FormIndex& index, std::vector<ConcordanceLine>& lines, ConcordanceSort by);
// "corpus", "left", "right", "left1", "left2", "right1", "right2", and back.
const char* sort_name(ConcordanceSort by);
std::optional<ConcordanceSort> parse_sort(std::string_view name);
// "by the words left of the hit, nearest first", for the "#" lines.
std::string sort_caption(ConcordanceSort by);

// ---- The authors' groups beside the lines

// Author fields shown as columns beside each line: named as --group-by names
// them ("band", "gender", "education", "native_language", a metadata column),
// with each author's value as the comparisons label its group.
struct LineFields {
    std::vector<GroupField> fields;
    std::vector<std::string> columns;             // the fields' names
    std::vector<std::vector<std::string>> values; // per register row, one per field ("" none)
    // Per register row and field, the place of its value among the field's
    // values (age bands youngest first, numbers by size, words by folded
    // form); kNoValue for none.
    std::vector<std::vector<std::uint32_t>> places;

    static constexpr std::uint32_t kNoValue = UINT32_MAX;
    bool empty() const { return fields.empty(); }
    // Author `row`'s value of field c; "" for a text of no author (-1).
    const std::string& value(std::int32_t row, std::size_t c) const;
};
// The fields `chosen`, with every register row's values.
LineFields line_fields(const std::vector<GroupField>& chosen, const AuthorFields& fields);
// Reads "FIELD[,FIELD...]" (each as --group-by reads a field; any number,
// none twice). Nothing, with `error` set, for an unknown field or one named
// twice.
std::optional<LineFields> line_fields(std::string_view names, const AuthorFields& fields,
                                      std::string* error);

// The hits of one group: the authors sharing a value of every field (the
// texts of no author and the authors without a value under an empty one).
struct GroupTally {
    std::vector<std::string> values; // one per field
    std::size_t lines = 0;           // the lines shown
    std::size_t hits = 0;            // every hit, shown or not
    std::size_t authors = 0;         // register rows with a hit
};
// Per group with a hit, in the groups' order (field by field, a missing value
// last).
std::vector<GroupTally> tally_hits(const Concordance& c, const LineFields& fields);

} // namespace zapt
