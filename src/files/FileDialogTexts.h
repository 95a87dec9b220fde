#pragma once
// What the file dialogs and messages of Save, Load and EXCEL say. The Qt layer sets
// the dialog titles before each showing; the core shows the messages through the
// Dialogs seam with the caption ErrorCaption ("ERROR").

// Save: no filter, no default extension; asks before overwriting.
constexpr const char* SaveControlsTitle = "Save controls:";
// Load: no filter, no default extension; a typed name of a missing file is accepted.
constexpr const char* GetControlsTitle = "Get controls:";
// EXCEL: one filter entry and a default extension added to a name typed without one;
// asks before overwriting.
constexpr const char* SaveCsvTitle = "Save controls to Excel:";
constexpr const char* CsvFilterName = "CSV Excel";
constexpr const char* CsvFilterPattern = "*.CSV";
constexpr const char* CsvDefaultExtension = "CSV";

constexpr const char* CannotWriteText = "Cannot write to file.";
constexpr const char* CannotReadText = "Cannot read file.";
constexpr const char* WrongFormatText = "File not in correct format!";
