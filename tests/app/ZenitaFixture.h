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

inline const QImage& pixels(const ImageLayer* layer) {
    return layer->canvas().image();
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
        window->controls().dlgRaioCarta = &dlgRaioCarta;
        window->controls().dlgDupla = &dlgDupla;
    }
    // Shows the window and lets its first activation run.
    void showWindow() {
        window->show();
        QApplication::setActiveWindow(window.get());
        QApplication::processEvents();
    }
    TFormZenita& w() { return *window; }

    void loadCities(const std::vector<std::string>& lines) {
        database.writeIndex(lines);
        w().LoadCityList();
    }
    // Handlers run as the window runs them: an escaping error becomes its dialog.
    void choose(int item) {
        w().controls().cmbCidades->setCurrentIndex(item);
        w().handle([this] { w().cmbCidadesChange(); });
    }
    // Checks the first box of an angle pair (0 alfa to 4 gamma left) with its
    // text, and the second one too when a second text is given.
    void setAngles(std::size_t pair, const QString& first, const QString& second = {}) {
        const auto p = w().anglePairs()[pair];
        p.firstCheck->setChecked(true);
        p.firstEdit->setText(first);
        if (!second.isNull()) {
            p.secondCheck->setChecked(true);
            p.secondEdit->setText(second);
        }
    }
    void plot() {
        w().handle([this] { w().plotarClick(); });
    }
    // The text of the one message shown, which must be of this kind.
    QString onlyMessage(MessageKind kind) {
        EXPECT_EQ(dialogs.messages.size(), 1u) << dialogs.texts().join(" | ").toStdString();
        if (dialogs.messages.size() != 1) {
            return QStringLiteral("(not one message)");
        }
        EXPECT_EQ(dialogs.messages[0].kind, kind);
        return dialogs.messages[0].text;
    }
    void expectOnlyMessage(MessageKind kind, const QString& text) {
        EXPECT_EQ(onlyMessage(kind), text);
    }

    TempDatabase database;
    RecordingDialogs dialogs;
    RecordingPrinter printer;
    RecordingClipboard clipboard;
    TdlgRaioCarta dlgRaioCarta;
    TdlgDupla dlgDupla;
    Services services;
    std::unique_ptr<TFormZenita> window;
};
