#pragma once
// Owning wrappers for the Win32 handles the program makes, one line per kind, plus the DC pairs
// that need their window to be released, and a select guard that puts the old object back.

#include <windows.h>

#include <cstdint>

#include "platform/unique_handle.h"

namespace tessavik::platform {

template <typename T, T Invalid, auto Close>
struct HandleTraits {
    using Handle = T;
    static Handle invalid() { return Invalid; }
    static void close(Handle h) { Close(h); }
};

namespace detail {
inline void deleteGdiObject(HGDIOBJ h) { ::DeleteObject(h); }
inline void closeKernelHandle(HANDLE h) { ::CloseHandle(h); }
inline void deleteMemoryDc(HDC h) { ::DeleteDC(h); }
inline void freeGlobal(HGLOBAL h) { ::GlobalFree(h); }
inline void destroyWindow(HWND h) { ::DestroyWindow(h); }
inline void unhookWindowsHook(HHOOK h) { ::UnhookWindowsHookEx(h); }
}  // namespace detail

template <typename T>
using UniqueGdiObject = UniqueHandle<HandleTraits<T, nullptr, detail::deleteGdiObject>>;
using UniquePen = UniqueGdiObject<HPEN>;
using UniqueBrush = UniqueGdiObject<HBRUSH>;
using UniqueFont = UniqueGdiObject<HFONT>;
using UniqueRegion = UniqueGdiObject<HRGN>;
using UniqueBitmap = UniqueGdiObject<HBITMAP>;
using UniqueMemoryDc = UniqueHandle<HandleTraits<HDC, nullptr, detail::deleteMemoryDc>>;
using UniqueKernelHandle = UniqueHandle<HandleTraits<HANDLE, nullptr, detail::closeKernelHandle>>;
using UniqueGlobal = UniqueHandle<HandleTraits<HGLOBAL, nullptr, detail::freeGlobal>>;
using UniqueWindow = UniqueHandle<HandleTraits<HWND, nullptr, detail::destroyWindow>>;
using UniqueHook = UniqueHandle<HandleTraits<HHOOK, nullptr, detail::unhookWindowsHook>>;

// A DC from GetDC or GetWindowDC: ReleaseDC needs the window as well, so both are kept.
class WindowDcBase {
public:
    WindowDcBase(const WindowDcBase&) = delete;
    WindowDcBase& operator=(const WindowDcBase&) = delete;
    ~WindowDcBase() {
        if (dc_) ::ReleaseDC(hwnd_, dc_);
    }
    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

protected:
    WindowDcBase(HWND hwnd, HDC dc) : hwnd_(hwnd), dc_(dc) {}

private:
    HWND hwnd_;
    HDC dc_;
};

class WindowDc : public WindowDcBase {  // GetWindowDC / ReleaseDC
public:
    explicit WindowDc(HWND hwnd) : WindowDcBase(hwnd, ::GetWindowDC(hwnd)) {}
};

class ClientDc : public WindowDcBase {  // GetDC / ReleaseDC
public:
    explicit ClientDc(HWND hwnd) : WindowDcBase(hwnd, ::GetDC(hwnd)) {}
};

// SelectObject for the guard's lifetime; the previous object goes back into the DC at the end.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), previous_(dc ? ::SelectObject(dc, object) : nullptr) {}
    ~SelectGuard() {
        if (previous_) ::SelectObject(dc_, previous_);
    }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// GlobalLock for the guard's lifetime.
class GlobalLockGuard {
public:
    explicit GlobalLockGuard(HGLOBAL block) : block_(block), data_(::GlobalLock(block)) {}
    ~GlobalLockGuard() {
        if (data_) ::GlobalUnlock(block_);
    }
    GlobalLockGuard(const GlobalLockGuard&) = delete;
    GlobalLockGuard& operator=(const GlobalLockGuard&) = delete;
    void* data() const { return data_; }

private:
    HGLOBAL block_;
    void* data_;
};

// Window handles cross the portable code as 32-bit values (WindowHandle) or as uintptr_t
// (ui::NativeWindow). User handles are 32-bit on 64-bit Windows too; they widen by sign extension.
inline HWND hwndFromHandle32(std::uint32_t h) {
    return reinterpret_cast<HWND>(static_cast<std::intptr_t>(static_cast<std::int32_t>(h)));
}
inline std::uint32_t handle32FromHwnd(HWND h) {
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(h));
}
inline HWND hwndFromNative(std::uintptr_t h) { return reinterpret_cast<HWND>(h); }
inline std::uintptr_t nativeFromHwnd(HWND h) { return reinterpret_cast<std::uintptr_t>(h); }

}  // namespace tessavik::platform
