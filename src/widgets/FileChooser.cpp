#include "widgets/FileChooser.h"

#include <QFileDialog>
#include <QRegularExpression>

std::unique_ptr<QFileDialog> makeOpenFileDialog(QWidget* parent, const OpenFileRequest& request) {
    auto dialog = std::make_unique<QFileDialog>(parent);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setNameFilters(request.nameFilters);
    if (!request.selectedFilter.isEmpty()) {
        dialog->selectNameFilter(request.selectedFilter);
    }
    dialog->setDefaultSuffix(request.defaultSuffix);
    return dialog;
}

namespace {

std::optional<QString> chosenFile(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

}  // namespace

std::optional<QString> DialogFileChooser::chooseFileToOpen(QWidget* parent,
                                                           const OpenFileRequest& request) {
    return chosenFile(*makeOpenFileDialog(parent, request));
}

std::unique_ptr<QFileDialog> makeSaveFileDialog(QWidget* parent, const OpenFileRequest& request) {
    std::unique_ptr<QFileDialog> dialog = makeOpenFileDialog(parent, request);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    // The suffix follows the filter chosen, so a name typed bare gets its format.
    QObject::connect(dialog.get(), &QFileDialog::filterSelected, dialog.get(),
                     [d = dialog.get()](const QString& filter) {
                         const qsizetype star = filter.indexOf(QStringLiteral("*."));
                         if (star >= 0) {
                             const qsizetype end =
                                 filter.indexOf(QRegularExpression(QStringLiteral("[ )]")), star);
                             d->setDefaultSuffix(filter.mid(star + 2, end - star - 2));
                         }
                     });
    return dialog;
}

std::optional<QString> DialogFileChooser::chooseFileToSave(QWidget* parent,
                                                           const OpenFileRequest& request) {
    return chosenFile(*makeSaveFileDialog(parent, request));
}
