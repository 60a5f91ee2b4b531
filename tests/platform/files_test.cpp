// The file contract, run on both backends: natively against the offscreen
// files and under Wine against the Win32 ones.
#include <filesystem>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "platform/files.h"
#include "support/noise.h"
#include "support/temp_folder.h"

#ifndef _WIN32
#include "platform/offscreen/system.h"
#endif

namespace {

std::set<std::string> namesIn(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

}  // namespace

TEST(FilesTest, ReadLineEndsAtLineFeedZeroAndCtrlZ) {
    TempFolder folder;
    folder.write("d\\lines.txt", "a\r\nb\nc");
    FileNumber file = openFile("d\\lines.txt");
    ASSERT_NE(file, 0);
    EXPECT_EQ(readLine(file), "a");
    EXPECT_EQ(filePosition(file), 3);
    EXPECT_FALSE(atEndOfFile(file));
    EXPECT_EQ(readLine(file), "b");
    EXPECT_EQ(readLine(file), "c");
    EXPECT_TRUE(atEndOfFile(file));
    EXPECT_EQ(readLine(file), "");
    closeFile(file);

    // 0x1A and 0x00 end a line but stay unread; only text mode calls them an end.
    folder.write("d\\marks.txt", std::string("a\x1A"
                                             "b\n",
                                             4));
    file = openFile("d\\marks.txt", kOpenRead);
    EXPECT_EQ(readLine(file), "a");
    EXPECT_EQ(filePosition(file), 1);
    EXPECT_EQ(readLine(file), "");
    EXPECT_EQ(filePosition(file), 1);
    EXPECT_FALSE(atEndOfFile(file));
    EXPECT_TRUE(atEndOfFile(file, true));
    EXPECT_EQ(filePosition(file), 1);
    closeFile(file);

    folder.write("d\\zero.txt", std::string("x\0y", 3));
    file = openFile("d\\zero.txt", kOpenRead);
    EXPECT_EQ(readLine(file), "x");
    EXPECT_TRUE(atEndOfFile(file, true));
    ASSERT_TRUE(seekFile(file, kSeekCurrent, 1));
    EXPECT_EQ(readLine(file), "y");
    EXPECT_TRUE(atEndOfFile(file));
    closeFile(file);
}

// forEachLine gives the lines that readLine gives one after the other, a
// line end of 0x00 or 0x1A passed over, on files of short and long lines
// (across blocks, past the line limit), and stops where it is told to.
TEST(FilesTest, ForEachLineGivesTheLinesOfReadLine) {
    TempFolder folder;
    const std::string pieces[] = {"a",    "\r\n", "\n", std::string(1, '\0'),
                                  "\x1A", "\x81", "中", "\r"};
    for (unsigned seed = 1; seed <= 40; ++seed) {
        std::string file;
        unsigned state = seed;
        for (int i = 0; i < 300; ++i) {
            state = state * 1103515245u + 12345u;
            unsigned pick = state >> 16;
            file += pick % 50 == 0 ? std::string(pick % 3 * 40000, 'L') : pieces[pick % 8];
        }
        if (seed == 40)
            file += std::string(static_cast<size_t>(kMaxLineBytes) + 70000, 'H') + "\r\nend";
        folder.write("lines.txt", file);
        std::vector<std::string> expected;
        std::vector<long long> after;
        FileNumber file1 = openFile("lines.txt", kOpenRead);
        while (!atEndOfFile(file1)) {
            long long before = filePosition(file1);
            std::string line = readLine(file1);
            if (filePosition(file1) == before) {
                seekFile(file1, kSeekCurrent, 1);
                continue;
            }
            expected.push_back(line);
            after.push_back(filePosition(file1));
        }
        closeFile(file1);
        for (size_t stop : {expected.size(), expected.size() / 2}) {
            if (stop == 0)
                continue;
            std::vector<std::string> lines;
            FileNumber file2 = openFile("lines.txt", kOpenRead);
            forEachLine(file2, [&](std::string_view line) {
                lines.emplace_back(line);
                return lines.size() < stop;
            });
            ASSERT_EQ(lines, std::vector<std::string>(expected.begin(), expected.begin() + stop))
                << seed;
            if (stop < expected.size()) {
                EXPECT_EQ(filePosition(file2), after[stop - 1]) << seed;
            }
            closeFile(file2);
        }
    }
}

// Lines are read from blocks of 64 KiB read ahead.
TEST(FilesTest, ReadLineKeepsDoubleByteCharactersWholeAcrossBlocks) {
    constexpr size_t kBlock = 64 * 1024;
    TempFolder folder;
    // One ASCII byte puts every "中" of the first line on odd offsets, so the
    // lead byte of one sits at the last byte of the first block.
    Text chinese;
    for (size_t i = 0; i < kBlock / 2 + 100; ++i)
        chinese += "中";
    Text first = "a" + chinese + "z";
    Text second = "第二行";
    // A lead byte right before a line end is a lone byte: the line ends all the same.
    Text third = "\x81";
    // A line past the limit keeps its start; the next line is read whole.
    Text fourth(static_cast<size_t>(kMaxLineBytes) + 3 * kBlock, 'L');
    folder.write("long.txt", first + "\r\n" + second + "\n" + third + "\n" + fourth + "\nend");
    FileNumber file = openFile("long.txt", kOpenRead);
    ASSERT_NE(file, 0);
    EXPECT_EQ(readLine(file), first);
    EXPECT_EQ(filePosition(file), static_cast<long long>(first.size()) + 2);
    EXPECT_EQ(readLine(file), second);
    EXPECT_EQ(readLine(file), third);
    EXPECT_EQ(readLine(file), fourth.substr(0, kMaxLineBytes));
    EXPECT_EQ(readLine(file), "end");
    EXPECT_TRUE(atEndOfFile(file));
    closeFile(file);

    // A lead byte that is the file's very last byte is kept, not read forever.
    folder.write("tail.txt", std::string(kBlock - 1, 'b') + "\xD6");
    file = openFile("tail.txt", kOpenRead);
    EXPECT_EQ(readLine(file), std::string(kBlock - 1, 'b') + "\xD6");
    EXPECT_TRUE(atEndOfFile(file));
    closeFile(file);
}

TEST(FilesTest, InsertThenDeleteRestoresTheFile) {
    TempFolder folder;
    const Bytes original = noise(3 * 4096 + 1234, 7);
    const long long size = static_cast<long long>(original.size());
    folder.write("big.bin", original);
    FileNumber file = openFile("big.bin");
    ASSERT_NE(file, 0);
    for (long long position : {0LL, 1LL, 4095LL, 4096LL, 5000LL, size - 1, size}) {
        for (size_t length : {1u, 100u, 5000u}) {
            SCOPED_TRACE("at " + std::to_string(position) + ", " + std::to_string(length));
            Text text = noise(length, static_cast<unsigned>(position));
            ASSERT_TRUE(seekFile(file, kSeekStart, position));
            ASSERT_TRUE(insertIntoFile(file, text));
            EXPECT_EQ(filePosition(file), position + static_cast<long long>(length));
            ASSERT_EQ(folder.read("big.bin"),
                      original.substr(0, position) + text + original.substr(position));
            ASSERT_TRUE(seekFile(file, kSeekStart, position));
            ASSERT_TRUE(deleteFromFile(file, static_cast<long long>(length)));
            EXPECT_EQ(filePosition(file), position);
            ASSERT_EQ(folder.read("big.bin"), original);
        }
    }

    // Deleting more than is left cuts at the position; at or past the end, or
    // with a count of zero, nothing changes (the file never grows).
    ASSERT_TRUE(seekFile(file, kSeekEnd, 10));
    EXPECT_TRUE(deleteFromFile(file, 5));
    ASSERT_TRUE(seekFile(file, kSeekStart, 100));
    EXPECT_TRUE(deleteFromFile(file, 0));
    EXPECT_TRUE(insertIntoFile(file, ""));
    EXPECT_EQ(folder.read("big.bin"), original);
    EXPECT_TRUE(deleteFromFile(file, size));
    EXPECT_EQ(folder.read("big.bin"), original.substr(0, 100));
    closeFile(file);
}

TEST(FilesTest, OpenModesAndSeeking) {
    TempFolder folder;
    EXPECT_EQ(openFile("m\\missing.txt", kOpenRead), 0);
    EXPECT_EQ(openFile("m\\missing.txt", kOpenWrite), 0);
    EXPECT_EQ(openFile("m\\missing.txt", kOpenReadWrite), 0);
    folder.write("m\\x.txt", "hello");
    EXPECT_EQ(openFile("m\\x.txt", 7), 0);
    EXPECT_EQ(openFile("m\\x.txt", 0), 0);
    EXPECT_EQ(openFile("m\\x.txt", kOpenRead, 5), 0);
    EXPECT_EQ(openFile("m\\x.txt", kOpenRead, 0), 0);
    EXPECT_EQ(openFile("", kOpenReadWriteCreate), 0);

    // Modes 5 and 6 create without truncating; 4 truncates.
    FileNumber created = openFile("m\\new5.txt", kOpenWriteCreate);
    EXPECT_NE(created, 0);
    closeFile(created);
    EXPECT_TRUE(folder.exists("m\\new5.txt"));
    FileNumber keep = openFile("m\\x.txt", kOpenWriteCreate);
    FileNumber keepToo = openFile("m\\x.txt", kOpenReadWriteCreate);
    ASSERT_NE(keep, 0);
    ASSERT_NE(keepToo, 0);
    EXPECT_NE(keep, keepToo);
    EXPECT_EQ(readLine(keepToo), "hello");
    closeFile(keep);
    closeFile(keepToo);
    FileNumber truncating = openFile("m\\x.txt", kOpenCreateTruncate);
    ASSERT_NE(truncating, 0);
    EXPECT_TRUE(insertIntoFile(truncating, "new"));
    closeFile(truncating);
    EXPECT_EQ(folder.read("m\\x.txt"), "new");

    // A read-only opening cannot change the file; a write-only one reads nothing.
    FileNumber reading = openFile("m\\x.txt", kOpenRead);
    EXPECT_FALSE(insertIntoFile(reading, "zz"));
    EXPECT_FALSE(deleteFromFile(reading, 1));
    EXPECT_EQ(filePosition(reading), 0);
    closeFile(reading);
    FileNumber writing = openFile("m\\x.txt", kOpenWrite);
    EXPECT_EQ(readLine(writing), "");
    closeFile(writing);
    EXPECT_EQ(folder.read("m\\x.txt"), "new");

    FileNumber file = openFile("m\\x.txt");
    EXPECT_TRUE(seekFile(file, kSeekEnd, -1));
    EXPECT_EQ(filePosition(file), 2);
    EXPECT_TRUE(seekFile(file, kSeekCurrent, -2));
    EXPECT_EQ(filePosition(file), 0);
    EXPECT_FALSE(seekFile(file, kSeekCurrent, -1));
    EXPECT_FALSE(seekFile(file, 4, 0));
    EXPECT_EQ(filePosition(file), 0);
    EXPECT_TRUE(seekFile(file, kSeekStart, 10));
    EXPECT_TRUE(atEndOfFile(file));
    closeFile(file);

    // Unknown numbers, a closed one included, do nothing and say so.
    for (FileNumber unknown : {0, file, -3}) {
        EXPECT_EQ(readLine(unknown), "");
        EXPECT_EQ(filePosition(unknown), -1);
        EXPECT_TRUE(atEndOfFile(unknown));
        EXPECT_FALSE(seekFile(unknown, kSeekStart, 0));
        EXPECT_FALSE(insertIntoFile(unknown, "x"));
        EXPECT_FALSE(deleteFromFile(unknown, 1));
        closeFile(unknown);
    }
    EXPECT_EQ(folder.read("m\\x.txt"), "new");
}

TEST(FilesTest, SharingRefusesConflictingOpens) {
    TempFolder folder;
    folder.write("s.txt", "data");
    FileNumber exclusive = openFile("s.txt", kOpenRead, kShareExclusive);
    ASSERT_NE(exclusive, 0);
    EXPECT_EQ(openFile("s.txt", kOpenRead), 0);
    EXPECT_EQ(readWholeFile("s.txt"), "");
    closeFile(exclusive);
    EXPECT_EQ(readWholeFile("s.txt"), "data");

    FileNumber denyWrite = openFile("s.txt", kOpenRead, kShareDenyWrite);
    FileNumber reader = openFile("s.txt", kOpenRead);
    EXPECT_NE(reader, 0);
    EXPECT_EQ(openFile("s.txt", kOpenReadWrite), 0);
    EXPECT_EQ(readWholeFile("s.txt"), "data");
    closeFile(reader);
    closeFile(denyWrite);

    FileNumber denyRead = openFile("s.txt", kOpenReadWrite, kShareDenyRead);
    EXPECT_EQ(openFile("s.txt", kOpenRead), 0);
    FileNumber writer = openFile("s.txt", kOpenWrite);
    EXPECT_NE(writer, 0);
    closeFile(writer);
    closeFile(denyRead);

    // While the file is open for writing, a whole-file read (which denies
    // writers) fails, and so does everything that would take the file away.
    FileNumber open = openFile("s.txt");
    EXPECT_EQ(readWholeFile("s.txt"), "");
    EXPECT_FALSE(writeWholeFile("s.txt", Bytes("other")));
    EXPECT_FALSE(deleteFile("s.txt"));
    EXPECT_FALSE(renameFile("s.txt", "t.txt"));
    closeFile(open);
    EXPECT_EQ(folder.read("s.txt"), "data");
    EXPECT_EQ(namesIn(folder.path()), std::set<std::string>{"s.txt"});
}

TEST(FilesTest, RenameNeverReplacesAndMovesAcrossFolders) {
    TempFolder folder;
    folder.write("r\\a.ini", "A");
    folder.write("r\\b.ini", "B");
    folder.write("other\\keep.txt", "");
    EXPECT_FALSE(renameFile("r\\a.ini", "r\\b.ini"));
    EXPECT_EQ(folder.read("r\\a.ini"), "A");
    EXPECT_EQ(folder.read("r\\b.ini"), "B");
    EXPECT_FALSE(renameFile("r\\missing.ini", "r\\c.ini"));
    EXPECT_FALSE(folder.exists("r\\c.ini"));

    EXPECT_TRUE(renameFile("r\\a.ini", "other/moved.ini"));
    EXPECT_FALSE(folder.exists("r\\a.ini"));
    EXPECT_EQ(folder.read("other\\moved.ini"), "A");
    EXPECT_TRUE(renameFile("r", "renamed"));
    EXPECT_EQ(folder.read("renamed\\b.ini"), "B");
}

TEST(FilesTest, FileExistsWithWildcardsAndFolders) {
    TempFolder folder;
    folder.write("cstrike\\maps\\de_dust2.bsp", "");
    folder.write("cstrike\\readme", "");
    EXPECT_TRUE(fileExists("cstrike\\maps\\de_dust2.bsp"));
    EXPECT_TRUE(fileExists(folder.path() + "/cstrike/maps/de_dust2.bsp"));
    EXPECT_TRUE(fileExists("cstrike\\maps"));
    EXPECT_TRUE(fileExists("cstrike\\maps\\*.bsp"));
    EXPECT_TRUE(fileExists("cstrike\\maps\\de_dust?.bsp"));
    EXPECT_TRUE(fileExists("cstrike\\ma*"));
    EXPECT_TRUE(fileExists("cstrike\\*.*"));
    EXPECT_FALSE(fileExists("cstrike\\maps\\*.wad"));
    EXPECT_FALSE(fileExists("cstrike\\maps\\de_dust?"));
    EXPECT_FALSE(fileExists("cstrike\\sound\\*"));
    EXPECT_FALSE(fileExists("cstrike\\maps\\cs_italy.bsp"));
    EXPECT_FALSE(fileExists(""));

    // A listing has the names as they are written, without their folder;
    // Windows may add the 8.3 name of a long one (its own way under Wine).
    folder.write("cstrike\\maps\\De_Inferno_Night.bsp", "");
    TextList names = listFolder("cstrike\\maps\\*");
    std::set<Text> listed;
    for (int i = 1; i <= names.count(); ++i) {
        if (names[i] != "." && names[i] != ".." && names[i].find('~') == Text::npos)
            listed.insert(names[i]);
    }
    EXPECT_EQ(listed, (std::set<Text>{"de_dust2.bsp", "De_Inferno_Night.bsp"}));
    EXPECT_EQ(listFolder("cstrike\\maps\\*.wad").count(), 0);
    EXPECT_EQ(listFolder("cstrike\\sound\\*").count(), 0);
}

TEST(FilesTest, WholeFileWritesReplaceInOneStep) {
    TempFolder folder;
    const Bytes withZero("b\0c", 3);
    EXPECT_TRUE(writeWholeFile("w.bin", {Bytes("a"), Bytes(), withZero, noise(9000, 3)}));
    EXPECT_EQ(readWholeFile("w.bin"), "a" + withZero + noise(9000, 3));
    EXPECT_TRUE(writeWholeFile("w.bin", Bytes("short")));
    EXPECT_EQ(readWholeFile("w.bin"), "short");
    EXPECT_TRUE(writeWholeFile("empty.bin", Bytes()));
    EXPECT_TRUE(folder.exists("empty.bin"));
    EXPECT_EQ(readWholeFile("empty.bin"), "");

    // A read-only target is left as it was, and no temporary file stays behind.
    ASSERT_TRUE(setAttributes("w.bin", kAttrReadOnly));
    EXPECT_FALSE(writeWholeFile("w.bin", Bytes("lost")));
    EXPECT_EQ(folder.read("w.bin"), "short");
    EXPECT_FALSE(writeWholeFile("nowhere\\w.bin", Bytes("x")));
    EXPECT_FALSE(writeWholeFile("", Bytes("x")));
    EXPECT_EQ(namesIn(folder.path()), (std::set<std::string>{"w.bin", "empty.bin"}));

    // A hidden file stays hidden when it is rewritten.
    ASSERT_TRUE(setAttributes("w.bin", kAttrHidden));
    EXPECT_TRUE(writeWholeFile("w.bin", Bytes("again")));
    EXPECT_EQ(getAttributes("w.bin") & kAttrHidden, kAttrHidden);
    EXPECT_EQ(readWholeFile("w.bin"), "again");

    EXPECT_EQ(readWholeFile("missing.bin"), "");
    EXPECT_EQ(readWholeFile(""), "");
}

TEST(FilesTest, AttributesAndDeletion) {
    TempFolder folder;
    folder.write("f.txt", "x");
    EXPECT_TRUE(setAttributes("f.txt", 0xFF));
    EXPECT_EQ(getAttributes("f.txt"), 0x27);
    // Windows will not delete a read-only file.
    EXPECT_FALSE(deleteFile("f.txt"));
    // Wine keeps no archive bit of its own and reports it on every file.
    EXPECT_TRUE(setAttributes("f.txt", kAttrHidden));
    EXPECT_EQ(getAttributes("f.txt") & ~kAttrArchive, kAttrHidden);
    EXPECT_TRUE(setAttributes("f.txt", 0));
    EXPECT_EQ(getAttributes("f.txt") & ~kAttrArchive, 0);
    EXPECT_TRUE(deleteFile("f.txt"));
    EXPECT_FALSE(folder.exists("f.txt"));
    EXPECT_FALSE(deleteFile("f.txt"));
    EXPECT_EQ(getAttributes("f.txt"), -1);
    EXPECT_FALSE(setAttributes("f.txt", kAttrHidden));
}

TEST(FilesTest, RunDirectoryHoldsTheExecutable) {
    TempFolder folder;
    Text run = runDirectory();
    ASSERT_FALSE(run.empty());
    EXPECT_NE(run.back(), '\\');
    EXPECT_NE(run.back(), '/');
    EXPECT_TRUE(fileExists(run + "\\platform_tests*"));
    ASSERT_TRUE(enterRunDirectory());
    EXPECT_TRUE(fileExists("platform_tests*"));
}

#ifndef _WIN32
TEST(FilesTest, RunDirectoryCanBeAGameFolder) {
    TempFolder folder;
    folder.write("game\\cstrike.exe", "");
    OffscreenSystem system;
    system.runDirectory = folder.path() + "\\game";
    EXPECT_EQ(runDirectory(), system.runDirectory);
    ASSERT_TRUE(enterRunDirectory());
    EXPECT_TRUE(fileExists("cstrike.exe"));
}
#endif
