#pragma once
// Message boxes on Qt: the real answers to the dialog seam.

#include <QPointer>
#include <QWidget>

#include "app/Dialogs.h"

class QtDialogs : public Dialogs {
public:
    // Boxes are centred on `owner` while it is visible.
    void SetOwner(QWidget* owner) { owner_ = owner; }
    bool AskOkCancel(const std::string& text, const std::string& caption) override;
    void Tell(const std::string& text, const std::string& caption, bool error) override;
    std::string AskFileName(const FileDialogRequest& request) override;

private:
    QPointer<QWidget> owner_;
};
