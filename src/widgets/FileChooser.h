// The file dialogs of every window go through this interface, so tests can
// script the choice instead of blocking on a modal QFileDialog.
#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QFileDialog;
class QWidget;

// What a window asks of the file-open dialog: Qt name filters ("csv (*.csv)"),
// the filter shown first, and the suffix added to a typed name without one.
struct OpenFileRequest {
    QStringList nameFilters;
    QString selectedFilter;
    QString defaultSuffix;
};

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The full path of an existing file, or nothing when the person cancels.
    virtual std::optional<QString> chooseFileToOpen(QWidget* parent,
                                                    const OpenFileRequest& request) = 0;
    // The full path to write, with the default suffix when typed without one
    // (the dialog has asked before replacing a file), or nothing on cancel.
    virtual std::optional<QString> chooseFileToSave(QWidget* parent,
                                                    const OpenFileRequest& request) = 0;
};

// The real dialog.
class DialogFileChooser : public FileChooser {
public:
    std::optional<QString> chooseFileToOpen(QWidget* parent,
                                            const OpenFileRequest& request) override;
    std::optional<QString> chooseFileToSave(QWidget* parent,
                                            const OpenFileRequest& request) override;
};

// The QFileDialog that DialogFileChooser runs, set up but not shown.
std::unique_ptr<QFileDialog> makeOpenFileDialog(QWidget* parent, const OpenFileRequest& request);
// The QFileDialog that asks where to save, set up but not shown.
std::unique_ptr<QFileDialog> makeSaveFileDialog(QWidget* parent, const OpenFileRequest& request);
