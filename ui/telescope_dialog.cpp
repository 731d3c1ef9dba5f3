#include "ui/telescope_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "sky/sky_doc.h"
#include "ui/telescope_control.h"

CTelescopeDialog::CTelescopeDialog(CSkyDoc& doc, CTelescopeControl& control, QWidget* parent)
    : QDialog(parent), doc_(doc), control_(control) {
  setObjectName("TelescopeDialog");
  setWindowTitle(tr("Telescope"));

  host_ = new QLineEdit(QString::fromStdString(doc.Settings().TelescopeHost), this);
  host_->setObjectName("TelescopeHost");
  port_ = new QSpinBox(this);
  port_->setObjectName("TelescopePort");
  port_->setRange(1, 65535);
  port_->setValue(doc.Settings().TelescopePort);
  connect_ = new QPushButton(tr("&Connect"), this);
  connect_->setObjectName("TelescopeConnect");
  disconnect_ = new QPushButton(tr("&Disconnect"), this);
  disconnect_->setObjectName("TelescopeDisconnect");
  devices_ = new QListWidget(this);
  devices_->setObjectName("TelescopeDevices");
  status_ = new QLabel(this);
  status_->setObjectName("TelescopeStatus");
  status_->setWordWrap(true);
  status_->setMinimumWidth(360);

  auto* server = new QFormLayout;
  server->addRow(tr("INDI server &host:"), host_);
  server->addRow(tr("&Port:"), port_);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(connect_);
  buttons->addWidget(disconnect_);
  buttons->addStretch();
  auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(server);
  layout->addLayout(buttons);
  layout->addWidget(new QLabel(tr("&Telescopes the server offers:"), this));
  layout->addWidget(devices_);
  layout->addWidget(status_);
  layout->addWidget(close);
  static_cast<QLabel*>(layout->itemAt(2)->widget())->setBuddy(devices_);

  connect(connect_, &QPushButton::clicked, this,
          [this] { control_.ConnectTo(host_->text().trimmed(), port_->value()); });
  connect(disconnect_, &QPushButton::clicked, this, [this] { control_.Disconnect(); });
  connect(devices_, &QListWidget::itemActivated, this,
          [this](QListWidgetItem* item) { control_.Choose(item->text()); });
  connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(&control_, &CTelescopeControl::Changed, this, &CTelescopeDialog::Refresh);
  Refresh();
}

void CTelescopeDialog::Refresh() {
  const sky::MountReport& telescope = doc_.Telescope;
  const bool busy = control_.Connecting();
  connect_->setEnabled(!busy && !telescope.ServerConnected);
  disconnect_->setEnabled(!busy && telescope.ServerConnected);
  host_->setEnabled(!busy && !telescope.ServerConnected);
  port_->setEnabled(!busy && !telescope.ServerConnected);
  QStringList offered;
  for (const std::string& device : telescope.Telescopes) offered << QString::fromStdString(device);
  QStringList shown;
  for (int i = 0; i < devices_->count(); ++i) shown << devices_->item(i)->text();
  if (shown != offered) {
    devices_->clear();
    devices_->addItems(offered);
  }
  for (int i = 0; i < devices_->count(); ++i) {
    QFont font = devices_->item(i)->font();
    font.setBold(devices_->item(i)->text().toStdString() == telescope.Device);
    devices_->item(i)->setFont(font);
  }
  status_->setText(control_.StatusText());
}
