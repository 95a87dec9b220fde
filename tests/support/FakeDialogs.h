#pragma once
// Answers the dialog seam in tests and records what was asked.

#include <deque>
#include <string>
#include <vector>

#include "app/Dialogs.h"

struct FakeDialogs : Dialogs {
    struct Shown {
        std::string text, caption;
        bool question = false;
        bool error = false;
    };
    std::vector<Shown> shown;
    std::deque<bool> answers;  // answers to questions in turn; OK when none is left
    std::vector<FileDialogRequest> fileRequests;
    std::deque<std::string> fileNames;  // chosen paths in turn; cancelled when none is left

    bool AskOkCancel(const std::string& text, const std::string& caption) override
    {
        shown.push_back({text, caption, true, false});
        if (answers.empty())
            return true;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::string AskFileName(const FileDialogRequest& request) override
    {
        fileRequests.push_back(request);
        if (fileNames.empty())
            return "";
        std::string name = fileNames.front();
        fileNames.pop_front();
        return name;
    }
    void Tell(const std::string& text, const std::string& caption, bool error) override
    {
        shown.push_back({text, caption, false, error});
    }
};
