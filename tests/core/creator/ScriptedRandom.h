#pragma once
// A random source that plays back fixed numbers, to pin down the order of the draws.
#include <stdexcept>
#include <vector>

#include "creator/Random.h"

namespace sv::test {

class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<double> values) : values_(std::move(values)) {}
    double Next() override {
        if (next_ >= values_.size()) throw std::out_of_range("script ran out of numbers");
        return values_[next_++];
    }
    size_t used() const { return next_; }

private:
    std::vector<double> values_;
    size_t next_ = 0;
};

} // namespace sv::test
