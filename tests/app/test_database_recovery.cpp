// A change of the database cut short (its index already replaced, the old
// one kept as a backup, the journal saying so) is undone before the window
// or a command reads the database.
#include "CommandRun.h"
#include "ZenitaFixture.h"

namespace {

class DatabaseRecovery : public ZenitaFixture {
protected:
    void leaveCutShortCommit(const std::string& journal) {
        database.writeIndex({"Nova,1,s/a,s/a,1"});
        TempDatabase::writeBytes(database.path() + "/.Latitudes.csv.old-abc123",
                                 "Antiga,-5,s/a,s/a,1\r\n");
        TempDatabase::writeBytes(database.path() + "/.zenita-journal", journal);
    }
    QStringList leftovers() const {
        return QDir(database.path()).entryList({".*"}, QDir::Files | QDir::Hidden);
    }
    static constexpr const char* kJournal =
        "ZENITA journal 1\n"
        "Latitudes.csv\t.Latitudes.csv.new-abc123\t.Latitudes.csv.old-abc123\nend\n";
};

TEST_F(DatabaseRecovery, TheWindowsFirstCityListComesAfterTheRecovery) {
    leaveCutShortCommit(kJournal);
    showWindow();
    EXPECT_EQ(itemsOf(w().controls().cmbCidades), QStringList({"Nenhum", "Antiga"}));
    EXPECT_TRUE(leftovers().isEmpty()) << leftovers().join(' ').toStdString();
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(DatabaseRecovery, EveryCommandRecoversTheDatabaseBeforeItRuns) {
    leaveCutShortCommit(kJournal);
    const CommandRun run = runCapturing(
        {"--export-wind", database.path() + "/rosa.png", "--city", "Antiga"}, database.path());
    // The city of the old index is found, without a wind file.
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.err.contains("Antiga não tem arquivo de ventos")) << run.err.toStdString();
    EXPECT_EQ(TempDatabase::readBytes(database.indexPath()), "Antiga,-5,s/a,s/a,1\r\n");
    EXPECT_TRUE(leftovers().isEmpty());
}

}  // namespace
