// Texts of the string table as Qt strings.
#pragma once

#include <QString>

#include "res/strings.h"

inline QString QtText(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline QString QtString(int id) { return QtText(res::String(id)); }
