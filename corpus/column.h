// The flat arrays a corpus is made of (the texts' characters, the places of
// every word, the numbers of every text's author...), either built in memory
// or read from a compiled file that is mapped, not copied: a Column owns its
// elements or views those of the mapping, which it keeps alive. Either way
// it reads like a constant std::vector. A column is made whole and then only
// read: building code fills a std::vector and hands it over.
#pragma once

#include <algorithm>
#include <cstddef>
#include <iosfwd>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

namespace zapt {

template <class T> class Column {
    static_assert(std::is_trivially_copyable_v<T>, "a column holds plain values");

public:
    using value_type = T;
    using iterator = const T*;
    using const_iterator = const T*;

    Column() = default;
    // Owns the elements of `items`.
    Column(std::vector<T> items) : own_(std::move(items)) { point(); }
    // Views `items`, which `keep` keeps alive.
    static Column view(std::span<const T> items, std::shared_ptr<const void> keep) {
        Column c;
        c.data_ = items.data();
        c.size_ = items.size();
        c.keep_ = std::move(keep);
        return c;
    }

    Column(const Column& o) : own_(o.own_), keep_(o.keep_) { take_view(o); }
    Column(Column&& o) noexcept : own_(std::move(o.own_)), keep_(std::move(o.keep_)) {
        take_view(o);
        o.own_.clear();
        o.point();
    }
    Column& operator=(const Column& o) {
        if (this != &o) *this = Column(o);
        return *this;
    }
    Column& operator=(Column&& o) noexcept {
        own_ = std::move(o.own_);
        keep_ = std::move(o.keep_);
        take_view(o);
        o.own_.clear();
        o.keep_.reset();
        o.point();
        return *this;
    }
    ~Column() = default;

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    const T* data() const { return data_; }
    const T& operator[](std::size_t i) const { return data_[i]; }
    const T* begin() const { return data_; }
    const T* end() const { return data_ + size_; }
    const T& front() const { return data_[0]; }
    const T& back() const { return data_[size_ - 1]; }
    std::span<const T> span() const { return {data_, size_}; }
    operator std::span<const T>() const { return span(); }
    // Whether the elements are those of a compiled file.
    bool mapped() const { return keep_ != nullptr; }

    friend bool operator==(const Column& a, const Column& b) {
        return std::equal(a.begin(), a.end(), b.begin(), b.end());
    }
    friend bool operator==(const Column& a, const std::vector<T>& b) {
        return std::equal(a.begin(), a.end(), b.begin(), b.end());
    }

private:
    void point() {
        data_ = own_.data();
        size_ = own_.size();
    }
    void take_view(const Column& o) {
        if (keep_) {
            data_ = o.data_;
            size_ = o.size_;
        } else {
            point();
        }
    }

    std::vector<T> own_;
    const T* data_ = nullptr;
    std::size_t size_ = 0;
    std::shared_ptr<const void> keep_; // the mapping viewed, or nothing
};

// A buffer of text (the corpus text, the cleaned corpus text): a string of
// its own or a view of a compiled file. It reads like a constant string.
class TextBuffer {
public:
    static constexpr std::size_t npos = std::string_view::npos;
    using value_type = char;
    using iterator = const char*;
    using const_iterator = const char*;

    TextBuffer() { point(); }
    TextBuffer(std::string text) : own_(std::move(text)) { point(); }
    static TextBuffer view(std::string_view text, std::shared_ptr<const void> keep) {
        TextBuffer b;
        b.view_ = text;
        b.keep_ = std::move(keep);
        return b;
    }

    TextBuffer(const TextBuffer& o) : own_(o.own_), keep_(o.keep_) { take_view(o); }
    TextBuffer(TextBuffer&& o) noexcept : own_(std::move(o.own_)), keep_(std::move(o.keep_)) {
        take_view(o);
        o.own_.clear();
        o.point();
    }
    TextBuffer& operator=(const TextBuffer& o) {
        if (this != &o) *this = TextBuffer(o);
        return *this;
    }
    TextBuffer& operator=(TextBuffer&& o) noexcept {
        own_ = std::move(o.own_);
        keep_ = std::move(o.keep_);
        take_view(o);
        o.own_.clear();
        o.keep_.reset();
        o.point();
        return *this;
    }
    ~TextBuffer() = default;

    std::string_view view() const { return view_; }
    operator std::string_view() const { return view_; }
    // A string of its own, where one is wanted.
    operator std::string() const { return std::string(view_); }

    std::size_t size() const { return view_.size(); }
    std::size_t length() const { return view_.size(); }
    bool empty() const { return view_.empty(); }
    const char* data() const { return view_.data(); }
    char operator[](std::size_t i) const { return view_[i]; }
    const char* begin() const { return view_.data(); }
    const char* end() const { return view_.data() + view_.size(); }
    char front() const { return view_.front(); }
    char back() const { return view_.back(); }
    template <class... A> std::size_t find(A&&... a) const {
        return view_.find(std::forward<A>(a)...);
    }
    template <class... A> std::size_t rfind(A&&... a) const {
        return view_.rfind(std::forward<A>(a)...);
    }
    template <class... A> int compare(A&&... a) const {
        return view_.compare(std::forward<A>(a)...);
    }
    // As std::string::substr: a string of its own.
    std::string substr(std::size_t pos = 0, std::size_t n = npos) const {
        return std::string(view_.substr(pos, n));
    }
    bool mapped() const { return keep_ != nullptr; }

    friend bool operator==(const TextBuffer& a, const TextBuffer& b) { return a.view_ == b.view_; }
    friend bool operator==(const TextBuffer& a, std::string_view b) { return a.view_ == b; }
    friend std::ostream& operator<<(std::ostream& out, const TextBuffer& b);

private:
    void point() { view_ = own_; }
    void take_view(const TextBuffer& o) {
        if (keep_) {
            view_ = o.view_;
        } else {
            point();
        }
    }

    std::string own_;
    std::string_view view_;
    std::shared_ptr<const void> keep_;
};

} // namespace zapt
