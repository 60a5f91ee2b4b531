// Writes that fail part way, as a full or failing disk makes them: the
// offscreen files can be told to fail any one step, so every point of an
// insert or delete can be hit, and the file must come out as it went in. The
// whole-file writes are failed step by step in every operation of the
// launcher by the journeys' write-fault test.
#ifndef _WIN32

#include <cerrno>
#include <cstring>
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

// The file-changing steps an operation takes when nothing fails.
template <typename Operation>
long long stepsOf(Operation operation) {
    OffscreenSystem system;
    EXPECT_TRUE(operation());
    return system.fileSteps;
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
            auto remove = [&] {
                seekFile(file, kSeekStart, position);
                return deleteFromFile(file, count);
            };
            const long long insertSteps = stepsOf(insert);
            ASSERT_TRUE(remove());
            ASSERT_EQ(folder.read("f.bin"), original);
            for (long long step = 1; step <= insertSteps; ++step) {
                SCOPED_TRACE("insert at " + std::to_string(position) + " of " +
                             std::to_string(length) + ", failing step " + std::to_string(step));
                OffscreenSystem system;
                system.failFileStep = step;
                EXPECT_FALSE(insert());
                EXPECT_EQ(filePosition(file), position);
                ASSERT_EQ(folder.read("f.bin"), original);
            }

            // Deleting what an insert put there, failing at every step.
            ASSERT_TRUE(insert());
            const Bytes inserted = folder.read("f.bin");
            const long long removeSteps = stepsOf(remove);
            ASSERT_TRUE(insert());
            for (long long step = 1; step <= removeSteps; ++step) {
                SCOPED_TRACE("delete at " + std::to_string(position) + " of " +
                             std::to_string(length) + ", failing step " + std::to_string(step));
                OffscreenSystem system;
                system.failFileStep = step;
                EXPECT_FALSE(remove());
                EXPECT_EQ(filePosition(file), position);
                ASSERT_EQ(folder.read("f.bin"), inserted);
            }
            ASSERT_TRUE(remove());
            ASSERT_EQ(folder.read("f.bin"), original);
        }
    }
    closeFile(file);
}

// Each failure leaves one record, in order, with its file and a reason; a
// write that succeeds leaves none.
TEST(FilesFaultTest, FailuresAreRecordedWithTheirFileAndReason) {
    TempFolder folder;
    folder.write("a.ini", "old");
    OffscreenSystem system;
    system.failFileStep = 2;  // the write into the temporary file
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
