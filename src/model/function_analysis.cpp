#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <unordered_set>

#include "attribute.h"
#include "foundation/checkedint.h"
#include "foundation/ubicutl.h"
#include "function.h"
#include "valuecode.h"

namespace ubic {
namespace {

// The midpoint of a rule's value interval: the target of both regressions.
double Target(const TUbicFunction& f, int rule) { return (f.RuleLow(rule) + f.RuleHigh(rule)) / 2.0; }

// Solves A·w = b for a symmetric positive definite A given by its upper triangle, by Cholesky
// decomposition. Returns false for a singular system. A pivot at or below a tiny fraction of its
// diagonal entry is the rounding residue of a singular system and counts as one too.
bool SolveCholesky(const std::vector<floatarray>& a, const floatarray& b, floatarray& w) {
  const std::size_t size = b.size();
  std::vector<floatarray> u(size, floatarray(size, 0.0));
  for (std::size_t k = 0; k < size; ++k) {
    double pivot = a[k][k];
    for (std::size_t m = 0; m < k; ++m) pivot -= u[m][k] * u[m][k];
    if (pivot <= 1e-10 * std::fabs(a[k][k]) || FloatEqual(pivot, 0.0)) return false;
    u[k][k] = std::sqrt(pivot);
    for (std::size_t j = k + 1; j < size; ++j) {
      double sum = a[k][j];
      for (std::size_t m = 0; m < k; ++m) sum -= u[m][k] * u[m][j];
      u[k][j] = sum / u[k][k];
    }
  }
  floatarray y(size, 0.0);
  for (std::size_t k = 0; k < size; ++k) {
    double sum = b[k];
    for (std::size_t m = 0; m < k; ++m) sum -= u[m][k] * y[m];
    y[k] = u[k][k] != 0 ? sum / u[k][k] : 0;
  }
  w.assign(size, 0.0);
  for (std::size_t k = size; k-- > 0;) {
    double sum = y[k];
    for (std::size_t j = k + 1; j < size; ++j) sum -= u[k][j] * w[j];
    w[k] = u[k][k] != 0 ? sum / u[k][k] : 0;
  }
  return std::all_of(w.begin(), w.end(), [](double x) { return std::isfinite(x); });
}

// Tells whether every rule inside a box of input combinations admits one value. On a canonical
// table it counts the rules that do not by inclusion and exclusion over prefix sums, in time
// independent of the box's size; otherwise it scans the rules.
class TBoxChecker {
 public:
  TBoxChecker(const TStrList& rules, int n, int value, const std::vector<int>& counts)
      : FRules(rules), FN(n), FValue(value), FCounts(counts) {
    if (!FCounts.empty() && FN <= kMaxPrefixInputs) BuildPrefixSums();
  }

  bool Admissible(const std::string& lo, const std::string& hi) const {
    return FPrefix.empty() ? AdmissibleByScan(lo, hi) : AdmissibleByPrefixSums(lo, hi);
  }

 private:
  static constexpr int kMaxPrefixInputs = 12;

  bool Admits(const std::string& rule) const {
    return ValueIndexOf(rule[FN]) <= FValue && FValue <= ValueIndexOf(rule[FN + 1]);
  }

  void BuildPrefixSums() {
    FPrefix.resize(FRules.Count());
    for (int r = 0; r < FRules.Count(); ++r) FPrefix[r] = Admits(FRules[r]) ? 0 : 1;
    long long stride = 1;
    for (int d = FN - 1; d >= 0; --d) {
      for (std::size_t index = 0; index < FPrefix.size(); ++index) {
        if ((index / stride) % FCounts[d] != 0) FPrefix[index] += FPrefix[index - stride];
      }
      stride *= FCounts[d];
    }
  }

  bool AdmissibleByPrefixSums(const std::string& lo, const std::string& hi) const {
    long long outside = 0;
    for (unsigned mask = 0; mask < (1u << FN); ++mask) {
      long long index = 0;
      bool inGrid = true;
      for (int i = 0; i < FN && inGrid; ++i) {
        const int corner = (mask >> i) & 1 ? ValueIndexOf(lo[i]) - 1 : ValueIndexOf(hi[i]);
        inGrid = corner >= 0;
        index = index * FCounts[i] + corner;
      }
      if (!inGrid) continue;
      outside += (__builtin_popcount(mask) % 2 == 0 ? 1 : -1) * FPrefix[index];
    }
    return outside == 0;
  }

