#include "app/WindowStart.h"

#include "app/UZenita.h"
#include "widgets/Dialogs.h"

#include <QTimer>

ZenitaWindows::ZenitaWindows(const Services& services)
    : formZenita(services),
      dlgRaioCarta(&formZenita),
      dlgSobre(&formZenita),
      dlgDupla(&formZenita),
      formNovaCidade(services, &formZenita) {
    formZenita.controls().dlgRaioCarta = &dlgRaioCarta;
    formZenita.controls().dlgSobre = &dlgSobre;
    formZenita.controls().dlgDupla = &dlgDupla;
    formZenita.controls().FormNovaCidade = &formNovaCidade;
}

void queueWindowStart(TFormZenita& form, const QString& databaseWarning,
                      const std::optional<QString>& importFile) {
    QTimer::singleShot(0, &form, [&form, databaseWarning, importFile] {
        if (!databaseWarning.isEmpty()) {
            form.services().dialogs->show(MessageKind::Warning, databaseWarning);
        }
        if (importFile) {
            form.handle([&] { form.IncluirCidadeArquivo(*importFile); });
        }
    });
}
