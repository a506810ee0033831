// The compiled file of a corpus: every part of a loaded corpus written once in
// binary, so that the next open maps the file instead of reading and indexing
// the corpus again.
//
// A file is a header, a table of contents and the sections it lists:
//
//   header    the magic "ZAPTCORP", the format's version, the byte order, the
//             file's size, where the table of contents and the identity
//             block are, the build of the program that wrote it, and the
//             checksum of the header, the table and the identity block
//   table     per section its name ("store.cleanedText", "authors.byName"...),
//             where it starts (a multiple of 64 bytes), its size and its
//             checksum
//   identity  what the file was compiled from (the caller's text: the
//             sources, their sizes, times and content hashes, the options)
//   sections  each layer's own data, mostly flat arrays of numbers, viewed
//             in place through the mapping
//
// Opening a file checks everything but the sections' checksums, which cost a
// pass over the whole file; verify() checks those too. Each layer writes and
// reads its own sections (the store here, the author index in authors/, the
// form index in explore/); this module knows only sections.
#pragma once

#include "corpus/column.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

struct XXH64_state_s;

namespace zapt {

// The version of the layout of the sections; a file of another version is
// compiled again. (A file of another build of the program is too: see
// build_identity().)
inline constexpr std::uint32_t kCompiledFormat = 1;

// The build of the program: a hash of the sources of the core and of the
// data built into it, made when the program is built. The parts are written
// as the program holds them in memory, so only the same build reads them.
std::string_view build_identity();

// A 64-bit checksum of bytes (the 64-bit xxHash algorithm, by Debian's
// libxxhash), in one go or in pieces. It tells a damaged section or a changed
// source file from the one recorded; it is no protection against a forger.
class Checksum {
public:
    explicit Checksum(std::uint64_t seed = 0);
    ~Checksum();
    Checksum(const Checksum&) = delete;
    Checksum& operator=(const Checksum&) = delete;
    void add(const void* data, std::size_t size);
    std::uint64_t value() const;

private:
    XXH64_state_s* state_;
};
std::uint64_t checksum64(const void* data, std::size_t size, std::uint64_t seed = 0);

// A compiled file that cannot be used: its parts do not fit together.
class CompiledError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Writes a compiled file section by section.
class CompiledWriter {
public:
    // A section of the bytes at `data`, which must stay unchanged until
    // write() has returned.
    void add(std::string name, const void* data, std::size_t size);
    // A section of its own bytes.
    void add_owned(std::string name, std::string bytes);
    template <class T> void add(std::string name, std::span<const T> items) {
        static_assert(std::is_trivially_copyable_v<T>);
        add(std::move(name), items.data(), items.size_bytes());
    }
    template <class T> void add(std::string name, const std::vector<T>& items) {
        add(std::move(name), std::span<const T>(items));
    }
    template <class T> void add(std::string name, const Column<T>& items) {
        add(std::move(name), items.span());
    }
    // A section of one value, copied.
    template <class T> void add_value(std::string name, const T& value) {
        static_assert(std::is_trivially_copyable_v<T>);
        std::string bytes(sizeof(T), '\0');
        std::memcpy(bytes.data(), &value, sizeof(T));
        add_owned(std::move(name), std::move(bytes));
    }
    // A list of strings, read back by CompiledFile::strings().
    void add_strings(std::string name, std::span<const std::string> list);
    // The identity block.
    void set_identity(std::string identity) { identity_ = std::move(identity); }

