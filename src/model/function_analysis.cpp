#include <algorithm>
#include <cmath>
#include <tuple>
#include <unordered_map>
#include <unordered_set>
#include <utility>

#include "attribute.h"
#include "foundation/checkedint.h"
#include "foundation/ubicutl.h"
#include "function.h"
#include "valuecode.h"

namespace ubic {
namespace {

// The midpoint of a rule's value interval: the target of both regressions.
double Target(const TUbicFunction& f, int rule) {
  return (f.RuleLow(rule) + f.RuleHigh(rule)) / 2.0;
}

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

// Considering a box not seen before costs about as much time as examining this many rules or
// corners: it is remembered, and every way to grow it is looked up later.
constexpr long long kNewBoxSteps = 256;

// The work CompactRules may do, counted in steps; spent, it stops.
class TWorkBudget {
 public:
  explicit TWorkBudget(long long steps) : FLeft(steps) {}
  // False once the budget is spent.
  bool Spend(long long steps) {
    FLeft -= steps;
    return FLeft >= 0;
  }
  bool Spent() const { return FLeft < 0; }

 private:
  long long FLeft;
};

// Tells whether every rule inside a box of input combinations admits one value. On a canonical
// table it counts the rules that do not by inclusion and exclusion over prefix sums, in time
// independent of the box's size; otherwise it scans the rules.
class TBoxChecker {
 public:
  TBoxChecker(const TStrList& rules, int n, int value, const std::vector<int>& counts)
      : FRules(rules), FN(n), FValue(value), FCounts(counts) {}

  // Prepares the check; false when the budget does not stretch that far.
  bool Prepare(TWorkBudget& budget) {
    if (FCounts.empty() || FN > kMaxPrefixInputs) return true;
    if (!budget.Spend(static_cast<long long>(FRules.Count()) * (FN + 1))) return false;
    BuildPrefixSums();
    return true;
  }

  // The steps of one check: the corners of a box, or the rules scanned.
  long long Cost() const { return FPrefix.empty() ? FRules.Count() : 1LL << FN; }

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

// The exhaustive expansion of boxes from a seed: every admissible box grows by one value at
// either end of every input in turn, and a box that cannot grow at all is maximal and recorded
// once it has been grown in every way. It runs depth first on a stack of its own, since a hostile
// table could make the chain of growing boxes deep. Every box's answer is remembered: a revisit
// could only record a box that is already there, so the boxes come out the same and in the same
// order as without the memory, only without exploring the same boxes again along every path.
class TBoxExpansion {
 public:
  TBoxExpansion(const TBoxChecker& checker, std::vector<int> lastIndex, TStrList& boxes,
                TWorkBudget& budget)
      : FChecker(checker), FLastIndex(std::move(lastIndex)), FBoxes(boxes), FBudget(budget) {}

  // False when the budget was spent before the seed's boxes were all found.
  bool Expand(const std::string& seed) {
    std::vector<TFrame> stack;
    if (Visit(seed, seed) == TVisit::New) stack.push_back({seed, seed});
    while (!stack.empty() && !FBudget.Spent()) {
      TFrame& frame = stack.back();
      std::string lo = frame.Lo;
      std::string hi = frame.Hi;
      if (!NextGrowth(frame, lo, hi)) {
        if (!frame.Extendable) Record(lo + hi);
        stack.pop_back();
        continue;
      }
      const TVisit visit = Visit(lo, hi);
      if (visit == TVisit::Inadmissible) continue;
      frame.Extendable = true;
      if (visit == TVisit::New) stack.push_back({std::move(lo), std::move(hi)});
    }
    return !FBudget.Spent();
  }

 private:
  enum class TVisit { Inadmissible, Known, New };

  // A box being grown, and the growth to try next: first each input's high end, then each
  // input's low end.
  struct TFrame {
    std::string Lo;
    std::string Hi;
    std::size_t Next = 0;
    bool Extendable = false;
  };

  // Moves Lo or Hi to the frame's next growth that stays within the scales; false when every
  // growth has been tried.
  bool NextGrowth(TFrame& frame, std::string& lo, std::string& hi) const {
    const std::size_t n = frame.Lo.size();
    while (frame.Next < 2 * n) {
      const std::size_t step = frame.Next++;
      if (step < n && ValueIndexOf(hi[step]) < FLastIndex[step]) {
        hi[step] = ValueCode(ValueIndexOf(hi[step]) + 1);
        return true;
      }
      if (step >= n && ValueIndexOf(lo[step - n]) > 0) {
        lo[step - n] = ValueCode(ValueIndexOf(lo[step - n]) - 1);
        return true;
      }
    }
    return false;
  }

  TVisit Visit(const std::string& lo, const std::string& hi) {
    const std::string box = lo + hi;
    FBudget.Spend(1);
    if (const auto known = FKnown.find(box); known != FKnown.end()) {
      return known->second ? TVisit::Known : TVisit::Inadmissible;
    }
    FBudget.Spend(kNewBoxSteps + FChecker.Cost());
    const bool admissible = FChecker.Admissible(lo, hi);
    FKnown.emplace(box, admissible);
    return admissible ? TVisit::New : TVisit::Inadmissible;
  }

