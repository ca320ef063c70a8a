// A parameter value over time: a constant until it is animated, then a list of keys. Floats
// are interpolated linearly between keys, integers hold each key's value until the next; both
// hold the first and the last key's value outside the keys.
#pragma once

#include <algorithm>
#include <cstddef>
#include <type_traits>
#include <utility>
#include <vector>

#include <interval.h>

namespace standin {

template <typename T>
class KeyedValue {
    static_assert(std::is_same_v<T, float> || std::is_same_v<T, int>);

  public:
    struct Key {
        TimeValue time;
        T value;
    };

    explicit KeyedValue(T constant = T()) : constant_(constant) {}

    bool Animated() const { return !keys_.empty(); }
    T Constant() const { return constant_; }
    const std::vector<Key>& Keys() const { return keys_; }

    // The value at t; `valid` is narrowed to the span around t over which it stays the same.
    T At(TimeValue t, Interval& valid) const {
        if (keys_.empty()) return constant_;
        const std::size_t after = FirstKeyAfter(t);  // keys_[after - 1].time <= t
        if constexpr (std::is_same_v<T, float>) {
            if (after > 0 && after < keys_.size() && keys_[after - 1].time < t &&
                keys_[after - 1].value != keys_[after].value) {
                valid &= Interval(t, t);  // changing at t
                return Lerp(keys_[after - 1], keys_[after], t);
            }
        }
        // t is at a key, between two equal keys, or outside the keys: the value is that of
        // the nearest key at or before t and holds over the run of keys sharing it.
        std::size_t first = after > 0 ? after - 1 : 0;
        std::size_t last = first;
        const T value = keys_[first].value;
        while (first > 0 && keys_[first - 1].value == value) --first;
        while (last + 1 < keys_.size() && keys_[last + 1].value == value) ++last;

        const TimeValue start = first == 0 ? TIME_NegInfinity : keys_[first].time;
        TimeValue end = TIME_PosInfinity;
        if (last + 1 < keys_.size()) {
            // A float starts moving away right after its last equal key; an integer keeps its
            // value until the tick before the next key.
            end = std::is_same_v<T, float> ? keys_[last].time : keys_[last + 1].time - 1;
        }
        valid &= Interval(start, end);
        return value;
    }

    // Writes v at t. In animate mode this records a key at t; the first key of a parameter
    // written at t != 0 comes with a key at 0 that keeps the value it had. Outside animate
    // mode an unanimated value just changes, and an animated one has its key at t replaced
    // or, without a key at t, all its keys shifted so that the value at t becomes v.
    void Set(TimeValue t, T v, bool animate) {
        if (keys_.empty()) {
            if (!animate || t == 0) {
                constant_ = v;
                return;
            }
            keys_.push_back({0, constant_});
            Insert(t, v);
            return;
        }
        if (animate || HasKeyAt(t)) {
            Insert(t, v);
            return;
        }
        Interval ignored = FOREVER;
        const T delta = static_cast<T>(v - At(t, ignored));
        for (Key& key : keys_) key.value = static_cast<T>(key.value + delta);
    }

    // Back to an unanimated constant.
    void Reset(T constant) {
        constant_ = constant;
        keys_.clear();
    }

    // Replaces the state; false (and no change) unless the key times strictly increase.
    bool Assign(T constant, std::vector<Key> keys) {
        for (std::size_t i = 1; i < keys.size(); ++i) {
            if (keys[i - 1].time >= keys[i].time) return false;
        }
        constant_ = constant;
        keys_ = std::move(keys);
        return true;
    }

  private:
    std::size_t FirstKeyAfter(TimeValue t) const {
        const auto it =
            std::upper_bound(keys_.begin(), keys_.end(), t,
                             [](TimeValue time, const Key& k) { return time < k.time; });
        return static_cast<std::size_t>(it - keys_.begin());
    }

    bool HasKeyAt(TimeValue t) const {
        const std::size_t after = FirstKeyAfter(t);
        return after > 0 && keys_[after - 1].time == t;
    }

    void Insert(TimeValue t, T v) {
        const std::size_t after = FirstKeyAfter(t);
        if (after > 0 && keys_[after - 1].time == t) {
            keys_[after - 1].value = v;
            return;
        }
        keys_.insert(keys_.begin() + static_cast<std::ptrdiff_t>(after), Key{t, v});
    }

    static float Lerp(const Key& a, const Key& b, TimeValue t) {
        const double u = (static_cast<double>(t) - a.time) / (static_cast<double>(b.time) - a.time);
        return static_cast<float>(a.value + (static_cast<double>(b.value) - a.value) * u);
    }

    T constant_;
    std::vector<Key> keys_;  // strictly increasing times
};

}  // namespace standin
