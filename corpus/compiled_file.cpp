#include "corpus/compiled_file.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <new>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <xxhash.h>

namespace zapt {
namespace {

std::uint64_t read64(const unsigned char* p) {
    std::uint64_t v;
    std::memcpy(&v, p, 8);
    return v;
}

} // namespace

Checksum::Checksum(std::uint64_t seed) : state_(XXH64_createState()) {
    if (!state_) throw std::bad_alloc();
    XXH64_reset(state_, seed);
}

Checksum::~Checksum() {
    XXH64_freeState(state_);
}

void Checksum::add(const void* data, std::size_t size) {
    if (size > 0) XXH64_update(state_, data, size);
}

std::uint64_t Checksum::value() const {
    return XXH64_digest(state_);
}

std::uint64_t checksum64(const void* data, std::size_t size, std::uint64_t seed) {
    Checksum c(seed);
    c.add(data, size);
    return c.value();
}

namespace {

// ---- The layout ---------------------------------------------------------------

constexpr char kMagic[8] = {'Z', 'A', 'P', 'T', 'C', 'O', 'R', 'P'};
constexpr std::uint32_t kByteOrder = 0x01020304;
constexpr std::size_t kHeaderSize = 256;
constexpr std::size_t kEntrySize = 64;
constexpr std::size_t kNameSize = 40; // a section's name, zero-padded
constexpr std::size_t kAlign = 64;
constexpr std::size_t kBuildSize = 64;

// Header fields: offsets into the header.
constexpr std::size_t kAtFormat = 8, kAtOrder = 12, kAtFileSize = 16, kAtCount = 24, kAtToc = 32,
                      kAtIdentity = 40, kAtIdentitySize = 48, kAtChecksum = 56, kAtBuild = 64;

void put64(unsigned char* p, std::uint64_t v) {
    std::memcpy(p, &v, 8);
}
void put32(unsigned char* p, std::uint32_t v) {
    std::memcpy(p, &v, 4);
}

std::size_t aligned(std::size_t n) {
    return (n + kAlign - 1) / kAlign * kAlign;
}

// The header's checksum: over the header without its checksum field, the
// table of contents and the identity block.
std::uint64_t header_checksum(const unsigned char* header, std::string_view toc,
                              std::string_view identity) {
    Checksum c(0x5A415054);
    c.add(header, kAtChecksum);
    c.add(header + kAtChecksum + 8, kHeaderSize - kAtChecksum - 8);
    c.add(toc.data(), toc.size());
    c.add(identity.data(), identity.size());
    return c.value();
}

std::string errno_text() {
    return std::strerror(errno);
}

bool write_all(int fd, const void* data, std::size_t size) {
    auto p = static_cast<const char*>(data);
    while (size > 0) {
        const std::size_t chunk = std::min<std::size_t>(size, std::size_t{1} << 24);
        const ssize_t n = ::write(fd, p, chunk);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool read_all(int fd, void* data, std::size_t size, std::uint64_t offset) {
    auto p = static_cast<char*>(data);
    while (size > 0) {
        const ssize_t n = ::pread(fd, p, size, static_cast<off_t>(offset));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        p += n;
        size -= static_cast<std::size_t>(n);
        offset += static_cast<std::uint64_t>(n);
    }
    return true;
}

FileStamp stamp_from(const struct stat& st) {
    FileStamp s;
    s.device = static_cast<std::uint64_t>(st.st_dev);
    s.inode = static_cast<std::uint64_t>(st.st_ino);
    s.size = static_cast<std::uint64_t>(st.st_size);
    s.modified = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    s.changed = static_cast<std::int64_t>(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec;
    return s;
}

} // namespace

bool stamp_of(const std::string& path, FileStamp& out) {
    struct stat st;
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    out = stamp_from(st);
    return true;
}

// ---- Writing ---------------------------------------------------------------

void CompiledWriter::add(std::string name, const void* data, std::size_t size) {
    if (name.size() >= kNameSize) throw CompiledError("section name too long: " + name);
    sections_.push_back({std::move(name), data, size});
}

void CompiledWriter::add_owned(std::string name, std::string bytes) {
    if (name.size() >= kNameSize) throw CompiledError("section name too long: " + name);
    Section s;
    s.name = std::move(name);
    s.owned = owned_.size();
    s.size = bytes.size();
    owned_.push_back(std::move(bytes));
    sections_.push_back(std::move(s));
}

void CompiledWriter::add_strings(std::string name, std::span<const std::string> list) {
    // The count, the offsets of the strings (one more: the end), their bytes.
    std::string bytes(8 * (list.size() + 2), '\0');
    auto* head = reinterpret_cast<unsigned char*>(bytes.data());
    put64(head, list.size());
    std::uint64_t at = 0;
    for (std::size_t i = 0; i < list.size(); ++i) {
        put64(head + 8 * (i + 1), at);
        at += list[i].size();
    }
    put64(head + 8 * (list.size() + 1), at);
    bytes.reserve(bytes.size() + at);
    for (const std::string& s : list) bytes += s;
    add_owned(std::move(name), std::move(bytes));
}

bool CompiledWriter::write(const std::string& path, std::string* error, unsigned mode) const {
    auto fail = [&](const std::string& why) {
        if (error) *error = why;
        return false;
    };
    // The layout: header, table, identity, then the sections.
    std::string toc(sections_.size() * kEntrySize, '\0');
    std::vector<std::uint64_t> offsets(sections_.size());
    std::uint64_t at = aligned(kHeaderSize + toc.size() + identity_.size());
    for (std::size_t i = 0; i < sections_.size(); ++i) {
        offsets[i] = at;
        at = aligned(at + sections_[i].size);
    }
    const std::uint64_t fileSize = at;

    static std::atomic<unsigned> serial{0};
    const std::filesystem::path target(path);
    const std::string temp =
        (target.parent_path() / ("." + target.filename().string() + ".tmp." +
                                 std::to_string(::getpid()) + "." + std::to_string(serial++)))
            .string();
    const int fd =
        ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, static_cast<mode_t>(mode));
    if (fd < 0) return fail(temp + " cannot be written (" + errno_text() + ")");
    auto abandon = [&](const std::string& why) {
        const std::string reason = why + " (" + errno_text() + ")";
        ::close(fd);
        ::unlink(temp.c_str());
        return fail(reason);
    };

    // The sections first, each with its checksum; then the table and header.
    static const char zeros[kAlign] = {};
    std::uint64_t written = 0;
    auto pad_to = [&](std::uint64_t offset) {
        if (written < offset) {
            if (::lseek(fd, static_cast<off_t>(offset), SEEK_SET) < 0) return false;
            written = offset;
        }
        return true;
    };
    for (std::size_t i = 0; i < sections_.size(); ++i) {
        const Section& s = sections_[i];
        const void* data =
            s.owned == static_cast<std::size_t>(-1) ? s.data : owned_[s.owned].data();
        if (!pad_to(offsets[i]) || !write_all(fd, data, s.size))
            return abandon(temp + " cannot be written");
        written += s.size;
        unsigned char* entry = reinterpret_cast<unsigned char*>(toc.data()) + i * kEntrySize;
        std::memcpy(entry, s.name.data(), s.name.size());
        put64(entry + kNameSize, offsets[i]);
        put64(entry + kNameSize + 8, s.size);
        put64(entry + kNameSize + 16, checksum64(data, s.size));
    }
    // The file ends with its last section, padded to the alignment.
    if (written < fileSize) {
        if (::lseek(fd, static_cast<off_t>(fileSize - 1), SEEK_SET) < 0 || !write_all(fd, zeros, 1))
            return abandon(temp + " cannot be written");
    }

    unsigned char header[kHeaderSize] = {};
    std::memcpy(header, kMagic, sizeof kMagic);
    put32(header + kAtFormat, kCompiledFormat);
    put32(header + kAtOrder, kByteOrder);
    put64(header + kAtFileSize, fileSize);
    put64(header + kAtCount, sections_.size());
    put64(header + kAtToc, kHeaderSize);
    put64(header + kAtIdentity, kHeaderSize + toc.size());
    put64(header + kAtIdentitySize, identity_.size());
    const std::string_view build = build_identity();
    std::memcpy(header + kAtBuild, build.data(), std::min(build.size(), kBuildSize));
    put64(header + kAtChecksum, header_checksum(header, toc, identity_));
    if (::lseek(fd, 0, SEEK_SET) < 0 || !write_all(fd, header, kHeaderSize) ||
        !write_all(fd, toc.data(), toc.size()) ||
        !write_all(fd, identity_.data(), identity_.size()))
        return abandon(temp + " cannot be written");
    if (::close(fd) != 0) {
        const std::string reason = temp + " cannot be written (" + errno_text() + ")";
        ::unlink(temp.c_str());
        return fail(reason);
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        const std::string reason = path + " cannot be written (" + errno_text() + ")";
        ::unlink(temp.c_str());
        return fail(reason);
    }
    return true;
}

// ---- Reading ---------------------------------------------------------------

CompiledFile::~CompiledFile() {
    if (map_) ::munmap(const_cast<std::byte*>(map_), mapSize_);
    if (fd_ >= 0) ::close(fd_);
}

std::shared_ptr<const CompiledFile> CompiledFile::open(const std::string& path, std::string* why,
                                                       bool* missing) {
    if (missing) *missing = false;
    auto fail = [&](const std::string& reason) -> std::shared_ptr<const CompiledFile> {
        if (why) *why = reason;
        return nullptr;
    };
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (missing) *missing = errno == ENOENT;
        return fail("cannot be opened (" + errno_text() + ")");
    }
    // The file stays open while it is mapped, for verify() to read the very file mapped.
    std::shared_ptr<CompiledFile> f(new CompiledFile);
    f->fd_ = fd;
    struct stat st;
    if (::fstat(fd, &st) != 0) return fail("cannot be read (" + errno_text() + ")");
    if (!S_ISREG(st.st_mode)) return fail("is not a file");
    const auto size = static_cast<std::uint64_t>(st.st_size);

    unsigned char header[kHeaderSize];
    if (size < kHeaderSize || !read_all(fd, header, kHeaderSize, 0))
        return fail("is too short to be a compiled corpus");
    if (std::memcmp(header, kMagic, sizeof kMagic) != 0) return fail("is not a compiled corpus");
    std::uint32_t format, order;
    std::memcpy(&format, header + kAtFormat, 4);
    std::memcpy(&order, header + kAtOrder, 4);
    if (order != kByteOrder) return fail("was written on a machine of another byte order");
    if (format != kCompiledFormat)
        return fail("is of another version of the format (" + std::to_string(format) + ", not " +
                    std::to_string(kCompiledFormat) + ")");
    const std::string_view build = build_identity();
    const std::string_view written(reinterpret_cast<const char*>(header + kAtBuild),
                                   std::min(build.size(), kBuildSize));
    if (written != build.substr(0, kBuildSize) ||
        (build.size() < kBuildSize && header[kAtBuild + build.size()] != 0))
        return fail("was written by another build of ZAPT");
    std::uint64_t fileSize, count, tocAt, identityAt, identitySize, checksum;
    std::memcpy(&fileSize, header + kAtFileSize, 8);
    std::memcpy(&count, header + kAtCount, 8);
    std::memcpy(&tocAt, header + kAtToc, 8);
    std::memcpy(&identityAt, header + kAtIdentity, 8);
    std::memcpy(&identitySize, header + kAtIdentitySize, 8);
    std::memcpy(&checksum, header + kAtChecksum, 8);
    if (fileSize != size)
        return fail(size < fileSize ? "is truncated" : "is longer than its header says");
    if (tocAt != kHeaderSize || count > (size - kHeaderSize) / kEntrySize ||
        identityAt != tocAt + count * kEntrySize || identitySize > size - identityAt)
        return fail("has a damaged header");

    std::string toc(count * kEntrySize, '\0');
    std::string identity(identitySize, '\0');
    if (!read_all(fd, toc.data(), toc.size(), tocAt) ||
        !read_all(fd, identity.data(), identity.size(), identityAt))
        return fail("cannot be read (" + errno_text() + ")");
    if (header_checksum(header, toc, identity) != checksum) return fail("has a damaged header");

    f->path_ = path;
    f->stamp_ = stamp_from(st);
    f->identity_ = std::move(identity);
    f->headerChecksum_ = checksum;
    const std::uint64_t dataFrom = aligned(identityAt + identitySize);
    for (std::uint64_t i = 0; i < count; ++i) {
        const auto* e = reinterpret_cast<const unsigned char*>(toc.data()) + i * kEntrySize;
        Entry entry;
        const auto* name = reinterpret_cast<const char*>(e);
        entry.name.assign(name, strnlen(name, kNameSize));
        std::memcpy(&entry.offset, e + kNameSize, 8);
        std::memcpy(&entry.size, e + kNameSize + 8, 8);
        std::memcpy(&entry.checksum, e + kNameSize + 16, 8);
        if (entry.name.empty() || entry.name.size() == kNameSize || entry.offset % kAlign != 0 ||
            entry.offset < dataFrom || entry.offset > size || entry.size > size - entry.offset ||
            f->find(entry.name))
            return fail("has a damaged table of contents");
        f->entries_.push_back(std::move(entry));
    }
    void* map = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
    if (map == MAP_FAILED) return fail("cannot be mapped (" + errno_text() + ")");
    f->map_ = static_cast<const std::byte*>(map);
    f->mapSize_ = size;
    return f;
}

bool read_compiled_identity(const std::string& path, std::string& identity) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    unsigned char header[kHeaderSize];
    bool ok =
        read_all(fd, header, kHeaderSize, 0) && std::memcmp(header, kMagic, sizeof kMagic) == 0;
    std::uint32_t format = 0;
    std::uint64_t at = 0, size = 0;
    if (ok) {
        std::memcpy(&format, header + kAtFormat, 4);
        std::memcpy(&at, header + kAtIdentity, 8);
        std::memcpy(&size, header + kAtIdentitySize, 8);
        ok = format == kCompiledFormat && size < (std::uint64_t{1} << 24);
    }
    if (ok) {
        identity.assign(size, '\0');
        ok = read_all(fd, identity.data(), identity.size(), at);
    }
    ::close(fd);
    return ok;
}

const CompiledFile::Entry* CompiledFile::find(std::string_view name) const {
    for (const Entry& e : entries_) {
        if (e.name == name) return &e;
    }
    return nullptr;
}

bool CompiledFile::verify(std::string* why) const {
    const int fd = fd_;
    std::vector<unsigned char> buffer(std::size_t{1} << 20);
    for (const Entry& e : entries_) {
        Checksum c;
        for (std::uint64_t done = 0; done < e.size;) {
            const std::size_t n =
                static_cast<std::size_t>(std::min<std::uint64_t>(buffer.size(), e.size - done));
            if (!read_all(fd, buffer.data(), n, e.offset + done)) {
                if (why) *why = "cannot be read (" + errno_text() + ")";
                return false;
            }
            c.add(buffer.data(), n);
            done += n;
        }
        if (c.value() != e.checksum) {
            if (why) *why = "is damaged (section " + e.name + ")";
            return false;
        }
    }
    return true;
}

std::span<const std::byte> CompiledFile::bytes(std::string_view name) const {
    const Entry* e = find(name);
    if (!e) throw CompiledError("no section " + std::string(name));
    return {map_ + e->offset, static_cast<std::size_t>(e->size)};
}

std::string_view CompiledFile::chars(std::string_view name) const {
    const std::span<const std::byte> b = bytes(name);
    return {reinterpret_cast<const char*>(b.data()), b.size()};
}

std::vector<std::string> CompiledFile::strings(std::string_view name) const {
    const std::span<const std::byte> b = bytes(name);
    auto* p = reinterpret_cast<const unsigned char*>(b.data());
    auto bad = [&] { return CompiledError("section " + std::string(name) + " is no list"); };
    if (b.size() < 16) throw bad();
    const std::uint64_t count = read64(p);
    if (count > b.size() / 8 - 2) throw bad();
    const std::size_t head = 8 * (count + 2);
    const std::uint64_t total = read64(p + 8 * (count + 1));
    if (total != b.size() - head) throw bad();
    const char* chars = reinterpret_cast<const char*>(p + head);
    std::vector<std::string> out;
    out.reserve(count);
    std::uint64_t from = read64(p + 8);
    for (std::uint64_t i = 0; i < count; ++i) {
        const std::uint64_t to = read64(p + 8 * (i + 2));
        if (to < from || to > total) throw bad();
        out.emplace_back(chars + from, to - from);
        from = to;
    }
    return out;
}

} // namespace zapt
