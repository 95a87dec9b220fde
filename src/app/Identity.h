#pragma once
// The texts by which the program names itself. The two version numbers differ on
// purpose: the taskbar and error reports carry the application title, the main
// window its own caption.

constexpr const char* ApplicationTitle = "Ventaro XL Control Center v3.02";
constexpr const char* MainWindowCaption = "Ventaro XL Control Center v3.04";
constexpr const char* ProgramVersion = "3.04";
