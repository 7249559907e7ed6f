#pragma once

#include <optional>
#include <string>
#include <vector>

#include "scale.h"

namespace ubic {

// A piece of a value text: a value's name (or number) with its class, or a separator.
struct TValueRun {
  std::string Text;
  TValueClass Class = TValueClass::Neutral;
};
using TValueRuns = std::vector<TValueRun>;

// The name of the value at Index of Scale; its number from 1 when the scale has no such value
// (or there is no scale).
std::string ValueText(const TUbicScale* scale, int index);
// Bad or good by the scale's thresholds; neutral for a value the scale does not have.
TValueClass ValueClassOf(const TUbicScale* scale, int index);
// The value's text with its class.
TValueRun ValueRun(const TUbicScale* scale, int index);

// The values of a value-set text (one code per value), Separator between every two of them;
// "*" when the set is empty (undefined) or "*"; without a scale the text itself.
TValueRuns ValueSetRuns(const TUbicScale* scale, const std::string& codes,
                        const std::string& separator = ";");
// An interval of values: a single value, "a:b", ">=a" when it reaches the scale's last value,
// "<=b" when it starts at the first, and "*" for the whole scale.
TValueRuns IntervalRuns(const TUbicScale* scale, int low, int high);

// The runs' texts joined.
std::string PlainText(const TValueRuns& runs);
std::string ValueSetText(const TUbicScale* scale, const std::string& codes);
// The part of a value text that Scale can hold: codes of values it lacks are dropped, and a text
// left without a value becomes undefined; an attribute without a scale holds none. "*" stays.
std::string HeldValues(const TUbicScale* scale, const std::string& text);
std::string IntervalText(const TUbicScale* scale, int low, int high);

// The class that every value of a value-set text shares; neutral when they differ, and for an
// undefined set.
TValueClass SetClassOf(const TUbicScale* scale, const std::string& codes);

// A value set read from the names of its values joined by ";" (blanks around a name do not
// count), "*" or nothing for undefined.
struct TParsedValueSet {
  // The codes in increasing order, each once; empty for undefined.
  std::string Codes;
  // The first name that the scale lacks, an empty one between two ";" included.
  std::optional<std::string> Unknown;
};
TParsedValueSet ParseValueSet(const TUbicScale* scale, const std::string& text);

}  // namespace ubic
