#pragma once
// The seam for modal questions and messages, so that handlers run in tests
// without a person. Texts are Windows-1252 core text.

#include <string>

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A question with OK and Cancel; true only when OK is chosen.
    virtual bool AskOkCancel(const std::string& text, const std::string& caption) = 0;
    // A message with an OK button; `error` selects the error icon.
    virtual void Tell(const std::string& text, const std::string& caption, bool error) = 0;
};

// The questions and messages the shell uses.
constexpr const char* WarningCaption = "Warning";
constexpr const char* ErrorCaption = "ERROR";
