// A main window of its own for each test, on a temporary city database, with
// recording dialogs.
#pragma once

#include "app/UZenita.h"
#include "support/RecordingDialogs.h"
#include "support/RecordingOutput.h"
#include "support/TempDatabase.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QStringList>

#include <memory>

// The texts of a drop-down list's items, in order.
inline QStringList itemsOf(const QComboBox* combo) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i) {
        items << combo->itemText(i);
    }
    return items;
}

class ZenitaFixture : public ::testing::Test {
protected:
    // An empty city index, so the first activation loads "Nenhum" only.
    void SetUp() override {
        database.writeIndex({});
        createWindow();
    }

    // (Re)creates the window; call after preparing the database when the
    // window must load it.
    void createWindow() {
        window.reset();
        services.baseDirectory = database.path();
        services.dialogs = &dialogs;
        services.printer = &printer;
        services.clipboard = &clipboard;
        window = std::make_unique<TFormZenita>(services);
        window->dlgRaioCarta = &dlgRaioCarta;
        window->dlgDupla = &dlgDupla;
    }
    // Shows the window and lets its first activation run.
    void showWindow() {
        window->show();
        QApplication::setActiveWindow(window.get());
        QApplication::processEvents();
    }
    TFormZenita& w() { return *window; }

    TempDatabase database;
    RecordingDialogs dialogs;
    RecordingPrinter printer;
    RecordingClipboard clipboard;
    TdlgRaioCarta dlgRaioCarta;
    TdlgDupla dlgDupla;
    Services services;
    std::unique_ptr<TFormZenita> window;
};
