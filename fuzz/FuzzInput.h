// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace tarn::fuzz {

// The fuzzer's bytes, taken from the front; zeros once they run out.
class FuzzInput {
public:
    FuzzInput(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    bool empty() const { return pos_ >= size_; }
    quint8 byte() { return empty() ? 0 : data_[pos_++]; }
    // Up to `count` bytes, fewer when the input ends.
    QByteArray bytes(size_t count) {
        const size_t n = std::min(count, size_ - std::min(pos_, size_));
        QByteArray out(reinterpret_cast<const char*>(data_ + pos_), qsizetype(n));
        pos_ += n;
        return out;
    }
    QByteArray rest() { return bytes(size_); }

private:
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
};

// A broken invariant: says which, and aborts so that the fuzzer keeps the input.
[[noreturn]] inline void broken(const char* what) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

inline void require(bool holds, const char* what) {
    if (!holds)
        broken(what);
}

} // namespace tarn::fuzz
