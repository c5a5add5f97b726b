#include "widgets/FileChooser.h"

#include <QFileDialog>

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

std::optional<QString> DialogFileChooser::chooseFileToOpen(QWidget* parent,
                                                           const OpenFileRequest& request) {
    const std::unique_ptr<QFileDialog> dialog = makeOpenFileDialog(parent, request);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog->selectedFiles().constFirst();
}
