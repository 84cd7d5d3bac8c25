// TFormrewrite, "Manually set all scores and penalties": twelve number fields
// for the raw counts of both Sides.
#pragma once

#include <QDialog>
#include <array>
#include <cstdint>

class QSpinBox;

namespace tk::ui {

class TFormrewrite : public QDialog {
  Q_OBJECT
 public:
  explicit TFormrewrite(QWidget* parent = nullptr);
  // Shows the counts (already in range) with Blue's panel in `bluePanelRgb`;
  // true and the edited counts on "Ok".
  bool Edit(std::array<int, 12>& counts, std::uint32_t bluePanelRgb);

 private:
  std::array<QSpinBox*, 12> fields_{};
  QWidget* bluePanel_ = nullptr;
};

}  // namespace tk::ui
