#include "files/SaveFile.h"

#include "app/Dialogs.h"
#include "files/FileDialogTexts.h"

bool SaveFileOrTell(const std::string& path, const std::string& bytes, Dialogs& dialogs,
                    const WriteFault& fault)
{
    if (WriteFileReplacing(path, bytes, fault))
        return true;
    dialogs.Tell(CannotWriteText, ErrorCaption, true);
    return false;
}
