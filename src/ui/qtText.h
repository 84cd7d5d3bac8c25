// Text crosses between the program's byte strings and Qt's QString here and
// nowhere else: the program keeps texts in the system's 8-bit encoding.
#pragma once

#include <QString>
#include <string>

namespace tk::ui {

inline QString ToQString(const std::string& text) {
  return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string FromQString(const QString& text) {
  const QByteArray bytes = text.toLocal8Bit();
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace tk::ui
