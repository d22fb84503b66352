// The program's start-up pieces that only the real system can show: the floating-point reset
// and the external functions resolving in their libraries as declared.

#include <gtest/gtest.h>
#include <windows.h>

#include <cfenv>
#include <cfloat>
#include <string>

#include "app/external_functions.h"
#include "app/startup.h"

namespace tessavik::app {
namespace {

TEST(ResetFloatingPoint, RoundsToNearestWithEveryExceptionMasked) {
    std::fesetround(FE_UPWARD);
    unsigned int control = 0;
    _controlfp_s(&control, 0, _MCW_EM);  // unmask every exception
    resetFloatingPoint();
    EXPECT_EQ(std::fegetround(), FE_TONEAREST);
    _controlfp_s(&control, 0, 0);
    EXPECT_EQ(control & _MCW_EM, static_cast<unsigned int>(_MCW_EM));
    volatile double zero = 0.0;
    EXPECT_TRUE(1.0 / zero > DBL_MAX);  // masked: infinity, no trap
}

TEST(ExternalFunctions, EachResolvesInItsLibraryAsDeclared) {
    for (const ExternalFunction& f : kExternalFunctions) {
        HMODULE library = LoadLibraryA(std::string(f.library).c_str());
        ASSERT_NE(library, nullptr) << f.library;
        EXPECT_NE(
            reinterpret_cast<void*>(GetProcAddress(library, std::string(f.exportName).c_str())),
            nullptr)
            << f.number << " " << f.exportName;
        FreeLibrary(library);
    }
}

#ifdef TESSAVIK_EXE
// The Unix path of the built program as Wine maps it.
std::string programPath() {
    std::string path = "Z:" TESSAVIK_EXE;
    for (char& c : path) c = c == '/' ? '\\' : c;
    return path;
}

TEST(ProgramFile, VersionResourceInGbk) {
    std::string path = programPath();
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    ASSERT_GT(size, 0u) << path;
    std::string block(size, '\0');
    ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, block.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010002u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010002u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0u);
    auto value = [&block](const char* name) {
        char* text = nullptr;
        UINT chars = 0;
        std::string key = std::string("\\StringFileInfo\\080403a8\\") + name;
        if (!VerQueryValueA(block.data(), key.c_str(), reinterpret_cast<void**>(&text), &chars))
            return std::string("<none>");
        return std::string(text);
    };
    EXPECT_EQ(value("ProductName"), "Tessavik");
    EXPECT_EQ(value("FileVersion"), "1.2.0.0");
    EXPECT_EQ(value("ProductVersion"), "1.2.0.0");
    EXPECT_EQ(value("FileDescription"), "可用于获取窗口句柄，窗口大小等。");
}

TEST(ProgramFile, IconAt96And32PixelsWithAlphaAndNoManifest) {
    HMODULE program = LoadLibraryExA(programPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(program, nullptr);
    for (int size : {96, 32}) {
        auto icon =
            static_cast<HICON>(LoadImageA(program, MAKEINTRESOURCEA(1), IMAGE_ICON, size, size, 0));
        ASSERT_NE(icon, nullptr) << size;
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP colour{};
        GetObjectA(info.hbmColor, sizeof colour, &colour);
        EXPECT_EQ(colour.bmWidth, size);
        EXPECT_EQ(colour.bmHeight, size);
        EXPECT_EQ(colour.bmBitsPixel, 32);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }
    // Classic look, no DPI awareness: the program carries no application manifest.
    EXPECT_EQ(FindResourceA(program, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24)), nullptr);
    FreeLibrary(program);
}
#endif

}  // namespace
}  // namespace tessavik::app
