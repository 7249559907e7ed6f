#include "fuzzcheck.h"

#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

#include "files/kvxparser.h"
#include "files/modelio.h"
#include "files/optionscsv.h"
#include "files/xml.h"
#include "foundation/checkedint.h"
#include "foundation/objlist.h"
#include "foundation/textfile.h"
#include "foundation/utils.h"
#include "model/valuecode.h"

namespace ubic::fuzz {
namespace {

namespace fs = std::filesystem;

// Tables up to the size a user can build in the editor get their compact rules checked against
// the definition; larger ones only have to come back without a fault.
constexpr int kCheckedRuleCount = 1000;

// Models of more rules than this are evaluated and their weights computed, but neither searched
// for compact rules nor written: those steps take some 40 microseconds per rule under the
// sanitizers, so that a model near the read bound of a million rules would outlast libFuzzer's
// timeout of 10 seconds without hanging. Smaller tables run the same code.
constexpr long long kFullUseRules = 100'000;

// Tables of more rules than this are not searched for compact rules. Such a search runs out of
// its budget, which takes some seconds under the sanitizers for a table of any size; with the
// writing of such a table in three formats it came near libFuzzer's timeout. Tables of a few
// thousand rules run out of the budget the same way.
constexpr int kSearchedRuleCount = 10'000;

class TScratchFolder {
 public:
  TScratchFolder() {
    std::error_code error;
    const fs::path base = fs::is_directory("/dev/shm", error) && access("/dev/shm", W_OK) == 0
                              ? fs::path("/dev/shm")
                              : fs::temp_directory_path();
    std::string path = (base / "ubic-fuzz-XXXXXX").string();
    if (mkdtemp(path.data()) == nullptr) Fail("cannot create a scratch folder in " + base.string());
    FPath = path;
  }
  TScratchFolder(const TScratchFolder&) = delete;
  TScratchFolder& operator=(const TScratchFolder&) = delete;
  ~TScratchFolder() {
    std::error_code ignored;
    fs::remove_all(FPath, ignored);
  }

  std::string File(const std::string& name) const { return (FPath / name).string(); }

 private:
  fs::path FPath;
};

const TScratchFolder& Scratch() {
  static const TScratchFolder folder;
  return folder;
}

bool RuleInBox(const TUbicFunction& function, int rule, const std::string& box) {
  const int n = function.InputCount();
  for (int i = 0; i < n; ++i) {
    const int v = function.RuleInput(i, rule);
    if (v < ValueIndexOf(box[i]) || v > ValueIndexOf(box[n + i])) return false;
  }
  return true;
}

bool Admits(const TUbicFunction& function, int rule, int value) {
  return function.RuleLow(rule) <= value && value <= function.RuleHigh(rule);
}

// Every box holds only rules that admit Value, and when the search was complete, every entered
// rule that admits it lies in a box.
void CheckCompactRules(const TUbicFunction& function, int value, const TStrList& boxes,
                       bool complete) {
  for (int b = 0; b < boxes.Count(); ++b) {
    for (int r = 0; r < function.RuleCount(); ++r) {
      if (RuleInBox(function, r, boxes[b]) && !Admits(function, r, value)) {
        Fail("compact rule " + boxes[b] + " of value " + std::to_string(value) +
             " holds the rule " + function.Rules()[r]);
      }
    }
  }
  for (int r = 0; r < function.RuleCount() && complete; ++r) {
    if (!function.RuleEntered(r) || !Admits(function, r, value)) continue;
    bool covered = false;
    for (int b = 0; b < boxes.Count() && !covered; ++b) covered = RuleInBox(function, r, boxes[b]);
    if (!covered) {
      Fail("no compact rule of value " + std::to_string(value) + " holds the rule " +
           function.Rules()[r]);
    }
  }
}

// Whether every rule holds one value code per input of the function; only then do the compact
// rules describe the table.
bool TableFitsInputs(const TUbicFunction& function) {
  const std::size_t length = static_cast<std::size_t>(function.InputCount()) + 3;
  for (int r = 0; r < function.RuleCount(); ++r) {
    if (function.Rules()[r].size() != length) return false;
  }
  return true;
}

// The weights dialog works on a copy of the function.
void ComputeWeights(const TUbicFunction& function) {
  TUbicFunction copy;
  copy.Assign(function);
  copy.CalcWeights(true);
  copy.CalcWeights(false);
  copy.CalcApproximation(false);
  copy.CalcApproximation(true);
  copy.ApplyApproximation();
}

// The compact rules of every value of every function, as the reports take them. Once a search
// runs out of its budget the remaining ones are left out: each could only run out the same way,
// and together they would outlast libFuzzer's timeout.
class TCompactRulesSearch {
 public:
  void Run(const TUbicAttribute& attribute) {
    const TUbicFunction& function = *attribute.Funct();
    if (attribute.Scale() == nullptr || function.RuleCount() > kSearchedRuleCount) return;
    const bool checked = function.RuleCount() <= kCheckedRuleCount && TableFitsInputs(function);
    for (int value = 0; value < attribute.Scale()->Count() && !FSpent; ++value) {
      TStrList boxes;
      const bool complete = function.CompactRules(value, boxes);
      if (checked) CheckCompactRules(function, value, boxes, complete);
      FSpent = !complete;
    }
  }

