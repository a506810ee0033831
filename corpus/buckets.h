// Items grouped by bucket in linear time (a counting sort): the texts of each
// author name, the register rows of each code, the places of each word or
// form, the members of each part. Every index of the program groups its items
// this one way: count the items of each bucket, turn the counts into each
// bucket's first place, then put each item at the next free place of its
// bucket, so that a bucket's items keep the order they came in.
//
//   std::vector<std::uint32_t> from = bucket_starts(counts); // one more: the total
//   items.resize(from.back());
//   BucketPlaces next(from);
//   for (each item i in order) items[next(bucket_of(i))] = i;
//
// Bucket b's items are then items[from[b], from[b + 1]).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zapt {

// The first place of each bucket among all items, from the buckets' counts,
// and one more at the end: the number of items.
template <class Count> std::vector<std::uint32_t> bucket_starts(const std::vector<Count>& counts) {
    std::vector<std::uint32_t> from(counts.size() + 1);
    std::uint32_t sum = 0;
    for (std::size_t b = 0; b < counts.size(); ++b) {
        from[b] = sum;
        sum += static_cast<std::uint32_t>(counts[b]);
    }
    from[counts.size()] = sum;
    return from;
}

// The next free place of each bucket, starting at bucket_starts' places: each
// call hands out the next place of that bucket.
class BucketPlaces {
public:
    explicit BucketPlaces(const std::vector<std::uint32_t>& from)
        : next_(from.begin(), from.end() - (from.empty() ? 0 : 1)) {}
    std::uint32_t operator()(std::size_t bucket) { return next_[bucket]++; }

private:
    std::vector<std::uint32_t> next_;
};

// Counts items 0..n-1 by bucket (`bucket_of(i)` < `buckets`), then sets `from`
// to the buckets' first places and `items` to the items `value_of(i)`, bucket
// by bucket in the order they came in.
template <class Item, class BucketOf, class ValueOf>
void group_into_buckets(std::size_t n, std::size_t buckets, BucketOf bucket_of, ValueOf value_of,
                        std::vector<std::uint32_t>& from, std::vector<Item>& items) {
    std::vector<std::uint32_t> counts(buckets, 0);
    for (std::size_t i = 0; i < n; ++i) ++counts[static_cast<std::size_t>(bucket_of(i))];
    from = bucket_starts(counts);
    items.resize(n);
    BucketPlaces next(from);
    for (std::size_t i = 0; i < n; ++i)
        items[next(static_cast<std::size_t>(bucket_of(i)))] = value_of(i);
}

} // namespace zapt
