#include "app/DialogsNotifier.h"

MessageKind messageKindOf(climate::NoticeKind kind) {
    switch (kind) {
        case climate::NoticeKind::Warning:
            return MessageKind::Warning;
        case climate::NoticeKind::Error:
            return MessageKind::Error;
        case climate::NoticeKind::Information:
            return MessageKind::Information;
        case climate::NoticeKind::Confirmation:
            return MessageKind::Confirmation;
    }
    return MessageKind::Error;
}

void DialogsNotifier::notify(climate::NoticeKind kind, const QString& text,
                             const QString& details) {
    dialogs_.show(messageKindOf(kind), text, details);
}

bool DialogsNotifier::askYesNo(const QString& text, const QString& details) {
    return dialogs_.askYesNo(text, details);
}
