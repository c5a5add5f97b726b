#include "climate/ClimateErrors.h"
#include "climate/DatabaseRecovery.h"
#include "climate/FileTransaction.h"
#include "climate/TextFile.h"

#include "ClimateTestSupport.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using climate::splitLines;
using Lines = std::vector<std::string>;

namespace {

TEST(SplitLines, BreaksAsTheDatabaseRulesSay) {
    const struct {
        const char* name;
        std::string bytes;
        Lines lines;
        bool stoppedAtNul;
    } cases[] = {
        {"CR LF", "a\r\nb", {"a", "b"}, false},
        {"lone LF", "a\nb", {"a", "b"}, false},
        {"lone CR", "a\rb", {"a", "b"}, false},
        {"final break gives no empty line", "a\r\n", {"a"}, false},
        {"final lone CR", "a\r", {"a"}, false},
        {"empty line inside", "a\r\n\r\nb\r\n", {"a", "", "b"}, false},
        {"two final breaks", "a\n\n", {"a", ""}, false},
        {"CR CR LF", "a\r\r\nb", {"a", "", "b"}, false},
        {"LF CR", "a\n\rb", {"a", "", "b"}, false},
        {"mixed breaks", "a\rb\nc\r\nd", {"a", "b", "c", "d"}, false},
        {"empty", "", {}, false},
        {"NUL ends the text", std::string("a\0b\r\nc", 6), {"a"}, true},
        {"NUL first", std::string("\0a", 2), {}, true},
        {"high bytes kept", "S\xE3o\r\n\xFF", {"S\xE3o", "\xFF"}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        bool stoppedAtNul = !c.stoppedAtNul;
        EXPECT_EQ(splitLines(c.bytes, &stoppedAtNul), c.lines);
        EXPECT_EQ(stoppedAtNul, c.stoppedAtNul);
    }
    EXPECT_EQ(climate::joinLines({""}), "\r\n");
    EXPECT_EQ(climate::joinLines({}), "");
}

class TextFileTest : public ::testing::Test {
protected:
    QString path(const char* name) const { return dir.path() + "/" + name; }
    QStringList names() const {
        return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    QTemporaryDir dir;
};

TEST_F(TextFileTest, WritesAndReadsBackByteForByteAndKeepsThePermissions) {
    writeAll(path("x.csv"), "old\r\n");
    const auto kept = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    QFile::setPermissions(path("x.csv"), kept);
    const Lines lines{"S\xE3o_Paulo,-23.5", "", "\"a b\",\xFF"};
    climate::writeLines(path("x.csv"), lines);
    EXPECT_EQ(readAll(path("x.csv")), "S\xE3o_Paulo,-23.5\r\n\r\n\"a b\",\xFF\r\n");
    EXPECT_EQ(climate::readLines(path("x.csv")), lines);
    EXPECT_EQ(names(), QStringList{"x.csv"});  // no temporary file left
    const auto userBits = QFile::ReadUser | QFile::WriteUser | QFile::ExeUser;
    EXPECT_EQ(QFile::permissions(path("x.csv")) & ~userBits, kept);
}

TEST_F(TextFileTest, AFailureAtAnyStepOfACommitLeavesEveryFileAsBeforeOrAllAsAfter) {
    writeAll(path("a"), "old a");
    writeAll(path("c"), "old c");
    const auto before = snapshot(dir.path());
    const auto commit = [&](int failingStep) {
        climate::FileTransaction transaction(dir.path());
        transaction.add(path("a"), "new a");
        transaction.add(path("b"), "new b");  // did not exist
        transaction.add(path("c"), "new c");
        int step = 0;
        transaction.setAfterStep([&] {
            if (++step == failingStep) {
                throw climate::FileWriteError("simulated", path("a"));
            }
        });
        transaction.commit();
        return step;
    };
    int failingStep = 1;
    for (;; ++failingStep) {
        SCOPED_TRACE(failingStep);
        try {
            if (commit(failingStep) < failingStep) {
                break;  // no step failed
            }
        } catch (const climate::FileWriteError&) {
            ASSERT_EQ(snapshot(dir.path()), before);
            continue;
        }
        // Failing after the commit point only leaves cleaning up undone.
        climate::recoverDatabase(dir.path());
        ASSERT_EQ(names(), (QStringList{"a", "b", "c"}));
        ASSERT_EQ(readAll(path("b")), "new b");
        writeAll(path("a"), "old a");
        QFile::remove(path("b"));
        writeAll(path("c"), "old c");
    }
    EXPECT_GT(failingStep, 20);
    EXPECT_EQ(readAll(path("a")), "new a");
    EXPECT_EQ(readAll(path("b")), "new b");
    EXPECT_EQ(readAll(path("c")), "new c");
    EXPECT_EQ(names(), (QStringList{"a", "b", "c"}));
}

// Two imports at once: the later commit was computed from the index before
// the earlier one landed, and must not put that index back.
TEST_F(TextFileTest, ACommitBasedOnContentThatChangedMeanwhileWritesNothing) {
    writeAll(path("index"), "one\r\n");
    const auto commitBasedOn = [&](std::optional<std::string> basedOn) {
        climate::FileTransaction transaction(dir.path());
        transaction.add(path("wind"), "new wind");
        transaction.add(path("index"), "one\r\ntwo\r\n", std::make_optional(std::move(basedOn)));
        transaction.commit();
    };
    writeAll(path("index"), "one\r\nthree\r\n");  // the other import's line
    const auto meanwhile = snapshot(dir.path());
    for (const std::optional<std::string>& basedOn :
         {std::optional<std::string>("one\r\n"), std::optional<std::string>()}) {
        try {
            commitBasedOn(basedOn);
            ADD_FAILURE() << "committed over a changed index";
        } catch (const climate::FileWriteError& error) {
            EXPECT_EQ(error.file(), path("index"));
            EXPECT_NE(std::string(error.what()).find("outro programa"), std::string::npos);
        }
        EXPECT_EQ(snapshot(dir.path()), meanwhile);
    }
    commitBasedOn("one\r\nthree\r\n");
    EXPECT_EQ(readAll(path("index")), "one\r\ntwo\r\n");
}

}  // namespace
