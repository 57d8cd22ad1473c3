#pragma once
// Reading a fuzz input piece by piece: a byte, a run of bytes, the rest.
// Past the end every read gives zeros and the input reports it is used up.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace zav::fuzz {

class FuzzInput {
  public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool empty() const { return offset_ >= size_; }
    std::size_t remaining() const { return size_ - offset_; }

    std::uint8_t byte() { return empty() ? 0 : data_[offset_++]; }
    // Up to count bytes into out, the rest zeros; returns how many were real.
    std::size_t bytes(std::uint8_t* out, std::size_t count) {
        const std::size_t got = std::min(count, remaining());
        if (got) std::memcpy(out, data_ + offset_, got);
        std::fill(out + got, out + count, 0);
        offset_ += got;
        return got;
    }
    std::vector<std::uint8_t> rest() {
        std::vector<std::uint8_t> all(data_ + offset_, data_ + size_);
        offset_ = size_;
        return all;
    }
    // Text up to the next byte `end` (dropped) or the end of the input.
    std::string text_until(std::uint8_t end) {
        std::string text;
        while (!empty()) {
            const std::uint8_t b = data_[offset_++];
            if (b == end) break;
            text.push_back(static_cast<char>(b));
        }
        return text;
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t offset_ = 0;
};

}  // namespace zav::fuzz
