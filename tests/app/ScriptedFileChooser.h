// A file chooser that answers from a queue of paths (an empty path, or an
// empty queue, is a cancel) and records what each window asked of it.
#pragma once

#include "widgets/FileChooser.h"

#include <deque>
#include <vector>

class ScriptedFileChooser : public FileChooser {
public:
    std::optional<QString> chooseFileToOpen(QWidget* /*parent*/,
                                            const OpenFileRequest& request) override {
        requests.push_back(request);
        if (answers.empty()) {
            return std::nullopt;
        }
        const QString answer = answers.front();
        answers.pop_front();
        if (answer.isEmpty()) {
            return std::nullopt;
        }
        return answer;
    }

    std::deque<QString> answers;
    std::vector<OpenFileRequest> requests;
};
