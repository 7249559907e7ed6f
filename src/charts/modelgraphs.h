#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "chart.h"
#include "chartexport.h"

class QPainter;

namespace ubic {

class TUbicAttribute;
class TUbicModel;

// The value range of an option on an attribute, as value indices from 0.
struct TValueRange {
  int Low = 0;
  int High = 0;
  bool operator==(const TValueRange&) const = default;
};

TValueRange OptionRange(const TUbicAttribute& attribute, int option);
// Bad values red, good ones green, others blue, or aqua when V is negative (the second shade).
QColor ValueColor(const TUbicAttribute* attribute, int v);
// The colour of the option's low value on the first top-level attribute; grey without one.
QColor OptionColor(const TUbicModel& model, int option);

// Where a 1-based value V sits on a radar spoke, from 0 (centre) to 1.
double RadarPosition(const TUbicAttribute& attribute, int v);
// The text by a radar point: the value's name or number, blank on a scale of fewer than two.
QString RadarPointLabel(const TUbicAttribute& attribute, int v, bool namedValues);

enum class TAxisUse { Bar, Scatter };
// The label of a tick at V of an axis that shows Attribute's values.
QString AxisLabel(const TUbicAttribute& attribute, double v, bool namedValues, TAxisUse use);

struct TGraphSettings {
  bool NamedValues = true;
  bool NamedOptions = true;
  bool FourOptions = false;
  // One attribute shows as each option's distribution over its values rather than as its range.
  bool Distributions = false;
};

enum class TGraphKind { None, Bar, Scatter, Radar, FourRadars, Distribution };
TGraphKind VisibleGraph(int attributeCount, bool fourOptions);

// Why the graph area has nothing to draw; None when it has a graph.
enum class TEmptyGraph { None, NoOptions, NoAttributes, AllOptionsHidden };
TEmptyGraph EmptyGraphReason(const TUbicModel& model, int attributeCount);
// What the empty graph area says to the user.
QString EmptyGraphText(TEmptyGraph reason);
// The text centred in Rect.
void DrawEmptyGraph(QPainter& painter, const QRect& rect, TEmptyGraph reason);

// The option of the single radar: the first shown option at or after the highlighted line
// (-1: none highlighted), else the first shown option.
std::optional<int> RadarOption(const TUbicModel& model, int highlighted);
// Up to four shown options from the highlighted line forward, then backward, then none.
std::array<std::optional<int>, 4> FourRadarOptions(const TUbicModel& model, int highlighted);

// The charts of a model's Graphs page. Update fills the one that the chosen attributes make
// visible; the page shows it and the report's graph section draws it.
class TModelGraphs {
 public:
  TModelGraphs();

  TGraphKind Update(const TUbicModel& model, const std::vector<const TUbicAttribute*>& attributes,
                    int highlighted, const TGraphSettings& settings);
  TGraphKind Visible() const { return FVisible; }
  TEmptyGraph Empty() const { return FEmpty; }

  const TChart& Bar() const { return FBar; }
  const TChart& Distribution() const { return FDistribution; }
  const TChart& Scatter() const { return FScatter; }
  const TChart& Radar() const { return FRadar; }
  const TChart& FourRadar(int index) const { return FFour.at(static_cast<std::size_t>(index)); }
  TFourCharts FourRadars() const;

  // The visible graph drawn into Rect, fitted to the proportions of the control that shows it on
  // the page; four radars go into the quarters. With nothing to draw, why not, centred in Rect.
  void DrawFitted(QPainter& painter, const QRect& rect, QSize control) const;

  void FillBar(const TUbicModel& model, const TUbicAttribute& attribute,
               const TGraphSettings& settings);
  // A bar per option split into its values' probabilities ("prob" method), in scale order.
  void FillDistribution(const TUbicModel& model, const TUbicAttribute& attribute,
                        const TGraphSettings& settings);
  void FillScatter(const TUbicModel& model, const TUbicAttribute& bottom,
                   const TUbicAttribute& left, const TGraphSettings& settings);
  static void FillRadar(TChart& chart, const TUbicModel& model,
                        const std::vector<const TUbicAttribute*>& attributes,
                        std::optional<int> option, const TGraphSettings& settings);

 private:
  TChart FBar{TChartKind::Cartesian};
  TChart FDistribution{TChartKind::Cartesian};
  TChart FScatter{TChartKind::Cartesian};
  TChart FRadar{TChartKind::Radar};
  std::array<TChart, 4> FFour{TChart(TChartKind::Radar), TChart(TChartKind::Radar),
                              TChart(TChartKind::Radar), TChart(TChartKind::Radar)};
  TGraphKind FVisible = TGraphKind::None;
  TEmptyGraph FEmpty = TEmptyGraph::NoAttributes;
};

}  // namespace ubic
