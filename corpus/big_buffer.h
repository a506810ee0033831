// Room for the large buffers built at start-up. On Linux the room is asked
// for in 2 MB pages where the kernel offers them on request: a buffer of a
// hundred megabytes is then touched in fifty page faults instead of
// twenty-five thousand, which is most of the time of filling it.
#pragma once

#include <cstddef>

namespace zapt {

// Advises the kernel that the whole 2 MB pages inside [data, data + bytes)
// are best backed by large pages. Changes nothing that the program reads.
void advise_large_pages(void* data, std::size_t bytes);

// Reserves room for `n` elements in a string or vector and advises large
// pages for it when it is large.
template <class Container> void reserve_large(Container& c, std::size_t n) {
    c.reserve(n);
    advise_large_pages(c.data(), c.capacity() * sizeof(*c.data()));
}

} // namespace zapt
