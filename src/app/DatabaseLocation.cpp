#include "app/DatabaseLocation.h"

#include "climate/ClimateErrors.h"
#include "climate/CityDatabase.h"
#include "climate/DatabaseSeed.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <unistd.h>

namespace {

// The folder of the user's database inside the data folder. The application
// is named "ZENITA" (the window system shows that name), which would make
// AppDataLocation .../ZENITA; the folder keeps the program's file name.
const QString kUserFolderName = QStringLiteral("zenita");

bool writable(const QString& path) {
    return ::access(QFile::encodeName(path).constData(), W_OK) == 0;
}

bool holdsDatabase(const QString& folder) {
    return QFileInfo(climate::indexPath(folder)).isFile();
}

}  // namespace

DatabasePlaces runningPlaces() {
    DatabasePlaces places;
    places.executableFolder = QCoreApplication::applicationDirPath();
    // An import writes the index beside itself and the city files in cidades/.
    const QString cities = climate::citiesFolderPath(places.executableFolder);
    places.executableFolderWritable =
        writable(places.executableFolder) && (!QFileInfo::exists(cities) || writable(cities));
    places.shippedFolder = QDir::cleanPath(places.executableFolder + u'/' +
                                           QStringLiteral(ZENITA_SHIPPED_DATABASE_FROM_BINARY));
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (!data.isEmpty()) {
        places.userFolder = data + u'/' + kUserFolderName;
    }
    return places;
}

DatabaseFolder openDatabaseFolder(const std::optional<QString>& explicitFolder,
                                  const DatabasePlaces& places) {
    if (explicitFolder) {
        if (!QFileInfo(*explicitFolder).isDir()) {
            throw BadDatabaseFolder(
                (QStringLiteral("--database: não é uma pasta: ") + *explicitFolder).toStdString());
        }
        return {*explicitFolder, {}};
    }
    if (holdsDatabase(places.executableFolder) && places.executableFolderWritable) {
        return {places.executableFolder, {}};
    }
    // A database beside a read-only executable is the one to copy.
    const QString shipped =
        holdsDatabase(places.executableFolder) ? places.executableFolder : places.shippedFolder;
    QString reason;
    if (places.userFolder.isEmpty()) {
        reason = QStringLiteral("o sistema não indica uma pasta de dados do usuário.");
    } else {
        try {
            climate::seedDatabase(shipped, places.userFolder);
            return {places.userFolder, {}};
        } catch (const climate::ClimateError& error) {
            reason = error.message();
        }
    }
    return {shipped,
            QStringLiteral("Não foi possível criar a base de cidades do usuário em %1: %2 "
                           "A base instalada com o programa será usada, sem poder incluir "
                           "cidades.")
                .arg(places.userFolder, reason)};
}
