// Room for a dialog's whole caption: the window manager's title bar also
// shows the program's name, an icon and its buttons, often in bold.
#pragma once

#include <QFontMetrics>
#include <QGuiApplication>
#include <QWidget>

inline int CaptionWidth(const QWidget& dialog) {
  const QString title =
      dialog.windowTitle() + QStringLiteral(" \u2014 ") + QGuiApplication::applicationDisplayName();
  QFont bold = dialog.font();
  bold.setBold(true);
  return QFontMetrics(bold).horizontalAdvance(title) * 6 / 5 + 120;
}