  bool AdmissibleByScan(const std::string& lo, const std::string& hi) const {
    for (int r = 0; r < FRules.Count(); ++r) {
      const std::string& rule = FRules[r];
      bool inside = true;
      for (int i = 0; i < FN && inside; ++i) {
        const int v = ValueIndexOf(rule[i]);
        inside = ValueIndexOf(lo[i]) <= v && v <= ValueIndexOf(hi[i]);
      }
      if (inside && !Admits(rule)) return false;
    }
    return true;
  }

  const TStrList& FRules;
  int FN;
  int FValue;
  std::vector<int> FCounts;
  std::vector<long long> FPrefix;
};

// The exhaustive expansion of boxes from a seed. Every box's answer is remembered: a revisit
// could only append a box that is already there, so the boxes come out the same and in the same
// order as without the memory, only without exploring the same boxes again along every path.
class TBoxExpansion {
 public:
  TBoxExpansion(const TBoxChecker& checker, std::vector<int> lastIndex, TStrList& boxes)
      : FChecker(checker), FLastIndex(std::move(lastIndex)), FBoxes(boxes) {}

  bool Expand(const std::string& lo, const std::string& hi) {
    const std::string box = lo + hi;
    if (const auto known = FKnown.find(box); known != FKnown.end()) return known->second;
    const bool admissible = FChecker.Admissible(lo, hi);
    FKnown.emplace(box, admissible);
    if (!admissible) return false;
    bool extendable = false;
    for (std::size_t i = 0; i < lo.size(); ++i) {
      if (ValueIndexOf(hi[i]) < FLastIndex[i]) {
        std::string higher = hi;
        higher[i] = ValueCode(ValueIndexOf(hi[i]) + 1);
        extendable = Expand(lo, higher) || extendable;
      }
    }
    for (std::size_t i = 0; i < lo.size(); ++i) {
      if (ValueIndexOf(lo[i]) > 0) {
        std::string lower = lo;
        lower[i] = ValueCode(ValueIndexOf(lo[i]) - 1);
        extendable = Expand(lower, hi) || extendable;
      }
    }
    if (!extendable && FAppended.insert(box).second) FBoxes.Add(box);
    return true;
  }

