// A file chooser that answers from a queue (a cancel when it is empty) and
// records what each window asked of it.
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
        std::optional<QString> answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::deque<std::optional<QString>> answers;
    std::vector<OpenFileRequest> requests;
};
