#pragma once

#include <memory>
#include <string>

#include "model/attribute.h"
#include "model/scale.h"

namespace ubic::test {

// A scale with values named "v0", "v1", ... and the thresholds that AddValue leaves.
inline std::unique_ptr<TUbicDiscreteScale> MakeScale(int count,
                                                     TScaleOrder order = TScaleOrder::Ascending) {
  auto scale = std::make_unique<TUbicDiscreteScale>();
  scale->SetOrder(order);
  for (int i = 0; i < count; ++i) scale->AddValue("v" + std::to_string(i));
  return scale;
}

inline std::unique_ptr<TUbicAttribute> MakeAttribute(const std::string& name, int values,
                                                     TScaleOrder order = TScaleOrder::Ascending) {
  auto attribute = std::make_unique<TUbicAttribute>(name);
  attribute->SetScale(MakeScale(values, order));
  return attribute;
}

}  // namespace ubic::test
