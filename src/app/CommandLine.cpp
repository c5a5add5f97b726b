#include "app/CommandLine.h"

#include <QTextStream>

#include <cstdio>

bool isCommandLineRun(int argc, char** /*argv*/) { return argc > 1; }

void prepareHeadless() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}

int runCommandLine(const QStringList& arguments) {
    QTextStream err(stderr);
    err << "zenita: opção desconhecida: " << arguments.value(1) << Qt::endl;
    return 2;
}
