// Writes a picture of every kind of chart for a model file, at 100% and 200%, so that a person
// can look at them: chart-pictures MODEL.ubm FOLDER

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <iostream>

#include "charts/modelgraphs.h"
#include "files/modelfile.h"
#include "model/model.h"

namespace {

using namespace ubic;

void Save(const QImage& image, const QString& folder, const QString& name) {
  const QString path = QDir(folder).filePath(name);
  if (!image.save(path)) std::cerr << "cannot write " << path.toStdString() << '\n';
}

void SaveCharts(const TUbicModel& model, const QString& folder) {
  std::vector<const TUbicAttribute*> all;
  model.Root()->CollectAttributes(all);
  std::vector<const TUbicAttribute*> chosen;
  for (const TUbicAttribute* attribute : all) {
    if (attribute != model.Root() && chosen.size() < 6) chosen.push_back(attribute);
  }
  TModelGraphs graphs;
  for (qreal ratio : {1.0, 2.0}) {
    const QString suffix = ratio > 1 ? "@2x.png" : ".png";
    graphs.Update(model, {chosen[1]}, -1, {});
    Save(ChartImage(graphs.Bar(), QSize(560, 320), ratio), folder, "bar" + suffix);
    graphs.Update(model, {chosen[1], chosen[2]}, -1, {});
    Save(ChartImage(graphs.Scatter(), QSize(560, 420), ratio), folder, "scatter" + suffix);
    graphs.Update(model, chosen, 1, {});
    Save(ChartImage(graphs.Radar(), QSize(520, 420), ratio), folder, "radar" + suffix);
    graphs.Update(model, chosen, 1, {.FourOptions = true});
    Save(FourChartsImage(graphs.FourRadars(), QSize(760, 600), QColor(239, 239, 239), ratio),
         folder, "fourradars" + suffix);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  const QGuiApplication application(argc, argv);
  if (argc != 3) {
    std::cerr << "usage: chart-pictures MODEL.ubm FOLDER\n";
    return 2;
  }
  TUbicModel model;
  LoadFromFile(model, argv[1]);
  model.EvaluateAll();
  QDir().mkpath(argv[2]);
  SaveCharts(model, QString::fromLocal8Bit(argv[2]));
  return 0;
}
