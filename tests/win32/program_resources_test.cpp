// palvo.exe's resources as Windows itself reads them: the icon group at every size, the version
// block Explorer shows under Properties, and the manifest the loader applies at start-up.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/win32/os/wide_text.h"
#include "platform/win32/win32_program_resources.h"

namespace palvo::win32 {
namespace {

// A build-machine path as this program sees it: under Wine the Unix root is drive Z:.
std::wstring ProgramPath()
{
    std::wstring path = Widen(PALVO_WIN32_PROGRAM);
    for (wchar_t& character : path) {
        character = character == L'/' ? L'\\' : character;
    }
    return path.front() == L'\\' ? L"Z:" + path : path;
}

class ProgramResources : public testing::Test {
protected:
    void SetUp() override
    {
        module_ = LoadLibraryExW(ProgramPath().c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        ASSERT_NE(module_, nullptr) << "cannot open " << PALVO_WIN32_PROGRAM;
    }
    void TearDown() override
    {
        if (module_ != nullptr) {
            FreeLibrary(module_);
        }
    }

    std::vector<std::uint8_t> Resource(LPCWSTR type, LPCWSTR name) const
    {
        HRSRC found = FindResourceW(module_, name, type);
        if (found == nullptr) {
            return {};
        }
        const auto* bytes = static_cast<const std::uint8_t*>(LockResource(LoadResource(module_, found)));
        return {bytes, bytes + SizeofResource(module_, found)};
    }

    HMODULE module_ = nullptr;
};

TEST_F(ProgramResources, IconGroupHoldsEverySizeAndDrawsTheEight)
{
    const std::vector<std::uint8_t> group = Resource(RT_GROUP_ICON, MAKEINTRESOURCEW(PALVO_PROGRAM_ICON));
    ASSERT_GE(group.size(), 6u) << "no icon group " << PALVO_PROGRAM_ICON;
    const int count = group[4] | group[5] << 8;
    ASSERT_EQ(group.size(), 6u + 14u * static_cast<unsigned>(count));
    std::vector<int> sizes;
    for (int index = 0; index < count; ++index) {
        const std::uint8_t* entry = group.data() + 6 + 14 * index;
        sizes.push_back(entry[0] == 0 ? 256 : entry[0]);
        EXPECT_EQ(entry[0], entry[1]) << "square";
        EXPECT_EQ(entry[6] | entry[7] << 8, 32) << "32-bit with opacity, size " << sizes.back();
    }
    EXPECT_EQ(sizes, (std::vector<int>{16, 24, 32, 48, 256}));

    for (const int size : sizes) {
        HICON icon = static_cast<HICON>(LoadImageW(module_, MAKEINTRESOURCEW(PALVO_PROGRAM_ICON), IMAGE_ICON,
                                                   size, size, LR_DEFAULTCOLOR));
        ASSERT_NE(icon, nullptr) << size;
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP colour{};
        GetObjectW(info.hbmColor, sizeof(colour), &colour);
        EXPECT_EQ(colour.bmWidth, size);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);

        // Drawn by Windows over white: clear corners, orange bars, navy loops.
        BITMAPINFO format{};
        format.bmiHeader = {sizeof(BITMAPINFOHEADER), size, -size, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        HDC memory = CreateCompatibleDC(nullptr);
        HBITMAP target = CreateDIBSection(memory, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ previous = SelectObject(memory, target);
        const RECT all{0, 0, size, size};
        FillRect(memory, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        ASSERT_TRUE(DrawIconEx(memory, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL));
        GdiFlush();
        auto at = [&](int x128, int y128) {
            const auto* pixels = static_cast<const std::uint32_t*>(bits);
            return pixels[(y128 * size / 128) * size + x128 * size / 128] & 0xFFFFFFu;
        };
        EXPECT_EQ(at(0, 0), 0xFFFFFFu) << size << ": corner";
        EXPECT_EQ(at(64, 22), 0xFF8000u) << size << ": top bar";
        EXPECT_EQ(at(38, 44), 0xFF8000u) << size << ": upper left bar";
        EXPECT_EQ(at(64, 43), 0x0B243Cu) << size << ": upper loop";
        SelectObject(memory, previous);
        DeleteObject(target);
        DeleteDC(memory);
        DestroyIcon(icon);
    }
}

TEST_F(ProgramResources, VersionBlockNamesProductAndProjectVersion)
{
    const std::wstring path = ProgramPath();
    DWORD ignored = 0;
    const DWORD length = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    ASSERT_GT(length, 0u) << "no version information";
    std::vector<std::uint8_t> block(length);
    ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, length, block.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT size = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &size));
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    const std::wstring version = Widen(PALVO_VERSION);
    const std::wstring numbers = std::to_wstring(HIWORD(fixed->dwFileVersionMS)) + L"." +
                                 std::to_wstring(LOWORD(fixed->dwFileVersionMS)) + L"." +
                                 std::to_wstring(HIWORD(fixed->dwFileVersionLS));
    EXPECT_EQ(numbers, version);
    EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

    DWORD* translation = nullptr;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&translation), &size));
    EXPECT_EQ(*translation, MAKELONG(0x0411, 1200)) << "Japanese, Unicode";

