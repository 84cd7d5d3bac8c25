#include "ui/forms/rewriteU1.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "engine/match.h"
#include "ui/forms/formsSupport.h"
#include "ui/forms/numberField.h"

namespace tk::ui {

namespace {

// The six counts of one Side, in snapshot order.
constexpr std::array<const char*, 6> kCountCaptions = {"Ippon", "Wazari",   "Yuko",
                                                       "Shido", "LegGrabs", "Hansakomake____"};
constexpr int kShidoIndex = 3;

constexpr std::uint32_t kWhite = 0xFFFFFF, kDarkText = 0x202020, kShidoYellow = 0xFFFF00;

}  // namespace

TFormrewrite::TFormrewrite(QWidget* parent) : QDialog(parent) {
  setWindowTitle("Manually set all scores and penalties");
  auto* column = new QVBoxLayout(this);

  // Blue's panel on top, White's below; fields SpinEdit1..6 and SpinEdit7..12.
  for (int side = 0; side < 2; ++side) {
    auto* panel = new QFrame(this);
    panel->setFrameShape(QFrame::StyledPanel);
    const std::uint32_t labelColour = side == 0 ? kWhite : kDarkText;
    Paint(panel, side == 0 ? 0x0000FF : kWhite, labelColour);
    auto* grid = new QGridLayout(panel);
    grid->setHorizontalSpacing(10);
    for (int i = 0; i < 6; ++i) {
      const std::size_t slot = static_cast<std::size_t>(side * 6 + i);
      auto* field = new NumberField(kRewriteRanges[static_cast<std::size_t>(i)], panel);
      field->setObjectName(QStringLiteral("SpinEdit%1").arg(slot + 1));
      field->setMinimumWidth(56);
      Paint(field, kWhite, 0x000000);
      fields_[slot] = field;
      auto* caption = new QLabel(QString::fromLatin1(kCountCaptions[static_cast<std::size_t>(i)]));
      caption->setTextFormat(Qt::PlainText);
      if (i != kShidoIndex) {
        caption->setParent(panel);
        grid->addWidget(caption, 0, i, Qt::AlignBottom | Qt::AlignLeft);
        grid->addWidget(field, 1, i, Qt::AlignTop);
        continue;
      }
      // The shido field is the one most often corrected: larger, on yellow.
      auto* patch = new QFrame(panel);
      Paint(patch, kShidoYellow, 0x000000);
      auto* patchColumn = new QVBoxLayout(patch);
      patchColumn->setContentsMargins(6, 4, 6, 6);
      caption->setParent(patch);
      patchColumn->addWidget(caption);
      QFont big = field->font();
      big.setPointSizeF(big.pointSizeF() * 1.6);
      big.setBold(true);
      field->setFont(big);
      field->setMinimumWidth(72);
      patchColumn->addWidget(field);
      grid->addWidget(patch, 0, i, 2, 1);
    }
    grid->setColumnStretch(6, 1);
    column->addWidget(panel);
    panel->setObjectName(side == 0 ? "BluePanel" : "WhitePanel");
    if (side == 0) bluePanel_ = panel;
  }

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  auto* ok = new QPushButton("Ok", this);
  ok->setDefault(true);
  auto* cancel = new QPushButton("Cancel", this);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  column->addLayout(buttons);
}

bool TFormrewrite::Edit(std::array<int, 12>& counts, std::uint32_t bluePanelRgb) {
  for (std::size_t i = 0; i < counts.size(); ++i) {
    QSignalBlocker block(fields_[i]);
    fields_[i]->setValue(kRewriteRanges[i % 6].Clamp(counts[i]));
  }
  Paint(bluePanel_, bluePanelRgb, kWhite);
  fields_[0]->setFocus();
  fields_[0]->selectAll();
  if (exec() != QDialog::Accepted) return false;
  // A field whose text is no whole number reads as its lower bound, 0.
  for (std::size_t i = 0; i < counts.size(); ++i) counts[i] = fields_[i]->value();
  return true;
}

}  // namespace tk::ui
