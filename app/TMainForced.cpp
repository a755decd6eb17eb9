// The script's "forced only" choice: a check box beside the format field, stored at once as
// "forced_only" in "preferences"; the script is rendered again with or without the others.
// Beside it "fix look-alikes" ("fix_lookalikes"): look-alike letters chosen anew when rendering.
#include <QBoxLayout>
#include <QCheckBox>
#include <QLayout>
#include <QLineEdit>

#include <vector>

#include "app/TMain.h"
#include "settings/PreferenceKeys.h"
#include "settings/SettingsStore.h"

namespace quelm {

namespace {

// The box layout that holds `widget` directly, looked for from its parent's layout down.
QBoxLayout* BoxLayoutHolding(QWidget* widget) {
  if (widget == nullptr || widget->parentWidget() == nullptr) return nullptr;
  std::vector<QLayout*> pending{widget->parentWidget()->layout()};
  while (!pending.empty()) {
    QLayout* layout = pending.back();
    pending.pop_back();
    if (layout == nullptr) continue;
    if (layout->indexOf(widget) >= 0) return qobject_cast<QBoxLayout*>(layout);
    for (int i = 0; i < layout->count(); ++i) pending.push_back(layout->itemAt(i)->layout());
  }
  return nullptr;
}

}  // namespace

void TMain::ConnectForcedHandlers() {
  // Both check boxes in a row of their own under the format: the bar beside it has no width to
  // spare, and the format's name was cut there.
  QHBoxLayout* row = nullptr;
  if (QBoxLayout* bar = BoxLayoutHolding(EditIniXOutput)) {
    if (auto* column = qobject_cast<QBoxLayout*>(bar->parent())) {
      row = new QHBoxLayout;
      column->insertLayout(column->indexOf(bar) + 1, row);
    }
  }

  CheckForcedOnly = new QCheckBox(tr("forced only"), this);
  CheckForcedOnly->setObjectName(QStringLiteral("CheckForcedOnly"));
  CheckForcedOnly->setToolTip(
      tr("only the subtitles the disc forces on screen go into the script"));
  if (row != nullptr) row->addWidget(CheckForcedOnly);
  // Restored before the handler is connected: reading the setting must not write it back.
  CheckForcedOnly->setChecked(
      settings_.ReadBool(Preferences::ForcedOnly, Preferences::DefaultForcedOnly));
  connect(CheckForcedOnly, &QCheckBox::toggled, this, &TMain::CheckForcedOnlyClick);

  CheckFixLookAlikes = new QCheckBox(tr("fix look-alikes"), this);
  CheckFixLookAlikes->setObjectName(QStringLiteral("CheckFixLookAlikes"));
  CheckFixLookAlikes->setToolTip(
      tr("letters one shape stands for (I l |, O 0) are chosen by the stream language's words; "
         "the records and the dictionary keep what was recognised"));
  if (row != nullptr) {
    row->addWidget(CheckFixLookAlikes);
    row->addStretch(1);
  }
  CheckFixLookAlikes->setChecked(
      settings_.ReadBool(Preferences::FixLookAlikes, Preferences::DefaultFixLookAlikes));
  connect(CheckFixLookAlikes, &QCheckBox::toggled, this, &TMain::CheckFixLookAlikesClick);
}

void TMain::CheckFixLookAlikesClick() {
  if (!settings_.StoreBool(Preferences::FixLookAlikes, CheckFixLookAlikes->isChecked())) return;
  Updatetextoutput1Click();
}

void TMain::CheckForcedOnlyClick() {
  if (!settings_.StoreBool(Preferences::ForcedOnly, CheckForcedOnly->isChecked())) return;
  Updatetextoutput1Click();
}

bool TMain::ForcedOnly() const {
  return CheckForcedOnly != nullptr && CheckForcedOnly->isChecked();
}

}  // namespace quelm
