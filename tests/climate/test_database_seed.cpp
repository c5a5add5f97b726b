// The first start's copy of the installed database into the user's folder.
#include "climate/ClimateErrors.h"
#include "climate/DatabaseSeed.h"
#include "support/TempDatabase.h"

#include "ClimateTestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using climate::SeedResult;

namespace {

// Every file under a folder, by its path inside it, with its bytes.
std::map<QString, std::string> treeOf(const QString& folder) {
    auto tree = snapshot(folder);
    std::erase_if(tree, [](const auto& entry) { return entry.second == "<dir>"; });
    return tree;
}

class DatabaseSeed : public ::testing::Test {
protected:
    void SetUp() override {
        shipped.writeIndex({"S\xE3o_Paulo,-23.5,s/a,s/a,46.6", "Bologna,44.5,b.csv,b.ventos.csv,-11.3"});
        shipped.writeCityFile("b.csv", "hourly\r\n");
        shipped.writeCityFile("b.ventos.csv", "wind\r\n");
        QDir(shipped.path()).mkdir("licenses");
        TempDatabase::writeBytes(shipped.path() + "/licenses/MIT.txt", "MIT");
        TempDatabase::writeBytes(shipped.path() + "/README.md", "notes");
        // What else lies beside a database run from its build folder.
        TempDatabase::writeBytes(shipped.path() + "/zenita", "\x7f" "ELF");
    }
    QString target() const { return home.path() + "/dados/zenita"; }
    QStringList leftovers() const {
        return QDir(home.path() + "/dados").entryList(QDir::AllEntries | QDir::NoDotAndDotDot |
                                                      QDir::Hidden);
    }

    TempDatabase shipped;
    QTemporaryDir home;
};

// An empty folder (one the desktop made, say) counts as no database.
TEST_F(DatabaseSeed, CopiesTheDatabaseAndNothingElseIntoAnEmptyFolder) {
    QDir().mkpath(target());
    ASSERT_EQ(climate::seedDatabase(shipped.path(), target()), SeedResult::Copied);
    auto expected = treeOf(shipped.path());
    expected.erase("zenita");
    EXPECT_EQ(treeOf(target()), expected);
    EXPECT_EQ(leftovers(), QStringList{"zenita"});
}

TEST_F(DatabaseSeed, NeverWritesIntoAFolderThatHoldsSomething) {
    const struct {
        const char* name;
        std::map<QString, std::string> userFiles;
    } cases[] = {
        {"the user's cities", {{"Latitudes.csv", "Minha_Cidade,-10,m.csv,m.ventos.csv,40\r\n"},
                               {"cidades/m.csv", "mine"}}},
        {"no index, but city files", {{"cidades/m.csv", "mine"}}},
        {"a hidden file only", {{".journal", "x"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QDir(target()).removeRecursively();
        for (const auto& [name, bytes] : c.userFiles) {
            QDir().mkpath(QFileInfo(target() + '/' + name).path());
            TempDatabase::writeBytes(target() + '/' + name, bytes);
        }
        EXPECT_EQ(climate::seedDatabase(shipped.path(), target()), SeedResult::AlreadyThere);
        EXPECT_EQ(treeOf(target()), c.userFiles);
    }
}

TEST_F(DatabaseSeed, WithoutAShippedIndexCopiesNothing) {
    QFile::remove(shipped.indexPath());
    EXPECT_EQ(climate::seedDatabase(shipped.path(), target()), SeedResult::NothingToCopy);
    EXPECT_FALSE(QFileInfo::exists(target()));
}

// A link in the shipped folder stops the copy half way: no target appears,
// so the next start copies again, and no staging folder is left behind.
TEST_F(DatabaseSeed, AFailedCopyLeavesNoTargetAndNoStagingFolder) {
    ASSERT_TRUE(QFile::link(shipped.path() + "/licenses/MIT.txt", shipped.cityFilePath("z.csv")));
    EXPECT_THROW(climate::seedDatabase(shipped.path(), target()), climate::ClimateError);
    EXPECT_FALSE(QFileInfo::exists(target()));
    EXPECT_TRUE(leftovers().isEmpty()) << leftovers().join(", ").toStdString();
}

}  // namespace
