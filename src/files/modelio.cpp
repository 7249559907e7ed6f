#include "modelio.h"

#include "foundation/textcompare.h"
#include "foundation/textfile.h"
#include "foundation/utils.h"
#include "jkivfile.h"
#include "kvxfile.h"
#include "modelfile.h"

namespace ubic {

namespace {

// The own format's reader looks at the text itself; the foreign ones read their files their own
// ways.
void RefuseBinaryFile(const std::string& fileName) {
  std::ifstream file = OpenFileForReading(fileName);
  std::string head(kBinaryProbe, '\0');
  file.read(head.data(), static_cast<std::streamsize>(head.size()));
  head.resize(static_cast<std::size_t>(file.gcount()));
  RefuseBinaryContent(head, fileName);
}

}  // namespace

TModelFormat FormatOfFile(const std::string& fileName) {
  const std::string extension = AnsiLowerCase(FileExtension(fileName));
  if (extension == ".xml") return TModelFormat::Jkiv;
  if (extension == ".kvx") return TModelFormat::Kvx;
  return TModelFormat::Own;
}

TOpenedModel OpenModel(const std::string& fileName) {
  return OpenModel(fileName, FormatOfFile(fileName));
}

TOpenedModel OpenModel(const std::string& fileName, TModelFormat format) {
  TOpenedModel opened{std::make_unique<TUbicModel>(), {}};
  if (format != TModelFormat::Own) RefuseBinaryFile(fileName);
  switch (format) {
    case TModelFormat::Jkiv:
      LoadFromJkivFile(*opened.Model, fileName);
      break;
    case TModelFormat::Kvx:
      opened.Remarks = LoadFromKvxFile(*opened.Model, fileName);
      break;
    case TModelFormat::Own:
      LoadFromFile(*opened.Model, fileName);
      break;
  }
  return opened;
}

TModelExport ExportModel(const TUbicModel& model, TModelFormat format) {
  switch (format) {
    case TModelFormat::Jkiv:
      return JkivExport(model);
    case TModelFormat::Kvx:
      return KvxExport(model);
    case TModelFormat::Own:
      break;
  }
  return {ModelFileText(model), {}};
}

std::string SaveModel(const TUbicModel& model, const std::string& fileName) {
  return SaveModel(model, fileName, FormatOfFile(fileName));
}

std::string SaveModel(const TUbicModel& model, const std::string& fileName, TModelFormat format) {
  TModelExport exported = ExportModel(model, format);
  WriteFileSafely(fileName, exported.Bytes);
  return std::move(exported.Remarks);
}

std::string WithOwnExtension(const std::string& fileName) {
  const std::string extension = FileExtension(fileName);
  return fileName.substr(0, fileName.size() - extension.size()) + ".ubm";
}

}  // namespace ubic
