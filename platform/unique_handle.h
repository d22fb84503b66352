#pragma once
// One owning wrapper for every kind of system handle: the handle and the function that frees it.
// Move-only, so a handle is freed exactly once; the kinds are declared in scoped_handles.h.

#include <utility>

namespace tessavik::platform {

// Traits: `using Handle = ...; static Handle invalid(); static void close(Handle);`
template <typename Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() = default;
    explicit UniqueHandle(Handle h) : handle_(h) {}
    ~UniqueHandle() { reset(); }
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != Traits::invalid(); }
    // Gives up ownership, e.g. once the system has taken the handle over.
    Handle release() { return std::exchange(handle_, Traits::invalid()); }
    void reset(Handle h = Traits::invalid()) {
        Handle old = std::exchange(handle_, h);
        if (old != Traits::invalid()) Traits::close(old);
    }

private:
    Handle handle_ = Traits::invalid();
};

}  // namespace tessavik::platform