    // Writes the file to `path`: into a temporary file in the same folder,
    // renamed to `path` once whole, so that no reader ever sees half a file
    // and two writers at once leave one whole file. False, with `error`
    // saying why, when it cannot be written.
    // The file gets the permissions `mode` (less the process's umask).
    bool write(const std::string& path, std::string* error, unsigned mode = 0644) const;

private:
    struct Section {
        std::string name;
        const void* data = nullptr;
        std::size_t size = 0;
        std::size_t owned = static_cast<std::size_t>(-1); // its bytes in owned_
    };
    std::vector<Section> sections_;
    std::vector<std::string> owned_;
    std::string identity_;
};

// How a file on disk stands: enough to tell whether it changed.
struct FileStamp {
    std::uint64_t device = 0, inode = 0, size = 0;
    std::int64_t modified = 0; // nanoseconds since 1970
    std::int64_t changed = 0;  // the inode's change time, likewise
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};
// The stamp of `path`; nothing when it does not exist or is no regular file.
bool stamp_of(const std::string& path, FileStamp& out);

// The identity block of the compiled file at `path` whatever build wrote it
// (its magic and format checked only): for tidying a cache folder.
bool read_compiled_identity(const std::string& path, std::string& identity);

// A compiled file, mapped. Made only by open(); shared by every part that
// views it, and unmapped when the last of them goes.
class CompiledFile : public std::enable_shared_from_this<CompiledFile> {
public:
    // Opens and maps `path`, checking the magic, the format, the byte order,
    // the build, the sizes, the table of contents and the header's checksum.
    // Nothing, with `why` saying what is wrong ("truncated", "written by
    // another build of ZAPT"...), when one of them fails; `missing` is set
    // when there is no such file at all.
    static std::shared_ptr<const CompiledFile> open(const std::string& path, std::string* why,
                                                    bool* missing = nullptr);
    ~CompiledFile();
    CompiledFile(const CompiledFile&) = delete;
    CompiledFile& operator=(const CompiledFile&) = delete;

    const std::string& path() const { return path_; }
    // The file as it was when opened.
    const FileStamp& stamp() const { return stamp_; }
    std::string_view identity() const { return identity_; }
    std::uint64_t headerChecksum() const { return headerChecksum_; }

    // Checks every section's checksum, reading the file (not the mapping, so
    // that the process takes no memory for it). False, with `why`, when one
    // differs.
    bool verify(std::string* why) const;

    bool has(std::string_view name) const { return find(name) != nullptr; }
    // The bytes of a section; a CompiledError when there is none.
    std::span<const std::byte> bytes(std::string_view name) const;
    // A section as an array of T; a CompiledError when there is none or its
    // size is no multiple of T's.
    template <class T> std::span<const T> array(std::string_view name) const {
        static_assert(std::is_trivially_copyable_v<T>);
        const std::span<const std::byte> b = bytes(name);
        if (b.size() % sizeof(T) != 0 ||
            reinterpret_cast<std::uintptr_t>(b.data()) % alignof(T) != 0)
            throw CompiledError("section " + std::string(name) + " has the wrong size");
        return {reinterpret_cast<const T*>(b.data()), b.size() / sizeof(T)};
    }
    // The same, `count` elements long (a CompiledError otherwise).
    template <class T> std::span<const T> array(std::string_view name, std::size_t count) const {
        const std::span<const T> a = array<T>(name);
        if (a.size() != count)
            throw CompiledError("section " + std::string(name) + " has the wrong size");
        return a;
    }
    template <class T> Column<T> column(std::string_view name) const {
        return Column<T>::view(array<T>(name), keep());
    }
    template <class T> Column<T> column(std::string_view name, std::size_t count) const {
        return Column<T>::view(array<T>(name, count), keep());
    }
    template <class T> std::vector<T> vector(std::string_view name) const {
        const std::span<const T> a = array<T>(name);
        return std::vector<T>(a.begin(), a.end());
    }
    std::string_view chars(std::string_view name) const;
    TextBuffer text(std::string_view name) const { return TextBuffer::view(chars(name), keep()); }
    // A section written by add_strings().
    std::vector<std::string> strings(std::string_view name) const;
    // A single number written as a one-element array.
    template <class T> T value(std::string_view name) const { return array<T>(name, 1)[0]; }

    // What keeps the mapping alive.
    std::shared_ptr<const void> keep() const { return shared_from_this(); }

private:
    struct Entry {
        std::string name;
        std::uint64_t offset = 0, size = 0, checksum = 0;
    };
    CompiledFile() = default;
    const Entry* find(std::string_view name) const;

    std::string path_;
    FileStamp stamp_;
    std::string identity_;
    std::uint64_t headerChecksum_ = 0;
    std::vector<Entry> entries_;
    int fd_ = -1;
    const std::byte* map_ = nullptr;
    std::size_t mapSize_ = 0;
};

} // namespace zapt
