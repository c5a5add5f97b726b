#include "climate/ClimateErrors.h"
#include "climate/FileTransaction.h"
#include "climate/TextFile.h"

#include "ClimateTestSupport.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using climate::joinLines;
using climate::splitLines;
using Lines = std::vector<std::string>;

namespace {

struct LineCase {
    const char* name;
    std::string bytes;
    Lines lines;
    bool stoppedAtNul;
};

class SplitLinesCase : public ::testing::TestWithParam<LineCase> {};

TEST_P(SplitLinesCase, BreaksAsTheDatabaseRulesSay) {
    const LineCase& c = GetParam();
    bool stoppedAtNul = !c.stoppedAtNul;
    EXPECT_EQ(splitLines(c.bytes, &stoppedAtNul), c.lines);
    EXPECT_EQ(stoppedAtNul, c.stoppedAtNul);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SplitLinesCase,
    ::testing::Values(LineCase{"CrLf", "a\r\nb", {"a", "b"}, false},
                      LineCase{"LoneLf", "a\nb", {"a", "b"}, false},
                      LineCase{"LoneCr", "a\rb", {"a", "b"}, false},
                      LineCase{"FinalBreakGivesNoEmptyLine", "a\r\n", {"a"}, false},
                      LineCase{"FinalLoneCr", "a\r", {"a"}, false},
                      LineCase{"EmptyLineInside", "a\r\n\r\nb\r\n", {"a", "", "b"}, false},
                      LineCase{"TwoFinalBreaks", "a\n\n", {"a", ""}, false},
                      LineCase{"OnlyABreak", "\r\n", {""}, false}, LineCase{"Empty", "", {}, false},
                      LineCase{"CrCrLf", "a\r\r\nb", {"a", "", "b"}, false},
                      LineCase{"LfCr", "a\n\rb", {"a", "", "b"}, false},
                      LineCase{"MixedBreaks", "a\rb\nc\r\nd", {"a", "b", "c", "d"}, false},
                      LineCase{"NulEndsTheText", std::string("a\0b\r\nc", 6), {"a"}, true},
                      LineCase{"NulAfterBreak", std::string("a\r\n\0z", 5), {"a"}, true},
                      LineCase{"NulFirst", std::string("\0a", 2), {}, true},
                      LineCase{"HighBytesKept", "S\xE3o\r\n\xFF", {"S\xE3o", "\xFF"}, false}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(JoinLines, PutsCrLfAfterEveryLine) {
    EXPECT_EQ(joinLines({"a", "b"}), "a\r\nb\r\n");
    EXPECT_EQ(joinLines({""}), "\r\n");
    EXPECT_EQ(joinLines({}), "");
}

class TextFileTest : public ::testing::Test {
protected:
    QString path(const char* name) const { return dir.path() + "/" + name; }
    QStringList names() const {
        return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    QTemporaryDir dir;
};

TEST_F(TextFileTest, WritesAndReadsBackByteForByte) {
    const Lines lines{"S\xE3o_Paulo,-23.5", "", "\"a b\",\xFF"};
    climate::writeLines(path("x.csv"), lines);
    EXPECT_EQ(readAll(path("x.csv")), "S\xE3o_Paulo,-23.5\r\n\r\n\"a b\",\xFF\r\n");
    EXPECT_EQ(climate::readLines(path("x.csv")), lines);
    EXPECT_EQ(names(), QStringList{"x.csv"});  // no temporary file left
}

TEST_F(TextFileTest, ReplacingKeepsThePermissions) {
    writeAll(path("x.csv"), "old\r\n");
    QFile::setPermissions(path("x.csv"), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    climate::writeLines(path("x.csv"), {"new"});
    EXPECT_EQ(readAll(path("x.csv")), "new\r\n");
    const QFileDevice::Permissions modeBits =
        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
        QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther |
        QFile::ExeOther;
    EXPECT_EQ(QFile::permissions(path("x.csv")) & modeBits,
              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    EXPECT_EQ(names(), QStringList{"x.csv"});
}

TEST_F(TextFileTest, MissingAndUnreadableFilesRaiseTheirErrors) {
    try {
        climate::readLines(path("none.csv"));
        FAIL();
    } catch (const climate::FileNotFoundError& e) {
        EXPECT_EQ(e.file(), path("none.csv"));
        EXPECT_NE(std::string(e.what()).find("none.csv"), std::string::npos);
    }
    QDir(dir.path()).mkdir("folder");
    EXPECT_THROW(climate::readLines(path("folder")), climate::FileReadError);
}

TEST_F(TextFileTest, WritingIntoAMissingFolderFailsAndCreatesNothing) {
    EXPECT_THROW(climate::writeLines(path("missing/x.csv"), {"a"}), climate::FileWriteError);
    EXPECT_TRUE(names().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(path("missing")));
}

TEST_F(TextFileTest, ATransactionPutsEverythingBackWhenALaterReplacementFails) {
    writeAll(path("a"), "old a");
    writeAll(path("c"), "old c");
    const auto before = snapshot(dir.path());
    for (const char* failing : {"a", "b", "c"}) {
        climate::FileTransaction transaction;
        transaction.add(path("a"), "new a");
        transaction.add(path("b"), "new b");  // did not exist
        transaction.add(path("c"), "new c");
        transaction.setBeforeReplace([&](const QString& target) {
            if (target == path(failing)) {
                throw climate::FileWriteError("simulated", target);
            }
        });
        EXPECT_THROW(transaction.commit(), climate::FileWriteError) << failing;
        EXPECT_EQ(snapshot(dir.path()), before) << failing;
    }
    climate::FileTransaction transaction;
    transaction.add(path("a"), "new a");
    transaction.add(path("b"), "new b");
    transaction.commit();
    EXPECT_EQ(readAll(path("a")), "new a");
    EXPECT_EQ(readAll(path("b")), "new b");
    EXPECT_EQ(readAll(path("c")), "old c");
    EXPECT_EQ(names(), (QStringList{"a", "b", "c"}));
}

TEST_F(TextFileTest, ATransactionSurvivesATargetThatCannotBeReplaced) {
    writeAll(path("a"), "old a");
    QDir(dir.path()).mkpath("b/inside");  // a folder where a file should go
    const auto before = snapshot(dir.path());
    climate::FileTransaction transaction;
    transaction.add(path("a"), "new a");
    transaction.add(path("b"), "new b");
    EXPECT_THROW(transaction.commit(), climate::FileWriteError);
    EXPECT_EQ(snapshot(dir.path()), before);
}

}  // namespace
