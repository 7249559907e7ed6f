#include <gtest/gtest.h>

#include "chart_test_model.h"
#include "charts/modelgraphs.h"

namespace ubic::test {
namespace {

const QColor kRed(255, 0, 0);
const QColor kGreen(0, 128, 0);
const QColor kBlue(0, 0, 255);
const QColor kAqua(0, 255, 255);

std::vector<std::optional<int>> Options(std::array<std::optional<int>, 4> chosen) {
  return {chosen.begin(), chosen.end()};
}

TEST(ModelGraphs, ValueRangesAndColours) {
  TChartModel m;
  m.Set(0, "", "*", "13", "2");
  EXPECT_EQ(OptionRange(*m.Top, 0), (TValueRange{0, 2}));
  EXPECT_EQ(OptionRange(*m.A, 0), (TValueRange{0, 2}));
  EXPECT_EQ(OptionRange(*m.B, 0), (TValueRange{1, 3}));
  EXPECT_EQ(OptionRange(*m.C, 0), (TValueRange{2, 2}));
  EXPECT_EQ(OptionRange(*m.C, 4), (TValueRange{0, 2})) << "a missing entry is undefined";
  TUbicAttribute noScale("plain");
  noScale.SetOptionText(0, "12");
  EXPECT_EQ(OptionRange(noScale, 0), (TValueRange{0, 0}));

  EXPECT_EQ(ValueColor(m.A, 0), kRed);
  EXPECT_EQ(ValueColor(m.A, -2), kGreen) << "the class goes by the absolute value";
  EXPECT_EQ(ValueColor(m.A, 1), kBlue);
  EXPECT_EQ(ValueColor(m.A, -1), kAqua);
  EXPECT_EQ(ValueColor(&noScale, -1), kAqua);
  m.A->Scale()->SetOrder(TScaleOrder::None);
  EXPECT_EQ(ValueColor(m.A, 0), kBlue) << "an unordered scale has no bad values";

  // The option colour follows the low value on the first top-level attribute.
  m.Top->SetOptionText(1, "12");
  m.Top->SetOptionText(2, "2");
  EXPECT_EQ(OptionColor(m.Model, 0), kRed);
  EXPECT_EQ(OptionColor(m.Model, 1), kBlue);
  EXPECT_EQ(OptionColor(m.Model, 2), kGreen);
  TUbicModel empty;
  EXPECT_EQ(OptionColor(empty, 0), QColor(128, 128, 128));
}

TEST(ModelGraphs, VisibleGraphFollowsTheNumberOfAttributes) {
  EXPECT_EQ(VisibleGraph(0, true), TGraphKind::None);
  EXPECT_EQ(VisibleGraph(1, true), TGraphKind::Bar);
  EXPECT_EQ(VisibleGraph(2, true), TGraphKind::Scatter);
  EXPECT_EQ(VisibleGraph(3, false), TGraphKind::Radar);
  EXPECT_EQ(VisibleGraph(6, true), TGraphKind::FourRadars);
}

TEST(BarChart, RangesStackABaseBarAndAnExtension) {
  TChartModel m;
  m.Set(0, "", "", "", "");
  m.Set(1, "", "1", "", "");
  m.Set(2, "", "02", "", "");
  m.ShowOnly({0, 1, 2, 4});
  TModelGraphs graphs;
  ASSERT_EQ(graphs.Update(m.Model, {m.A}, -1, {}), TGraphKind::Bar);
  const TChart& chart = graphs.Bar();
  const auto& base = chart.Series(0).Points();
  const auto& extension = chart.Series(1).Points();
  ASSERT_EQ(base.size(), 4u) << "hidden options are left out";
  // An undefined value spans the whole scale: base 1 in the first value's colour, then 2 more.
  EXPECT_EQ(base[0].Value.x(), 1);
  EXPECT_EQ(base[0].Color, kRed);
  EXPECT_EQ(extension[0].Value.x(), 2);
  EXPECT_EQ(extension[0].Color, kGreen);
  EXPECT_EQ(base[1].Value.x(), 2);
  EXPECT_EQ(extension[1].Value.x(), 0);
  EXPECT_EQ(extension[1].Color, kAqua) << "the extension takes the colour of -high";
  EXPECT_EQ(base[2].Value.x(), 1);
  EXPECT_EQ(extension[2].Value.x(), 2);
  EXPECT_EQ(base[3].Label, "o5");
  EXPECT_EQ(extension[3].Label, "o5");
  EXPECT_FALSE(chart.BottomAxis().Automatic);
  EXPECT_EQ(chart.BottomAxis().Maximum, 3);
  EXPECT_EQ(chart.BottomAxis().Title, "A");
  // The legend names the colours the bars show; the aqua extension has no length.
  EXPECT_EQ(chart.Legend(), (std::vector<TLegendItem>{{kRed, "A: bad", TLegendMark::Box},
                                                      {kGreen, "A: good", TLegendMark::Box},
                                                      {kBlue, "A: other", TLegendMark::Box}}));

  graphs.Update(m.Model, {m.A}, -1, {.NamedValues = true, .NamedOptions = false});
  EXPECT_EQ(graphs.Bar().Series(0).Points()[0].Label, " ");
  m.ShowOnly({});
  graphs.Update(m.Model, {m.A}, -1, {});
  EXPECT_TRUE(graphs.Bar().Series(0).IsEmpty());
  EXPECT_TRUE(graphs.Bar().Series(1).IsEmpty());
  EXPECT_TRUE(graphs.Bar().Legend().empty());
}

TEST(ScatterChart, SingleValuesMakeBubblesAndValueSetsArrows) {
  TChartModel m;
  m.Set(0, "2", "1", "3", "");
  m.Set(1, "", "12", "0", "");
  m.Set(2, "1", "0", "", "");
  m.ShowOnly({0, 1, 2});
  TModelGraphs graphs;
  ASSERT_EQ(graphs.Update(m.Model, {m.A, m.B}, -1, {}), TGraphKind::Scatter);
  const TChart& chart = graphs.Scatter();
  const auto& bubbles = chart.Series(0).Points();
  const auto& arrows = chart.Series(1).Points();
  ASSERT_EQ(bubbles.size(), 1u);
  EXPECT_EQ(bubbles[0].Value, QPointF(2, 4));
  EXPECT_EQ(bubbles[0].Radius, 0.05);
  EXPECT_EQ(bubbles[0].Color, kGreen) << "the option's colour";
  EXPECT_EQ(bubbles[0].Label, "o1");
  ASSERT_EQ(arrows.size(), 2u);
  EXPECT_EQ(arrows[0].Value, QPointF(2, 1));
  EXPECT_EQ(arrows[0].End, QPointF(3, 1));
  EXPECT_EQ(arrows[0].Color, kRed);
  EXPECT_EQ(arrows[1].Value, QPointF(1, 1)) << "an undefined value spans the whole axis";
  EXPECT_EQ(arrows[1].End, QPointF(1, 4));
  EXPECT_EQ(chart.BottomAxis().Maximum, 4);
  EXPECT_EQ(chart.LeftAxis().Maximum, 5);
  EXPECT_EQ(chart.LeftAxis().Title, "B");

  m.ShowOnly({});
  graphs.Update(m.Model, {m.A, m.B}, -1, {});
  EXPECT_TRUE(graphs.Scatter().Series(0).IsEmpty());
  EXPECT_TRUE(graphs.Scatter().Series(1).IsEmpty());
}

TEST(ModelGraphs, AxisLabelsShowValueNamesOrNumbers) {
  TChartModel m;
  TModelGraphs graphs;
  graphs.Update(m.Model, {m.A}, -1, {});
  const auto& bar = graphs.Bar().BottomAxis().LabelText;
  EXPECT_EQ(bar(0), "");
  EXPECT_EQ(bar(1), "v0");
  EXPECT_EQ(bar(3), "v2");
  EXPECT_EQ(bar(1.5), "1.5") << "a label that is no value stays a number";
  graphs.Update(m.Model, {m.A, m.B}, -1, {});
  const auto& left = graphs.Scatter().LeftAxis().LabelText;
  EXPECT_EQ(left(0), " ");
  EXPECT_EQ(left(4), "v3");
  EXPECT_EQ(left(5), " ");
  graphs.Update(m.Model, {m.A, m.B}, -1, {.NamedValues = false});
  EXPECT_EQ(graphs.Scatter().LeftAxis().LabelText(4), "4");
  EXPECT_EQ(graphs.Scatter().LeftAxis().LabelText(5), " ");

  TUbicAttribute noScale("plain");
  EXPECT_EQ(AxisLabel(noScale, 2, true, TAxisUse::Scatter), "2");
  EXPECT_EQ(AxisLabel(noScale, 0, true, TAxisUse::Bar), "");
}

TEST(RadarChart, PointsLabelsAndTitle) {
  TChartModel m;
  m.Set(0, "1", "0", "13", "");
  TModelGraphs graphs;
  ASSERT_EQ(graphs.Update(m.Model, {m.A, m.B, m.C}, 0, {}), TGraphKind::Radar);
  const TChart& radar = graphs.Radar();
  EXPECT_EQ(radar.Title(), "o1");
  const auto& names = radar.Series(0).Points();
  const auto& low = radar.Series(1).Points();
  const auto& high = radar.Series(2).Points();
  ASSERT_EQ(names.size(), 3u);
  EXPECT_EQ(names[1].Label, "B");
  EXPECT_EQ(names[1].Value.x(), 0);
  // A: value 1 of 3 sits at the centre, named like any other.
  EXPECT_EQ(low[0].Value.x(), 0);
  EXPECT_EQ(low[0].Label, "v0");
  // B: values 2 and 4 of 4; the last one at the rim is named too.
  EXPECT_DOUBLE_EQ(low[1].Value.x(), 1.0 / 3);
  EXPECT_EQ(low[1].Label, "v1");
  EXPECT_DOUBLE_EQ(high[1].Value.x(), 1);
  EXPECT_EQ(high[1].Label, "v3");
  // C undefined: from the centre to the end.
  EXPECT_EQ(low[2].Value.x(), 0);
  EXPECT_EQ(high[2].Value.x(), 1);
  EXPECT_EQ(high[2].Color, kBlue) << "the option colour";

  graphs.Update(m.Model, {m.A, m.B, m.C}, 0, {.NamedValues = false, .NamedOptions = false});
  EXPECT_EQ(graphs.Radar().Title(), "");
  EXPECT_EQ(graphs.Radar().Series(1).Points()[1].Label, "2");

  TUbicAttribute oneValue("single");
  oneValue.SetScale(MakeScale(1));
  EXPECT_EQ(RadarPosition(oneValue, 1), 0);
  EXPECT_EQ(RadarPointLabel(oneValue, 1, true), " ");
}

// The graph area names the first thing missing: options in the model, chosen attributes, or
// options that are shown.
TEST(ModelGraphs, AnEmptyGraphSaysWhy) {
  TChartModel m;
  TUbicModel noOptions;
  EXPECT_EQ(EmptyGraphReason(noOptions, 0), TEmptyGraph::NoOptions);
  EXPECT_EQ(EmptyGraphReason(noOptions, 2), TEmptyGraph::NoOptions);
  EXPECT_EQ(EmptyGraphReason(m.Model, 0), TEmptyGraph::NoAttributes);
  EXPECT_EQ(EmptyGraphReason(m.Model, 3), TEmptyGraph::None);
  m.ShowOnly({});
  EXPECT_EQ(EmptyGraphReason(m.Model, 0), TEmptyGraph::NoAttributes);
  EXPECT_EQ(EmptyGraphReason(m.Model, 1), TEmptyGraph::AllOptionsHidden);
  m.ShowOnly({4});
  EXPECT_EQ(EmptyGraphReason(m.Model, 1), TEmptyGraph::None);

  // Each reason has its own words, and the graphs keep the reason of their last update.
  const TEmptyGraph reasons[] = {TEmptyGraph::NoOptions, TEmptyGraph::NoAttributes,
                                 TEmptyGraph::AllOptionsHidden};
  for (const TEmptyGraph reason : reasons) {
    EXPECT_TRUE(EmptyGraphText(reason).startsWith("No graph: "));
    for (const TEmptyGraph other : reasons) {
      if (other != reason) {
        EXPECT_NE(EmptyGraphText(reason), EmptyGraphText(other));
      }
    }
  }
  EXPECT_TRUE(EmptyGraphText(TEmptyGraph::AllOptionsHidden).contains("hidden"));
  TModelGraphs graphs;
  graphs.Update(m.Model, {m.A}, -1, {});
  EXPECT_EQ(graphs.Empty(), TEmptyGraph::None);
  m.ShowOnly({});
  graphs.Update(m.Model, {m.A, m.B}, -1, {});
  EXPECT_EQ(graphs.Empty(), TEmptyGraph::AllOptionsHidden);
}

TEST(RadarChart, OptionChoice) {
  TChartModel m;
  m.ShowOnly({1, 3});
  EXPECT_EQ(RadarOption(m.Model, -1), 1);
  EXPECT_EQ(RadarOption(m.Model, 2), 3) << "the next shown option";
  EXPECT_EQ(RadarOption(m.Model, 4), 1) << "none after: the first shown";
  m.ShowOnly({});
  EXPECT_EQ(RadarOption(m.Model, 0), std::nullopt);
  TModelGraphs graphs;
  graphs.Update(m.Model, {m.A, m.B, m.C}, 0, {});
  EXPECT_EQ(graphs.Radar().Title(), "");
  EXPECT_TRUE(graphs.Radar().Series(0).IsEmpty()) << "the radar stays empty";
}

TEST(RadarChart, FourOptionsGoForwardThenBackward) {
  TChartModel m;
  using V = std::vector<std::optional<int>>;
  EXPECT_EQ(Options(FourRadarOptions(m.Model, 2)), (V{1, 2, 3, 4}));
  EXPECT_EQ(Options(FourRadarOptions(m.Model, 0)), (V{0, 1, 2, 3}));
  EXPECT_EQ(Options(FourRadarOptions(m.Model, -1)), (V{0, 1, 2, 3}));
  EXPECT_EQ(Options(FourRadarOptions(m.Model, 4)), (V{1, 2, 3, 4}));
  m.ShowOnly({0, 2, 4});
  EXPECT_EQ(Options(FourRadarOptions(m.Model, 3)), (V{0, 2, 4, std::nullopt}));
  m.ShowOnly({});
  EXPECT_EQ(Options(FourRadarOptions(m.Model, 1)), (V(4, std::nullopt)));

  m.ShowOnly({0, 1, 2, 3, 4});
  TModelGraphs graphs;
  ASSERT_EQ(graphs.Update(m.Model, {m.A, m.B, m.C}, 2, {.FourOptions = true}),
            TGraphKind::FourRadars);
  EXPECT_EQ(graphs.FourRadar(0).Title(), "o2");
  EXPECT_EQ(graphs.FourRadar(3).Title(), "o5");
}

TEST(ModelGraphs, FittingAndQuarters) {
  // A wide rectangle for a square control loses its right part, a tall one its bottom.
  EXPECT_EQ(FitToProportions(QRect(10, 20, 400, 200), QSize(100, 100)), QRect(10, 20, 200, 200));
  EXPECT_EQ(FitToProportions(QRect(0, 0, 300, 500), QSize(300, 200)), QRect(0, 0, 300, 200));
  EXPECT_EQ(FitToProportions(QRect(0, 0, 300, 500), QSize(0, 0)), QRect(0, 0, 300, 300));
  const auto panel = Quarters(QRect(0, 0, 201, 101), 1);
  EXPECT_EQ(panel[0], QRect(0, 0, 100, 50));
  EXPECT_EQ(panel[3], QRect(101, 51, 100, 50));
  EXPECT_EQ(Quarters(QRect(10, 10, 200, 100), 0)[1], QRect(110, 10, 100, 50));
}

}  // namespace
}  // namespace ubic::test
