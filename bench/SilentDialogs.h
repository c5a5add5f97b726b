// Dialogs for the benchmarks' windows: a message goes to stderr, a question
// is answered no; nothing waits for a person.
#pragma once

#include "widgets/Dialogs.h"

#include <cstdio>

class SilentDialogs : public Dialogs {
public:
    void show(MessageKind, const QString& text, const QString& details) override {
        std::fprintf(stderr, "message: %s %s\n", qPrintable(text), qPrintable(details));
    }
    bool askYesNo(const QString&, const QString&) override { return false; }
};
