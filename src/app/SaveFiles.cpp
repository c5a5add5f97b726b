#include "app/SaveFiles.h"

#include "printer/QtPrinters.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstdio>

namespace {

std::optional<QString> saveBytes(const QString& file,
                                 const std::function<bool(QIODevice&)>& write) {
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) || !write(out) || !out.commit()) {
        out.cancelWriting();
        return saveFailure(file, out.errorString());
    }
    return std::nullopt;
}

}  // namespace

QString saveFailure(const QString& file, const QString& reason) {
    return QStringLiteral("Não foi possível gravar ") + file + QStringLiteral(": ") + reason;
}

std::optional<QString> savePicture(const QImage& picture, const QString& file) {
    const QByteArray format = QFileInfo(file).suffix().toLower().toUtf8();
    return saveBytes(file, [&](QIODevice& out) { return picture.save(&out, format.constData()); });
}

std::optional<QString> saveText(const QString& text, const QString& file) {
    const QByteArray bytes = text.toUtf8();
    return saveBytes(file, [&](QIODevice& out) { return out.write(bytes) == bytes.size(); });
}

std::optional<QString> saveSheet(const output::DesignSheet& sheet, const QString& file) {
    const QString suffix = QFileInfo(file).suffix().toLower();
    if (suffix == QStringLiteral("pdf")) {
        return saveBytes(file, [&](QIODevice& out) { return output::writeSheetPdf(sheet, out); });
    }
    if (suffix == QStringLiteral("png")) {
        return savePicture(output::sheetPicture(sheet), file);
    }
    return QStringLiteral("A folha é gravada em PDF ou PNG: ") + file;
}

std::optional<QString> savePrintedPdf(
    const QString& file, const std::function<std::optional<QString>(output::Printer&)>& print) {
    const QString partial = file + QStringLiteral(".parcial");
    {
        // The printer opens the file itself and says only that it could not
        // begin; a folder that cannot be written is told plainly first.
        QFile probe(partial);
        if (!probe.open(QIODevice::WriteOnly)) {
            return saveFailure(file, probe.errorString());
        }
    }
    std::optional<QString> failure;
    try {
        const std::unique_ptr<output::Printer> pdf = output::makePdfPrinter(partial);
        failure = print(*pdf);
    } catch (...) {
        QFile::remove(partial);
        throw;
    }
    if (failure) {
        QFile::remove(partial);
        return failure;
    }
    if (QFileInfo(file).isDir()) {
        QFile::remove(partial);
        return saveFailure(file, QStringLiteral("é uma pasta"));
    }
    // rename() replaces the old file in one step: a failure keeps it whole.
    if (std::rename(QFile::encodeName(partial).constData(), QFile::encodeName(file).constData()) !=
        0) {
        QFile::remove(partial);
        return saveFailure(file, QStringLiteral("não foi possível renomear o arquivo temporário"));
    }
    return std::nullopt;
}
