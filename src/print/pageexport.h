#pragma once

#include <QImage>
#include <QMimeData>
#include <QString>
#include <memory>

#include "printpage.h"

namespace ubic {

// The page as an image at Zoom percent of its real size on a screen of ScreenDpi, on white.
QImage PageImage(const TPrintPage& page, int zoom, double screenDpi);
// The page as an SVG picture of its real size.
QByteArray PageSvg(const TPrintPage& page);
// Writes the page as SVG, or as an image in the format the name's extension gives ("png",
// "bmp"); raises std::runtime_error when the file cannot be written.
void SavePageSvg(const TPrintPage& page, const QString& fileName);
void SavePageImage(const TPrintPage& page, const QString& fileName, int zoom, double screenDpi);
// The page for the clipboard, as SVG and as an image.
std::unique_ptr<QMimeData> PageMimeData(const TPrintPage& page, int zoom, double screenDpi);

}  // namespace ubic
