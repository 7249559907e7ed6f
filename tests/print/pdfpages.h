#pragma once

#include <QFile>
#include <QRegularExpression>
#include <QString>

namespace ubic::test {

// The pages of a PDF file, counted by their page objects; -1 when it is no PDF file.
inline int PdfPageCount(const QString& fileName) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) return -1;
  const QByteArray data = file.readAll();
  if (!data.startsWith("%PDF")) return -1;
  static const QRegularExpression kPageObject(QStringLiteral("/Type\\s*/Page(?!s)"));
  return static_cast<int>(QString::fromLatin1(data).count(kPageObject));
}

}  // namespace ubic::test
