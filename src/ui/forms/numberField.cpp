#include "ui/forms/numberField.h"

#include <QLineEdit>

#include "util/errors.h"
#include "util/text.h"

namespace tk::ui {

NumberField::NumberField(IntRange range, QWidget* parent) : QSpinBox(parent), range_(range) {
  setRange(range.lo, range.hi);
  // Every keystroke that changes the number is a change of the setting.
  setKeyboardTracking(true);
  setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
  // The first value equals the spin box's own start value, so no change
  // would ever write it into the text.
  lineEdit()->setText(textFromValue(value()));
}

int NumberField::ReadText(const QString& text) const {
  try {
    return range_.Clamp(StrToInt(text.toLocal8Bit().toStdString()));
  } catch (const ConversionError&) {
    return range_.lo;
  }
}

// Nothing the operator types is refused: a half-typed or wrong text simply
// reads as a number (see ReadText) and is shown corrected at focus loss.
QValidator::State NumberField::validate(QString&, int&) const {
  return QValidator::Acceptable;
}

int NumberField::valueFromText(const QString& text) const {
  return ReadText(text);
}

QString NumberField::textFromValue(int value) const {
  return QString::number(value);
}

}  // namespace tk::ui