 private:
  const TBoxChecker& FChecker;
  std::vector<int> FLastIndex;
  TStrList& FBoxes;
  std::unordered_map<std::string, bool> FKnown;
  std::unordered_set<std::string> FAppended;
};

bool InsideBox(const std::string& point, const std::string& box) {
  const std::size_t n = point.size();
  for (std::size_t i = 0; i < n; ++i) {
    const int v = ValueIndexOf(point[i]);
    if (v < ValueIndexOf(box[i]) || v > ValueIndexOf(box[n + i])) return false;
  }
  return true;
}

}  // namespace

void TUbicFunction::CalcWeights(bool useAllRules) {
  const int n = InputCount();
  std::vector<floatarray> a(n + 1, floatarray(n + 1, 0.0));
  floatarray b(n + 1, 0.0);
  floatarray x(n);
  for (int r = 0; r < RuleCount(); ++r) {
    if (!useAllRules && !RuleEntered(r)) continue;
    for (int i = 0; i < n; ++i) x[i] = RuleInput(i, r);
    const double t = Target(*this, r);
    for (int i = 0; i < n; ++i) {
      for (int j = i; j < n; ++j) a[i][j] += x[i] * x[j];
      a[i][n] += x[i];
      b[i] += x[i] * t;
    }
    a[n][n] += 1;
    b[n] += t;
  }
  floatarray w;
  if (!SolveCholesky(a, b, w)) {
    std::fill(FLocalWeights.begin(), FLocalWeights.end(), 0.0);
    std::fill(FNormLocalWeights.begin(), FNormLocalWeights.end(), 0.0);
    return;
  }
  FLocalWeights.resize(n);
  FNormLocalWeights.resize(n);
  for (int i = 0; i < n; ++i) {
    const TUbicScale* scale = FAttribute->Input(i)->Scale();
    FLocalWeights[i] = std::fabs(w[i]);
    FNormLocalWeights[i] = scale != nullptr ? std::fabs(w[i]) * scale->Count() : 0.0;
  }
  NormalizeSum(FLocalWeights, 100);
  NormalizeSum(FNormLocalWeights, 100);
}

void TUbicFunction::CalcApproximation(bool useAllRules) {
  const int n = InputCount();
  if (static_cast<int>(FWeights.size()) != n) {
    FWeights.assign(n, 1.0);
    NormalizeSum(FWeights, 100);
  }
  double sy = 0, syy = 0, st = 0, syt = 0;
  int used = 0;
  for (int r = 0; r < RuleCount(); ++r) {
    if (!useAllRules && !RuleEntered(r)) continue;
    double y = 0;
    for (int i = 0; i < n; ++i) y += RuleInput(i, r) * FWeights[i];
    const double t = Target(*this, r);
    sy += y;
    syy += y * y;
    st += t;
    syt += y * t;
    ++used;
  }
  // Any arithmetic failure (no rules, all of them on one point) gives up on the approximation.
  const double denominator = used > 0 ? syy - sy * sy / used : 0.0;
  const double factor = denominator != 0 ? (syt - sy * st / used) / denominator : NAN;
  const double offset = used > 0 ? (st - factor * sy) / used : NAN;
  if (!std::isfinite(factor) || !std::isfinite(offset)) {
    FScaleFactor = FScaleOffset = 0;
    FUseWeights = false;
    return;
  }
  FScaleFactor = factor;
  FScaleOffset = offset;
}

double TUbicFunction::Approx(int rule) const {
  const int n = std::min(InputCount(), static_cast<int>(FWeights.size()));
  double y = 0;
  for (int i = 0; i < n; ++i) y += RuleInput(i, rule) * FWeights[i];
  return FScaleFactor * y + FScaleOffset;
}

int TUbicFunction::ApproxValue(int rule) const {
  const int last = UndefinedHigh();
  const double approx = Approx(rule);
  if (!(approx > 0)) return 0;
  if (approx > last) return last;
  return std::clamp(RoundHalfToEven(approx), 0, last);
}

void TUbicFunction::ApplyApproximation() {
  if (!FUseWeights) return;
  std::vector<std::string> rules = FRules.Strings();
  for (int r = 0; r < RuleCount(); ++r) {
    std::string& rule = rules[r];
    if (rule.back() == '+') continue;
    const int n = InputsOf(rule);
    const int low = ValueIndexOf(rule[n]);
    const int high = ValueIndexOf(rule[n + 1]);
    // An empty interval, or one of codes below the first value, leaves nothing to choose from.
    if (high < low || high < 0) continue;
    rule[n] = rule[n + 1] = ValueCode(std::min(std::max(ApproxValue(r), low), high));
  }
  ReplaceRules(rules);
}

void TUbicFunction::CompactRules(int value, TStrList& boxes) const {
  boxes.Clear();
  if (FAttribute == nullptr || !FAttribute->CanHaveFunction()) return;
  const int n = InputCount();
  std::vector<std::string> seeds;
  for (int r = 0; r < RuleCount(); ++r) {
    if (RuleEntered(r) && RuleLow(r) <= value && value <= RuleHigh(r)) {
      seeds.push_back(FRules[r].substr(0, n));
    }
  }
  std::sort(seeds.begin(), seeds.end());
  seeds.erase(std::unique(seeds.begin(), seeds.end()), seeds.end());

  std::vector<int> counts(n);
  std::vector<int> lastIndex(n);
  for (int i = 0; i < n; ++i) {
    counts[i] = FAttribute->Input(i)->Scale()->Count();
    lastIndex[i] = counts[i] - 1;
  }
  // Boxes reach as far as the inputs' scales do now; the shortcut needs a table of that shape.
  const bool canonical = IsCanonical() && FInputCounts == counts;
  const TBoxChecker checker(FRules, n, value, canonical ? counts : std::vector<int>());
  TBoxExpansion expansion(checker, lastIndex, boxes);
  while (!seeds.empty()) {
    const std::string seed = seeds.front();
    expansion.Expand(seed, seed);
    for (std::size_t s = seeds.size(); s-- > 0;) {
      for (int b = 0; b < boxes.Count(); ++b) {
        if (InsideBox(seeds[s], boxes[b])) {
          seeds.erase(seeds.begin() + s);
          break;
        }
      }
    }
    // The seed always lies in a box it grew into; this only guards against looping forever.
    if (!seeds.empty() && seeds.front() == seed) seeds.erase(seeds.begin());
  }
}

}  // namespace ubic
