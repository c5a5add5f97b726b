// The import of a new city into the database, as one object that both the
// import window and the command line drive, so both run the same code.
//
//   ImportSession session(baseDirectory, notifier);
//   session.activate();             // the window becomes active
//   session.choose(path);           // "Buscar", after the file dialog
//   if (session.includeEnabled()) session.include(seasonStartTexts);  // "Incluir Cidade"
//
// Every message goes through the Notifier, in the order a person sees them.
// Nothing is written unless everything can be: include() reads and checks the
// whole source, finds the season starts and computes the hourly file, the
// wind file and the new index in memory, then replaces the three files as one
// unit (index last). On any failure the database stays byte for byte as it
// was. An existing city's index line is replaced in place.
//
// The source is read by a SourceReader: by default either format the import
// knows (the comma-text source or EPW). A source that gives its time zone
// adds it to the city's index line as a sixth field; the regional source,
// which does not, writes the five fields it always wrote.
#pragma once

#include "climate/CommitJournal.h"
#include "climate/ImportSource.h"
#include "climate/Seasons.h"

#include <QString>

#include <optional>
#include <string>

namespace climate {

class Notifier;

class ImportSession {
public:
    // baseDirectory holds Latitudes.csv and cidades/; reader reads the chosen
    // source (the comma-text format unless another is given).
    ImportSession(QString baseDirectory, Notifier& notifier,
                  SourceReader reader = readImportSource);

    // The window became active: empties the four fields, clears cityAdded()
    // and disables "Incluir Cidade".
    void activate();

    // Choosing the source file (after the file dialog; a cancelled dialog
    // calls nothing). Empties the file field and disables "Incluir Cidade";
    // reads and checks the file; refuses a city name that would write outside
    // cidades/ and a latitude that is not a number in -65..65; looks the city
    // up in the index (a name with the same file key counts as the same city)
    // and asks before replacing it. On success fills the fields and enables
    // "Incluir Cidade"; otherwise the city, latitude and longitude fields keep
    // what they held. Messages: "Arquivo inválido!", "Erro!", the index's
    // "não encontrado!", the refusals, the "já existe" question.
    void choose(const QString& sourcePath);

    // "Incluir Cidade" with the twelve season start edits. Messages:
    // "Nenhum arquivo selecionado!", "Preencha todos ...", the missing season
    // starts in season order, "Erro!", or name + " incluso com sucesso!"
    // (with, for a source that marks missing values, how many were filled).
    // Returns true when the city was added.
    bool include(const SeasonStartTexts& seasonStartTexts);

    // The fields the window shows.
    QString filePath() const { return filePath_; }           // edArquivo
    QString cityName() const;                                // edCidade
    QString latitudeText() const;                            // edLatitude
    QString longitudeText() const;                           // edLongitude (sign inverted)
    bool includeEnabled() const { return includeEnabled_; }  // btIncluir
    // A city was added since the last activate(): the window's result is OK.
    bool cityAdded() const { return cityAdded_; }
    // The hemisphere whose season starts suit the chosen source: for an EPW
    // source (from anywhere in the world) that of its latitude, off the
    // equator. The regional source is the one the southern defaults were
    // made for, wherever its station lies: it asks for nothing, so the
    // season edits stay as the person left them.
    std::optional<Hemisphere> seasonHemisphere() const;

    // The same fields as the bytes the database receives (Windows-1252).
    const std::string& cityNameBytes() const { return name_; }
    const std::string& latitudeBytes() const { return latitude_; }
    const std::string& longitudeBytes() const { return longitude_; }

    // Passed to the file transaction of include(); see StepHook.
    void setAfterStepForTesting(StepHook hook) { afterStep_ = std::move(hook); }

private:
    void chooseChecked(const QString& sourcePath);
    // Returns the source's count of filled values, when it has one.
    std::optional<int> includeChecked(const SeasonStartTexts& seasonStartTexts);
    // Shows an exception as the window would: "Arquivo inválido!", a
    // refusal's own text, or "Erro!" with the details.
    void report(const std::exception& error, bool invalidSourceMeansInvalidFile);

    QString baseDirectory_;
    Notifier& notifier_;
    SourceReader reader_;
    StepHook afterStep_;

    QString filePath_;
    std::string name_;
    std::string latitude_;
    std::string longitude_;
    std::string chosenKey_;
    SourceFormat format_ = SourceFormat::CommaText;
    std::optional<double> timeZoneHours_;
    bool includeEnabled_ = false;
    bool cityAdded_ = false;
};

}  // namespace climate
