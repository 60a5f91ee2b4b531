#include <gtest/gtest.h>

#include <random>
#include <utility>
#include <vector>

#include "platform/files.h"
#include "platform/ini.h"
#include "platform/ini_format.h"
#include "support/temp_folder.h"

#ifdef _WIN32
#include <windows.h>

#include "platform/win32/system_profile.h"
#endif

namespace {

std::optional<Text> lookup(const Bytes& file, const Text& section, const Text& key) {
    return iniLookup(file, section, key);
}

Bytes withItem(const Bytes& file, const Text& section, const std::optional<Text>& key,
               const std::optional<Text>& value) {
    std::optional<Bytes> edited = iniWithItem(file, section, key, value);
    EXPECT_TRUE(edited.has_value()) << section << "/" << key.value_or("-");
    return edited.value_or(file);
}

// Awkward but legal: blanks, quotes, a key without "=", duplicate keys and
// sections, lines before the first section.
const Bytes kProfile =
    "; comment\r\n"
    "top=before any section\r\n"
    "[Map]\r\n"
    "  LastChoice  =  7  \r\n"
    "quoted=\"a b\"\r\n"
    "single='x'\r\n"
    "half=\"open\r\n"
    "lonely=\"\r\n"
    "empty=\r\n"
    "novalue\r\n"
    "dup=first\r\n"
    "dup=second\r\n"
    "eq=a=b\r\n"
    "[ other ]\r\n"
    "k=v\r\n"
    "[map]\r\n"
    "late=hidden\r\n";

}  // namespace

TEST(IniFormatTest, LookupFollowsProfileRules) {
    const Bytes& file = kProfile;
    EXPECT_EQ(lookup(file, "Map", "lastchoice"), "7");
    EXPECT_EQ(lookup(file, "MAP", "LASTCHOICE"), "7");
    EXPECT_EQ(lookup(file, " Map\t", " lastchoice "), "7");
    EXPECT_EQ(lookup(file, "Map", "quoted"), "a b");
    EXPECT_EQ(lookup(file, "Map", "single"), "x");
    EXPECT_EQ(lookup(file, "Map", "half"), "\"open");
    EXPECT_EQ(lookup(file, "Map", "lonely"), "\"");
    EXPECT_EQ(lookup(file, "Map", "empty"), "");
    EXPECT_EQ(lookup(file, "Map", "novalue"), std::nullopt);
    EXPECT_EQ(lookup(file, "Map", "dup"), "first");
    EXPECT_EQ(lookup(file, "Map", "eq"), "a=b");
    EXPECT_EQ(lookup(file, "other", "k"), "v");
    // Only the first section of a name is searched; lines before any section
    // belong to none.
    EXPECT_EQ(lookup(file, "map", "late"), std::nullopt);
    EXPECT_EQ(lookup(file, "Map", "top"), std::nullopt);
    EXPECT_EQ(lookup(file, "Nope", "k"), std::nullopt);
    EXPECT_EQ(lookup(file, "", "k"), std::nullopt);
}

TEST(IniFormatTest, LineEndsMarksAndDoubleByteNames) {
    EXPECT_EQ(lookup("[s]\rk=1\rj=2\r", "s", "j"), "2");
    EXPECT_EQ(lookup("[s]\nk=1\nj=2", "s", "j"), "2");
    EXPECT_EQ(lookup("[s]\n\r\r\nk=1", "s", "k"), "1");
    // A byte-order mark that an editor put in front must not hide the first section.
    EXPECT_EQ(lookup("\xEF\xBB\xBF[Language]\r\nlang=1\r\n", "Language", "lang"), "1");
    EXPECT_EQ(lookup(Bytes("[s]\r\nk=ab\0cd\r\n", 14), "s", "k"), "ab");

    EXPECT_EQ(lookup("[武器]\r\n名字=值\r\n", "武器", "名字"), "值");
    // Letter case is ASCII only: these two characters differ in their second byte.
    EXPECT_EQ(lookup("[s]\r\n\x81\x41=1\r\n", "s", "\x81\x61"), std::nullopt);
    EXPECT_EQ(lookup("[S]\r\n\x81\x41=1\r\n", "s", "\x81\x41"), "1");
    // "]" as the second byte of a character does not close a section name.
    EXPECT_EQ(lookup("[\x81]]\r\nk=1\r\n", "\x81]", "k"), "1");
    EXPECT_EQ(lookup("[a\x81]\r\nk=1\r\n", "a\x81", "k"), std::nullopt);

    // Long values are cut, never in the middle of a character.
    EXPECT_EQ(lookup("[s]\r\nk=" + Bytes(20000, 'v'), "s", "k"),
              Bytes(static_cast<size_t>(kIniValueLimit), 'v'));
    EXPECT_EQ(lookup("[s]\r\nk=" + Bytes(kIniValueLimit - 1, 'v') + "中", "s", "k"),
              Bytes(static_cast<size_t>(kIniValueLimit) - 1, 'v'));
}

