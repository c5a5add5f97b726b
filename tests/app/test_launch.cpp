// How a start is read from its arguments, where it finds the city database,
// and a climate file given to the window.
#include "ImportWindowFixture.h"
#include "app/CommandLine.h"
#include "app/DatabaseLocation.h"
#include "app/HelpText.h"
#include "app/LaunchArguments.h"
#include "app/WindowStart.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

TEST(LaunchArguments, TellTheWindowTheCommandLineAndTheAnswersApart) {
    const QString here = QDir::currentPath();
    const std::optional<QString> none;
    const struct {
        const char* name;
        QStringList arguments;
        LaunchMode mode;
        std::optional<QString> database;
        std::optional<QString> file;
        QString refusal;
    } cases[] = {
        {"nothing opens the window", {}, LaunchMode::Window, none, none, {}},
        {"Qt's options pass to Qt", {"-platform", "offscreen", "-style=fusion", "-reverse"},
         LaunchMode::Window, none, none, {}},
        {"Qt's options with two dashes", {"--platform", "offscreen"}, LaunchMode::Window, none, none, {}},
        {"a climate file, its path made absolute", {"-style", "fusion", "clima.EPW"},
         LaunchMode::Window, none, here + "/clima.EPW", {}},
        {"--database for the window", {"--database", "/base", "/d/fonte.csv"}, LaunchMode::Window,
         "/base", "/d/fonte.csv", {}},
        {"a command", {"--export-chart", "c.png", "--latitude", "-27"}, LaunchMode::Command, none,
         none, {}},
        {"--database for a command", {"--import", "a.epw", "--database", "/base"},
         LaunchMode::Command, "/base", none, {}},
        {"a command's option alone goes to the command line, which asks for the command",
         {"--latitude", "10"}, LaunchMode::Command, none, none, {}},
        {"an unknown --option is the command line's to refuse", {"--bogus"}, LaunchMode::Command,
         none, none, {}},
        {"--help wins", {"--export-chart", "c.png", "--help"}, LaunchMode::Help, none, none, {}},
        {"--version", {"--version"}, LaunchMode::Version, none, none, {}},
        {"a file of another kind", {"notas.txt"}, LaunchMode::Refused, none, none,
         "o arquivo a incluir deve ser .epw ou .csv: notas.txt"},
        {"two files", {"a.epw", "b.csv"}, LaunchMode::Refused, none, none,
         "só um arquivo por vez: a.epw b.csv"},
        {"an unknown short option", {"-x"}, LaunchMode::Refused, none, none, "opção desconhecida: -x"},
        {"--database without its folder", {"--database"}, LaunchMode::Refused, none, none,
         "falta o valor de --database DIR"},
        {"--database followed by an option", {"--database", "--import", "a.epw"},
         LaunchMode::Refused, none, none, "falta o valor de --database DIR"},
        {"--database twice", {"--database", "a", "--database", "b"}, LaunchMode::Refused, none,
         none, "opção repetida: --database"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Launch launch = classifyLaunch(QStringList{"zenita"} + c.arguments);
        EXPECT_EQ(launch.mode, c.mode);
        EXPECT_EQ(launch.databaseFolder, c.database);
        EXPECT_EQ(launch.importFile, c.file);
        EXPECT_EQ(launch.refusal, c.refusal);
    }
}

// The usage and the man page keep up with the options the command line takes.
TEST(HelpText, TheUsageAndTheManPageNameEveryOption) {
    QFile manPage(QStringLiteral(ZENITA_SOURCE_DATA_DIR "/../desktop/zenita.1"));
    ASSERT_TRUE(manPage.open(QIODevice::ReadOnly));
    // troff writes a dash of an option as \-.
    const QString man = QString::fromUtf8(manPage.readAll()).replace(QStringLiteral("\\-"), "-");
    const QStringList options =
        commandLineOptionNames() + QStringList{"--database", "--help", "--version"};
    for (const QString& option : options) {
        EXPECT_TRUE(usageText().contains(option + u' ') || usageText().contains(option + u'\n'))
            << option.toStdString();
        EXPECT_TRUE(man.contains(option)) << option.toStdString();
    }
    EXPECT_TRUE(usageText().startsWith("Uso: zenita"));
    EXPECT_EQ(versionText(), "ZENITA 6.2\n");
}

// ---- Where the database lives ----

class DatabaseLocation : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* folder : {"bin", "share/zenita/cidades", "dados"}) {
            QDir(root.path()).mkpath(folder);
        }
        places.executableFolder = root.filePath("bin");
        places.executableFolderWritable = true;
        places.shippedFolder = root.filePath("share/zenita");
        places.userFolder = root.filePath("dados/zenita");
        writeIndex(places.shippedFolder, "Bologna,44.5,s/a,s/a,-11.3\r\n");
    }
    static void writeIndex(const QString& folder, const std::string& bytes) {
        TempDatabase::writeBytes(folder + "/Latitudes.csv", bytes);
    }
    static std::string indexOf(const QString& folder) {
        return TempDatabase::readBytes(folder + "/Latitudes.csv");
    }

    QTemporaryDir root;
    DatabasePlaces places;
};

