// Writes that fail part way, as a full or failing disk makes them: the
// offscreen files can be told to fail, so every point of an insert or delete
// can be hit, and the file must come out as it went in.
#ifndef _WIN32

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "platform/files.h"
#include "platform/ini.h"
#include "platform/offscreen/system.h"
#include "platform/process.h"
#include "support/noise.h"
#include "support/temp_folder.h"

namespace {

constexpr long long kPlenty = 1LL << 40;

// The bytes an operation writes when nothing fails.
template <typename Operation>
long long bytesWrittenBy(Operation operation) {
    OffscreenSystem system;
    system.failWriteAfterBytes = kPlenty;
    EXPECT_TRUE(operation());
    return kPlenty - system.failWriteAfterBytes;
}

}  // namespace

TEST(FilesFaultTest, FailedInsertAndDeleteLeaveTheFileAsItWas) {
    TempFolder folder;
    const Bytes original = noise(3 * 4096 + 777, 11);
    const long long size = static_cast<long long>(original.size());
    folder.write("f.bin", original);
    FileNumber file = openFile("f.bin");
    ASSERT_NE(file, 0);

    for (long long position : {0LL, 3000LL, size - 10, size}) {
        for (size_t length : {7u, 6000u}) {
            const Text text = noise(length, 5);
            const long long count = static_cast<long long>(length);
            auto insert = [&] {
                seekFile(file, kSeekStart, position);
                return insertIntoFile(file, text);
            };
            long long needed = bytesWrittenBy(insert);
            ASSERT_TRUE(seekFile(file, kSeekStart, position));
            ASSERT_TRUE(deleteFromFile(file, count));
            ASSERT_EQ(folder.read("f.bin"), original);

            for (long long budget = 0; budget < needed; budget += 997) {
                SCOPED_TRACE("insert at " + std::to_string(position) + " of " +
                             std::to_string(length) + ", failing after " + std::to_string(budget));
                OffscreenSystem system;
                system.failWriteAfterBytes = budget;
                ASSERT_TRUE(seekFile(file, kSeekStart, position));
                EXPECT_FALSE(insertIntoFile(file, text));
                EXPECT_EQ(filePosition(file), position);
                ASSERT_EQ(folder.read("f.bin"), original);
            }

            // Deleting what an insert put there, failing at every stage.
            ASSERT_TRUE(insert());
            const Bytes inserted = folder.read("f.bin");
            auto remove = [&] {
                seekFile(file, kSeekStart, position);
                return deleteFromFile(file, count);
            };
            needed = bytesWrittenBy(remove);
            ASSERT_TRUE(insert());
            for (long long budget = 0; budget <= needed; budget += 997) {
                SCOPED_TRACE("delete at " + std::to_string(position) + " of " +
                             std::to_string(length) + ", failing after " + std::to_string(budget));
                OffscreenSystem system;
                if (budget < needed) {
                    system.failWriteAfterBytes = budget;
                } else {
                    system.failNextTruncate = true;
                }
                ASSERT_TRUE(seekFile(file, kSeekStart, position));
                EXPECT_FALSE(deleteFromFile(file, count));
                EXPECT_EQ(filePosition(file), position);
                ASSERT_EQ(folder.read("f.bin"), inserted);
            }
            ASSERT_TRUE(remove());
            ASSERT_EQ(folder.read("f.bin"), original);
        }
    }
    closeFile(file);
}

TEST(FilesFaultTest, FailedWholeFileWriteKeepsTheOldFile) {
    TempFolder folder;
    folder.write("Save.ini", "[old]\r\n");
    OffscreenSystem system;
    system.failWriteAfterBytes = 5000;
    EXPECT_FALSE(writeWholeFile("Save.ini", {noise(4000, 1), noise(4000, 2)}));
    EXPECT_EQ(folder.read("Save.ini"), "[old]\r\n");
    int entries = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
        (void)entry;
        ++entries;
    }
    EXPECT_EQ(entries, 1);
}

TEST(FilesFaultTest, FailedIniWriteKeepsTheOldFile) {
    TempFolder folder;
    const std::string before = "[Map]\r\nlastchoice=3\r\n; the player's note\r\nbotnum=12\r\n";
    folder.write("LauncherRes\\Data\\Save.ini", before);
    OffscreenSystem system;
    system.failWriteAfterBytes = 20;
    EXPECT_FALSE(writeIniItem("LauncherRes\\Data\\Save.ini", "Map", "lastchoice", "4"));
    EXPECT_EQ(folder.read("LauncherRes\\Data\\Save.ini"), before);
    // The fault was used up: the next write goes through and changes one line.
    EXPECT_TRUE(writeIniItem("LauncherRes\\Data\\Save.ini", "Map", "lastchoice", "4"));
    EXPECT_EQ(folder.read("LauncherRes\\Data\\Save.ini"),
              "[Map]\r\nlastchoice=4\r\n; the player's note\r\nbotnum=12\r\n");
}

// Each failure leaves one record, in order, with its file and a reason; a
// write that succeeds leaves none.
TEST(FilesFaultTest, FailuresAreRecordedWithTheirFileAndReason) {
    TempFolder folder;
    folder.write("a.ini", "old");
    OffscreenSystem system;
    system.failWriteAfterBytes = 1;
    EXPECT_FALSE(writeWholeFile("a.ini", Bytes("new")));
    ASSERT_TRUE(setAttributes("a.ini", kAttrReadOnly));
    EXPECT_FALSE(writeIniItem("a.ini", "Map", "botnum", "1"));
    EXPECT_FALSE(deleteFile("a.ini"));
    EXPECT_FALSE(renameFile("missing.ini", "b.ini"));
    system.failCommands = true;
    EXPECT_FALSE(runCommandLine("cstrike.exe"));
    EXPECT_TRUE(writeWholeFile("b.ini", Bytes("new")));

    std::vector<std::pair<std::string, std::string>> recorded;
    for (const RecordedFailure& failure : system.failures) {
        recorded.emplace_back(failure.operation, failure.subject);
        EXPECT_FALSE(failure.reason.empty()) << failure.subject;
    }
    EXPECT_EQ(recorded,
              (std::vector<std::pair<std::string, std::string>>{{"write", "a.ini"},
                                                                {"write", "a.ini"},
                                                                {"delete", "a.ini"},
                                                                {"rename", "missing.ini -> b.ini"},
                                                                {"start", "cstrike.exe"}}));
    EXPECT_EQ(system.failures[1].reason, "the file is read-only");
    EXPECT_EQ(system.failures[3].reason, std::strerror(ENOENT));
}

#endif  // _WIN32
