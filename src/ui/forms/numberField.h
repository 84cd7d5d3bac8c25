// A whole-number field with a range, as the settings page and the rewrite
// dialog use it: any typed text is accepted, a text that is no whole number
// reads as the lower bound, and the shown text is brought into the range when
// the field loses the keyboard focus.
#pragma once

#include <QSpinBox>

#include "settings/settings.h"

namespace tk::ui {

class NumberField : public QSpinBox {
  Q_OBJECT
 public:
  explicit NumberField(IntRange range, QWidget* parent = nullptr);

  // The value a text reads as: the whole number it holds brought into the
  // range, or the lower bound when it holds none.
  int ReadText(const QString& text) const;

 protected:
  QValidator::State validate(QString& input, int& pos) const override;
  int valueFromText(const QString& text) const override;
  QString textFromValue(int value) const override;

 private:
  IntRange range_;
};

}  // namespace tk::ui
