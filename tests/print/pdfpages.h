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

// The text string of Key ("Title", "Creator") in the PDF's document information, decoded from
// its bytes (UTF-16 after a byte-order mark, Latin-1 otherwise); empty when there is none.
inline QString PdfInfo(const QByteArray& data, const char* key) {
  const QByteArray start = QByteArray("/") + key + " (";
  const qsizetype from = data.indexOf(start);
  if (from < 0) return {};
  QByteArray bytes;
  for (qsizetype i = from + start.size(); i < data.size() && data[i] != ')'; ++i) {
    if (data[i] == '\\' && i + 1 < data.size()) ++i;
    bytes += data[i];
  }
  if (!bytes.startsWith("\xFE\xFF")) return QString::fromLatin1(bytes);
  QString text;
  for (qsizetype i = 2; i + 1 < bytes.size(); i += 2) {
    text += QChar(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) << 8 |
                                        static_cast<unsigned char>(bytes[i + 1])));
  }
  return text;
}

inline QString PdfInfo(const QString& fileName, const char* key) {
  QFile file(fileName);
  return file.open(QIODevice::ReadOnly) ? PdfInfo(file.readAll(), key) : QString();
}

}  // namespace ubic::test