    const struct {
        const wchar_t* name;
        std::wstring expected;
    } strings[] = {
        {L"ProductName", L"Palvo (パルボ)"}, {L"FileDescription", L"パルボ 番号抽選"},
        {L"FileVersion", version},           {L"ProductVersion", version},
        {L"OriginalFilename", L"palvo.exe"}, {L"LegalCopyright", L"Copyright © 2026 Palvo maintainers"},
    };
    for (const auto& entry : strings) {
        wchar_t* value = nullptr;
        const std::wstring query = std::wstring(L"\\StringFileInfo\\041104B0\\") + entry.name;
        ASSERT_TRUE(VerQueryValueW(block.data(), query.c_str(), reinterpret_cast<void**>(&value), &size))
            << Narrow(entry.name);
        EXPECT_EQ(std::wstring(value), entry.expected) << Narrow(entry.name);
    }
}

TEST_F(ProgramResources, ManifestIsAcceptedAndSaysWhatTheProgramNeeds)
{
    const std::vector<std::uint8_t> bytes = Resource(MAKEINTRESOURCEW(24), MAKEINTRESOURCEW(1));
    ASSERT_FALSE(bytes.empty()) << "no manifest";
    const std::string text(bytes.begin(), bytes.end());

    // The loader accepts it, and reads from it what the program asks for.
    const std::wstring path = ProgramPath();
    ACTCTXW request{};
    request.cbSize = sizeof(request);
    request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    request.lpSource = path.c_str();
    request.lpResourceName = MAKEINTRESOURCEW(1);
    HANDLE context = CreateActCtxW(&request);
    ASSERT_NE(context, INVALID_HANDLE_VALUE) << "the manifest was refused, error " << GetLastError();

    ACTIVATION_CONTEXT_RUN_LEVEL_INFORMATION level{};
    SIZE_T written = 0;
    ASSERT_TRUE(QueryActCtxW(0, context, nullptr, RunlevelInformationInActivationContext, &level,
                             sizeof(level), &written));
    EXPECT_EQ(level.RunLevel, ACTCTX_RUN_LEVEL_AS_INVOKER);
    EXPECT_EQ(level.UiAccess, 0u);

    // The first assembly the program depends on: the common controls of version 6 (the system's
    // publisher policy picks the newest 6.x it holds).
    DWORD assembly = 2;
    QueryActCtxW(0, context, &assembly, AssemblyDetailedInformationInActivationContext, nullptr, 0, &written);
    std::vector<std::uint8_t> detail(written);
    ASSERT_TRUE(QueryActCtxW(0, context, &assembly, AssemblyDetailedInformationInActivationContext,
                             detail.data(), detail.size(), &written));
    const std::string identity =
        Narrow(reinterpret_cast<const ACTIVATION_CONTEXT_ASSEMBLY_DETAILED_INFORMATION*>(detail.data())
                   ->lpAssemblyEncodedAssemblyIdentity);
    EXPECT_NE(identity.find("Microsoft.Windows.Common-Controls"), std::string::npos) << identity;
    EXPECT_NE(identity.find("version=\"6."), std::string::npos) << identity;

    const struct {
        const wchar_t* space;
        const wchar_t* name;
        const wchar_t* expected;
    } settings[] = {
        {L"http://schemas.microsoft.com/SMI/2005/WindowsSettings", L"dpiAware", L"false"},
        {L"http://schemas.microsoft.com/SMI/2016/WindowsSettings", L"dpiAwareness", L"unaware"},
    };
    for (const auto& setting : settings) {
        wchar_t value[64] = {};
        EXPECT_TRUE(QueryActCtxSettingsW(0, context, setting.space, setting.name, value, 64, &written))
            << Narrow(setting.name);
        EXPECT_STREQ(value, setting.expected) << Narrow(setting.name);
    }
    ReleaseActCtx(context);

    EXPECT_NE(text.find("version=\"" PALVO_VERSION ".0\""), std::string::npos) << "the program's own version";
    for (const char* system :
         {"35138b9a-5d96-4fbd-8e2d-a2440225f93a", "4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38",
          "1f676c76-80e1-4239-95bb-83d0f6d0da78", "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"}) {
        EXPECT_NE(text.find(std::string("<supportedOS Id=\"{") + system + "}\"/>"), std::string::npos)
            << system;
    }
}

}  // namespace
}  // namespace palvo::win32
