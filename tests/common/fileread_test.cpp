#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

#include "common/cp1252.h"
#include "common/fileread.h"
#include "support/testfiles.h"

namespace kubato {
namespace {

TEST(FileRead, ReadsBytesUnchanged)
{
    const test::TempDir dir;
    const std::string bytes("45\r\n\0\xff\n", 7);
    const FileContent content = readFile(dir.write("a.d45", bytes));
    ASSERT_TRUE(content.ok);
    EXPECT_EQ(content.bytes, bytes);
    const FileContent empty = readFile(dir.write("leer.d30", ""));
    ASSERT_TRUE(empty.ok);
    EXPECT_EQ(empty.bytes, "");
}

TEST(FileRead, NamesTheReasonWhenAFileCannotBeRead)
{
    const test::TempDir dir;
    struct Case {
        const char *name;
        std::string path;
        std::string reason;
    };
    const Case cases[] = {
        {"missing", dir.path() + "/fehlt.d30", "Datei nicht gefunden"},
        {"empty path", "", "Datei nicht gefunden"},
        {"directory", dir.path(), "das ist ein Verzeichnis, keine Datei"},
        {"device", "/dev/null", std::string("das ist keine gewöhnliche Datei"_cp)},
        {"path through a file", dir.write("f", "x") + "/x",
         "ein Teil des Pfades ist kein Verzeichnis"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const FileContent content = readFile(c.path);
        EXPECT_FALSE(content.ok);
        EXPECT_EQ(content.reason, c.reason);
    }
}

TEST(FileRead, NoReadPermission)
{
    if (geteuid() == 0) {
        GTEST_SKIP() << "root reads every file";
    }
    const test::TempDir dir;
    const std::string path = dir.write("geheim.d58", "58");
    std::filesystem::permissions(path, std::filesystem::perms::none);
    const FileContent content = readFile(path);
    EXPECT_FALSE(content.ok);
    EXPECT_EQ(content.reason, "keine Leseberechtigung");
}

} // namespace
} // namespace kubato
