#include "modelgraphs.h"

#include <QObject>
#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "foundation/cp1250.h"
#include "model/distributionevaluator.h"
#include "model/model.h"

namespace ubic {
namespace {

// Series of the charts, in the order they are added.
enum TBarSeries { kBaseBars, kExtensionBars };
enum TScatterSeries { kBubbles, kArrows };
enum TRadarSeries { kRadarNames, kLowValues, kHighValues };

const QColor kRed(255, 0, 0);
const QColor kGreen(0, 128, 0);
const QColor kBlue(0, 0, 255);
const QColor kAqua(0, 255, 255);
const QColor kGrey(128, 128, 128);
// The radar's lines take colours that no value class uses, so that every colour of its legend
// means one thing: red stays "bad" and green "good".
const QColor kLowestLine(230, 130, 0);
const QColor kHighestLine(120, 50, 170);

QString ModelText(const std::string& text) {
  return QString::fromStdString(Cp1250ToUtf8(text));
}

QString OptionLabel(const TUbicModel& model, int option, const TGraphSettings& settings) {
  return settings.NamedOptions ? ModelText(model.Options().Get(option)) : QStringLiteral(" ");
}

int ValueCount(const TUbicAttribute& attribute) {
  const TUbicScale* scale = attribute.Scale();
  return scale != nullptr ? scale->Count() : 0;
}

// What an axis needs of its attribute, copied so that a chart never points into the model.
struct TScaleValues {
  bool HasScale = false;
  QStringList Names;

  explicit TScaleValues(const TUbicAttribute& attribute) : HasScale(attribute.Scale() != nullptr) {
    if (const TUbicDiscreteScale* scale = attribute.DiscreteScale()) {
      for (int i = 0; i < scale->Count(); ++i) Names << ModelText(scale->ValueName(i));
    }
  }
  int Count() const { return static_cast<int>(Names.size()); }

  // The name of the 1-based value V, or its number.
  QString Text(int v, bool namedValues) const {
    if (namedValues && v >= 1 && v <= Count()) return Names[v - 1];
    return QString::number(v);
  }

