// Processes and the registry against the real Windows calls (run under Wine).
#ifdef _WIN32

#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "platform/process.h"
#include "platform/registry.h"
#include "platform/win32/wide.h"
#include "support/temp_folder.h"

namespace {

bool fileExists(const std::string& path) {
    return GetFileAttributesW(toWidePath(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

TEST(RunCommandLine, StartsTheWholeLineAndWaitsWhenAsked) {
    TempFolder folder;
    // The redirection is the command processor's: it only works if the whole
    // line, arguments included, reached the new process. The Chinese file name
    // checks that the line was converted from GBK, not from the ANSI code page.
    ASSERT_TRUE(runCommandLine("cmd /c echo hi>out.txt", true, kShowHidden));
    EXPECT_EQ(folder.read("out.txt"), "hi\r\n");
    ASSERT_TRUE(runCommandLine("cmd /c echo hi>中文.txt", true, 9));
    EXPECT_TRUE(fileExists(folder.path() + "\\中文.txt"));
    // Without waiting it returns once the process is idle or after a second at most.
    DWORD start = GetTickCount();
    EXPECT_TRUE(runCommandLine("cmd /c exit", false, 0));
    EXPECT_LT(GetTickCount() - start, 5000u);
}

TEST(RunCommandLine, ReportsAProgramThatCannotStart) {
    TempFolder folder;
    EXPECT_FALSE(runCommandLine("no-such-program-znk.exe /x", true));
    EXPECT_FALSE(runCommandLine("", true));
}

class RegistryNumber : public ::testing::Test {
  protected:
    static constexpr const wchar_t* kKey = L"Software\\ZnkLauncherTest";

    void SetUp() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, (std::wstring(kKey) + L"\\中文").c_str(), 0,
                                  nullptr, 0, KEY_ALL_ACCESS, nullptr, &chinese_, nullptr),
                  ERROR_SUCCESS);
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                  &key_, nullptr),
                  ERROR_SUCCESS);
    }
    void TearDown() override {
        if (chinese_)
            RegCloseKey(chinese_);
        if (key_)
            RegCloseKey(key_);
        RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
    }
    static void setNumber(HKEY key, const wchar_t* name, DWORD number) {
        RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                       sizeof(number));
    }

    HKEY key_ = nullptr;
    HKEY chinese_ = nullptr;
};

TEST_F(RegistryNumber, ReadsOnlyDwordValues) {
    setNumber(key_, L"ScreenWidth", 1024);
    setNumber(key_, L"Negative", 0xFFFFFFFF);
    const wchar_t text[] = L"800";
    RegSetValueExW(key_, L"Text", 0, REG_SZ, reinterpret_cast<const BYTE*>(text), sizeof(text));
    const BYTE eight[8] = {1, 0, 0, 0, 0, 0, 0, 0};
    RegSetValueExW(key_, L"Wide", 0, REG_QWORD, eight, sizeof(eight));

    EXPECT_EQ(readRegistryNumber(3, "Software\\ZnkLauncherTest\\ScreenWidth"), 1024);
    EXPECT_EQ(readRegistryNumber(77, "Software\\ZnkLauncherTest\\ScreenWidth"), 1024);
    EXPECT_EQ(readRegistryNumber(3, "Software\\ZnkLauncherTest\\Negative"), -1);
    EXPECT_EQ(readRegistryNumber(3, "Software\\ZnkLauncherTest\\Text", 7), 7);
    EXPECT_EQ(readRegistryNumber(3, "Software\\ZnkLauncherTest\\Wide", 7), 7);
    EXPECT_EQ(readRegistryNumber(3, "Software\\ZnkLauncherTest\\Missing", 7), 7);
    EXPECT_EQ(readRegistryNumber(3, "Software\\NoSuchKeyZnk\\ScreenWidth", 7), 7);
    // The same path under another root is another value.
    EXPECT_EQ(readRegistryNumber(4, "Software\\ZnkLauncherTest\\ScreenWidth", 7), 7);
}

TEST_F(RegistryNumber, SplitsAtTheLastBackslashThatIsACharacter) {
    // "禱" is B6 5C in GBK: its second byte is a backslash that must not split.
    setNumber(key_, L"禱", 31);
    setNumber(chinese_, L"宽度", 640);
    EXPECT_EQ(readRegistryNumber(3, "Software\\ZnkLauncherTest\\禱", 7), 31);
    EXPECT_EQ(readRegistryNumber(3, "Software\\ZnkLauncherTest\\中文\\宽度", 7), 640);

    // Without a backslash the name is a value of the root key itself.
    HKEY root = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"", 0, KEY_ALL_ACCESS, &root), ERROR_SUCCESS);
    setNumber(root, L"ZnkLauncherTestValue", 5);
    EXPECT_EQ(readRegistryNumber(3, "ZnkLauncherTestValue", 7), 5);
    RegDeleteValueW(root, L"ZnkLauncherTestValue");
    RegCloseKey(root);
    EXPECT_EQ(readRegistryNumber(3, "ZnkLauncherTestValue", 7), 7);
}

TEST_F(RegistryNumber, ReadsWhatAnotherProgramWrote) {
    // Values written by the system's own reg tool, as a game's setup would,
    // not through the calls the reader itself uses.
    ASSERT_TRUE(
        runCommandLine("reg add HKCU\\Software\\ZnkLauncherTest /v Number /t REG_DWORD /d 1234 /f",
                       true, kShowHidden));
    // "1" and its terminator are four bytes, as many as a number's.
    ASSERT_TRUE(runCommandLine("reg add HKCU\\Software\\ZnkLauncherTest /v Words /t REG_SZ /d 1 /f",
                               true, kShowHidden));
    EXPECT_EQ(readRegistryNumber(3, "Software\\ZnkLauncherTest\\Number", 7), 1234);
    EXPECT_EQ(readRegistryNumber(3, "Software\\ZnkLauncherTest\\Words", 7), 7);

    ASSERT_TRUE(runCommandLine("reg delete HKCU\\Software\\ZnkLauncherTest /f", true, kShowHidden));
    EXPECT_EQ(readRegistryNumber(3, "Software\\ZnkLauncherTest\\Number", 7), 7);
}

#endif  // _WIN32
