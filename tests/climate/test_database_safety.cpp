// What the database refuses to read or write, and what the recovery removes
// (our own leftovers) and keeps (everything else).
#include "climate/CityDatabase.h"
#include "climate/ClimateErrors.h"
#include "climate/CommitJournal.h"
#include "climate/DatabaseRecovery.h"
#include "climate/FileSystem.h"
#include "climate/TextFile.h"

#include "ImportFixture.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Lines = std::vector<std::string>;

class DatabaseSafety : public ImportFixture {
protected:
    QString at(const char* name) const { return base() + u'/' + QString::fromUtf8(name); }
};

TEST_F(DatabaseSafety, OnlyARegularFileWithinTheSizeBoundIsRead) {
    const QString pipe = at("pipe.csv");
    ASSERT_EQ(mkfifo(climate::nativePath(pipe).constData(), 0644), 0);
    const QString huge = at("huge.csv");
    writeAll(huge, "");
    ASSERT_EQ(truncate(climate::nativePath(huge).constData(),
                       static_cast<off_t>(climate::kMaxFileBytes) + 1),
              0);
    const struct {
        QString path;
        const char* reason;
    } cases[] = {
        {"/dev/zero", "não é um arquivo comum"},
        {pipe, "não é um arquivo comum"},  // would block forever
        {huge, "mais de 64 MB"},
        {base(), "é uma pasta"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        try {
            climate::readFileBytes(c.path);
            ADD_FAILURE() << "read";
        } catch (const climate::FileReadError& e) {
            EXPECT_NE(e.reason().find(c.reason), std::string::npos) << e.what();
            EXPECT_EQ(e.file(), c.path);
        }
        notifier.notices.clear();
        session.choose(c.path);  // the import says so, and reads nothing
        expectOnlyError(c.reason);
        EXPECT_TRUE(notifier.notices[0].details.contains(QString::fromUtf8(c.reason)));
    }
    // Exactly the bound is still read.
    ASSERT_EQ(
        truncate(climate::nativePath(huge).constData(), static_cast<off_t>(climate::kMaxFileBytes)),
        0);
    EXPECT_EQ(climate::readFileBytes(huge).size(), climate::kMaxFileBytes);
}

TEST_F(DatabaseSafety, AFullDiskIsNamedAsSuch) {
    const climate::FileDescriptor full(::open("/dev/full", O_WRONLY | O_CLOEXEC));
    ASSERT_TRUE(full.isOpen());
    try {
        climate::writeAll(full, "city", "Latitudes.csv");
        FAIL();
    } catch (const climate::FileWriteError& e) {
        EXPECT_NE(std::string(e.what()).find("o disco está cheio"), std::string::npos) << e.what();
    }
}

TEST(CityIndexNames, AFileNameOutsideCidadesIsRefusedNamingItsLine) {
    for (const char* name :
         {"../passwd", "/etc/passwd", "a/b.csv", "..", ".", "a\\b.csv", "\"a\x01.csv\"", "\"\""}) {
        SCOPED_TRACE(name);
        for (const bool wind : {false, true}) {
            const std::string line =
                std::string("X,1,") + (wind ? "s/a," : "") + name + (wind ? "" : ",s/a") + ",45";
            std::vector<climate::CityIndexEntry> entries;
            try {
                climate::parseCityIndex({"A,1,a.csv,a.ventos.csv,1", line}, entries,
                                        "Latitudes.csv");
                ADD_FAILURE() << line;
            } catch (const climate::FormatError& e) {
                EXPECT_EQ(e.line(), 2);
                EXPECT_NE(e.reason().find("pasta cidades/"), std::string::npos) << e.what();
            }
            EXPECT_EQ(entries.size(), 1u);
        }
    }
}

TEST_F(DatabaseSafety, ALinkedIndexIsWrittenThroughAndStaysALink) {
    const QString shared = dir.path() + "/shared";
    QDir().mkpath(shared);
    QFile::rename(climate::indexPath(base()), shared + "/cities.csv");
    ASSERT_TRUE(QFile::link(shared + "/cities.csv", climate::indexPath(base())));
    ASSERT_TRUE(import(writeSource(sourceBytes({}))));
    EXPECT_TRUE(QFileInfo(climate::indexPath(base())).isSymLink());
    EXPECT_EQ(readAll(shared + "/cities.csv"),
              "Aracaju,-10.91,s/a,s/a,37.07\r\n"
              "Porto_Alegre,-30.03,porto_alegre.csv,porto_alegre.ventos.csv,51.22\r\n");
    EXPECT_EQ(QDir(shared).entryList(QDir::Files | QDir::Hidden), QStringList{"cities.csv"});
}

TEST_F(DatabaseSafety, TheRecoveryRemovesOnlyTheLeftoversOfOurOwnNaming) {
    const std::pair<const char*, bool> files[] = {
        {"cidades/.porto_alegre.csv.new-Ab3dE9", true},
        {"cidades/.porto_alegre.ventos.csv.old-x0Y1z2", true},
        {"cidades/.porto_alegre.csv.old-1k9", true},  // as the previous commit named backups
        {".Latitudes.csv.new-000000", true},
        {"cidades/porto_alegre.csv", false},
        {"cidades/.porto_alegre.csv.backup", false},
        {"cidades/.notes.txt.new-Ab3dE9", false},
        {".Latitudes.csv.new-Ab3dE", false},
        {"cidades/porto_alegre.csv.new-Ab3dE9", false},
    };
    for (const auto& [name, leftover] : files) {
        writeAll(at(name), name);
    }
    // Beside the file a linked city file points to, only that file's.
    const QString shared = dir.path() + "/shared";
    QDir().mkpath(shared);
    writeAll(shared + "/real.csv", "real");
    QFile::link(shared + "/real.csv", at("cidades/linked.csv"));
    writeAll(shared + "/.real.csv.old-abc123", "backup");
    writeAll(shared + "/.other.csv.old-abc123", "someone else's");
    climate::recoverDatabase(base());
    for (const auto& [name, leftover] : files) {
        EXPECT_EQ(QFileInfo::exists(at(name)), !leftover) << name;
    }
    EXPECT_EQ(QDir(shared).entryList(QDir::Files | QDir::Hidden),
              (QStringList{".other.csv.old-abc123", "real.csv"}));
}

TEST_F(DatabaseSafety, AJournalThatIsNotOursStopsTheRecoveryAndMovesNothing) {
    writeAll(base() + "/cidades/x.csv", "x");
    const std::string journals[] = {
        "not a journal\nend\n",
        "ZENITA journal 1\ncidades/x.csv\t../../etc/passwd\t-\nend\n",
        "ZENITA journal 1\ncidades/x.csv\t.x.csv.new-aaaaaa\t.other.old-aaaaaa\nend\n",
        "ZENITA journal 1\ncidades/x.csv\t.x.csv.new-aaaaaa\nend\n",
    };
    for (const std::string& journal : journals) {
        SCOPED_TRACE(journal);
        writeAll(climate::journalPath(base()), journal);
        const auto before = database();
        EXPECT_THROW(climate::recoverDatabase(base()), climate::FormatError);
        EXPECT_EQ(database(), before);
    }
}

}  // namespace
