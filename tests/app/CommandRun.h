// Runs the command line with its stdout and stderr caught in files.
#pragma once

#include "app/CommandLine.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <unistd.h>
#include <cstdio>

struct CommandRun {
    int status;
    QString out;
    QString err;
};

// `zenita` followed by the options, against the database in `base` (the one
// beside the test program when empty).
inline CommandRun runCapturing(const QStringList& options, const QString& base = {}) {
    QTemporaryDir dir;
    FILE* streams[] = {stdout, stderr};
    int saved[2];
    FILE* files[2];
    for (int i = 0; i < 2; ++i) {
        std::fflush(streams[i]);
        saved[i] = dup(fileno(streams[i]));
        files[i] = std::fopen(dir.filePath(QString::number(i)).toLocal8Bit().constData(), "w");
        dup2(fileno(files[i]), fileno(streams[i]));
    }
    const QStringList arguments = QStringList{"zenita"} + options;
    const int status = base.isEmpty() ? runCommandLine(arguments) : runCommandLine(arguments, base);
    QString texts[2];
    for (int i = 0; i < 2; ++i) {
        std::fflush(streams[i]);
        dup2(saved[i], fileno(streams[i]));
        close(saved[i]);
        std::fclose(files[i]);
        QFile file(dir.filePath(QString::number(i)));
        file.open(QIODevice::ReadOnly);
        texts[i] = QString::fromUtf8(file.readAll());
    }
    return {status, texts[0], texts[1]};
}
