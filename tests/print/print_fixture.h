#pragma once

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QStringList>
#include <memory>

#include "charts/chart_test_model.h"
#include "print/printpage.h"

namespace ubic::test {

// A PDF printer of A4 sheets at 1200 dots per inch: the same everywhere, printer or not.
inline std::unique_ptr<QPrinter> MakePrinter() {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setPageSize(QPageSize(QPageSize::A4));
  printer->setResolution(1200);
  return printer;
}

inline QStringList TextsOf(const TPrintPage& page) {
  QStringList texts;
  for (const TPageItem& item : page.Items()) {
    if (const auto* text = std::get_if<TPageText>(&item)) texts.append(text->Text);
  }
  return texts;
}

// The page drawn on white at Scale pixels per dot, into an image of the resolution that makes
// the page its real size.
inline QImage RenderPage(const TPrintPage& page, double scale) {
  QImage image(QSize(qRound(page.Size().width() * scale), qRound(page.Size().height() * scale)),
               QImage::Format_RGB32);
  const int dotsPerMetre = qRound(page.DotsPerInch() * scale / 0.0254);
  image.setDotsPerMeterX(dotsPerMetre);
  image.setDotsPerMeterY(dotsPerMetre);
  image.fill(Qt::white);
  QPainter painter(&image);
  page.Render(painter, QRectF(QPointF(0, 0), QSizeF(image.size())));
  return image;
}

// The model of the chart tests with evaluated options that make the bar chart of Top.
struct TGraphModel : TChartModel {
  TGraphModel() {
    Set(0, "0", "0", "1", "2");
    Set(1, "2", "1", "3", "0");
    Set(2, "1", "2", "0", "1");
  }
};

}  // namespace ubic::test