TEST(IniFormatTest, EditsTouchOnlyTheirOwnLine) {
    const Bytes base = "; keep me\n[Map]\nlastchoice = 3\n\n[Other]\r\nx=1";
    EXPECT_EQ(withItem(base, "Map", "lastchoice", "5"),
              "; keep me\n[Map]\nlastchoice=5\n\n[Other]\r\nx=1");
    EXPECT_EQ(withItem(base, "map", "LASTCHOICE", "  5 "),
              "; keep me\n[Map]\nlastchoice=5 \n\n[Other]\r\nx=1");
    EXPECT_EQ(withItem(base, "Map", "botnum", "2"),
              "; keep me\n[Map]\nlastchoice = 3\nbotnum=2\r\n\n[Other]\r\nx=1");
    EXPECT_EQ(withItem(base, "Other", "y", "2"),
              "; keep me\n[Map]\nlastchoice = 3\n\n[Other]\r\nx=1\r\ny=2\r\n");
    EXPECT_EQ(withItem(base, "New", "k", "v"),
              "; keep me\n[Map]\nlastchoice = 3\n\n[Other]\r\nx=1\r\n[New]\r\nk=v\r\n");
    EXPECT_EQ(withItem(base, "Map", "lastchoice", std::nullopt),
              "; keep me\n[Map]\n\n[Other]\r\nx=1");
    EXPECT_EQ(withItem(base, "MAP", std::nullopt, std::nullopt), "; keep me\n[Other]\r\nx=1");
    EXPECT_EQ(withItem(base, "Other", std::nullopt, std::nullopt),
              "; keep me\n[Map]\nlastchoice = 3\n\n");
    EXPECT_EQ(withItem(base, "Map", "missing", std::nullopt), base);
    EXPECT_EQ(withItem(base, "Missing", std::nullopt, std::nullopt), base);

    EXPECT_EQ(withItem("", "Map", "k", "v"), "[Map]\r\nk=v\r\n");
    EXPECT_EQ(withItem("[Map]", "Map", "k", "v"), "[Map]\r\nk=v\r\n");
    EXPECT_EQ(withItem("\xEF\xBB\xBF", "Map", "k", "v"), "\xEF\xBB\xBF[Map]\r\nk=v\r\n");
    EXPECT_EQ(withItem("\xEF\xBB\xBF[Map]\r\n", "Map", std::nullopt, std::nullopt), "\xEF\xBB\xBF");
    EXPECT_EQ(withItem("[a]\r\nk=1\r\n[A]\r\nk=2\r\n", "A", "k", "3"),
              "[a]\r\nk=3\r\n[A]\r\nk=2\r\n");
}

TEST(IniFormatTest, RefusesItemsThatWouldNotReadBackAsWritten) {
    const Bytes file = "[Map]\r\nk=1\r\n";
    EXPECT_EQ(iniWithItem(file, "Map", "k", "1\r\n[Evil]\r\nx=2"), std::nullopt);
    EXPECT_EQ(iniWithItem(file, "Map", "a=b", "1"), std::nullopt);
    EXPECT_EQ(iniWithItem(file, "Map", "[x]", "1"), std::nullopt);
    EXPECT_EQ(iniWithItem(file, "Map", "  ", "1"), std::nullopt);
    EXPECT_EQ(iniWithItem(file, "", "k", "1"), std::nullopt);
    EXPECT_EQ(iniWithItem(file, "a\nb", "k", "1"), std::nullopt);
    // An opening bracket alone is an ordinary key.
    EXPECT_EQ(lookup(withItem(file, "Map", "[x", "1"), "Map", "[x"), "1");
}

