#pragma once
// The system functions that the program declares for the probe: number, library as declared,
// export. The probe's platform links them directly; the table documents the set and lets a test
// check that each one resolves.

#include <array>
#include <string_view>

namespace tessavik::app {

struct ExternalFunction {
    int number;
    std::string_view library;
    std::string_view exportName;
};

inline constexpr std::array<ExternalFunction, 16> kExternalFunctions = {{
    {0, "user32", "GetWindowRect"},
    {1, "user32", "GetParent"},
    {2, "user32.dll", "GetAncestor"},
    {3, "user32", "GetWindowThreadProcessId"},
    {4, "KERNEL32.DLL", "CreateToolhelp32Snapshot"},
    {5, "KERNEL32.DLL", "Module32First"},
    {6, "kernel32", "CloseHandle"},
    {7, "user32", "GetDesktopWindow"},
    {8, "user32", "GetWindowDC"},
    {9, "gdi32", "SetROP2"},
    {10, "gdi32", "CreatePen"},
    {11, "gdi32", "SelectObject"},
    {12, "gdi32", "Rectangle"},
    {13, "kernel32", "Sleep"},
    {14, "gdi32", "DeleteObject"},
    {15, "user32", "ReleaseDC"},
}};

}  // namespace tessavik::app
