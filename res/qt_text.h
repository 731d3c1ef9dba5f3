// Texts of the string table as Qt strings.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <initializer_list>
#include <string>

#include "res/strings.h"

// Text as it stands (a name, a path, a text already composed), from UTF-8.
inline QString QtText(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// String `id` of the table in the window's language.
inline QString QtString(int id) {
  return QCoreApplication::translate("res", std::string(res::String(id)).c_str());
}

// A fixed text of the window-free code, marked STELLIX_TEXT(context, text)
// there (res/translatable.h), in the window's language.
inline QString QtTranslated(const char* context, const std::string& text) {
  return QCoreApplication::translate(context, text.c_str());
}

// String `id` in the window's language, for a message.
inline std::string TranslatedString(int id) { return QtString(id).toStdString(); }

// String `id` in the window's language with its placeholders filled, as res::Format does.
inline std::string TranslatedFormat(int id, std::initializer_list<std::string_view> args) {
  return res::Substitute(TranslatedString(id), {args.begin(), args.size()});
}