// Random files of awkward lines, random edits: every edit must read back, and
// must not change what any other item reads as.
TEST(IniFormatTest, RandomEditsReadBackAndLeaveOtherItemsAlone) {
    const std::vector<Text> lineTexts = {"[a]",         "[A]", "[ b ]", "[c",         "k=1",
                                         " K = \"2\" ", "j=3", "j",     "=x",         "",
                                         "  ",          "; c", "k='q'", "\x81\x41=5", "[\x81]]"};
    const std::vector<Text> lineEnds = {"\r\n", "\n", "\r"};
    const std::vector<Text> sections = {"a", "A", "b", "c", "\x81]", "new"};
    const std::vector<Text> keys = {"k", "K", "j", "z", "\x81\x41", "\x81\x61"};
    const std::vector<Text> values = {"v", "", " w", "\"q\"", "中文", "x=y"};
    // Whether two names address the same item, as the reader sees it.
    auto sameName = [](const Text& a, const Text& b) {
        return lookup("[" + a + "]\r\nx=1\r\n", b, "x").has_value();
    };

    std::mt19937 random(20240607);
    auto pick = [&random](const std::vector<Text>& from) {
        return from[std::uniform_int_distribution<size_t>(0, from.size() - 1)(random)];
    };
    for (int round = 0; round < 800; ++round) {
        Bytes file = random() % 4 == 0 ? "\xEF\xBB\xBF" : "";
        int lineCount = static_cast<int>(random() % 9);
        for (int line = 0; line < lineCount; ++line) {
            file += pick(lineTexts);
            if (line + 1 < lineCount || random() % 2 == 0)
                file += pick(lineEnds);
        }
        Text section = pick(sections);
        Text key = pick(keys);
        Text value = pick(values);
        int kind = static_cast<int>(random() % 3);
        std::optional<Text> editKey = kind == 2 ? std::nullopt : std::optional<Text>(key);
        std::optional<Text> editValue = kind == 0 ? std::optional<Text>(value) : std::nullopt;

        std::optional<Bytes> edited = iniWithItem(file, section, editKey, editValue);
        ASSERT_TRUE(edited.has_value()) << round;
        if (kind == 0) {
            EXPECT_EQ(lookup(*edited, section, key), lookup("[t]\r\nx=" + value, "t", "x"))
                << round;
            EXPECT_EQ(iniWithItem(*edited, section, key, value), edited) << round;
        }
        for (const Text& otherSection : sections) {
            bool sameSection = sameName(otherSection, section);
            if (kind == 2 && sameSection)
                continue;
            for (const Text& otherKey : keys) {
                if (sameSection && sameName(otherKey, key))
                    continue;
                EXPECT_EQ(lookup(*edited, otherSection, otherKey),
                          lookup(file, otherSection, otherKey))
                    << "round " << round << " item " << otherSection << "/" << otherKey;
            }
        }
    }
}

TEST(IniFileTest, ReadIniItemArgumentsAndDefaults) {
    TempFolder folder;
    folder.write("Data\\a.ini", "[Map]\r\nlastchoice=4\r\n");
    EXPECT_EQ(readIniItem("Data\\a.ini", "Map", "lastchoice", "d"), "4");
    EXPECT_EQ(readIniItem(" \tData\\a.ini", "\tMap", " lastchoice", "d"), "4");
    EXPECT_EQ(readIniItem("Data\\a.ini", "Map", "missing", "d"), "d");
    EXPECT_EQ(readIniItem("Data\\missing.ini", "Map", "lastchoice", "d"), "d");
    EXPECT_EQ(readIniItem("Data/a.ini", "Map", "lastchoice"), "4");
    // A name that is empty once its leading blanks are gone reads nothing, not the default.
    EXPECT_EQ(readIniItem("Data\\a.ini", "Map", "   ", "d"), "");
    EXPECT_EQ(readIniItem("Data\\a.ini", "", "lastchoice", "d"), "");
    EXPECT_EQ(readIniItem("  ", "Map", "lastchoice", "d"), "");
}

