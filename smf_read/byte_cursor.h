#pragma once
// A read position over the file's bytes in memory, with the behaviour of a binary
// input stream: a read of more bytes than remain fails, and once anything has
// failed every later read fails too.

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace vorlanthe {

struct ByteCursor {
    const std::uint8_t* data = nullptr;
    std::size_t size = 0;
    std::size_t position = 0;
    bool failed = false;
};

inline ByteCursor makeCursor(const std::uint8_t* data, std::size_t size) {
    ByteCursor cursor;
    cursor.data = data;
    cursor.size = size;
    return cursor;
}

inline std::size_t bytesLeft(const ByteCursor& in) { return in.size - in.position; }

inline bool readByte(ByteCursor& in, std::uint8_t& byte) {
    if (in.failed || in.position >= in.size) {
        in.failed = true;
        return false;
    }
    byte = in.data[in.position++];
    return true;
}

// On success points view at the bytes in place, so nothing of a declared length
// is allocated before it is known to be there.
inline bool readSpan(ByteCursor& in, std::size_t count, const std::uint8_t*& view) {
    if (in.failed || count > bytesLeft(in)) {
        in.failed = true;
        return false;
    }
    view = in.data + in.position;
    in.position += count;
    return true;
}

inline bool readBytes(ByteCursor& in, std::uint8_t* out, std::size_t count) {
    const std::uint8_t* view = nullptr;
    if (!readSpan(in, count, view)) return false;
    if (count != 0) std::memcpy(out, view, count);
    return true;
}

// Setting the position past the end fails.
inline bool seekFromStart(ByteCursor& in, std::size_t offset) {
    if (in.failed || offset > in.size) {
        in.failed = true;
        return false;
    }
    in.position = offset;
    return true;
}

// The one step back of running status; always after a byte was read.
inline void stepBack(ByteCursor& in) {
    if (!in.failed && in.position > 0) --in.position;
}

}  // namespace vorlanthe
