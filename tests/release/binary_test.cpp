// The built exe and skin library as players get them, read back the way Windows reads them:
// headers and imports from the files, manifest, version information, icon and the embedded
// library from the exe's resources.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "gui_support.h"
#include "platform/win32/wide.h"

namespace {

using gui::hostPath;
using gui::readFile;

std::wstring fromUtf8(const char* text) {
    return toWide(text, CP_UTF8);
}

// What the checks need of a PE file's headers and import table.
struct PeFile {
    WORD machine = 0;
    WORD magic = 0;
    DWORD timeStamp = 1;
    WORD subsystem = 0;
    WORD osVersion[2] = {};
    WORD subsystemVersion[2] = {};
    // Upper-case DLL name -> the names it is asked for ("#n" for an ordinal).
    std::map<std::string, std::vector<std::string>> imports;
};

template <typename T>
bool at(const std::string& file, size_t offset, T* out) {
    if (offset > file.size() || file.size() - offset < sizeof(T))
        return false;
    std::memcpy(out, file.data() + offset, sizeof(T));
    return true;
}

template <typename Optional, typename Thunk>
bool readOptional(const std::string& file, size_t offset, const IMAGE_FILE_HEADER& header,
                  PeFile* pe) {
    Optional optional;
    if (!at(file, offset, &optional))
        return false;
    pe->subsystem = optional.Subsystem;
    pe->osVersion[0] = optional.MajorOperatingSystemVersion;
    pe->osVersion[1] = optional.MinorOperatingSystemVersion;
    pe->subsystemVersion[0] = optional.MajorSubsystemVersion;
    pe->subsystemVersion[1] = optional.MinorSubsystemVersion;

    std::vector<IMAGE_SECTION_HEADER> sections(header.NumberOfSections);
    size_t sectionTable = offset + header.SizeOfOptionalHeader;
    for (size_t i = 0; i < sections.size(); ++i) {
        if (!at(file, sectionTable + i * sizeof(IMAGE_SECTION_HEADER), &sections[i]))
            return false;
    }
    auto fileOffset = [&](DWORD rva) -> size_t {
        for (const IMAGE_SECTION_HEADER& s : sections) {
            if (rva >= s.VirtualAddress && rva < s.VirtualAddress + s.SizeOfRawData)
                return rva - s.VirtualAddress + s.PointerToRawData;
        }
        return file.size();
    };
    auto name = [&](DWORD rva) {
        size_t start = fileOffset(rva);
        return start < file.size() ? std::string(file.c_str() + start) : std::string();
    };
    DWORD importRva = optional.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
    for (size_t entry = fileOffset(importRva);; entry += sizeof(IMAGE_IMPORT_DESCRIPTOR)) {
        IMAGE_IMPORT_DESCRIPTOR import;
        if (importRva == 0 || !at(file, entry, &import) || import.Name == 0)
            break;
        std::string dll = name(import.Name);
        CharUpperBuffA(dll.data(), static_cast<DWORD>(dll.size()));
        std::vector<std::string>& names = pe->imports[dll];
        DWORD thunks =
            import.OriginalFirstThunk != 0 ? import.OriginalFirstThunk : import.FirstThunk;
        Thunk thunk = 0;
        for (size_t t = fileOffset(thunks); at(file, t, &thunk) && thunk != 0; t += sizeof thunk) {
            if (thunk >> (8 * sizeof thunk - 1))
                names.push_back("#" + std::to_string(thunk & 0xFFFF));
            else
                names.push_back(name(static_cast<DWORD>(thunk) + 2));  // after the hint
        }
    }
    return true;
}

bool readPe(const std::string& file, PeFile* pe) {
    LONG header = 0;
    DWORD signature = 0;
    IMAGE_FILE_HEADER fileHeader;
    if (file.compare(0, 2, "MZ") != 0 || !at(file, 0x3C, &header) ||
        !at(file, header, &signature) || signature != IMAGE_NT_SIGNATURE ||
        !at(file, header + 4, &fileHeader) || !at(file, header + 24, &pe->magic)) {
        return false;
    }
    pe->machine = fileHeader.Machine;
    pe->timeStamp = fileHeader.TimeDateStamp;
    size_t optional = header + 24;
    return pe->magic == IMAGE_NT_OPTIONAL_HDR64_MAGIC
               ? readOptional<IMAGE_OPTIONAL_HEADER64, ULONGLONG>(file, optional, fileHeader, pe)
               : readOptional<IMAGE_OPTIONAL_HEADER32, DWORD>(file, optional, fileHeader, pe);
}

// The exe's resources, the way the system loader reads them.
class ExeResources : public ::testing::Test {
  protected:
    void SetUp() override {
        module_ = LoadLibraryExW(hostPath(ZNK_LAUNCHER_EXE).c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        ASSERT_NE(module_, nullptr) << "error " << GetLastError();
    }
    void TearDown() override {
        if (module_ != nullptr)
            FreeLibrary(module_);
    }
    std::string resource(const wchar_t* type, const wchar_t* name) const {
        HRSRC found = FindResourceW(module_, name, type);
        HGLOBAL loaded = found != nullptr ? LoadResource(module_, found) : nullptr;
        const void* data = loaded != nullptr ? LockResource(loaded) : nullptr;
        return data != nullptr
                   ? std::string(static_cast<const char*>(data), SizeofResource(module_, found))
                   : std::string();
    }

    HMODULE module_ = nullptr;
};

// Both files: the machine type of this build, no link time stamp, Windows 7 (6.1) in the
// headers, nothing of the build machine's paths inside, and only Windows' own DLLs imported.
// From comctl32 only what its version 5.82 (Windows 7 without a manifest asking for version 6)
// exports by name, and from user32 none of the later display-scale functions; both are found at
// run time.
TEST(Binaries, HeadersAndImportsFitEverySupportedWindows) {
    const std::set<std::string> windowsDlls = {
        "ADVAPI32.DLL", "COMCTL32.DLL", "GDI32.DLL",   "KERNEL32.DLL", "MSVCRT.DLL",
        "OLE32.DLL",    "SHELL32.DLL",  "SHLWAPI.DLL", "USER32.DLL",   "WINMM.DLL"};
    const std::set<std::string> comctl32v5 = {"InitCommonControls", "InitCommonControlsEx",
                                              "_TrackMouseEvent"};
    const bool x64 = sizeof(void*) == 8;
    for (const char* path : {ZNK_LAUNCHER_EXE, ZNK_SKIN_LIBRARY}) {
        SCOPED_TRACE(path);
        std::string file = readFile(hostPath(path));
        PeFile pe;
        ASSERT_TRUE(readPe(file, &pe));
        EXPECT_EQ(pe.machine, x64 ? IMAGE_FILE_MACHINE_AMD64 : IMAGE_FILE_MACHINE_I386);
        EXPECT_EQ(pe.magic, x64 ? IMAGE_NT_OPTIONAL_HDR64_MAGIC : IMAGE_NT_OPTIONAL_HDR32_MAGIC);
        EXPECT_EQ(pe.timeStamp, 0u);
        if (path == std::string(ZNK_LAUNCHER_EXE)) {
            EXPECT_EQ(pe.subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);
        }
        EXPECT_EQ(pe.osVersion[0] * 10 + pe.osVersion[1], 61);
        EXPECT_EQ(pe.subsystemVersion[0] * 10 + pe.subsystemVersion[1], 61);
        for (const char* folder : {ZNK_SOURCE_DIR, ZNK_BINARY_DIR}) {
            EXPECT_EQ(file.find(folder), std::string::npos) << folder;
        }
        EXPECT_FALSE(pe.imports.empty());
        for (const auto& [dll, names] : pe.imports) {
            EXPECT_TRUE(windowsDlls.count(dll)) << dll;
            if (dll == "USER32.DLL") {
                // The display-scale functions that came after Windows 7 (GetDpiForWindow,
                // AdjustWindowRectExForDpi, ...) all spell "Dpi"; Windows 7's own spell "DPI".
                for (const std::string& name : names) {
                    EXPECT_EQ(name.find("Dpi"), std::string::npos) << "user32 " << name;
                }
            }
            if (dll != "COMCTL32.DLL")
                continue;
            for (const std::string& name : names) {
                EXPECT_TRUE(comctl32v5.count(name)) << "comctl32 " << name;
            }
        }
    }
}

// An application manifest that the system accepts: no elevation, Windows 7 to 11, DPI aware
// per monitor (v2, else v1, else system aware), and common controls left at version 5, whose
// look the skin is made for.
TEST_F(ExeResources, ManifestAsksForWindows7To11AndEveryDisplayScale) {
    std::string manifest = resource(RT_MANIFEST, MAKEINTRESOURCEW(1));
    ASSERT_FALSE(manifest.empty());
    for (const char* part : {
             "level=\"asInvoker\"",
             "uiAccess=\"false\"",
             "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",  // Windows 7
             "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",  // Windows 8
             "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",  // Windows 8.1
             "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",  // Windows 10 and 11
             ">true/pm</dpiAware>",
             ">PerMonitorV2, PerMonitor</dpiAwareness>",
             sizeof(void*) == 8 ? "processorArchitecture=\"amd64\""
                                : "processorArchitecture=\"x86\"",
         }) {
        EXPECT_NE(manifest.find(part), std::string::npos) << part;
    }
    EXPECT_EQ(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);

    // The system's own parser takes it.
    std::wstring exe = hostPath(ZNK_LAUNCHER_EXE);
    ACTCTXW context{};
    context.cbSize = sizeof context;
    context.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    context.lpSource = exe.c_str();
    context.lpResourceName = MAKEINTRESOURCEW(1);
    HANDLE activation = CreateActCtxW(&context);
    EXPECT_NE(activation, INVALID_HANDLE_VALUE) << "error " << GetLastError();
    if (activation != INVALID_HANDLE_VALUE)
        ReleaseActCtx(activation);
}

// The version information carries the project's version, in the fixed part and in the texts.
TEST_F(ExeResources, VersionInformationCarriesTheProjectVersion) {
    std::wstring exe = hostPath(ZNK_LAUNCHER_EXE);
    DWORD size = GetFileVersionInfoSizeW(exe.c_str(), nullptr);
    ASSERT_GT(size, 0u);
    std::vector<char> info(size);
    ASSERT_TRUE(GetFileVersionInfoW(exe.c_str(), 0, size, info.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    std::string version = std::to_string(HIWORD(fixed->dwFileVersionMS)) + "." +
                          std::to_string(LOWORD(fixed->dwFileVersionMS)) + "." +
                          std::to_string(HIWORD(fixed->dwFileVersionLS));
    EXPECT_EQ(version, ZNK_VERSION);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

    auto text = [&](const wchar_t* name) {
        wchar_t* value = nullptr;
        std::wstring key = std::wstring(L"\\StringFileInfo\\080404b0\\") + name;
        if (!VerQueryValueW(info.data(), key.c_str(), reinterpret_cast<void**>(&value), &length))
            return std::wstring();
        return std::wstring(value);
    };
    EXPECT_EQ(text(L"ProductName"), L"ZnkLauncher");
    EXPECT_EQ(text(L"FileDescription"), L"CS:ZNK 启动器");
    EXPECT_EQ(text(L"OriginalFilename"), L"ZnkLauncher.exe");
    EXPECT_EQ(text(L"FileVersion"), fromUtf8(ZNK_VERSION));
    EXPECT_EQ(text(L"ProductVersion"), fromUtf8(ZNK_VERSION));
    EXPECT_FALSE(text(L"LegalCopyright").empty());
}

// The icon group has the sizes of the small and large icons from 100 % to 150 % and the
// 256-pixel image; the library the exe writes out is the one that was built, stripped.
TEST_F(ExeResources, IconSizesAndTheEmbeddedSkinLibrary) {
    std::string group = resource(RT_GROUP_ICON, MAKEINTRESOURCEW(1));
    ASSERT_GE(group.size(), 6u);
    WORD count = 0;
    std::memcpy(&count, group.data() + 4, sizeof count);
    std::set<int> sizes;
    // GRPICONDIRENTRY: 14 bytes each, width first (0 means 256).
    for (WORD i = 0; i < count && 6u + 14u * (i + 1u) <= group.size(); ++i) {
        int width = static_cast<unsigned char>(group[6 + 14 * i]);
        sizes.insert(width == 0 ? 256 : width);
    }
    EXPECT_EQ(sizes, (std::set<int>{16, 24, 32, 48, 256}));

    std::string library = resource(RT_RCDATA, L"SKINH_EL.DLL");
    EXPECT_FALSE(library.empty());
    EXPECT_TRUE(library == readFile(hostPath(ZNK_SKIN_LIBRARY)));
}

}  // namespace