TEST(IniFileTest, WriteIniItemCreatesReplacesAndDeletes) {
    TempFolder folder;
    folder.write("Data\\keep.txt", "");
    const Text file = "Data\\Save.ini";
    EXPECT_TRUE(writeIniItem(file, "Map", "k", std::nullopt));
    EXPECT_FALSE(folder.exists("Data\\Save.ini")) << "deleting from a missing file creates it";

    EXPECT_TRUE(writeIniItem(file, "Map", "k", "1"));
    EXPECT_TRUE(writeIniItem(file, "Map", "j", "2"));
    EXPECT_TRUE(writeIniItem(file, "Map", "K", "3"));
    EXPECT_EQ(folder.read("Data\\Save.ini"), "[Map]\r\nk=3\r\nj=2\r\n");
    EXPECT_EQ(readIniItem(file, "map", "J"), "2");

    EXPECT_TRUE(writeIniItem(file, "Map", "k", std::nullopt));
    EXPECT_TRUE(writeIniItem(file, "Other", "x", "y"));
    EXPECT_TRUE(writeIniItem(file, "Map"));
    EXPECT_EQ(folder.read("Data\\Save.ini"), "[Other]\r\nx=y\r\n");

    EXPECT_FALSE(writeIniItem(file, "Map", "k", "1\r\n[Other]"));
    EXPECT_FALSE(writeIniItem("Missing\\Save.ini", "Map", "k", "1"));
    EXPECT_FALSE(writeIniItem("", "Map", "k", "1"));
    EXPECT_EQ(folder.read("Data\\Save.ini"), "[Other]\r\nx=y\r\n");
}

#ifdef _WIN32

// Another program holding the file so that it cannot be read must not make
// the write start from an empty file and lose everything else in it.
TEST(IniFileTest, FileThatCannotBeReadIsNotOverwritten) {
    TempFolder folder;
    folder.write("Data\\Save.ini", "[Map]\r\nlastchoice=4\r\n");
    FileNumber held = openFile("Data\\Save.ini", kOpenReadWrite, kShareExclusive);
    ASSERT_NE(held, 0);
    EXPECT_FALSE(writeIniItem("Data\\Save.ini", "Map", "botnum", "3"));
    closeFile(held);
    EXPECT_EQ(folder.read("Data\\Save.ini"), "[Map]\r\nlastchoice=4\r\n");
}

// Windows' own profile functions, under Windows or Wine, as the reference.
TEST(IniSystemTest, LookupsAgreeWithTheSystem) {
    TempFolder folder;
    const std::vector<Bytes> files = {
        kProfile,
        "[Map]\rlastchoice=1\rquoted=\"q\"\r[other]\rk=2\r",
        "[Map]\nlastchoice=1\n\n[other]\nk=2",
        "top=1\r\n[Map]\r\n\r\n  \r\nlastchoice = 9\r\n",
        "\xEF\xBB\xBF  [Map] junk\r\n;lastchoice=1\r\nlastchoice=2\x1A\r\n[other\r\nk=3\r\n",
        // Tabs and control characters as blanks, quotes that do not pair up or
        // are doubled, a key without "=" shadowing a later one.
        "\t[\tmap\t]\t\n\x0BLastChoice\t=\t\"\"1\"\"\t\nquoted=\"a'\nsingle=''\nhalf='\n"
        "novalue\nnovalue=2\n[Other ]x\nK = v w ",
        // Duplicate sections that differ in case, and keys that differ in case.
        "[map]\r\nDUP=1\r\n[MAP]\r\nlastchoice=2\r\n[Map]\r\ndup=3\r\n[other]]\r\nk=4",
    };
    const std::vector<std::pair<Text, Text>> items = {
        {"Map", "lastchoice"}, {"MAP", "LASTCHOICE"}, {" Map ", " lastchoice "},
        {"Map", "quoted"},     {"Map", "single"},     {"Map", "half"},
        {"Map", "empty"},      {"Map", "novalue"},    {"Map", "dup"},
        {"Map", "lonely"},     {"Map", "eq"},         {"other", "k"},
        {"map", "late"},       {"Map", "top"},        {"Nope", "k"},
        {"Map\t", "\tdup"},    {"other]", "k"},       {"Other", "K"},
    };
    for (size_t i = 0; i < files.size(); ++i) {
        Text name = "lookup" + std::to_string(i) + ".ini";
        folder.write(name, files[i]);
        Text path = folder.path() + "\\" + name;
        for (const auto& [section, key] : items) {
            EXPECT_EQ(readIniItem(path, section, key, "default"),
                      systemReadProfileString(path, section, key, "default"))
                << "file " << i << " item " << section << "/" << key;
        }
    }
    // Windows reads a profile through the ANSI code page; double-byte names
    // and values only agree where that is GBK, as on the players' machines.
    if (GetACP() == 936) {
        folder.write("chinese.ini", "[武器]\r\n名字 = \"值\"\r\n\x81\x41=1\r\n");
        Text path = folder.path() + "\\chinese.ini";
        for (const char* key : {"名字", "\x81\x41", "\x81\x61"}) {
            EXPECT_EQ(readIniItem(path, "武器", key, "default"),
                      systemReadProfileString(path, "武器", key, "default"));
        }
    }
}

