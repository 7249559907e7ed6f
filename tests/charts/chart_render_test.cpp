#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QPainter>
#include <QPicture>

#include "chart_test_model.h"
#include "charts/modelgraphs.h"

namespace ubic::test {
namespace {

const QColor kRed(255, 0, 0);
const QColor kGreen(0, 128, 0);
const QColor kBlue(0, 0, 255);
const QColor kLowestLine(230, 130, 0);

// Where the pixels of exactly one colour lie in an image, in device-independent pixels.
struct TColourSpread {
  int Count = 0;
  QRectF Bounds;
  QPointF Centre;
};

TColourSpread Spread(const QImage& image, QColor colour, QRect area = {}) {
  if (area.isNull()) area = image.rect();
  TColourSpread spread;
  QPointF sum;
  int left = INT_MAX, top = INT_MAX, right = -1, bottom = -1;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (image.pixelColor(x, y).rgb() != colour.rgb()) continue;
      ++spread.Count;
      sum += QPointF(x, y);
      left = std::min(left, x), right = std::max(right, x);
      top = std::min(top, y), bottom = std::max(bottom, y);
    }
  }
  if (spread.Count == 0) return spread;
  const double ratio = image.devicePixelRatio();
  spread.Bounds = QRectF(QPointF(left, top) / ratio, QPointF(right + 1, bottom + 1) / ratio);
  spread.Centre = sum / spread.Count / ratio;
  return spread;
}

// The image's device pixels above the chart's legend, and those of the legend, for a chart drawn
// over the whole image.
QRectF LegendOf(const TChart& chart, const QImage& image) {
  return chart.LegendArea(image, QRectF(QPointF(0, 0), image.deviceIndependentSize()));
}

QRect AboveLegend(const TChart& chart, const QImage& image) {
  const double top = LegendOf(chart, image).top() * image.devicePixelRatio();
  return QRect(0, 0, image.width(), static_cast<int>(top));
}

QRect LegendPixels(const TChart& chart, const QImage& image) {
  const double ratio = image.devicePixelRatio();
  const QRectF legend = LegendOf(chart, image);
  return QRectF(legend.topLeft() * ratio, legend.size() * ratio).toAlignedRect();
}

// Pixels of text drawn in dark grey on a light ground, antialiased.
int DarkPixels(const QImage& image, const QRect& area) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      const QColor colour = image.pixelColor(x, y);
      if (std::max({colour.red(), colour.green(), colour.blue()}) < 110) ++count;
    }
  }
  return count;
}

// How many separate patches of exactly Colour, of at least MinPixels each, lie in Area.
int Patches(const QImage& image, QColor colour, const QRect& area, int minPixels) {
  std::vector<bool> seen(static_cast<std::size_t>(image.width() * image.height()));
  const auto index = [&image](QPoint p) {
    return static_cast<std::size_t>(p.y() * image.width() + p.x());
  };
  int patches = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (seen[index({x, y})] || image.pixelColor(x, y).rgb() != colour.rgb()) continue;
      int size = 0;
      std::vector<QPoint> open{{x, y}};
      seen[index({x, y})] = true;
      while (!open.empty()) {
        const QPoint p = open.back();
        open.pop_back();
        ++size;
        for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
          const QPoint next = p + step;
          if (!area.contains(next) || seen[index(next)]) continue;
          if (image.pixelColor(next).rgb() != colour.rgb()) continue;
          seen[index(next)] = true;
          open.push_back(next);
        }
      }
      if (size >= minPixels) ++patches;
    }
  }
  return patches;
}

QRect Quarter(const QImage& image, int index) {
  // The panel's right and lower quarters start one pixel on and may reach beyond the image.
  return Quarters(image.rect(), 1)[static_cast<std::size_t>(index)].intersected(image.rect());
}

// The bar chart of one option whose value on A is undefined.
struct TUndefinedBar {
  TChartModel M;
  TModelGraphs Graphs;

  TUndefinedBar() {
    M.Set(0, "1", "", "", "");
    M.ShowOnly({0});
    Graphs.Update(M.Model, {M.A}, -1, {});
  }
};

