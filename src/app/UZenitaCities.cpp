// The city list: loading the city index into cmbCidades and the entries
// behind its items (with the window reset that goes with it), and choosing a
// city.
#include "app/UZenita.h"

#include "app/DatabaseRecovery.h"
#include "app/UNovaCidade.h"

#include "climate/CityDatabase.h"
#include "climate/ClimateErrors.h"
#include "climate/Messages.h"
#include "climate/Windows1252.h"
#include "widgets/Dialogs.h"

#include <QFileInfo>

#include <exception>

void TFormZenita::connectCityHandlers() {
    bind(cmbCidades, &QComboBox::activated, &TFormZenita::cmbCidadesChange);
    bind(IncluirCidade1, &QAction::triggered, &TFormZenita::IncluirCidade1Click);
}

void TFormZenita::IncluirCidade1Click() { runImportWindow(std::nullopt); }

void TFormZenita::IncluirCidadeArquivo(const QString& sourcePath) { runImportWindow(sourcePath); }

void TFormZenita::runImportWindow(const std::optional<QString>& sourcePath) {
    if (!FormNovaCidade) {
        return;
    }
    FormNovaCidade->setWindowTitle(QStringLiteral("ZENITA 6.2"));
    const int result =
        sourcePath ? FormNovaCidade->execOn(*sourcePath) : FormNovaCidade->exec();
    if (result == QDialog::Accepted) {
        LoadCityList();
    }
}

void TFormZenita::FormActivate() {
    recoverDatabase(services_);
    LoadCityList();
}

void TFormZenita::LoadCityList() {
    clearCityLists();

    const QString index = climate::indexPath(services_.baseDirectory);
    if (!QFileInfo::exists(index)) {
        services_.dialogs->show(MessageKind::Warning, climate::indexNotFoundMessage());
    } else {
        cmbCidades->clear();
        cmbCidades->addItem(QStringLiteral("Nenhum"));
        cities_.push_back({"Nenhum", "0", std::string(climate::kNoFileMarker),
                           std::string(climate::kNoFileMarker), "0"});
        std::vector<climate::CityIndexEntry> entries;
        QString failure;
        try {
            climate::readCityIndex(index, entries);
        } catch (const climate::ClimateError& error) {
            failure = error.message();
        }
        // Whole entries only: the lines before a failing one stay loaded.
        for (const climate::CityIndexEntry& entry : entries) {
            cmbCidades->addItem(climate::decodeWindows1252(entry.name));
            cities_.push_back(entry);
        }
        if (!failure.isEmpty()) {
            services_.dialogs->show(MessageKind::Error, climate::errorMessage(), failure);
        }
    }

    novoClick();
    novo->setEnabled(false);
    cmbCidades->setCurrentIndex(0);
    editLatitude->setEnabled(true);
    editLatitude->setFocus();
    rgAngulos->setCurrentIndex(0);
    rgPeriodo->setCurrentIndex(0);
    IAlfaInterno->show();
    IBetaInterno->show();
    IGamaInterno->show();
    IAlfaExterno->hide();
    IBetaExterno->hide();
    IGamaExterno->hide();
    ckPontos->setChecked(false);
    ckPontos->setEnabled(false);
    cmbTipoDados->setEnabled(false);
    rgPeriodo->setEnabled(false);
    btnLegenda->setEnabled(false);
    rgVentos->setCurrentIndex(0);
    btnPlotarVentos->setEnabled(false);
    rgVentos->setEnabled(false);
    cmbTipoDados->setCurrentIndex(0);
    PageControl1->setCurrentIndex(0);
}

int TFormZenita::selectedCity() const {
    const int item = cmbCidades->currentIndex();
    // Items without list entries (the index could not be read) act as "Nenhum".
    return item > 0 && item < static_cast<int>(cities_.size()) ? item : 0;
}

void TFormZenita::cmbCidadesChange() {
    novoClick();
    const int city = selectedCity();
    if (city == 0) {
        editLatitude->setEnabled(true);
        editLatitude->setFocus();
        ckPontos->setChecked(false);
        for (QWidget* control : std::initializer_list<QWidget*>{
                 ckPontos, cmbTipoDados, rgPeriodo, btnLegenda, btnPlotarVentos, rgVentos}) {
            control->setEnabled(false);
        }
        return;
    }
    const climate::CityIndexEntry& entry = cities_[static_cast<std::size_t>(city)];
    // The latitude box turns every comma into a point as the text changes.
    editLatitude->setText(climate::decodeWindows1252(entry.latitude));
    // A latitude longer than the box shows its first digits, not its last.
    editLatitude->setCursorPosition(0);
    editLatitude->setEnabled(false);

    // The controls must match the chosen city even when the chart fails, so
    // its error is shown only after they are set.
    std::exception_ptr chartFailure;
    if (CartaZenita1->isChecked()) {
        try {
            plotarClick();
        } catch (...) {
            chartFailure = std::current_exception();
        }
    }
    const bool hourly = entry.hasHourlyFile();
    if (!hourly) {
        ckPontos->setChecked(false);
    }
    for (QWidget* control :
         std::initializer_list<QWidget*>{ckPontos, cmbTipoDados, rgPeriodo, btnLegenda}) {
        control->setEnabled(hourly);
    }
    const bool wind = entry.hasWindFile();
    btnPlotarVentos->setEnabled(wind);
    rgVentos->setEnabled(wind);
    // The wind view shows the new city's rose, or says that its file is
    // missing, even when the button was just disabled.
    if (RosadosVentos1->isChecked()) {
        btnPlotarVentosClick();
    }
    if (chartFailure) {
        std::rethrow_exception(chartFailure);
    }
}
