// The import's messages shown as the windows show every message: in the
// modal dialogs of the Dialogs interface.
#pragma once

#include "climate/Notifier.h"
#include "widgets/Dialogs.h"

MessageKind messageKindOf(climate::NoticeKind kind);

class DialogsNotifier : public climate::Notifier {
public:
    explicit DialogsNotifier(Dialogs& dialogs) : dialogs_(dialogs) {}
    void notify(climate::NoticeKind kind, const QString& text, const QString& details) override;
    bool askYesNo(const QString& text, const QString& details) override;

private:
    Dialogs& dialogs_;
};