// One option with an undefined value: a red base bar one value long, a green extension to the
// end of the scale, at 100% and at 200%.
TEST(ChartRendering, UndefinedValueBarSpansTheScale) {
  const TUndefinedBar bar;
  const TModelGraphs& graphs = bar.Graphs;
  for (qreal ratio : {1.0, 2.0}) {
    const QImage image = ChartImage(graphs.Bar(), QSize(400, 260), ratio);
    const QRect plot = AboveLegend(graphs.Bar(), image);
    const TColourSpread base = Spread(image, kRed, plot);
    const TColourSpread extension = Spread(image, kGreen, plot);
    ASSERT_GT(base.Count, 100) << ratio;
    ASSERT_GT(extension.Count, 100) << ratio;
    EXPECT_NEAR(extension.Bounds.left(), base.Bounds.right(), 1.5) << "the bars are stacked";
    EXPECT_NEAR(extension.Bounds.width(), 2 * base.Bounds.width(), 2.0) << "2 values to 1";
    EXPECT_NEAR(extension.Centre.y(), base.Centre.y(), 0.5);
    EXPECT_GT(extension.Bounds.right(), 300) << "the axis ends at the last value";
  }
}

// Segments as long as the probabilities of B's values: 0.25 and 0.75 of one option's bar, which
// is as long as another option's single value.
TEST(ChartRendering, DistributionSegmentsAreAsLongAsTheirWeights) {
  const QColor aqua(0, 255, 255);
  TChartModel m;
  m.B->SetOptionWeighted(0, {"12", {1, 3}});
  m.B->SetOptionWeighted(1, {"3", {5}});
  TGraphSettings settings;
  settings.Distributions = true;
  TModelGraphs graphs;
  m.ShowOnly({0});
  ASSERT_EQ(graphs.Update(m.Model, {m.B}, -1, settings), TGraphKind::Distribution);
  const TChart& chart = graphs.Distribution();
  std::vector<QColor> colours;
  for (const TLegendItem& item : chart.Legend()) colours.push_back(item.Color);
  // Two neighbouring values of one class take two shades.
  EXPECT_EQ(colours, (std::vector<QColor>{kRed, kBlue, aqua, kGreen}));
  QImage image = ChartImage(chart, QSize(400, 260));
  const TColourSpread low = Spread(image, kBlue, AboveLegend(chart, image));
  const TColourSpread medium = Spread(image, aqua, AboveLegend(chart, image));
  ASSERT_GT(low.Count, 50);
  EXPECT_NEAR(medium.Bounds.left(), low.Bounds.right(), 1.5);
  EXPECT_NEAR(medium.Bounds.width(), 3 * low.Bounds.width(), 3.0);
  EXPECT_NEAR(medium.Centre.y(), low.Centre.y(), 0.5);

  m.ShowOnly({1});
  graphs.Update(m.Model, {m.B}, -1, settings);
  image = ChartImage(chart, QSize(400, 260));
  const TColourSpread high = Spread(image, kGreen, AboveLegend(chart, image));
  EXPECT_NEAR(high.Bounds.left(), low.Bounds.left(), 1.5);
  EXPECT_NEAR(high.Bounds.width(), low.Bounds.width() + medium.Bounds.width(), 2.0);
  EXPECT_EQ(Spread(image, aqua, AboveLegend(chart, image)).Count, 0);
}

