// An import killed at every step of its commit that changes the disk, in a
// child process: after the next start's recovery the database is byte for
// byte as before or as after, with no stray file.
#include "climate/DatabaseRecovery.h"

#include "ImportFixture.h"

#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kKilled = 77;

class CrashSafety : public ImportFixture {
protected:
    // Puts the database folder back to a snapshot.
    void restore(const std::map<QString, std::string>& entries) const {
        QDir(base()).removeRecursively();
        QDir().mkpath(base());
        for (const auto& [name, bytes] : entries) {
            if (bytes == "<dir>") {
                QDir(base()).mkpath(name);
            } else {
                writeAll(base() + u'/' + name, bytes);
            }
        }
    }

    // Runs "Incluir Cidade" in a child that dies right after step `killAt`;
    // returns the child's exit status (kKilled when it was killed).
    int includeKilledAt(int killAt) {
        const pid_t child = fork();
        if (child == 0) {
            int step = 0;
            session.setAfterStepForTesting([&] {
                if (++step == killAt) {
                    _exit(kKilled);  // no unwinding, no clean-up: as a kill
                }
            });
            _exit(session.include(climate::defaultSeasonStartTexts()) ? 0 : 1);
        }
        int status = 0;
        waitpid(child, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
};

TEST_F(CrashSafety, AnImportKilledAtAnyStepLeavesTheDatabaseAsBeforeOrAsAfter) {
    const struct {
        const char* name;
        std::vector<std::string> index;
    } cases[] = {
        {"a new city", {"Aracaju,-10.91,s/a,s/a,37.07"}},
        {"a replaced city",
         {"Aracaju,-10.91,s/a,s/a,37.07",
          "Porto_Alegre,-30,porto_alegre.csv,porto_alegre.ventos.csv,51",
          "Vitoria,-20.32,s/a,s/a,40.34"}},
    };
    const QString source = writeSource(sourceBytes({}));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeIndex(c.index);
        if (c.index.size() > 1) {
            writeAll(base() + "/cidades/porto_alegre.csv", "old hourly\r\n");
            writeAll(base() + "/cidades/porto_alegre.ventos.csv", "old wind\r\n");
        }
        const auto before = database();
        notifier.answers = {true};
        session.choose(source);
        ASSERT_TRUE(session.includeEnabled());

        std::vector<std::map<QString, std::string>> recovered;
        std::map<QString, std::string> after;
        for (int killAt = 1;; ++killAt) {
            restore(before);
            const int status = includeKilledAt(killAt);
            if (status == 0) {
                after = database();  // not killed: the commit ran to its end
                break;
            }
            ASSERT_EQ(status, kKilled) << "step " << killAt;
            climate::recoverDatabase(base());
            recovered.push_back(database());
        }
        ASSERT_NE(after, before);
        int asBefore = 0;
        for (std::size_t i = 0; i < recovered.size(); ++i) {
            ASSERT_TRUE(recovered[i] == before || recovered[i] == after)
                << "killed after step " << i + 1;
            asBefore += recovered[i] == before;
        }
        // Every step is covered, and the crash point splits them.
        EXPECT_GE(recovered.size(), 20u);
        EXPECT_GT(asBefore, 15);
        EXPECT_LT(asBefore, static_cast<int>(recovered.size()));
    }
}

}  // namespace
