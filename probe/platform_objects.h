#pragma once
// Scoped owners of what the probe makes through ProbePlatform: each releases its object through
// the same platform in its destructor, so every DC, pen, selection and snapshot made in a call is
// given back in that call on every path. Move and copy are deleted: an object is released once.

#include <cstdint>

#include "probe/probe_platform.h"

namespace tessavik {

// GetWindowDC / ReleaseDC: the window is kept because ReleaseDC needs it too.
class PlatformWindowDc {
public:
    PlatformWindowDc(ProbePlatform& platform, WindowHandle window)
        : platform_(platform), window_(window), dc_(platform.GetWindowDC(window)) {}
    ~PlatformWindowDc() {
        if (dc_) platform_.ReleaseDC(window_, dc_);
    }
    PlatformWindowDc(const PlatformWindowDc&) = delete;
    PlatformWindowDc& operator=(const PlatformWindowDc&) = delete;

    DcHandle get() const { return dc_; }
    explicit operator bool() const { return dc_ != 0; }

private:
    ProbePlatform& platform_;
    WindowHandle window_;
    DcHandle dc_;
};

// CreatePen / DeleteObject.
class PlatformPen {
public:
    PlatformPen(ProbePlatform& platform, int style, int width, std::uint32_t color)
        : platform_(platform), pen_(platform.CreatePen(style, width, color)) {}
    ~PlatformPen() {
        if (pen_) platform_.DeleteObject(pen_);
    }
    PlatformPen(const PlatformPen&) = delete;
    PlatformPen& operator=(const PlatformPen&) = delete;

    GdiObject get() const { return pen_; }

private:
    ProbePlatform& platform_;
    GdiObject pen_;
};

// SelectObject, and the previous object selected back on the way out. Selects nothing when the
// DC or the object is missing, and restores nothing when the selection failed.
class PlatformSelection {
public:
    PlatformSelection(ProbePlatform& platform, DcHandle dc, GdiObject object)
        : platform_(platform), dc_(dc), previous_(dc && object ? platform.SelectObject(dc, object) : 0) {}
    ~PlatformSelection() {
        if (previous_) platform_.SelectObject(dc_, previous_);
    }
    PlatformSelection(const PlatformSelection&) = delete;
    PlatformSelection& operator=(const PlatformSelection&) = delete;

private:
    ProbePlatform& platform_;
    DcHandle dc_;
    GdiObject previous_;
};

// CreateToolhelp32Snapshot / CloseHandle. The handle is closed whatever the snapshot gave, the
// invalid value included; closing that is harmless.
class PlatformSnapshot {
public:
    PlatformSnapshot(ProbePlatform& platform, std::uint32_t flags, std::uint32_t processId)
        : platform_(platform), snapshot_(platform.CreateToolhelp32Snapshot(flags, processId)) {}
    ~PlatformSnapshot() { platform_.CloseHandle(snapshot_); }
    PlatformSnapshot(const PlatformSnapshot&) = delete;
    PlatformSnapshot& operator=(const PlatformSnapshot&) = delete;

    SnapshotHandle get() const { return snapshot_; }

private:
    ProbePlatform& platform_;
    SnapshotHandle snapshot_;
};

}  // namespace tessavik