  void Record(const std::string& box) {
    if (FAppended.insert(box).second) FBoxes.Add(box);
  }

  const TBoxChecker& FChecker;
  std::vector<int> FLastIndex;
  TStrList& FBoxes;
  TWorkBudget& FBudget;
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

TLocalWeights TUbicFunction::CalcWeights(bool useAllRules) const {
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
  TLocalWeights weights{floatarray(n, 0.0), floatarray(n, 0.0)};
  floatarray w;
  if (!SolveCholesky(a, b, w)) return weights;
  for (int i = 0; i < n; ++i) {
    const TUbicScale* scale = FAttribute->Input(i)->Scale();
    weights.Local[i] = std::fabs(w[i]);
    weights.Normalised[i] = scale != nullptr ? std::fabs(w[i]) * scale->Count() : 0.0;
  }
  NormalizeSum(weights.Local, 100);
  NormalizeSum(weights.Normalised, 100);
  return weights;
}

floatarray TUbicFunction::ApproximationWeights() const {
  const int n = InputCount();
  if (static_cast<int>(FWeights.size()) == n) return FWeights;
  floatarray equal(n, 1.0);
  NormalizeSum(equal, 100);
  return equal;
}

std::optional<std::pair<double, double>> TUbicFunction::FitApproximation(const floatarray& weights,
                                                                         bool useAllRules) const {
  const int n = InputCount();
  double sy = 0, syy = 0, st = 0, syt = 0;
  int used = 0;
  for (int r = 0; r < RuleCount(); ++r) {
    if (!useAllRules && !RuleEntered(r)) continue;
    double y = 0;
    for (int i = 0; i < n; ++i) y += RuleInput(i, r) * weights[i];
    const double t = Target(*this, r);
    sy += y;
    syy += y * y;
    st += t;
    syt += y * t;
    ++used;
  }
  // Any arithmetic failure (no rules, all of them on one point) gives no line.
  const double denominator = used > 0 ? syy - sy * sy / used : 0.0;
  const double factor = denominator != 0 ? (syt - sy * st / used) / denominator : NAN;
  const double offset = used > 0 ? (st - factor * sy) / used : NAN;
  if (!std::isfinite(factor) || !std::isfinite(offset)) return std::nullopt;
  return std::make_pair(factor, offset);
}

bool TUbicFunction::CalcApproximation(bool useAllRules) {
  FWeights = ApproximationWeights();
  const auto line = FitApproximation(FWeights, useAllRules);
  // A failure leaves UseWeights as the user set it: the next entered rule may give a line, and
  // the table must not depend on whether one came before the weights or after them.
  std::tie(FScaleFactor, FScaleOffset) = line.value_or(std::make_pair(0.0, 0.0));
  return line.has_value();
}

bool TUbicFunction::WeightsFillOpenRules() const {
  return FUseWeights && FitApproximation(ApproximationWeights(), false).has_value();
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

bool TUbicFunction::CompactRules(int value, TStrList& boxes) const {
  boxes.Clear();
  if (FAttribute == nullptr || !FAttribute->CanHaveFunction()) return true;
  const int n = InputCount();
  std::vector<std::string> seeds;
  for (int r = 0; r < RuleCount(); ++r) {
    if (RuleEntered(r) && RuleLow(r) <= value && value <= RuleHigh(r)) {
      seeds.push_back(FRules[r].substr(0, n));
    }
  }
  if (seeds.empty()) return true;
  std::sort(seeds.begin(), seeds.end());
  seeds.erase(std::unique(seeds.begin(), seeds.end()), seeds.end());

  std::vector<int> counts(n);
  std::vector<int> lastIndex(n);
  for (int i = 0; i < n; ++i) {
    counts[i] = FAttribute->Input(i)->Scale()->Count();
    lastIndex[i] = counts[i] - 1;
  }
  TWorkBudget budget(kCompactRulesWork);
  // Boxes reach as far as the inputs' scales do now; the shortcut needs a table of that shape.
  const bool canonical = IsCanonical() && FInputCounts == counts;
  TBoxChecker checker(FRules, n, value, canonical ? counts : std::vector<int>());
  if (!checker.Prepare(budget)) return false;
  TBoxExpansion expansion(checker, lastIndex, boxes, budget);
  // Each seed that no box holds yet is grown in turn. A box found before a seed's turn was already
  // tried on every later seed, so only the boxes just found need trying.
  std::vector<bool> covered(seeds.size(), false);
  for (std::size_t s = 0; s < seeds.size(); ++s) {
    if (covered[s]) continue;
    const int known = boxes.Count();
    if (!expansion.Expand(seeds[s])) return false;
    const long long found = boxes.Count() - known;
    if (!budget.Spend(static_cast<long long>(seeds.size() - s - 1) * found)) return false;
    for (std::size_t later = s + 1; later < seeds.size(); ++later) {
      for (int b = known; b < boxes.Count() && !covered[later]; ++b) {
        covered[later] = InsideBox(seeds[later], boxes[b]);
      }
    }
  }
  return true;
}

}  // namespace ubic
