#include "ui/body_search_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QPushButton>

#include "res/qt_text.h"
#include "sky/search.h"
#include "sky/sky_doc.h"
#include "ui/caption_width.h"

CBodySearchDialog::CBodySearchDialog(CSkyDoc& doc, CMessenger& messages, QWidget* parent)
    : QDialog(parent), doc_(doc), messages_(messages) {
  setObjectName(QStringLiteral("Dialog147"));
  setWindowTitle(tr("Search for Solar System..."));
  setMinimumWidth(CaptionWidth(*this));
  // Two columns: the Sun and the Moon, then the planets in their order from the Sun.
  auto* layout = new QGridLayout(this);
  int row = 0, column = 0;
  for (const BodyButton& b : kBodyButtons) {
    auto* button = new QPushButton(QtString(res::IDS_BODY_NAME_FIRST + b.BodyIndex), this);
    button->setObjectName(QStringLiteral("Button%1").arg(b.ControlId));
    const int body = b.BodyIndex;
    connect(button, &QPushButton::clicked, this, [this, body] { OnBody(body); });
    layout->addWidget(button, row, column);
    if (++column == 2) {
      column = 0;
      ++row;
    }
  }
  // The dialog has no OK: Cancel (or Escape) closes it without change.
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons, row + 1, 0, 1, 2);
}

QPushButton* CBodySearchDialog::Button(int controlId) const {
  return findChild<QPushButton*>(QStringLiteral("Button%1").arg(controlId));
}

void CBodySearchDialog::OnBody(int bodyIndex) {
  const astro::PlanetState& body = doc_.Sky.Bodies[bodyIndex];
  if (!CentreOn(doc_, messages_, body.RightAscension, body.Declination)) return;
  doc_.Selected = sky::SkyObjectRef{sky::SkyObjectRef::Body, bodyIndex};
  accept();
}