TEST(ChartRendering, BubblesSitOnTheirValuesAndArrowsJoinCorners) {
  TChartModel m;
  m.Set(0, "0", "0", "0", "");  // red bubble at (1, 1)
  m.Set(1, "2", "2", "3", "");  // green bubble at (3, 4)
  m.Set(2, "1", "0", "3", "");  // blue bubble at (1, 4)
  m.ShowOnly({0, 1, 2});
  TModelGraphs graphs;
  const TGraphSettings unnamed{.NamedOptions = false};
  graphs.Update(m.Model, {m.A, m.B}, -1, unnamed);
  QImage image = ChartImage(graphs.Scatter(), QSize(420, 320));
  const QRect plot = AboveLegend(graphs.Scatter(), image);
  const TColourSpread low = Spread(image, kRed, plot);
  const TColourSpread high = Spread(image, kGreen, plot);
  const TColourSpread corner = Spread(image, kBlue, plot);
  ASSERT_GT(low.Count, 20);
  ASSERT_GT(high.Count, 20);
  ASSERT_GT(corner.Count, 20);
  EXPECT_NEAR(corner.Centre.x(), low.Centre.x(), 1.0);
  EXPECT_NEAR(corner.Centre.y(), high.Centre.y(), 1.0);
  // The bottom axis runs to 4 and the left one to 5: value steps of x 2 and y 3.
  const double stepX = (high.Centre.x() - low.Centre.x()) / 2;
  const double stepY = (low.Centre.y() - high.Centre.y()) / 3;
  EXPECT_GT(stepX, 60);
  EXPECT_GT(stepY, 40);

  m.Set(1, "2", "12", "13", "");  // now a green arrow from (2, 2) to (3, 4)
  graphs.Update(m.Model, {m.A, m.B}, -1, unnamed);
  image = ChartImage(graphs.Scatter(), QSize(420, 320));
  const TColourSpread arrow = Spread(image, kGreen, AboveLegend(graphs.Scatter(), image));
  const QPointF from(low.Centre.x() + stepX, low.Centre.y() - stepY);
  const QPointF to(low.Centre.x() + 2 * stepX, low.Centre.y() - 3 * stepY);
  EXPECT_NEAR(arrow.Bounds.left(), from.x(), 4.0);
  EXPECT_NEAR(arrow.Bounds.bottom(), from.y(), 4.0);
  EXPECT_NEAR(arrow.Bounds.right(), to.x(), 6.0);
  EXPECT_NEAR(arrow.Bounds.top(), to.y(), 6.0);
  const QPoint middle = ((from + to) / 2).toPoint();
  const QColor shaft = image.pixelColor(middle);
  EXPECT_GT(shaft.green() - std::max(shaft.red(), shaft.blue()), 80)
      << "the shaft passes the middle";
}

// Markers of a neutral option are blue: at the ends of the top and bottom spokes, at the centre
// and on the left spoke; none on the right one, whose value is at the centre.
TEST(ChartRendering, RadarPointsLieOnTheirSpokes) {
  TChartModel m;
  TUbicAttribute* d = TChartModel::AddInput(*m.Top, "D", 3);
  m.Set(0, "1", "2", "0", "2");
  d->SetOptionText(0, "12");
  TModelGraphs graphs;
  graphs.Update(m.Model, {m.A, m.B, m.C, d}, 0, {});
  const QImage image = ChartImage(graphs.Radar(), QSize(360, 360));
  const QRect web = AboveLegend(graphs.Radar(), image);
  const TColourSpread markers = Spread(image, kBlue, web);
  ASSERT_GT(markers.Count, 30);
  const QRect upper(0, 0, 360, 130);
  const QRect lower = QRect(0, 220, 360, 140).intersected(web);
  const TColourSpread top = Spread(image, kBlue, upper);
  const TColourSpread bottom = Spread(image, kBlue, lower);
  ASSERT_GT(top.Count, 10);
  ASSERT_GT(bottom.Count, 10);
  EXPECT_NEAR(top.Centre.x(), bottom.Centre.x(), 1.0) << "both on the vertical spoke";
  EXPECT_GT(Spread(image, kBlue, QRect(0, 150, 120, 60)).Count, 10);
  EXPECT_EQ(Spread(image, kBlue, QRect(240, 140, 120, 60)).Count, 0);
  EXPECT_GT(Spread(image, kLowestLine).Count, 50) << "the line of low values, inside the high one";
}

// The scatter's left axis runs over the left attribute's six values, the bottom one over the
// bottom attribute's three: each point sits by its own axis's scale between the plot's edges.
TEST(ChartRendering, EachScatterAxisHasItsAttributesScale) {
  TChartModel m;
  TUbicAttribute* d = TChartModel::AddInput(*m.Top, "D", 6);
  m.Set(0, "0", "0", "", "");  // red bubble at (1, 1)
  m.Set(1, "2", "2", "", "");  // green bubble at (3, 6)
  d->SetOptionText(0, "0");
  d->SetOptionText(1, "5");
  m.ShowOnly({0, 1});
  TModelGraphs graphs;
  graphs.Update(m.Model, {m.A, d}, -1, {.NamedOptions = false});
  const QImage image = ChartImage(graphs.Scatter(), QSize(420, 360));
  const QRect area = AboveLegend(graphs.Scatter(), image);
  const QRectF plot = Spread(image, QColor(248, 248, 250), area).Bounds;
  const TColourSpread low = Spread(image, kRed, area);
  const TColourSpread high = Spread(image, kGreen, area);
  ASSERT_GT(plot.width(), 200);
  ASSERT_GT(low.Count, 20);
  ASSERT_GT(high.Count, 20);
  // Both axes run to one past their last value: 4 across, 7 up.
  const auto x = [&plot](double v) { return plot.left() + v / 4 * plot.width(); };
  const auto y = [&plot](double v) { return plot.bottom() - v / 7 * plot.height(); };
  EXPECT_NEAR(low.Centre.x(), x(1), 2.5);
  EXPECT_NEAR(low.Centre.y(), y(1), 2.5);
  EXPECT_NEAR(high.Centre.x(), x(3), 2.5);
  EXPECT_NEAR(high.Centre.y(), y(6), 2.5);
}

