#pragma once
// The EXCEL export: every parameter shown on the menu pages as one line of three
// quoted fields, menu key ("M02-01"), name and value text exactly as its menu row
// shows it, in menu-row order. Windows-1252 bytes as the catalogue holds them, lines
// ended by CR LF, no header. Nothing inside a field is escaped; the catalogue's texts
// hold commas but no double quote, so every line still reads as three fields.

#include <string>

#include "menus/MenuRows.h"

class Dialogs;
struct ValueImage;

// The file's content for the values of `image` now.
std::string CsvExportBytes(const MenuRowTable& rows, const ValueImage& image);

// The EXCEL button, given the path its file dialog returned ("Save controls to
// Excel:"); an empty path is a cancelled dialog and does nothing. A failure is told
// as "Cannot write to file." with the caption "ERROR". Closing the value editor first
// is the caller's part.
void ExportCsv(const MenuRowTable& rows, const ValueImage& image, const std::string& path,
               Dialogs& dialogs);
