#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "bench_models.h"
#include "charts/modelgraphs.h"

namespace ubic::bench {
namespace {

// Six attributes of five values below a top attribute, and 50 options with values and sets.
struct TRadarModel {
  TUbicModel Model;
  std::vector<const TUbicAttribute*> Chosen;

  TRadarModel() {
    auto top = MakeAttribute("Top", 5);
    for (int i = 0; i < 6; ++i) {
      auto input = MakeAttribute("Attribute " + std::to_string(i + 1), 5);
      Chosen.push_back(input.get());
      top->AddInput(std::move(input));
    }
    Model.Root()->AddInput(std::move(top));
    for (int k = 0; k < 50; ++k) {
      Model.AddOption("Option " + std::to_string(k + 1));
      for (std::size_t i = 0; i < Chosen.size(); ++i) {
        const char low = static_cast<char>('0' + (k + static_cast<int>(i)) % 5);
        const std::string text = k % 3 == 0 ? std::string{low, '4'} : std::string(1, low);
        Model.FirstAttribute()->Input(static_cast<int>(i))->SetOptionText(k, text);
      }
    }
  }
};

// Argument 1 draws the panel of four radars instead of the single one.
void BM_RadarOfSixAttributesAndFiftyOptions(benchmark::State& state) {
  const TGraphSettings settings{.FourOptions = state.range(0) == 1};
  TRadarModel radar;
  TModelGraphs graphs;
  QImage image(800, 600, QImage::Format_ARGB32_Premultiplied);
  int highlighted = 0;
  for (auto _ : state) {
    graphs.Update(radar.Model, radar.Chosen, highlighted, settings);
    highlighted = (highlighted + 1) % 50;
    image.fill(Qt::white);
    QPainter painter(&image);
    graphs.DrawFitted(painter, image.rect(), image.size());
  }
}
BENCHMARK(BM_RadarOfSixAttributesAndFiftyOptions)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ubic::bench

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
