#include "ui/deep_sky_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include "render/sky_view.h"
#include "res/qt_text.h"
#include "sky/sky_doc.h"
#include "ui/chart_settings_form.h"

CDeepSkyDialog::CDeepSkyDialog(CSkyDoc& doc, CSkyView& view, QWidget* parent)
    : QDialog(parent), doc_(doc), view_(view) {
  setObjectName("DeepSkyDialog");
  setWindowTitle(tr("Deep sky objects..."));

  // Catalogues, types, then label and drawing, each in a column.
  constexpr int kCatalogues = 2, kTypes = 5;
  auto* grid = new QGridLayout;
  int index = 0;
  for (const ui::RadioPair& pair : ui::DeepSkyRadioPairs()) {
    // Each pair in a box of its own, so the two buttons exclude each other and
    // the box's mnemonic leads to the chosen one.
    auto* box = new QGroupBox(QtTranslated("ui", pair.Label), this);
    auto* on = new QRadioButton(QtTranslated("ui", pair.OnText), box);
    auto* off = new QRadioButton(QtTranslated("ui", pair.OffText), box);
    on->setObjectName(QStringLiteral("Radio%1").arg(pair.OnId));
    off->setObjectName(QStringLiteral("Radio%1").arg(pair.OffId));
    (doc_.Settings().*pair.Setting == 1 ? on : off)->setChecked(true);
    auto* row = new QHBoxLayout(box);
    row->addWidget(on);
    row->addWidget(off);
    row->addStretch(1);
    if (index < kCatalogues)
      grid->addWidget(box, index, 0);
    else if (index < kCatalogues + kTypes)
      grid->addWidget(box, index - kCatalogues, 1);
    else
      grid->addWidget(box, index - kCatalogues - kTypes, 2);
    onButtons_.push_back(on);
    ++index;
  }

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &CDeepSkyDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &CDeepSkyDialog::reject);

  auto* layout = new QVBoxLayout(this);
  grid->setRowStretch(kTypes, 1);
  layout->addLayout(grid);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CDeepSkyDialog::accept() {
  const auto pairs = ui::DeepSkyRadioPairs();
  for (std::size_t i = 0; i < pairs.size(); ++i)
    doc_.Settings().*pairs[i].Setting = onButtons_[i]->isChecked() ? 1 : 0;
  QDialog::accept();
  view_.Redraw();
}
