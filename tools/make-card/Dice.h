#pragma once

#include <cstdint>
#include <iterator>

namespace tallowmere::cardgen {

// A small generator of our own, so a seed gives the same card and chart on
// every compiler and library.
class Dice {
  public:
    explicit Dice(std::uint32_t seed) : state_(seed * 2654435761u + 0x9E3779B9u) {}
    std::uint32_t next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    int below(int n) { return n <= 1 ? 0 : static_cast<int>(next() % std::uint32_t(n)); }
    int between(int low, int high) { return low + below(high - low + 1); }
    double fraction() { return (next() % 1000000u) / 1000000.0; }
    bool chance(int percent) { return below(100) < percent; }
    template <typename List> const auto& pick(const List& list) {
        return list[below(static_cast<int>(std::size(list)))];
    }

  private:
    std::uint32_t state_;
};

} // namespace tallowmere::cardgen