// Each chart tells in its legend what its colours stand for: the value classes of the charted
// attribute for bars, those of the first top-level attribute for the options' marks, and the
// lowest and highest values for the radar's lines.
TEST(ChartRendering, LegendsExplainTheColours) {
  const TUndefinedBar bar;
  const TChart& bars = bar.Graphs.Bar();
  EXPECT_EQ(bars.Legend(), (std::vector<TLegendItem>{{kRed, "A: bad", TLegendMark::Box},
                                                     {kGreen, "A: good", TLegendMark::Box}}));
  for (qreal ratio : {1.0, 2.0}) {
    const QImage image = ChartImage(bars, QSize(400, 260), ratio);
    const QRect legend = LegendPixels(bars, image);
    ASSERT_GT(legend.height(), 8 * ratio);
    EXPECT_GT(legend.top(), 200 * ratio) << "below the bars";
    EXPECT_GT(Spread(image, kRed, legend).Count, 20) << ratio;
    EXPECT_GT(Spread(image, kGreen, legend).Count, 20) << ratio;
    EXPECT_GT(DarkPixels(image, legend), 20) << "the texts";
  }

  TChartModel m;
  m.Set(0, "0", "0", "0", "");
  m.Set(1, "2", "2", "3", "");
  m.Set(2, "1", "0", "3", "");
  m.ShowOnly({0, 1, 2});
  TModelGraphs graphs;
  graphs.Update(m.Model, {m.A, m.B}, -1, {});
  const TChart& scatter = graphs.Scatter();
  ASSERT_EQ(scatter.Legend().size(), 3u);
  EXPECT_EQ(scatter.Legend()[0].Text, "Top: bad");
  EXPECT_EQ(scatter.Legend()[2].Text, "Top: other");
  const QImage scatterImage = ChartImage(scatter, QSize(420, 320));
  for (const QColor& colour : {kRed, kGreen, kBlue}) {
    EXPECT_GT(Spread(scatterImage, colour, LegendPixels(scatter, scatterImage)).Count, 10)
        << colour.name().toStdString();
  }

  // The radar's lines take colours of their own: red and green mean bad and good only.
  for (int option : {0, 1, 2}) {
    graphs.Update(m.Model, {m.A, m.B, m.C}, option, {});
    const TChart& radar = graphs.Radar();
    ASSERT_EQ(radar.Legend().size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
      for (std::size_t j = i + 1; j < 3; ++j) {
        EXPECT_NE(radar.Legend()[i].Color, radar.Legend()[j].Color) << option;
      }
    }
    const QImage radarImage = ChartImage(radar, QSize(360, 360));
    const QRect radarLegend = LegendPixels(radar, radarImage);
    const TColourSpread lowLine = Spread(radarImage, radar.Legend()[0].Color, radarLegend);
    EXPECT_GT(lowLine.Count, 10);
    EXPECT_GT(lowLine.Bounds.width(), 12) << "a line, not a dot";
    EXPECT_GT(Spread(radarImage, radar.Legend()[1].Color, radarLegend).Count, 10);
    EXPECT_GT(Spread(radarImage, radar.Legend()[2].Color, radarLegend).Count, 10);
    if (option == 2) {
      EXPECT_EQ(radar.Legend()[2], (TLegendItem{kBlue, "Top: other", TLegendMark::Dot}));
      EXPECT_EQ(Spread(radarImage, kRed).Count, 0) << "nothing of a neutral option is red";
      EXPECT_EQ(Spread(radarImage, kGreen).Count, 0) << "nothing of a neutral option is green";
    }
  }
  EXPECT_EQ(graphs.Radar().Legend()[2].Text, "Top: other");
  graphs.Update(m.Model, {m.A, m.B, m.C}, 1, {});
  EXPECT_EQ(graphs.Radar().Legend()[2], (TLegendItem{kGreen, "Top: good", TLegendMark::Dot}));
}