TEST(IniSystemTest, EditsWriteTheSameBytesAsTheSystem) {
    struct Edit {
        Text section;
        std::optional<Text> key;
        std::optional<Text> value;
    };
    const std::vector<Edit> edits = {
        {"App1", "key1", "string1"},          {"App1", "key2", "string2"},
        {"App2", "key4", "string4"},          {"App1", "key3", "string3"},
        {"App1", "KEY2", "changed"},          {"app2", "key5", ""},
        {"App1", "key2", std::nullopt},       {"App1", "key2", std::nullopt},
        {"App3", "key6", "string6"},          {"App2", std::nullopt, std::nullopt},
        {"App9", std::nullopt, std::nullopt}, {"App3", "key6", std::nullopt},
        {"App1", "key1", "string1"},
    };
    TempFolder folder;
    int files = 0;
    // Each file gets a name of its own: Wine keeps recently used profiles cached.
    auto check = [&](const Bytes& start, const std::vector<Edit>& sequence) {
        Text ours = folder.path() + "\\ours" + std::to_string(files) + ".ini";
        Text system = folder.path() + "\\system" + std::to_string(files) + ".ini";
        ++files;
        if (!start.empty()) {
            ASSERT_TRUE(writeWholeFile(ours, start));
            ASSERT_TRUE(writeWholeFile(system, start));
        }
        for (size_t i = 0; i < sequence.size(); ++i) {
            const Edit& edit = sequence[i];
            EXPECT_EQ(writeIniItem(ours, edit.section, edit.key, edit.value),
                      systemWriteProfileString(system, edit.section, edit.key, edit.value));
            EXPECT_EQ(readWholeFile(ours), readWholeFile(system))
                << "start " << start << " edit " << i;
        }
    };
    check("", edits);
    check("[App1]\r\nkey1=old\r\n[App2]\r\nkey4=x\r\n", edits);
    // Files that Windows did not write itself: no final line end, a key in
    // another case, a key without "=", duplicate keys and sections, a UTF-8 mark.
    check("[A]\r\nk=1", {{"A", "n", "3"}});
    check("[A]\r\nk=1", {{"B", "n", "3"}});
    check("[A]\r\nK=1\r\n", {{"a", "k", "  2"}});
    check("[A]\r\nk\r\n", {{"A", "k", "5"}});
    check("[A]\r\nk=1\r\nk=2\r\n", {{"A", "k", std::nullopt}});
    check("[A]\r\nk=1\r\n[A]\r\nj=1\r\n", {{"A", "j", "2"}, {"A", std::nullopt, std::nullopt}});
    check("\xEF\xBB\xBF[A]\r\nk=1\r\n", {{"A", "n", "\"q\""}});
    // Quotes are written as given; blanks around names go, leading blanks of a
    // value go and trailing ones stay.
    check("[A]\r\nk=\"1\"\r\nj='2'\r\n",
          {{"A", "k", "\"5\""}, {"A", "j", "'x"}, {"A", "n", "\"\""}});
    check("[A]\r\nk=1\r\n", {{"  A\t", "\tk  ", "  5  "}});
    check("[A]\r\nk=1\r\n", {{" a ", " n", "\t"}});
    // Lines before the first section, comments, a key that only differs in case
    // in a later section of the same name, sections without keys.
    check("top=1\r\n; c\r\n[A]\r\n; c2\r\nk=1\r\n[a]\r\nK=2\r\n[B]\r\n",
          {{"A", "k", "2"}, {"a", "K", std::nullopt}, {"B", "x", "1"}, {"A", "j", "3"}});
    check("[A]\r\nk=1", {{"A", "k", std::nullopt}});
    check("[A]\r\nk=1\r\nk=2\r\n", {{"A", "K", "3"}, {"A", "k", std::nullopt}});
}

