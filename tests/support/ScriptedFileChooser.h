#pragma once
// A file dialog that answers from a queue and keeps every request it was shown; with the queue
// empty it is cancelled.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "core/base/RunError.h"
#include "core/printing/FileChooser.h"

namespace quorvia::testing {

class ScriptedFileChooser : public FileChooser {
  public:
    // The person picks this path, under the filter of this index (0: the one the dialog
    // opened with); the dialog's flags come back as they went in.
    void Choose(std::string path, int filterIndex = 0) {
        answers_.push_back(Answer{{std::move(path)}, 0, {}, filterIndex});
    }
    // The person picks several files of one folder.
    void ChooseSeveral(std::string folder, std::vector<std::string> names) {
        answers_.push_back(Answer{{std::move(folder)}, 0, std::move(names), 0});
    }
    // The person cancels, or the dialog fails with this extended error.
    void Cancel(uint32_t extendedError = 0) {
        answers_.push_back(Answer{std::nullopt, extendedError, {}, 0});
    }

    // The dialog itself fails with a run-time error of its own.
    void Raise(RunError error) { raise_ = std::move(error); }

    std::optional<FileAnswer> ChooseFile(const FileRequest& request,
                                         uint32_t& extendedError) override {
        requests.push_back(request);
        if (raise_) {
            RunError error = *raise_;
            raise_.reset();
            throw RaisedRunError(error);
        }
        Answer answer = answers_.empty() ? Answer{} : answers_.front();
        if (!answers_.empty()) {
            answers_.pop_front();
        }
        extendedError = answer.error;
        if (!answer.path) {
            return std::nullopt;
        }
        FileAnswer chosen = answer.names.empty()
                                ? FileAnswer{*answer.path, 1, 0, request.flags}
                                : ChosenFilesAnswer(*answer.path, answer.names, request.flags);
        chosen.filterIndex = answer.filterIndex != 0 ? answer.filterIndex : request.filterIndex;
        return chosen;
    }

    std::vector<FileRequest> requests;

  private:
    struct Answer {
        // The path, or the folder of several names.
        std::optional<std::string> path;
        uint32_t error = 0;
        std::vector<std::string> names;
        int filterIndex = 0;
    };
    std::deque<Answer> answers_;
    std::optional<RunError> raise_;
};

}  // namespace quorvia::testing
