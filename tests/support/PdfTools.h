// A PDF as a person meets it: its text as pdftotext extracts it and its page
// rendered by pdftoppm (poppler-utils), and the measure of a chart on it.
#pragma once

#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>

#include <algorithm>

inline bool popplerInstalled() {
    return !QStandardPaths::findExecutable("pdftotext").isEmpty() &&
           !QStandardPaths::findExecutable("pdftoppm").isEmpty();
}

// The text of the PDF, in reading order as laid out; empty when unreadable.
inline QString pdfText(const QString& pdf) {
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), {"-layout", pdf, "-"});
    tool.waitForFinished(60000);
    return QString::fromUtf8(tool.readAllStandardOutput());
}

// The first page rendered at the resolution; null when it could not be.
inline QImage renderPdfPage(const QString& pdf, int dotsPerInch) {
    QTemporaryDir dir;
    QProcess tool;
    tool.start(QStringLiteral("pdftoppm"), {"-r", QString::number(dotsPerInch), "-png",
                                            "-singlefile", pdf, dir.filePath("page")});
    tool.waitForFinished(60000);
    return QImage(dir.filePath("page.png"));
}

// The longest vertical run of dark pixels in any column: the chart's
// north-south axis, which spans the horizon's diameter.
inline int longestVerticalDarkRun(const QImage& page) {
    int longest = 0;
    for (int x = 0; x < page.width(); ++x) {
        int run = 0;
        for (int y = 0; y < page.height(); ++y) {
            run = qGray(page.pixel(x, y)) < 128 ? run + 1 : 0;
            longest = std::max(longest, run);
        }
    }
    return longest;
}
