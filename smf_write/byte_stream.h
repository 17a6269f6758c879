#pragma once
// An in-memory output byte stream with a failure state. A limit on its size
// stands in for a device that fills up; a write past it fails and the failure sticks.

#include <cstddef>
#include <cstdint>
#include <limits>
#include <vector>

namespace vorlanthe {

struct ByteStream {
    std::vector<std::uint8_t> bytes;
    std::size_t limit = std::numeric_limits<std::size_t>::max();
    bool failed = false;
};

inline bool putByte(ByteStream& out, std::uint8_t byte) {
    if (out.failed || out.bytes.size() >= out.limit) {
        out.failed = true;
        return false;
    }
    out.bytes.push_back(byte);
    return true;
}

inline bool putBytes(ByteStream& out, const std::uint8_t* data, std::size_t size) {
    if (out.failed || size > out.limit - out.bytes.size()) {
        out.failed = true;
        return false;
    }
    out.bytes.insert(out.bytes.end(), data, data + size);
    return true;
}

}  // namespace vorlanthe
