// A temporary database (Latitudes.csv with one city, an empty cidades/) and
// an import session on it that records its messages.
#pragma once

#include "climate/CityDatabase.h"
#include "climate/ImportSession.h"

#include "ClimateTestSupport.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

class ImportFixture : public ::testing::Test {
protected:
    ImportFixture() {
        QDir(dir.path()).mkpath(QStringLiteral("db/cidades"));
        writeIndex({"Aracaju,-10.91,s/a,s/a,37.07"});
    }

    QString base() const { return dir.path() + QStringLiteral("/db"); }
    void writeIndex(const std::vector<std::string>& lines) const {
        writeAll(climate::indexPath(base()), joinCrLf(lines));
    }
    std::string index() const { return readAll(climate::indexPath(base())); }
    std::string cityFile(const char* utf8Name) const {
        return readAll(base() + QStringLiteral("/cidades/") + QString::fromUtf8(utf8Name));
    }
    QString writeSource(const std::string& bytes, const char* name = "fonte.csv") const {
        const QString path = dir.path() + QLatin1Char('/') + QString::fromUtf8(name);
        writeAll(path, bytes);
        return path;
    }
    std::map<QString, std::string> database() const { return snapshot(base()); }

    // Chooses the file and, when the choice is accepted, includes it with the
    // default season starts.
    bool import(const QString& path,
                const climate::SeasonStartTexts& starts = climate::defaultSeasonStartTexts()) {
        session.choose(path);
        return session.includeEnabled() && session.include(starts);
    }

    void expectOnlyError(const char* context) const {
        ASSERT_EQ(notifier.notices.size(), 1u) << context;
        EXPECT_EQ(notifier.notices[0].kind, climate::NoticeKind::Error) << context;
        EXPECT_EQ(notifier.notices[0].text, QStringLiteral("Erro!")) << context;
        EXPECT_FALSE(notifier.notices[0].details.isEmpty()) << context;
    }

    QTemporaryDir dir;
    RecordingNotifier notifier;
    climate::ImportSession session{dir.path() + QStringLiteral("/db"), notifier};
};
