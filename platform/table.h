// Fixed-size, 1-based tables. An index outside 1..count is the fatal error:
// the launcher's tables never grow silently and never read past their end.
#pragma once

#include <utility>
#include <vector>

#include "platform/fatal.h"

template <typename T>
class Table {
  public:
    Table() = default;
    explicit Table(int count) : items_(count > 0 ? count : 0) {}

    int count() const { return static_cast<int>(items_.size()); }
    bool empty() const { return items_.empty(); }

    T& operator[](int index) { return items_[checked(index)]; }
    const T& operator[](int index) const { return items_[checked(index)]; }

    // Growing is explicit: used where a table must keep everything it is given.
    void resize(int count) { items_.resize(count > 0 ? count : 0); }
    void append(T value) { items_.push_back(std::move(value)); }
    void clear() { items_.clear(); }

    // Plain iteration, for code that never needs an index.
    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

    bool operator==(const Table&) const = default;

  private:
    size_t checked(int index) const {
        if (index < 1)
            fatalError(kFatalIndexBelowOne, kFatalIndexBelowOneMessage);
        if (index > count())
            fatalError(kFatalIndexAboveCount, kFatalIndexAboveCountMessage);
        return static_cast<size_t>(index - 1);
    }

    std::vector<T> items_;
};
