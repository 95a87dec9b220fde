#pragma once
// The one place where core text (8-bit Windows-1252) meets QString.

#include <QString>
#include <string>

QString FromCp1252(const std::string& text);
// Characters that Windows-1252 cannot hold become '?'.
std::string ToCp1252(const QString& text);
