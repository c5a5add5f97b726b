// A main window with its import window on a temporary database, a scripted
// file chooser and the sources the tests choose.
#pragma once

#include "ScriptedFileChooser.h"
#include "ZenitaFixture.h"
#include "app/UNovaCidade.h"
#include "climate/ClimateTestSupport.h"

#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <memory>

class ImportWindowFixture : public ZenitaFixture {
protected:
    void SetUp() override {
        services.fileChooser = &chooser;
        ZenitaFixture::SetUp();
        form = std::make_unique<TFormNovaCidade>(services, window.get());
        w().controls().FormNovaCidade = form.get();
    }
    void TearDown() override { form.reset(); }

    TFormNovaCidade& f() { return *form; }

    // A source file in a folder of its own (not the database).
    QString writeSource(const std::string& bytes, const QString& name = "fonte.csv") {
        const QString path = sources.filePath(name);
        writeAll(path, bytes);
        return path;
    }
    QString portoAlegre() { return writeSource(sourceBytes({}), "porto_alegre.csv"); }

    // Runs the menu item; `inside` runs while the window is shown modally
    // and closes it (a failed assertion inside still ends the modal loop).
    void runIncluirCidade(const std::function<void()>& inside) {
        QTimer::singleShot(0, form.get(), [this, inside] {
            inside();
            if (form->isVisible()) {
                form->close();
            }
        });
        w().handle([this] { w().IncluirCidade1Click(); });
    }

    ScriptedFileChooser chooser;
    QTemporaryDir sources;
    std::unique_ptr<TFormNovaCidade> form;
};
