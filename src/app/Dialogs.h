#pragma once
// The seam for modal questions and messages, so that handlers run in tests
// without a person. Texts are Windows-1252 core text.

#include <string>

// A file dialog as the tool asks for it.
struct FileDialogRequest {
    std::string Name;              // the dialog's name in the window layout
    std::string Title;
    std::string FilterName;        // with FilterPattern: the one filter entry; empty: none
    std::string FilterPattern;
    std::string DefaultExtension;  // added to a name typed without one; empty: none
    bool Save = false;             // a save dialog asks before overwriting
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A question with OK and Cancel; true only when OK is chosen.
    virtual bool AskOkCancel(const std::string& text, const std::string& caption) = 0;
    // A message with an OK button; `error` selects the error icon.
    virtual void Tell(const std::string& text, const std::string& caption, bool error) = 0;
    // The chosen path (in the file system's encoding), or "" when cancelled.
    virtual std::string AskFileName(const FileDialogRequest& request) = 0;
};

// The questions and messages the shell uses.
constexpr const char* WarningCaption = "Warning";
constexpr const char* ErrorCaption = "ERROR";
