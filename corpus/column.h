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

// What a Column and a TextBuffer share: elements of their own (`Own`, a
// vector or a string) or a view of a compiled file's mapping, kept alive by
// `keep`; copied and moved so that the view always points at the elements
// of the object it is in (a string of its own may move its characters).
template <class Own, class View> class OwnedOrViewed {
public:
    // Whether the elements are those of a compiled file.
    bool mapped() const { return keep_ != nullptr; }

protected:
    OwnedOrViewed() { point(); }
    explicit OwnedOrViewed(Own own) : own_(std::move(own)) { point(); }
    OwnedOrViewed(View view, std::shared_ptr<const void> keep)
        : view_(view), keep_(std::move(keep)) {}

    OwnedOrViewed(const OwnedOrViewed& o) : own_(o.own_), keep_(o.keep_) { take_view(o); }
    OwnedOrViewed(OwnedOrViewed&& o) noexcept : own_(std::move(o.own_)), keep_(std::move(o.keep_)) {
        take_view(o);
        o.own_.clear();
        o.point();
    }
    OwnedOrViewed& operator=(const OwnedOrViewed& o) {
        if (this != &o) *this = OwnedOrViewed(o);
        return *this;
    }
    OwnedOrViewed& operator=(OwnedOrViewed&& o) noexcept {
        own_ = std::move(o.own_);
        keep_ = std::move(o.keep_);
        take_view(o);
        o.own_.clear();
        o.keep_.reset();
        o.point();
        return *this;
    }
    ~OwnedOrViewed() = default;

    View view_;

private:
    void point() { view_ = View(own_.data(), own_.size()); }
    void take_view(const OwnedOrViewed& o) {
        if (keep_) {
            view_ = o.view_;
        } else {
            point();
        }
    }

    Own own_;
    std::shared_ptr<const void> keep_; // the mapping viewed, or nothing
};

template <class T> class Column : public OwnedOrViewed<std::vector<T>, std::span<const T>> {
    static_assert(std::is_trivially_copyable_v<T>, "a column holds plain values");
    using Base = OwnedOrViewed<std::vector<T>, std::span<const T>>;
    using Base::view_;

public:
    using value_type = T;
    using iterator = const T*;
    using const_iterator = const T*;

    Column() = default;
    // Owns the elements of `items`.
    Column(std::vector<T> items) : Base(std::move(items)) {}
    // Views `items`, which `keep` keeps alive.
    static Column view(std::span<const T> items, std::shared_ptr<const void> keep) {
        return Column(items, std::move(keep));
    }

    std::size_t size() const { return view_.size(); }
    bool empty() const { return view_.empty(); }
    const T* data() const { return view_.data(); }
    const T& operator[](std::size_t i) const { return view_[i]; }
    const T* begin() const { return view_.data(); }
    const T* end() const { return view_.data() + view_.size(); }
    const T& front() const { return view_.front(); }
    const T& back() const { return view_.back(); }
    std::span<const T> span() const { return view_; }
    operator std::span<const T>() const { return view_; }

    friend bool operator==(const Column& a, const Column& b) {
        return std::equal(a.begin(), a.end(), b.begin(), b.end());
    }
    friend bool operator==(const Column& a, const std::vector<T>& b) {
        return std::equal(a.begin(), a.end(), b.begin(), b.end());
    }

private:
    Column(std::span<const T> items, std::shared_ptr<const void> keep)
        : Base(items, std::move(keep)) {}
};

// A buffer of text (the corpus text, the cleaned corpus text): a string of
// its own or a view of a compiled file. It reads like a constant string.
class TextBuffer : public OwnedOrViewed<std::string, std::string_view> {
    using Base = OwnedOrViewed<std::string, std::string_view>;

public:
    static constexpr std::size_t npos = std::string_view::npos;
    using value_type = char;
    using iterator = const char*;
    using const_iterator = const char*;

    TextBuffer() = default;
    TextBuffer(std::string text) : Base(std::move(text)) {}
    static TextBuffer view(std::string_view text, std::shared_ptr<const void> keep) {
        return TextBuffer(text, std::move(keep));
    }

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

    friend bool operator==(const TextBuffer& a, const TextBuffer& b) { return a.view_ == b.view_; }
    friend bool operator==(const TextBuffer& a, std::string_view b) { return a.view_ == b; }
    friend std::ostream& operator<<(std::ostream& out, const TextBuffer& b);

private:
    TextBuffer(std::string_view text, std::shared_ptr<const void> keep)
        : Base(text, std::move(keep)) {}
};

} // namespace zapt
