#pragma once

#include <algorithm>
#include <utility>
#include <vector>

// The program's growable array of values with a current position (the cursor).
// Access outside the list never fails: it yields the dummy element or, in
// outOfRangeMode 1, the nearest end. Removal either keeps the order or moves
// the last element into the hole.
//
// `capacity` is the list's logical slot count, which drives the shrink rule;
// the storage underneath may grow geometrically so that appending one element
// at a time stays linear.
template <typename T> class Llist {
public:
    explicit Llist(int initialCapacity = 0, int step = 16, bool ordered = true)
        : growStep(std::max(1, step)), keepOrder(ordered), capacity_(std::max(0, initialCapacity)) {
        items_.reserve(static_cast<size_t>(capacity_));
    }

    // Index of the last element, -1 when empty.
    int last() const { return static_cast<int>(items_.size()) - 1; }
    int count() const { return static_cast<int>(items_.size()); }
    bool empty() const { return items_.empty(); }
    int capacity() const { return capacity_; }

    // Appends a copy; the cursor moves to the new element.
    void add(const T& item) { append(T(item)); }
    void add(T&& item) { append(std::move(item)); }

    // -1 means the cursor; an index outside 0..last does nothing.
    void remove(int index = -1) {
        if (index == -1) index = cursor;
        if (index < 0 || index > last()) return;
        if (items_.size() == 1) {
            resize(0, false);
            return;
        }
        auto at = items_.begin() + index;
        if (keepOrder) {
            items_.erase(at);
        } else {
            if (index != last()) *at = std::move(items_.back());
            items_.pop_back();
        }
        if (count() < capacity_ - growStep) {
            capacity_ = count();
            items_.shrink_to_fit();
        }
    }

    // -1 means the cursor; past the end appends; 0..last shifts the rest up
    // and moves the cursor to the index; any other negative index does nothing.
    void insert(const T& item, int index = -1) {
        if (index == -1) index = cursor;
        if (index > last()) {
            add(item);
            return;
        }
        if (index < 0) return;
        growIfFull();
        items_.insert(items_.begin() + index, item);
        cursor = index;
    }

    // An index inside the list returns that element and moves the cursor to
    // it; otherwise outOfRangeMode decides and the cursor stays.
    T& at(int index) { return const_cast<T&>(std::as_const(*this).at(index)); }
    const T& at(int index) const {
        if (items_.empty()) return dummy;
        if (index >= 0 && index <= last()) {
            cursor = index;
            return items_[static_cast<size_t>(index)];
        }
        if (outOfRangeMode == 1) return index < 0 ? items_.front() : items_.back();
        return dummy;
    }

    // Reallocates to exactly `newCapacity` slots; a capacity of 0 clears the
    // list. Without `keep` the surviving slots hold default values.
    void resize(int newCapacity, bool keep = true) {
        newCapacity = std::max(0, newCapacity);
        const size_t survivors = std::min(items_.size(), static_cast<size_t>(newCapacity));
        std::vector<T> fresh;
        fresh.reserve(static_cast<size_t>(newCapacity));
        for (size_t i = 0; i < survivors; ++i)
            fresh.push_back(keep ? std::move(items_[i]) : T());
        items_ = std::move(fresh);
        capacity_ = newCapacity;
    }

    void clear() { resize(0, false); }

    // Unchecked, cursor-neutral access for loops that stay inside the list.
    T& operator[](int index) { return items_[static_cast<size_t>(index)]; }
    const T& operator[](int index) const { return items_[static_cast<size_t>(index)]; }

    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

    bool operator==(const Llist& other) const { return items_ == other.items_; }

    ~Llist() = default;
    Llist(const Llist&) = default;
    Llist(Llist&&) noexcept = default;
    Llist& operator=(const Llist& other) {
        if (this != &other) {
            Llist copy(other);
            *this = std::move(copy);
        }
        return *this;
    }
    Llist& operator=(Llist&&) noexcept = default;

    mutable int cursor = -1;
    int growStep;
    T dummy{};
    int outOfRangeMode = 0;
    bool keepOrder;

private:
    void growIfFull() {
        if (capacity_ - 1 == last()) capacity_ += growStep;
    }
    void append(T&& item) {
        growIfFull();
        items_.push_back(std::move(item));
        cursor = last();
    }

    int capacity_;
    std::vector<T> items_;
};
