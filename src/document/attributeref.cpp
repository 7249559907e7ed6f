#include "attributeref.h"

#include <algorithm>

#include "undohistory.h"

namespace ubic {

TAttributeRef::TAttributeRef(const TUbicAttribute& attribute)
    : FName(attribute.GetName()), FPath(AttributePath(&attribute)) {}

const TUbicAttribute* TAttributeRef::Find(const TUbicModel& model) const {
  const TUbicAttribute* atPath = AttributeAt(model, FPath);
  if (atPath != nullptr && atPath->GetName() == FName && AttributePath(atPath) == FPath) {
    return atPath;
  }
  return model.FindAttribute(FName);
}

std::vector<const TUbicAttribute*> FindAll(const TUbicModel& model,
                                           const std::vector<TAttributeRef>& refs) {
  std::vector<const TUbicAttribute*> found;
  for (const TAttributeRef& ref : refs) {
    const TUbicAttribute* attribute = ref.Find(model);
    if (attribute != nullptr && std::find(found.begin(), found.end(), attribute) == found.end()) {
      found.push_back(attribute);
    }
  }
  return found;
}

}  // namespace ubic
