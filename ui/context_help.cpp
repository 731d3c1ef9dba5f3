#include "ui/context_help.h"

#include <QAction>
#include <QKeyEvent>
#include <QWidget>

#include "ui/help_pages.h"

namespace ui {

QString HelpPageForWidget(const QWidget* widget) {
  // From the widget up to its window, not beyond: a dialog nobody mapped
  // gets the contents rather than the page of the window that opened it.
  for (const QWidget* w = widget; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
    const QVariant page = w->property("helpPage");
    if (page.isValid() && !page.toString().isEmpty()) return page.toString();
    const QByteArray className = w->metaObject()->className();
    const QByteArray objectName = w->objectName().toUtf8();
    if (const char* known = HelpPageFor(std::string_view(className.data(), className.size()),
                                        std::string_view(objectName.data(), objectName.size())))
      return QString::fromUtf8(known);
  }
  return QString::fromUtf8(kHelpContentsPage);
}

CHelpKeys::CHelpKeys(QAction* contextHelp, QAction* whatsThis, QObject* parent)
    : QObject(parent), contextHelp_(contextHelp), whatsThis_(whatsThis) {}

bool CHelpKeys::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_F1 && !key->isAutoRepeat()) {
      const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
      if (modifiers == Qt::NoModifier) {
        contextHelp_->trigger();
        return true;
      }
      if (modifiers == Qt::ShiftModifier) {
        whatsThis_->trigger();
        return true;
      }
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace ui
