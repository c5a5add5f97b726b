// Dialogs that record every message instead of showing it, and answer
// confirmations from a queue (No when the queue is empty).
#pragma once

#include "widgets/Dialogs.h"

#include <QStringList>

#include <deque>
#include <vector>

struct RecordedMessage {
    MessageKind kind;
    QString text;
    QString details;
    bool question = false;
};

class RecordingDialogs : public Dialogs {
public:
    void show(MessageKind kind, const QString& text, const QString& details = {}) override {
        messages.push_back({kind, text, details, false});
    }
    bool askYesNo(const QString& text, const QString& details = {}) override {
        messages.push_back({MessageKind::Confirmation, text, details, true});
        if (answers.empty()) {
            return false;
        }
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    QStringList texts() const {
        QStringList all;
        for (const auto& m : messages) {
            all << m.text;
        }
        return all;
    }
    void clear() { messages.clear(); }

    std::vector<RecordedMessage> messages;
    std::deque<bool> answers;
};
