// Rebuilds the EPW cities of the database that ships with ZENITA: imports
// every file of data/sources/epw/, in name order, into data/ with the
// command line's own import (--replace, so running it again replaces each
// city in place). The output is committed; a test checks that it equals what
// the import makes of the sources. Run by hand after changing the import:
//
//   cmake --build build --target zenita_make_bundled_cities
//   build/tools/zenita_make_bundled_cities [DATA_FOLDER]
#include "app/CommandLine.h"

#include <QCoreApplication>
#include <QDir>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QString data =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(ZENITA_DATA_DIR);
    const QDir sources(data + QStringLiteral("/sources/epw"));
    const QStringList files = sources.entryList({QStringLiteral("*.epw")}, QDir::Files, QDir::Name);
    for (const QString& file : files) {
        const int status = runCommandLine({QStringLiteral("zenita"), QStringLiteral("--import"),
                                           sources.filePath(file), QStringLiteral("--replace")},
                                          data);
        if (status != 0) {
            return status;
        }
    }
    return files.isEmpty() ? 2 : 0;
}
