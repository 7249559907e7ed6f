#pragma once

#include <string>
#include <vector>

#include "model.h"

namespace ubic {

// What is wrong with Model against the promises of its classes, one text per fault, naming the
// attribute; empty for a sound model. The tree hangs together (every parent holds its inputs, no
// object twice), functions fit their attributes and scales, option values fit the options and
// scales, and the remembered scale and the option selection refer to what the model holds.
std::vector<std::string> ConsistencyErrors(const TUbicModel& model);

}  // namespace ubic