// Six spokes whose values all lie at the first value, "far", but one that spans "far" to "near":
// every value keeps a marker of its own on its spoke and one label that covers no other text.
TEST(ChartRendering, RadarLabelsEachValueOnceWithoutOverlap) {
  TChartModel m;
  std::vector<TUbicAttribute*> spokes{m.A, m.B, m.C};
  for (const char* name : {"D", "E", "F"}) spokes.push_back(TChartModel::AddInput(*m.Top, name, 3));
  for (TUbicAttribute* spoke : spokes) {
    TUbicDiscreteScale* scale = spoke->DiscreteScale();
    scale->SetValueName(0, "far");
    scale->SetValueName(1, "near");
    spoke->SetOptionText(0, "0");
  }
  m.Top->SetOptionText(0, "1");
  m.A->SetOptionText(0, "01");
  TModelGraphs graphs;
  graphs.Update(m.Model, {spokes.begin(), spokes.end()}, 0, {});
  const TChart& radar = graphs.Radar();
  for (const QSize size : {QSize(380, 300), QSize(260, 220)}) {
    const QImage image = ChartImage(radar, size);
    const TRadarLabels labels = radar.RadarLabels(image, QRectF(image.rect()));
    ASSERT_EQ(labels.Names.size(), 6u);
    QStringList texts;
    for (const TPlacedLabel& label : labels.Points) texts << label.Text;
    EXPECT_EQ(texts.count("far"), 6) << "the first value of each spoke, once";
    EXPECT_EQ(texts.count("near"), 1);
    std::vector<TPlacedLabel> all = labels.Names;
    all.insert(all.end(), labels.Points.begin(), labels.Points.end());
    for (std::size_t i = 0; i < all.size(); ++i) {
      EXPECT_TRUE(QRectF(image.rect()).contains(all[i].Box)) << all[i].Text.toStdString();
      for (std::size_t j = i + 1; j < all.size(); ++j) {
        EXPECT_FALSE(all[i].Box.intersects(all[j].Box))
            << all[i].Text.toStdString() << " over " << all[j].Text.toStdString();
      }
    }
    for (const TPlacedLabel& label : labels.Points) {
      EXPECT_GT(DarkPixels(image, label.Box.toAlignedRect()), 8) << "drawn where it was placed";
    }
    // The blue markers of the seven values, none hidden under another.
    EXPECT_EQ(Patches(image, kBlue, AboveLegend(radar, image), 5), 7) << size.width();
  }
}

// A value at either end of a spoke is labelled like the values between: the first on the inner
// ring, the last at the rim, each drawn where the chart placed it.
TEST(ChartRendering, RadarLabelsTheEndsOfItsSpokes) {
  TChartModel m;
  m.Set(0, "1", "2", "3", "2");  // every value at the rim
  m.Set(1, "1", "0", "0", "0");  // every value on the inner ring
  m.ShowOnly({0, 1});
  TModelGraphs graphs;
  for (const auto& [option, expected] :
       {std::pair{0, QStringList{"v2", "v3", "v2"}}, {1, QStringList{"v0", "v0", "v0"}}}) {
    graphs.Update(m.Model, {m.A, m.B, m.C}, option, {});
    const QImage image = ChartImage(graphs.Radar(), QSize(360, 360));
    QStringList texts;
    for (const TPlacedLabel& label : graphs.Radar().RadarLabels(image, image.rect()).Points) {
      texts << label.Text;
      EXPECT_GT(DarkPixels(image, label.Box.toAlignedRect()), 8) << option;
    }
    EXPECT_EQ(texts, expected);
  }
}

