#include "climate/ImportSession.h"

#include "climate/CityDatabase.h"
#include "climate/ClimateErrors.h"
#include "climate/CommaText.h"
#include "climate/FileTransaction.h"
#include "climate/ImportSteps.h"
#include "climate/Messages.h"
#include "climate/Notifier.h"
#include "climate/SeasonWindStatistics.h"
#include "climate/TextFile.h"
#include "climate/Windows1252.h"
#include "math/numbers.h"

#include <QDir>
#include <QFileInfo>

#include <filesystem>

namespace climate {

namespace {

// Ends an include() that has shown its messages and must stop quietly.
struct Stopped {};

// The index lines, refusing an index that a NUL byte cuts short: rewriting it
// would lose every line after the NUL.
std::vector<std::string> readIndexLines(const QString& path) {
    return splitWholeLines(readFileBytes(path), path);
}

// Two paths name one file when they read the same once cleaned, or when the
// file system takes both to one file (a link, a name that differs only in
// case on a folder that ignores case).
bool sameFile(const QString& a, const QString& b) {
    if (QDir::cleanPath(a) == QDir::cleanPath(b)) {
        return true;
    }
    std::error_code error;
    return std::filesystem::equivalent(a.toStdString(), b.toStdString(), error) && !error;
}

}  // namespace

ImportSession::ImportSession(QString baseDirectory, Notifier& notifier, SourceReader reader)
    : baseDirectory_(std::move(baseDirectory)), notifier_(notifier), reader_(std::move(reader)) {}

QString ImportSession::cityName() const {
    return decodeWindows1252(name_);
}
QString ImportSession::latitudeText() const {
    return decodeWindows1252(latitude_);
}
QString ImportSession::longitudeText() const {
    return decodeWindows1252(longitude_);
}

void ImportSession::activate() {
    cityAdded_ = false;
    filePath_.clear();
    name_.clear();
    latitude_.clear();
    longitude_.clear();
    chosenKey_.clear();
    format_ = SourceFormat::CommaText;
    timeZoneHours_.reset();
    includeEnabled_ = false;
}

std::optional<Hemisphere> ImportSession::seasonHemisphere() const {
    if (!includeEnabled_ || format_ != SourceFormat::Epw) {
        return std::nullopt;
    }
    return hemisphereOfLatitude(latitude_);
}

void ImportSession::report(const std::exception& error, bool invalidSourceMeansInvalidFile) {
    if (invalidSourceMeansInvalidFile && dynamic_cast<const InvalidSourceError*>(&error)) {
        notifier_.notify(NoticeKind::Error, invalidFileMessage(), QString::fromUtf8(error.what()));
    } else if (dynamic_cast<const RefusalError*>(&error)) {
        notifier_.notify(NoticeKind::Error, QString::fromUtf8(error.what()));
    } else {
        notifier_.notify(NoticeKind::Error, errorMessage(), QString::fromUtf8(error.what()));
    }
}

void ImportSession::choose(const QString& sourcePath) {
    filePath_.clear();
    includeEnabled_ = false;
    try {
        chooseChecked(sourcePath);
    } catch (const Stopped&) {
    } catch (const std::exception& error) {
        report(error, true);
    }
}

void ImportSession::chooseChecked(const QString& sourcePath) {
    const ImportSource source = reader_(sourcePath);
    const std::string key = checkedFileKey(source.name);
    checkFileNameLength(key);
    checkLatitudeText(source.latitudeText);
    const std::string longitude = invertedLongitudeText(source.longitudeDeg);

    const QString index = indexPath(baseDirectory_);
    if (!QFileInfo::exists(index)) {
        notifier_.notify(NoticeKind::Warning, indexNotFoundMessage());
        throw Stopped{};
    }
    const std::vector<std::string> indexLines = readIndexLines(index);
    std::vector<std::size_t> found;
    try {
        found = findCityLines(indexLines, source.name);
    } catch (const FormatError& error) {
        throw error.relocated(index, 0);
    }
    checkFilesOfNoOtherCity(
        indexLines, source.name, [this](std::string_view a, std::string_view b) {
            return sameFile(cityFilePath(baseDirectory_, a), cityFilePath(baseDirectory_, b));
        });
    if (!found.empty()) {
        const std::string existing = SplitCommaText(indexLines[found.front()]).front();
        QString details;
        if (existing != source.name) {
            details = QStringLiteral("A cidade ") + decodeWindows1252(existing) +
                      QStringLiteral(" já usa os mesmos arquivos.");
        }
        if (!notifier_.askYesNo(cityExistsQuestion(decodeWindows1252(source.name)), details)) {
            throw Stopped{};
        }
    }

    filePath_ = sourcePath;
    name_ = source.name;
    latitude_ = source.latitudeText;
    longitude_ = longitude;
    chosenKey_ = key;
    format_ = source.format;
    timeZoneHours_ = source.timeZoneHours;
    includeEnabled_ = true;
}

bool ImportSession::include(const SeasonStartTexts& seasonStartTexts) {
    std::optional<int> filledValues;
    if (filePath_.trimmed().isEmpty()) {
        notifier_.notify(NoticeKind::Warning, noFileSelectedMessage());
        return false;
    }
    if (anySeasonStartEmpty(seasonStartTexts)) {
        notifier_.notify(NoticeKind::Warning, fillSeasonStartsMessage());
        return false;
    }
    try {
        filledValues = includeChecked(seasonStartTexts);
    } catch (const Stopped&) {
        return false;
    } catch (const std::exception& error) {
        report(error, false);
        return false;
    }
    notifier_.notify(NoticeKind::Confirmation, cityIncludedMessage(cityName()),
                     filledValues ? filledValuesMessage(*filledValues) : QString());
    cityAdded_ = true;
    includeEnabled_ = false;
    return true;
}

std::optional<int> ImportSession::includeChecked(const SeasonStartTexts& seasonStartTexts) {
    const SeasonStarts seasonStarts = readSeasonStarts(seasonStartTexts);
    const ImportSource source = reader_(filePath_);
    if (source.name != name_ || source.latitudeText != latitude_ ||
        invertedLongitudeText(source.longitudeDeg) != longitude_ ||
        source.timeZoneHours != timeZoneHours_) {
        throw FileReadError("o arquivo mudou desde que foi escolhido; escolha-o de novo.",
                            filePath_);
    }

    HourlyLines hourly;
    try {
        hourly = computeHourlyLines(source.dataLines, seasonStarts);
    } catch (const FormatError& error) {
        throw error.relocated(filePath_, source.lineOffsetAt(error.line()));
    }
    std::array<int, kSeasonCount> starts{};
    bool allFound = true;
    for (int s = 0; s < kSeasonCount; ++s) {
        if (hourly.starts[s]) {
            starts[s] = *hourly.starts[s];
        } else {
            notifier_.notify(NoticeKind::Warning, seasonStartNotFoundMessage(s));
            allFound = false;
        }
    }
    if (!allFound) {
        throw Stopped{};
    }

    std::vector<std::string> wind;
    try {
        wind = SeasonWindStatistics(hourly.lines, starts);
    } catch (const FormatError& error) {
        throw error.relocated(filePath_, source.lineOffsetAt(error.line()));
    }

    const QString index = indexPath(baseDirectory_);
    std::vector<std::string> indexLines;
    std::string indexBefore;
    try {
        std::vector<std::string> fields{name_, latitude_, hourlyFileName(chosenKey_),
                                        windFileName(chosenKey_), longitude_};
        if (timeZoneHours_) {
            fields.push_back(math::formatGeneral(*timeZoneHours_));
        }
        const std::string cityLine = JoinCommaText(fields);
        indexBefore = readFileBytes(index);
        indexLines = indexWithCityLine(splitWholeLines(indexBefore, index), name_, cityLine);
    } catch (const FormatError& error) {
        throw error.file().isEmpty() ? error.relocated(index, 0) : error;
    }

    const bool madeFolder = ensureCitiesFolder(baseDirectory_);
    FileTransaction transaction(baseDirectory_);
    transaction.add(cityFilePath(baseDirectory_, hourlyFileName(chosenKey_)),
                    joinLines(hourly.lines));
    transaction.add(cityFilePath(baseDirectory_, windFileName(chosenKey_)), joinLines(wind));
    // Another import may commit between this reading and the commit's lock.
    transaction.add(index, joinLines(indexLines),
                    std::make_optional(std::make_optional(std::move(indexBefore))));
    transaction.setAfterStep(afterStep_);
    try {
        transaction.commit();
    } catch (...) {
        if (madeFolder) {
            QDir().rmdir(citiesFolderPath(baseDirectory_));
        }
        throw;
    }
    return source.filledValues;
}

}  // namespace climate
