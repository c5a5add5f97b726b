// Message dialogs of every window go through this interface, so tests can
// record them instead of blocking on a modal box.
#pragma once

#include <QString>

class QWidget;

enum class MessageKind { Warning, Error, Information, Confirmation };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A message with the OK button. details, when given, is the dialog's
    // informative text (file, line).
    virtual void show(MessageKind kind, const QString& text, const QString& details = {}) = 0;
    // A confirmation with the buttons "Sim" and "Não"; true for "Sim".
    virtual bool askYesNo(const QString& text, const QString& details = {}) = 0;
};

// The real dialogs: modal message boxes with Portuguese buttons.
class MessageBoxDialogs : public Dialogs {
public:
    explicit MessageBoxDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    void show(MessageKind kind, const QString& text, const QString& details = {}) override;
    bool askYesNo(const QString& text, const QString& details = {}) override;

private:
    QWidget* parent_;
};
