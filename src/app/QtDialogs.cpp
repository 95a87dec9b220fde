#include "app/QtDialogs.h"

#include <QFile>
#include <QFileDialog>
#include <QMessageBox>

#include "app/Cp1252.h"

bool QtDialogs::AskOkCancel(const std::string& text, const std::string& caption)
{
    QMessageBox box(QMessageBox::Warning, FromCp1252(caption), FromCp1252(text),
                    QMessageBox::Ok | QMessageBox::Cancel, owner_);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok;
}

void QtDialogs::Tell(const std::string& text, const std::string& caption, bool error)
{
    QMessageBox box(error ? QMessageBox::Critical : QMessageBox::Information, FromCp1252(caption),
                    FromCp1252(text), QMessageBox::Ok, owner_);
    box.exec();
}

std::string QtDialogs::AskFileName(const FileDialogRequest& request)
{
    QFileDialog dialog(owner_, FromCp1252(request.Title));
    dialog.setObjectName(QString::fromLatin1(request.Name.c_str()));
    dialog.setAcceptMode(request.Save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // A typed name of a missing file is accepted when loading too: the load then says
    // it cannot read it.
    dialog.setFileMode(QFileDialog::AnyFile);
    if (!request.FilterPattern.empty())
        dialog.setNameFilter(FromCp1252(request.FilterName) + QStringLiteral(" (") +
                             FromCp1252(request.FilterPattern) + QStringLiteral(")"));
    if (!request.DefaultExtension.empty())
        dialog.setDefaultSuffix(FromCp1252(request.DefaultExtension));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString();
}
