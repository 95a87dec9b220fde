#include "app/QtDialogs.h"

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