TEST_F(DatabaseLocation, TheBuildFolderKeepsItsDatabase) {
    writeIndex(places.executableFolder, "Aqui,1,s/a,s/a,1\r\n");
    const DatabaseFolder chosen = openDatabaseFolder(std::nullopt, places);
    EXPECT_EQ(chosen.path, places.executableFolder);
    EXPECT_EQ(chosen.warning, "");
    EXPECT_FALSE(QFileInfo::exists(places.userFolder));
}

// A database beside an executable that cannot write it is the one copied.
TEST_F(DatabaseLocation, AReadOnlyDatabaseBesideTheExecutableIsCopiedToTheUsersFolder) {
    writeIndex(places.executableFolder, "Aqui,1,s/a,s/a,1\r\n");
    places.executableFolderWritable = false;
    EXPECT_EQ(openDatabaseFolder(std::nullopt, places).path, places.userFolder);
    EXPECT_EQ(indexOf(places.userFolder), "Aqui,1,s/a,s/a,1\r\n");
}

TEST_F(DatabaseLocation, AUsersFolderThatCannotBeMadeFallsBackToTheShippedOneWithAWarning) {
    TempDatabase::writeBytes(root.filePath("arquivo"), "x");
    for (const QString& user : {root.filePath("arquivo/zenita"), QString()}) {
        SCOPED_TRACE(user.toStdString());
        places.userFolder = user;
        const DatabaseFolder chosen = openDatabaseFolder(std::nullopt, places);
        EXPECT_EQ(chosen.path, places.shippedFolder);
        EXPECT_TRUE(chosen.warning.startsWith("Não foi possível criar a base de cidades do usuário"))
            << chosen.warning.toStdString();
    }
}

TEST_F(DatabaseLocation, DatabaseOptionChoosesAnExistingFolderAndNothingIsCopied) {
    EXPECT_EQ(openDatabaseFolder(root.filePath("share"), places).path, root.filePath("share"));
    EXPECT_FALSE(QFileInfo::exists(places.userFolder));
    try {
        openDatabaseFolder(root.filePath("nenhuma"), places);
        ADD_FAILURE() << "a missing folder was taken";
    } catch (const BadDatabaseFolder& error) {
        EXPECT_EQ(QString::fromUtf8(error.what()),
                  "--database: não é uma pasta: " + root.filePath("nenhuma"));
    }
}

// ---- A climate file given to the window ----

using WindowStart = ImportWindowFixture;

// The import window opens on the file once the city list is loaded, filled as
// "Buscar" fills it; the city it adds joins the list.
TEST_F(WindowStart, AClimateFileOpensTheImportWindowOnIt) {
    database.writeIndex({"Aracaju,-10.91,s/a,s/a,37.07"});
    const QString path = portoAlegre();
    bool shown = false;
    w().show();
    queueWindowStart(w(), {}, path);
    QTimer::singleShot(0, form.get(), [&] {
        shown = f().isVisible();
        EXPECT_EQ(itemsOf(w().controls().cmbCidades), QStringList({"Nenhum", "Aracaju"}));
        EXPECT_EQ(f().edArquivo->text(), path);
        EXPECT_EQ(f().edCidade->text(), "Porto_Alegre");
        EXPECT_TRUE(f().btIncluir->isEnabled());
        f().btIncluir->click();
        f().close();
    });
    QApplication::processEvents();
    EXPECT_TRUE(shown);
    EXPECT_TRUE(chooser.requests.empty());
    EXPECT_EQ(itemsOf(w().controls().cmbCidades), QStringList({"Nenhum", "Aracaju", "Porto_Alegre"}));
}

TEST_F(WindowStart, AFileThatFailsBuscarsChecksIsRefusedAsBuscarRefusesIt) {
    const QString path = writeSource("não é uma fonte\r\n", "x.csv");
    bool shown = false;
    w().show();
    queueWindowStart(w(), "Aviso da base", path);
    QTimer::singleShot(0, form.get(), [&] {
        shown = f().isVisible();
        EXPECT_EQ(f().edArquivo->text(), "");
        EXPECT_FALSE(f().btIncluir->isEnabled());
        f().close();
    });
    QApplication::processEvents();
    EXPECT_TRUE(shown);
    EXPECT_EQ(dialogs.texts(), QStringList({"Aviso da base", "Arquivo inválido!"}));
}

}  // namespace
