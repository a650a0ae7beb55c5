#pragma once
// The one owner of a COM interface pointer (MinGW has neither WRL nor WIL): released exactly
// once, moved but never copied. And COM on the current thread for the life of a scope.
#include <objbase.h>

#include <utility>

template <typename T>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept
    {
        if (this != &other) reset(std::exchange(other.p_, nullptr));
        return *this;
    }
    ~ComPtr() { reset(); }

    T* get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }

    // Takes over a pointer whose reference the caller hands on.
    void reset(T* p = nullptr)
    {
        if (p_) p_->Release();
        p_ = p;
    }

    // For out-parameters: lets go of the held pointer and hands out its slot.
    T** put()
    {
        reset();
        return &p_;
    }
    void** put_void() { return reinterpret_cast<void**>(put()); }

    // Another interface of the same object; empty where the object does not have it.
    template <typename U>
    ComPtr<U> As(REFIID iid) const
    {
        ComPtr<U> other;
        if (p_) p_->QueryInterface(iid, other.put_void());
        return other;
    }

private:
    T* p_ = nullptr;
};

// A fresh in-process object; empty where the class is not registered.
template <typename T>
ComPtr<T> CreateComObject(REFCLSID clsid, REFIID iid)
{
    ComPtr<T> object;
    CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, iid, object.put_void());
    return object;
}

// COM on this thread while it lives: joins whatever apartment the thread already has, and
// leaves it as it found it.
class ComApartment {
public:
    ComApartment() : initialized_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    ~ComApartment()
    {
        if (initialized_) CoUninitialize();
    }

private:
    bool initialized_;
};
