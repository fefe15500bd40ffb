// SPDX-License-Identifier: MIT
// matrix-cipher.exe as Windows reads it: its version record, its icons and its processor.
#include "window/layout.hpp"
#include "window/win32/resource_ids.h"
#include "window/win32/text.hpp"

#include <gtest/gtest.h>
#include <windows.h>

#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace cipher::win32 {
namespace {

// The built program, by the path CMake gives it (Wine maps it to drive Z:).
const std::wstring kProgram = toWide(U"" MATRIX_CIPHER_EXE);

std::wstring VersionString(const std::vector<char>& record, const wchar_t* name) {
    wchar_t* value = nullptr;
    UINT length = 0;
    const std::wstring path = std::wstring(L"\\StringFileInfo\\040204B0\\") + name;
    if (!VerQueryValueW(record.data(), path.c_str(), reinterpret_cast<void**>(&value), &length)) {
        return L"(missing)";
    }
    return std::wstring(value, length > 0 ? length - 1 : 0);
}

TEST(ProgramFile, VersionRecordReads100InBulgarian) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(kProgram.c_str(), &ignored);
    ASSERT_GT(size, 0u) << "no version record in the program";
    std::vector<char> record(size);
    ASSERT_TRUE(GetFileVersionInfoW(kProgram.c_str(), 0, size, record.data()));

    const std::wstring version(layout::mainWindow().version.begin(),
                               layout::mainWindow().version.end());
    EXPECT_EQ(version, L"1.00");
    EXPECT_EQ(VersionString(record, L"FileVersion"), version);
    EXPECT_EQ(VersionString(record, L"ProductVersion"), version);

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(record.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u); // 1.0
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);

    // The description is Bulgarian, in Cyrillic letters.
    const std::wstring description = VersionString(record, L"FileDescription");
    ASSERT_FALSE(description.empty());
    EXPECT_GE(description.front(), L'\u0400');
    EXPECT_LE(description.front(), L'\u04FF');

    DWORD* translation = nullptr;
    ASSERT_TRUE(VerQueryValueW(record.data(), L"\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&translation), &length));
    EXPECT_EQ(LOWORD(*translation), 0x0402); // Bulgarian
    EXPECT_EQ(HIWORD(*translation), 1200);   // Unicode
}

#pragma pack(push, 2)
struct IconGroupEntry { // one image of an icon group, as resource files store it
    BYTE width, height, colourCount, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

class ProgramResources : public ::testing::Test {
protected:
    void SetUp() override {
        module_ = LoadLibraryExW(kProgram.c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        ASSERT_NE(module_, nullptr);
    }
    void TearDown() override { FreeLibrary(module_); }

    std::string_view Resource(const wchar_t* type, const wchar_t* name) const {
        HRSRC found = FindResourceW(module_, name, type);
        if (found == nullptr) {
            return {};
        }
        return {static_cast<const char*>(LockResource(LoadResource(module_, found))),
                SizeofResource(module_, found)};
    }

    HMODULE module_ = nullptr;
};

TEST_F(ProgramResources, IconHas32By32In256ColoursAndLargerSizes) {
    const std::string_view group = Resource(RT_GROUP_ICON, MAKEINTRESOURCEW(MATRIX_CIPHER_ICON));
    ASSERT_GE(group.size(), 6u);
    const auto count = *reinterpret_cast<const WORD*>(group.data() + 4);
    ASSERT_EQ(group.size(), 6u + (count * sizeof(IconGroupEntry)));
    const auto* entries = reinterpret_cast<const IconGroupEntry*>(group.data() + 6);

    std::set<std::tuple<int, int>> sizesAndDepths;
    for (int i = 0; i < count; ++i) {
        const int side = entries[i].width == 0 ? 256 : entries[i].width; // 0 stands for 256
        sizesAndDepths.emplace(side, entries[i].bitCount);
        if (side == 32 && entries[i].bitCount == 8) {
            // The image itself is a 256-colour bitmap of 32 x 32 (its height counts the mask).
            const std::string_view image = Resource(RT_ICON, MAKEINTRESOURCEW(entries[i].id));
            ASSERT_GE(image.size(), sizeof(BITMAPINFOHEADER));
            const auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(image.data());
            EXPECT_EQ(header->biWidth, 32);
            EXPECT_EQ(header->biHeight, 64);
            EXPECT_EQ(header->biBitCount, 8);
        }
    }
    EXPECT_TRUE(sizesAndDepths.count({32, 8})) << "no 32 x 32 icon in 256 colours";
    EXPECT_TRUE(sizesAndDepths.count({16, 8}));
    EXPECT_TRUE(sizesAndDepths.count({48, 32}));
    EXPECT_TRUE(sizesAndDepths.count({256, 32}));

    auto icon = static_cast<HICON>(
        LoadImageW(module_, MAKEINTRESOURCEW(MATRIX_CIPHER_ICON), IMAGE_ICON, 32, 32, 0));
    EXPECT_NE(icon, nullptr);
    DestroyIcon(icon);
}

// The program that ships is the 32-bit one, which every Windows PC runs, and its manifest says
// so: Windows refuses to start a program whose manifest names another processor.
TEST_F(ProgramResources, Is32BitWithAnX86Manifest) {
    DWORD type = 0;
    ASSERT_TRUE(GetBinaryTypeW(kProgram.c_str(), &type));
    EXPECT_EQ(type, static_cast<DWORD>(SCS_32BIT_BINARY));

    const std::string_view manifest = Resource(RT_MANIFEST, CREATEPROCESS_MANIFEST_RESOURCE_ID);
    const std::size_t identity = manifest.find("<assemblyIdentity");
    ASSERT_NE(identity, std::string_view::npos) << "no manifest naming the program";
    const std::string_view own =
        manifest.substr(identity, manifest.find("/>", identity) - identity);
    EXPECT_NE(own.find("processorArchitecture=\"x86\""), std::string_view::npos) << own;
}

} // namespace
} // namespace cipher::win32