  QString AxisLabel(double v, bool namedValues, TAxisUse use) const {
    if (v != std::floor(v) || std::abs(v) > 1e9) return QString::number(v, 'g', 6);
    const int value = static_cast<int>(v);
    if (use == TAxisUse::Bar) return value == 0 ? QString() : Text(value, namedValues);
    if (value == 0 || (HasScale && value > Count())) return QStringLiteral(" ");
    return Text(value, namedValues);
  }
};

void SetValueAxis(TChartAxis& axis, const TUbicAttribute& attribute, int extra, TAxisUse use,
                  const TGraphSettings& settings) {
  axis.Title = ModelText(attribute.GetName());
  if (attribute.Scale() != nullptr) {
    axis.SetFixedMaximum(ValueCount(attribute) + extra);
  } else {
    axis.Automatic = true;
  }
  axis.LabelText = [values = TScaleValues(attribute), named = settings.NamedValues, use](double v) {
    return values.AxisLabel(v, named, use);
  };
}

std::vector<int> ShownOptions(const TUbicModel& model) {
  std::vector<int> shown;
  for (int k = 0; k < model.OptionCount(); ++k) {
    if (model.OptionSelected(k)) shown.push_back(k);
  }
  return shown;
}

// What a mark's colour says of a value (ValueColor): its class.
QString ValueClass(const QColor& colour) {
  if (colour == kRed) return QObject::tr("bad");
  if (colour == kGreen) return QObject::tr("good");
  if (colour == kAqua) return QObject::tr("other, top of a range");
  if (colour == kGrey) return QObject::tr("not evaluated");
  return QObject::tr("other");
}

// The legend entry of a colour that Attribute's value classes give the marks.
TLegendItem ClassItem(const QString& attribute, const QColor& colour, TLegendMark mark) {
  return {colour, attribute + ": " + ValueClass(colour), mark};
}

// Whether the mark is drawn in Colour: a bar of no length is not drawn at all.
bool ShowsColour(const TChartSeries& series, const TChartPoint& point, const QColor& colour) {
  return point.Color == colour &&
         (series.Kind() != TSeriesKind::HorizontalBar || point.Value.x() > 0);
}

// One entry for each colour the marks of Chart's Series show, bad first, then good, then others.
std::vector<TLegendItem> MarkLegend(const TChart& chart, std::initializer_list<int> series,
                                    const QString& attribute, TLegendMark mark) {
  std::vector<TLegendItem> legend;
  for (const QColor& colour : {kRed, kGreen, kBlue, kAqua, kGrey}) {
    const bool used = std::any_of(series.begin(), series.end(), [&](int s) {
      const TChartSeries& shown = chart.Series(s);
      return std::any_of(shown.Points().begin(), shown.Points().end(),
                         [&](const TChartPoint& p) { return ShowsColour(shown, p, colour); });
    });
    if (used) legend.push_back(ClassItem(attribute, colour, mark));
  }
  return legend;
}

// The name of the attribute whose values colour the options.
QString OptionColourSource(const TUbicModel& model) {
  const TUbicAttribute* top = model.FirstAttribute();
  return top != nullptr ? ModelText(top->GetName()) : QString();
}

}  // namespace

TValueRange OptionRange(const TUbicAttribute& attribute, int option) {
  if (attribute.Scale() == nullptr) return {0, 0};
  const std::string text = attribute.OptionText(option);
  if (text.empty() || text == "*") return {0, ValueCount(attribute) - 1};
  const auto [low, high] = std::minmax_element(text.begin(), text.end());
  return {*low - '0', *high - '0'};
}

QColor ValueColor(const TUbicAttribute* attribute, int v) {
  const TUbicScale* scale = attribute != nullptr ? attribute->Scale() : nullptr;
  if (scale != nullptr && scale->IsBad(std::abs(v))) return kRed;
  if (scale != nullptr && scale->IsGood(std::abs(v))) return kGreen;
  return v >= 0 ? kBlue : kAqua;
}

QColor OptionColor(const TUbicModel& model, int option) {
  const TUbicAttribute* top = model.FirstAttribute();
  if (top == nullptr) return kGrey;
  return ValueColor(top, OptionRange(*top, option).Low);
}

double RadarPosition(const TUbicAttribute& attribute, int v) {
  const int count = ValueCount(attribute);
  return count < 2 ? 0.0 : static_cast<double>(v - 1) / (count - 1);
}

QString RadarPointLabel(const TUbicAttribute& attribute, int v, bool namedValues) {
  const int count = ValueCount(attribute);
  if (count > 1 && v >= 1 && v <= count) return TScaleValues(attribute).Text(v, namedValues);
  return QStringLiteral(" ");
}

QString AxisLabel(const TUbicAttribute& attribute, double v, bool namedValues, TAxisUse use) {
  return TScaleValues(attribute).AxisLabel(v, namedValues, use);
}

TGraphKind VisibleGraph(int attributeCount, bool fourOptions) {
  if (attributeCount <= 0) return TGraphKind::None;
  if (attributeCount == 1) return TGraphKind::Bar;
  if (attributeCount == 2) return TGraphKind::Scatter;
  return fourOptions ? TGraphKind::FourRadars : TGraphKind::Radar;
}

TEmptyGraph EmptyGraphReason(const TUbicModel& model, int attributeCount) {
  if (model.OptionCount() == 0) return TEmptyGraph::NoOptions;
  if (attributeCount <= 0) return TEmptyGraph::NoAttributes;
  if (ShownOptions(model).empty()) return TEmptyGraph::AllOptionsHidden;
  return TEmptyGraph::None;
}

QString EmptyGraphText(TEmptyGraph reason) {
  switch (reason) {
    case TEmptyGraph::NoOptions:
      return QObject::tr("No graph: the model has no options");
    case TEmptyGraph::NoAttributes:
      return QObject::tr("No graph: tick attributes on the Graphs page's Attributes tab");
    case TEmptyGraph::AllOptionsHidden:
      return QObject::tr(
          "No graph: all options are hidden; tick some on the Graphs page's Options tab");
    case TEmptyGraph::None:
      break;
  }
  return {};
}

void DrawEmptyGraph(QPainter& painter, const QRect& rect, TEmptyGraph reason) {
  painter.save();
  painter.setPen(QColor(20, 20, 20));
  painter.drawText(rect, Qt::AlignCenter | Qt::TextWordWrap, EmptyGraphText(reason));
  painter.restore();
}

std::optional<int> RadarOption(const TUbicModel& model, int highlighted) {
  const std::vector<int> shown = ShownOptions(model);
  if (shown.empty()) return std::nullopt;
  const auto atOrAfter = std::lower_bound(shown.begin(), shown.end(), highlighted);
  return atOrAfter != shown.end() ? *atOrAfter : shown.front();
}

std::array<std::optional<int>, 4> FourRadarOptions(const TUbicModel& model, int highlighted) {
  const std::vector<int> shown = ShownOptions(model);
  const int start = std::max(highlighted, 0);
  const auto split = std::lower_bound(shown.begin(), shown.end(), start);
  std::vector<int> chosen(split, std::min(split + 4, shown.end()));
  for (auto before = split; before != shown.begin() && chosen.size() < 4;) {
    --before;
    chosen.insert(chosen.begin(), *before);
  }
  std::array<std::optional<int>, 4> options;
  std::copy(chosen.begin(), chosen.end(), options.begin());
  return options;
}

TModelGraphs::TModelGraphs() {
  FBar.AddSeries(TSeriesKind::HorizontalBar, kRed);
  FBar.AddSeries(TSeriesKind::HorizontalBar, kGreen);
  FScatter.AddSeries(TSeriesKind::Bubble, kBlue);
  FScatter.AddSeries(TSeriesKind::Arrow, kBlue);
  for (TChart* radar : {&FRadar, &FFour[0], &FFour[1], &FFour[2], &FFour[3]}) {
    radar->AddSeries(TSeriesKind::RadarBackground, kGrey);
    radar->AddSeries(TSeriesKind::RadarLine, kLowestLine);
    radar->AddSeries(TSeriesKind::RadarLine, kHighestLine);
  }
}

TGraphKind TModelGraphs::Update(const TUbicModel& model,
                                const std::vector<const TUbicAttribute*>& attributes,
                                int highlighted, const TGraphSettings& settings) {
  FVisible = VisibleGraph(static_cast<int>(attributes.size()), settings.FourOptions);
  if (FVisible == TGraphKind::Bar && settings.Distributions) FVisible = TGraphKind::Distribution;
  FEmpty = EmptyGraphReason(model, static_cast<int>(attributes.size()));
  switch (FVisible) {
    case TGraphKind::Distribution:
      FillDistribution(model, *attributes[0], settings);
      break;
    case TGraphKind::Bar:
      FillBar(model, *attributes[0], settings);
      break;
    case TGraphKind::Scatter:
      FillScatter(model, *attributes[0], *attributes[1], settings);
      break;
    case TGraphKind::Radar:
      FillRadar(FRadar, model, attributes, RadarOption(model, highlighted), settings);
      break;
    case TGraphKind::FourRadars: {
      const auto options = FourRadarOptions(model, highlighted);
      for (std::size_t i = 0; i < FFour.size(); ++i) {
        FillRadar(FFour[i], model, attributes, options[i], settings);
      }
      break;
    }
    case TGraphKind::None:
      break;
  }
  return FVisible;
}

TFourCharts TModelGraphs::FourRadars() const {
  return {&FFour[0], &FFour[1], &FFour[2], &FFour[3]};
}

void TModelGraphs::DrawFitted(QPainter& painter, const QRect& rect, QSize control) const {
  if (FEmpty != TEmptyGraph::None) {
    DrawEmptyGraph(painter, rect, FEmpty);
    return;
  }
  const QRect fitted = FitToProportions(rect, control);
  switch (FVisible) {
    case TGraphKind::Bar:
      FBar.Draw(painter, fitted);
      break;
    case TGraphKind::Distribution:
      FDistribution.Draw(painter, fitted);
      break;
    case TGraphKind::Scatter:
      FScatter.Draw(painter, fitted);
      break;
    case TGraphKind::Radar:
      FRadar.Draw(painter, fitted);
      break;
    case TGraphKind::FourRadars:
      DrawFourCharts(painter, fitted, FourRadars(), 0);
      break;
    case TGraphKind::None:
      break;
  }
}

// A range shows as a base bar up to the low value and an extension up to the high one.
void TModelGraphs::FillBar(const TUbicModel& model, const TUbicAttribute& attribute,
                           const TGraphSettings& settings) {
  FBar.Clear();
  SetValueAxis(FBar.BottomAxis(), attribute, 0, TAxisUse::Bar, settings);
  FBar.LeftAxis() = TChartAxis();
  for (int k : ShownOptions(model)) {
    const TValueRange range = OptionRange(attribute, k);
    const QString label = OptionLabel(model, k, settings);
    FBar.Series(kBaseBars).AddBar(range.Low + 1, label, ValueColor(&attribute, range.Low));
    FBar.Series(kExtensionBars)
        .AddBar(range.High - range.Low, label, ValueColor(&attribute, -range.High));
  }
  FBar.SetLegend(MarkLegend(FBar, {kBaseBars, kExtensionBars}, ModelText(attribute.GetName()),
                            TLegendMark::Box));
}

// Segment V of every bar is the probability of value V: the segments of an option fill its bar
// to 1. Neighbouring values of one class take two shades of its colour, so that every segment
// stands apart and the legend names each value.
void TModelGraphs::FillDistribution(const TUbicModel& model, const TUbicAttribute& attribute,
                                    const TGraphSettings& settings) {
  FDistribution = TChart(TChartKind::Cartesian);
  FDistribution.BottomAxis().Title = QObject::tr("Probability");
  TDistributionEvaluator evaluator(*model.Root(), TEvaluationMethod::Prob);
  const auto& evaluated = evaluator.Attributes();
  const auto found = std::find(evaluated.begin(), evaluated.end(), &attribute);
  if (found == evaluated.end()) return;
  const auto index = static_cast<std::size_t>(found - evaluated.begin());
  const int count = ValueCount(attribute);
  const TScaleValues values(attribute);
  const QString name = ModelText(attribute.GetName());
  std::vector<TLegendItem> legend;
  QColor previous;
  bool shaded = false;
  for (int v = 0; v < count; ++v) {
    QColor colour = ValueColor(&attribute, v);
    shaded = colour == previous && !shaded;
    previous = colour;
    if (shaded) colour = colour == kBlue ? kAqua : colour.lighter(150);
    FDistribution.AddSeries(TSeriesKind::HorizontalBar, colour);
    legend.push_back({colour, name + ": " + values.Text(v + 1, settings.NamedValues)});
  }
  for (int k : ShownOptions(model)) {
    evaluator.Evaluate(k);
    const auto weights = evaluator.Weights(index);
    const QString label = OptionLabel(model, k, settings);
    for (int v = 0; v < count; ++v) {
      FDistribution.Series(v).AddBar(weights[static_cast<std::size_t>(v)], label,
                                     FDistribution.Series(v).Color());
    }
  }
  FDistribution.SetLegend(std::move(legend));
}

// Options with a single value on both attributes are bubbles; a value set makes an arrow from
// the low corner to the high corner.
void TModelGraphs::FillScatter(const TUbicModel& model, const TUbicAttribute& bottom,
                               const TUbicAttribute& left, const TGraphSettings& settings) {
  FScatter.Clear();
  SetValueAxis(FScatter.BottomAxis(), bottom, 1, TAxisUse::Scatter, settings);
  SetValueAxis(FScatter.LeftAxis(), left, 1, TAxisUse::Scatter, settings);
  for (int k : ShownOptions(model)) {
    const TValueRange x = OptionRange(bottom, k);
    const TValueRange y = OptionRange(left, k);
    const QPointF low(x.Low + 1, y.Low + 1);
    const QPointF high(x.High + 1, y.High + 1);
    const QString label = OptionLabel(model, k, settings);
    if (x.Low == x.High && y.Low == y.High) {
      FScatter.Series(kBubbles).AddBubble(low, 0.05, label, OptionColor(model, k));
    } else {
      FScatter.Series(kArrows).AddArrow(low, high, label, OptionColor(model, k));
    }
  }
  FScatter.SetLegend(
      MarkLegend(FScatter, {kBubbles, kArrows}, OptionColourSource(model), TLegendMark::Dot));
}

void TModelGraphs::FillRadar(TChart& chart, const TUbicModel& model,
                             const std::vector<const TUbicAttribute*>& attributes,
                             std::optional<int> option, const TGraphSettings& settings) {
  chart.Clear();
  if (!option) return;
  if (settings.NamedOptions) chart.SetTitle(ModelText(model.Options().Get(*option)));
  const QColor color = OptionColor(model, *option);
  for (const TUbicAttribute* attribute : attributes) {
    const TValueRange range = OptionRange(*attribute, *option);
    chart.Series(kRadarNames).AddRadar(0, ModelText(attribute->GetName()), kGrey);
    for (auto [series, v] : {std::pair{kLowValues, range.Low + 1}, {kHighValues, range.High + 1}}) {
      chart.Series(series).AddRadar(RadarPosition(*attribute, v),
                                    RadarPointLabel(*attribute, v, settings.NamedValues), color);
    }
  }
  chart.SetLegend({{kLowestLine, QObject::tr("Lowest values"), TLegendMark::Line},
                   {kHighestLine, QObject::tr("Highest values"), TLegendMark::Line},
                   ClassItem(OptionColourSource(model), color, TLegendMark::Dot)});
}

}  // namespace ubic
