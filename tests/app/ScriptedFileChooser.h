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
        return answer(request);
    }
    std::optional<QString> chooseFileToSave(QWidget* /*parent*/,
                                            const OpenFileRequest& request) override {
        return answer(request);
    }

    std::deque<QString> answers;
    std::vector<OpenFileRequest> requests;

private:
    std::optional<QString> answer(const OpenFileRequest& request) {
        requests.push_back(request);
        if (answers.empty()) {
            return std::nullopt;
        }
        const QString path = answers.front();
        answers.pop_front();
        if (path.isEmpty()) {
            return std::nullopt;
        }
        return path;
    }
};