// An empty graph area carries its reason in its middle, for every reason.
TEST(ChartRendering, AnEmptyGraphAreaShowsItsReason) {
  TChartModel m;
  TUbicModel noOptions;
  const QRect middle(100, 120, 400, 40);
  const auto drawn = [&middle](const TModelGraphs& graphs) {
    QImage image(600, 280, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    graphs.DrawFitted(painter, image.rect(), image.size());
    return DarkPixels(image, middle);
  };
  TModelGraphs graphs;
  graphs.Update(noOptions, {}, -1, {});
  EXPECT_GT(drawn(graphs), 50);
  graphs.Update(m.Model, {}, -1, {});
  EXPECT_GT(drawn(graphs), 50);
  m.ShowOnly({});
  graphs.Update(m.Model, {m.A, m.B, m.C}, -1, {.FourOptions = true});
  EXPECT_GT(drawn(graphs), 50);
}

TEST(ChartRendering, FourRadarsFillTheirQuarters) {
  TChartModel m;
  for (int k = 0; k < 5; ++k) m.Set(k, "1", "1", "2", "0");
  m.ShowOnly({0, 2, 4});
  TModelGraphs graphs;
  graphs.Update(m.Model, {m.A, m.B, m.C}, 0, {.FourOptions = true});
  const QColor background(236, 236, 236);
  const QImage image = FourChartsImage(graphs.FourRadars(), QSize(500, 400), background);
  for (int i = 0; i < 3; ++i) EXPECT_GT(Spread(image, kBlue, Quarter(image, i)).Count, 20) << i;
  const QRect empty = Quarter(image, 3);
  EXPECT_EQ(Spread(image, background, empty).Count, empty.width() * empty.height())
      << "no fourth option: an empty radar on the panel's colour";
}

// Report pages draw the visible graph fitted to the proportions of its control on the page, and
// may record it in a picture first: the replay must look like the chart drawn directly.
TEST(ChartRendering, FittedAndRecordedDrawing) {
  const TUndefinedBar bar;
  const TModelGraphs& graphs = bar.Graphs;
  QImage wide(600, 300, QImage::Format_ARGB32_Premultiplied);
  wide.fill(Qt::white);
  {
    QPainter painter(&wide);
    graphs.DrawFitted(painter, wide.rect(), QSize(150, 150));
  }
  const TColourSpread fitted = Spread(wide, kGreen);
  ASSERT_GT(fitted.Count, 100);
  EXPECT_LT(fitted.Bounds.right(), 300) << "a square control: the right half stays empty";

  QPicture picture;
  {
    QPainter painter(&picture);
    graphs.Bar().Draw(painter, QRectF(0, 0, 400, 260));
  }
  QImage replayed(400, 260, QImage::Format_ARGB32_Premultiplied);
  replayed.fill(Qt::white);
  {
    QPainter painter(&replayed);
    picture.play(&painter);
  }
  const QImage direct = ChartImage(graphs.Bar(), QSize(400, 260));
  for (const QColor& colour : {kRed, kGreen}) {
    const QRectF expected = Spread(direct, colour).Bounds;
    const QRectF actual = Spread(replayed, colour).Bounds;
    EXPECT_NEAR(actual.left(), expected.left(), 1.5);
    EXPECT_NEAR(actual.right(), expected.right(), 1.5);
    EXPECT_NEAR(actual.top(), expected.top(), 1.5);
  }
}

TEST(ChartRendering, CopyingPutsSvgAndImagesOnTheClipboard) {
  TChartModel m;
  TModelGraphs graphs;
  graphs.Update(m.Model, {m.A, m.B, m.C}, 0, {.FourOptions = true});
  graphs.Update(m.Model, {m.A, m.B, m.C}, 0, {});
  CopyChartToClipboard(graphs.Radar(), QSize(300, 200));
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(data, nullptr);
  EXPECT_TRUE(data->data("image/svg+xml").contains("<svg"));
  EXPECT_TRUE(data->data("image/svg+xml").contains(">A<")) << "the spoke's name as text";
  EXPECT_EQ(qvariant_cast<QImage>(data->imageData()).size(), QSize(300, 200));

  CopyFourChartsToClipboard(graphs.FourRadars(), QSize(200, 100), Qt::lightGray, 2.0);
  data = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(data, nullptr);
  EXPECT_FALSE(data->hasFormat("image/svg+xml"));
  EXPECT_EQ(qvariant_cast<QImage>(data->imageData()).size(), QSize(400, 200));
}

}  // namespace
}  // namespace ubic::test