 private:
  bool FSpent = false;
};

std::unique_ptr<TUbicModel> WrittenAndReadBack(TUbicModel& model, const std::string& name) {
  const std::string file = ScratchFile(name);
  Must("writing " + name, [&] { SaveModel(model, file); });
  TOpenedModel opened;
  Must("reading back " + name, [&] { opened = OpenModel(file); });
  return std::move(opened.Model);
}

}  // namespace

std::string ScratchFile(const std::string& name) {
  return Scratch().File(name);
}

std::string WriteScratch(const std::string& name, std::string_view bytes) {
  const std::string file = ScratchFile(name);
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out.flush()) Fail("cannot write the scratch file " + file);
  return file;
}

void Fail(const std::string& what) {
  std::fprintf(stderr, "fuzz finding: %s\n", what.c_str());
  std::fflush(stderr);
  std::abort();
}

void Must(const std::string& step, const std::function<void()>& work) {
  try {
    work();
  } catch (const std::exception& e) {
    Fail(step + " raised: " + e.what());
  }
}

bool Accepted(const std::function<void()>& read) {
  try {
    read();
    return true;
  } catch (const EXmlError&) {
  } catch (const EKvxError&) {
  } catch (const EUbicError&) {
  } catch (const EConvertError&) {
  } catch (const EListError&) {
  } catch (const EIntOverflow&) {
  } catch (const EOptionsFileError&) {
  }
  return false;
}

void UseModel(TUbicModel& model) {
  Must("evaluating", [&] { model.EvaluateAll(); });
  std::vector<TUbicAttribute*> functions;
  model.Root()->CollectAttributes(functions,
                                  [](const TUbicAttribute& a) { return a.Funct() != nullptr; });
  long long rules = 0;
  for (const TUbicAttribute* attribute : functions) {
    rules += attribute->Funct()->RuleCount();
    Must("computing the weights of \"" + attribute->GetName() + "\"",
         [attribute] { ComputeWeights(*attribute->Funct()); });
  }
  if (rules > kFullUseRules) return;
  TCompactRulesSearch search;
  for (const TUbicAttribute* attribute : functions) {
    Must("compacting the rules of \"" + attribute->GetName() + "\"",
         [&search, attribute] { search.Run(*attribute); });
  }
  const std::unique_ptr<TUbicModel> own = WrittenAndReadBack(model, "model.ubm");
  WrittenAndReadBack(model, "model.xml");
  WrittenAndReadBack(model, "model.kvx");
  WrittenAndReadBack(*own, "again.ubm");
  if (ReadFileText(ScratchFile("again.ubm")) != ReadFileText(ScratchFile("model.ubm"))) {
    Fail("the own format, read back and written again, changed");
  }
}

int ReadAndUse(std::string_view bytes, const std::string& name,
               const std::function<void(TUbicModel&, const std::string&)>& reader) {
  const std::string file = WriteScratch(name, bytes);
  TUbicModel model;
  if (Accepted([&] { reader(model, file); })) UseModel(model);
  return 0;
}

}  // namespace ubic::fuzz