bool runningUnderWine() {
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

// Where the launcher departs from the profile functions on purpose (each is
// explained in docs/ini-behaviour.md). Our result is checked everywhere;
// Wine's only under Wine, so that the document stays true to it.
TEST(IniSystemTest, DeliberateDifferencesFromTheSystem) {
    TempFolder folder;
    const bool wine = runningUnderWine();
    int files = 0;
    auto fileWith = [&](const Bytes& bytes) {
        Text path = folder.path() + "\\difference" + std::to_string(files++) + ".ini";
        EXPECT_TRUE(writeWholeFile(path, bytes));
        return path;
    };

    struct Lookup {
        Bytes file;
        Text section;
        Text key;
        Text fallback;
        Text ours;
        Text system;
    };
    const std::vector<Lookup> lookups = {
        {"[s]\r\nk=1\r\n", "s", "x", "  d  ", "  d  ", "  d"},
        {"[s]\r\nk=1\r\n", "s", "  ", "d", "", "d"},
        {"[s]\r\n=1\r\n", "s", " ", "d", "", "1"},
        {"\xEF\xBB\xBF[s]\r\nk=\xE4\xB8\xAD\r\n", "s", "k", "d", "\xE4\xB8\xAD", "中"},
    };
    for (const Lookup& item : lookups) {
        Text path = fileWith(item.file);
        EXPECT_EQ(readIniItem(path, item.section, item.key, item.fallback), item.ours) << item.file;
        if (wine) {
            EXPECT_EQ(systemReadProfileString(path, item.section, item.key, item.fallback),
                      item.system)
                << item.file;
        }
    }

    struct Edit {
        Bytes start;
        Text section;
        Text key;
        Text value;
        bool written;  // by us; the system writes every one of them
        Bytes ours;
        Bytes system;
    };
    const Bytes plain = "[A]\r\nk=1\r\n";
    const std::vector<Edit> edits = {
        // Only the edited line changes: blank lines, line ends, blanks around
        // names and an open last line all stay as they were.
        {"[A]\r\nk=1\r\n\r\n[B]\r\nj=2\r\n", "A", "k", "5", true,
         "[A]\r\nk=5\r\n\r\n[B]\r\nj=2\r\n", "[A]\r\nk=5\r\n[B]\r\nj=2\r\n"},
        {"[A]\r\nk=1\r\n\r\n", "A", "n", "2", true, "[A]\r\nk=1\r\nn=2\r\n\r\n",
         "[A]\r\nk=1\r\nn=2\r\n"},
        {"[A]\nk=1\nj=2\n", "A", "k", "5", true, "[A]\nk=5\nj=2\n", "[A]\r\nk=5\r\nj=2\r\n"},
        {"[A]\rk=1\r", "A", "k", "5", true, "[A]\rk=5\r", "[A]\r\nk=5\r\n"},
        {"  [ A ]  \r\n  k  =  1  \r\n\tj\t=\t2\t\r\n", "A", "k", "5", true,
         "  [ A ]  \r\nk=5\r\n\tj\t=\t2\t\r\n", "[A]\r\nk=5\r\nj=2\r\n"},
        {"[A]\r\nk=5  \r\n", "A", "n", "1", true, "[A]\r\nk=5  \r\nn=1\r\n",
         "[A]\r\nk=5\r\nn=1\r\n"},
        // A new key is written without the blanks around it.
        {plain, "A", " n ", "1", true, "[A]\r\nk=1\r\nn=1\r\n", "[A]\r\nk=1\r\nn =1\r\n"},
        {"[A]\r\nk=1", "A", "k", "2", true, "[A]\r\nk=2", "[A]\r\nk=2\r\n"},
        // Items that would not read back as written are refused.
        {plain, "A", "k", "1\r\nx=2", false, plain, "[A]\r\nk=1\r\nx=2\r\n"},
        {plain, "A", "a=b", "1", false, plain, "[A]\r\nk=1\r\na=b=1\r\n"},
        {plain, "A", "[x]", "1", false, plain, "[A]\r\nk=1\r\n[x]=1\r\n"},
        {plain, "A", " ", "1", false, plain, "[A]\r\nk=1\r\n=1\r\n"},
        {plain, "", "k", "1", false, plain, "k=1\r\n[A]\r\nk=1\r\n"},
    };
    for (const Edit& edit : edits) {
        Text ours = fileWith(edit.start);
        Text system = fileWith(edit.start);
        EXPECT_EQ(writeIniItem(ours, edit.section, edit.key, edit.value), edit.written)
            << edit.start;
        EXPECT_EQ(readWholeFile(ours), edit.ours) << edit.start;
        if (wine) {
            EXPECT_TRUE(systemWriteProfileString(system, edit.section, edit.key, edit.value));
            EXPECT_EQ(readWholeFile(system), edit.system) << edit.start;
        }
    }
}

#endif
