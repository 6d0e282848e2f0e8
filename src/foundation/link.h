#pragma once

// A pointer to a collaborator (or a service such as the text measurer) that belongs to the object
// holding it, not to that object's value. Copy construction copies the link; assignment keeps the
// target's own link. So a stored copy (the session's, an undo level's) can be
// assigned to a live object without unhooking it from the objects it works with.
template <typename T> class Link {
public:
    Link(T* target = nullptr) : target_(target) {}
    Link(const Link&) = default;
    Link& operator=(const Link&) { return *this; }
    ~Link() = default;

    // Points the link elsewhere; the only way to change it.
    void reset(T* target) { target_ = target; }

    T* get() const { return target_; }
    T* operator->() const { return target_; }
    T& operator*() const { return *target_; }
    explicit operator bool() const { return target_ != nullptr; }

private:
    T* target_;
};
