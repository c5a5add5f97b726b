// How the import speaks to the person: the window shows each message in a
// modal dialog, the command line prints it. The import calls these in the
// order a person would see the dialogs.
#pragma once

#include <QString>

namespace climate {

enum class NoticeKind {
    Warning,       // warning, OK
    Error,         // error, OK
    Information,   // information, OK
    Confirmation,  // confirmation, OK (the success message)
};

class Notifier {
public:
    virtual ~Notifier() = default;
    // A message with the OK button; details, when given, say where and why
    // (the file and line of an "Erro!").
    virtual void notify(NoticeKind kind, const QString& text, const QString& details = {}) = 0;
    // A confirmation with the buttons Yes and No; true for Yes.
    virtual bool askYesNo(const QString& text, const QString& details = {}) = 0;
};

}  // namespace climate
