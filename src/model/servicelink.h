#pragma once

// A pointer to a service that the owner of an object provides (a text
// measurer, the preferences). Copying an object copies the link, but
// assigning one object to another keeps the target's link: the live reaction
// system stays wired when a session or an undo level is put in its place.
template <typename T> class ServiceLink {
public:
    ServiceLink() = default;
    ServiceLink(T* service) : ptr_(service) {}
    ServiceLink(const ServiceLink&) = default;
    ServiceLink& operator=(const ServiceLink&) { return *this; }
    ServiceLink& operator=(T* service) {
        ptr_ = service;
        return *this;
    }
    ~ServiceLink() = default;

    T* get() const { return ptr_; }
    operator T*() const { return ptr_; }
    T* operator->() const { return ptr_; }

private:
    T* ptr_ = nullptr;
};
