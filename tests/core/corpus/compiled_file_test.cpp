// The checksum behind a compiled corpus: the 64-bit xxHash of the bytes,
// whether they come in one piece, in many, or in none (an empty section, an
// empty source file).
#include "corpus/compiled_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>

namespace zapt {
namespace {

TEST(CompiledChecksum, IsTheXxHash64OfTheBytesInAnyPieces) {
    // Published values of XXH64 with seed 0.
    EXPECT_EQ(checksum64("", 0), 0xEF46DB3751D8E999ull);
    EXPECT_EQ(checksum64("a", 1), 0xD24EC4F1A98C6E5Bull);
    EXPECT_EQ(checksum64("abc", 3), 0x44BC2CF5AD770999ull);

    std::string bytes;
    for (int i = 0; i < 1000; ++i) bytes += static_cast<char>(i * 7 + 3);
    const std::uint64_t whole = checksum64(bytes.data(), bytes.size(), 42);
    EXPECT_NE(whole, checksum64(bytes.data(), bytes.size(), 43));
    for (std::size_t piece : {1u, 3u, 31u, 32u, 33u, 999u}) {
        Checksum c(42);
        for (std::size_t at = 0; at < bytes.size(); at += piece)
            c.add(bytes.data() + at, std::min(piece, bytes.size() - at));
        c.add(nullptr, 0); // an empty piece, as an empty file gives
        EXPECT_EQ(c.value(), whole) << piece;
    }
}

} // namespace
} // namespace zapt
