#include "app/WindowStart.h"

#include "app/UZenita.h"
#include "widgets/Dialogs.h"

#include <QTimer>

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
