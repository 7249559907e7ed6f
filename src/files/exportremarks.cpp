#include "exportremarks.h"

#include "foundation/utils.h"
#include "model/ubicstr.h"

namespace ubic {

std::string RemarkName(const std::string& name) {
  return BlankControls(name);
}

std::string WeightsRemark(const TUbicAttribute& attribute, const char* format) {
  if (attribute.Funct() == nullptr || !attribute.Funct()->UseWeights()) return {};
  return Format(ubicstr::ExportWeights, RemarkName(attribute.GetName()), format);
}

std::string UndefinedValuesRemark(const TUbicModel& model, const TUbicAttribute& basic,
                                  const char* format) {
  for (int k = 0; k < model.OptionCount(); ++k) {
    if (basic.OptionText(k).empty()) {
      return Format(ubicstr::ExportUndefinedValues, RemarkName(basic.GetName()), format);
    }
  }
  return {};
}

std::string OptionWeightsRemark(const TUbicAttribute& basic, const char* format) {
  if (!basic.HasOptionWeights()) return {};
  return Format(ubicstr::ExportOptionWeights, RemarkName(basic.GetName()), format);
}

}  // namespace ubic
