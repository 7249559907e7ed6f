#include "target.h"

#include <algorithm>
#include <bitset>
#include <iterator>
#include <map>
#include <memory>
#include <unordered_map>

#include "valuecode.h"

namespace ubic {
namespace {

// The values a result may take, as positions on the attribute's scale. Evaluation treats an
// undefined result like one that could be any value, so both are the full set here.
using TValueSet = std::bitset<kMaxScaleValues>;

struct TValueSetHash {
  std::size_t operator()(const TValueSet& set) const { return std::hash<TValueSet>()(set); }
};

TValueSet FullSet(int count) {
  TValueSet set;
  for (int v = 0; v < count; ++v) set.set(v);
  return set;
}

bool IsSubset(const TValueSet& a, const TValueSet& b) {
  return (a & ~b).none();
}

// A value the subtree's result can take and the fewest changes that give a result within it.
struct TCostedSet {
  TValueSet Set;
  int Cost = 0;
};

// One changed basic attribute: its place among the subtree's basic attributes and its new value.
struct TChange {
  int Basic = 0;
  int To = 0;
};
using TChangeSet = std::vector<TChange>;

// A result of the subtree with every set of changes that gives it at the fewest changes.
struct TWays {
  TValueSet Set;
  int Cost = 0;
  std::vector<TChangeSet> Changes;
};

// The values each basic attribute's value spans, by its place among the subtree's basic
// attributes: from its lowest to its highest value, the whole scale when it is undefined.
using TSpans = std::vector<std::pair<int, int>>;

int Steps(const TChange& change, const TSpans& spans) {
  const auto [low, high] = spans[change.Basic];
  return change.To < low ? low - change.To : change.To > high ? change.To - high : 0;
}

int Steps(const TChangeSet& changes, const TSpans& spans) {
  int steps = 0;
  for (const TChange& change : changes) steps += Steps(change, spans);
  return steps;
}

// Whether A moves no attribute further than B: each of its values lies between B's and the
// nearest value the attribute had. Both change the same attributes, in the same order.
bool NoFurther(const TChangeSet& a, const TChangeSet& b, const TSpans& spans) {
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto [low, high] = spans[b[i].Basic];
    const int nearest = std::clamp(b[i].To, low, high);
    if (a[i].To < std::min(nearest, b[i].To) || a[i].To > std::max(nearest, b[i].To)) return false;
  }
  return true;
}

// Leaves out every set of changes that moves an attribute further than another set of the same
// attributes does. Such a set has more steps, so only those with fewer are looked at.
void LeaveOutFurther(std::vector<TChangeSet>& sets, const TSpans& spans) {
  if (sets.size() < 2) return;
  std::map<std::vector<int>, std::vector<std::pair<int, std::size_t>>> groups;
  for (std::size_t s = 0; s < sets.size(); ++s) {
    std::vector<int> attributes;
    for (const TChange& change : sets[s]) attributes.push_back(change.Basic);
    groups[attributes].emplace_back(Steps(sets[s], spans), s);
  }
  std::vector<bool> further(sets.size());
  for (auto& [attributes, members] : groups) {
    std::sort(members.begin(), members.end());
    for (std::size_t m = 0; m < members.size(); ++m) {
      const auto [steps, s] = members[m];
      for (std::size_t o = 0; o < m && members[o].first < steps && !further[s]; ++o) {
        further[s] = NoFurther(sets[members[o].second], sets[s], spans);
      }
    }
  }
  std::size_t kept = 0;
  for (std::size_t s = 0; s < sets.size(); ++s) {
    if (further[s]) continue;
    if (kept != s) sets[kept] = std::move(sets[s]);
    ++kept;
  }
  sets.resize(kept);
}

// An attribute of the question's subtree, with what its evaluation needs.
class TNode {
 public:
  TNode(const TUbicAttribute& attribute, int option, std::vector<const TUbicAttribute*>& basics)
      : FAttribute(attribute),
        FCount(attribute.Scale() != nullptr ? attribute.Scale()->Count() : 0),
        FFull(FullSet(FCount)) {
    if (attribute.IsBasic()) {
      FBasic = static_cast<int>(basics.size());
      basics.push_back(&attribute);
      SetOriginal(attribute.OptionText(option));
      return;
    }
    for (int i = 0; i < attribute.InputCount(); ++i) {
      FChildren.push_back(std::make_unique<TNode>(*attribute.Input(i), option, basics));
    }
    FEvaluates = attribute.Funct() != nullptr && FCount > 0 &&
                 attribute.Funct()->InputCount() == attribute.InputCount();
    if (FEvaluates) PrepareRules(*attribute.Funct());
  }

  // The results the subtree can give, each with its fewest changes, leaving out any result that
  // another within it gives at no more changes.
  const std::vector<TCostedSet>& Frontier() {
    if (FFrontierKnown) return FFrontier;
    FFrontierKnown = true;
    if (FBasic >= 0) {
      FFrontier.push_back({FOriginal, 0});
      for (int w = 0; w < FCount; ++w) {
        if (w != FOriginalSingle) FFrontier.push_back({Single(w), 1});
      }
    } else if (!FEvaluates) {
      FFrontier.push_back({FFull, 0});
    } else {
      std::vector<const std::vector<TCostedSet>*> inputs;
      for (const auto& child : FChildren) inputs.push_back(&child->Frontier());
      std::unordered_map<TValueSet, int, TValueSetHash> cheapest;
      ForEachTuple(inputs, INT32_MAX, [&](const std::vector<const TCostedSet*>& tuple, int cost) {
        const TValueSet set = Combine(tuple);
        const auto [at, added] = cheapest.try_emplace(set, cost);
        if (!added) at->second = std::min(at->second, cost);
      });
      for (const auto& [set, cost] : cheapest) FFrontier.push_back({set, cost});
    }
    Prune(FFrontier);
    return FFrontier;
  }

  // The fewest changes that give a result within Set.
  int MinCost(const TValueSet& set) {
    int best = INT32_MAX;
    for (const TCostedSet& entry : Frontier()) {
      if ((entry.Set.any() || entry.Set == set) && IsSubset(entry.Set, set)) {
        best = std::min(best, entry.Cost);
      }
    }
    return best;
  }

  // Every result of at most Budget changes with the sets of changes that give it, where no
  // fewer changes give a result within it: only such parts make up a smallest solution.
  std::vector<TWays> Ways(int budget, const TSpans& spans) {
    std::vector<TWays> ways;
    if (FBasic >= 0) {
      ways.push_back({FOriginal, 0, {{}}});
      for (int w = 0; w < FCount && budget > 0; ++w) {
        if (w != FOriginalSingle) ways.push_back({Single(w), 1, {{{FBasic, w}}}});
      }
      return ways;
    }
    if (!FEvaluates) return {{FFull, 0, {{}}}};
    std::vector<std::vector<TWays>> childWays;
    for (const auto& child : FChildren) childWays.push_back(child->Ways(budget, spans));
    std::vector<std::vector<TCostedSet>> costed(childWays.size());
    for (std::size_t i = 0; i < childWays.size(); ++i) {
      for (const TWays& w : childWays[i]) costed[i].push_back({w.Set, w.Cost});
    }
    std::vector<const std::vector<TCostedSet>*> inputs;
    for (const auto& list : costed) inputs.push_back(&list);
    std::unordered_map<TValueSet, std::size_t, TValueSetHash> index;
    ForEachTuple(inputs, budget, [&](const std::vector<const TCostedSet*>& tuple, int cost) {
      const TValueSet set = Combine(tuple);
      if (cost > MinCost(set)) return;
      const auto [at, added] = index.try_emplace(set, ways.size());
      if (added) ways.push_back({set, cost, {}});
      std::vector<const TWays*> parts;
      for (std::size_t i = 0; i < tuple.size(); ++i) {
        parts.push_back(&childWays[i][static_cast<std::size_t>(tuple[i] - costed[i].data())]);
      }
      AppendProducts(parts, ways[at->second].Changes);
    });
    // Parts with the same result are interchangeable: one that goes further makes no new solution.
    for (TWays& entry : ways) LeaveOutFurther(entry.Changes, spans);
    return ways;
  }

  const TValueSet& Full() const { return FFull; }

 private:
  TValueSet Single(int value) const {
    TValueSet set;
    set.set(value);
    return set;
  }

  // Evaluation reads an undefined value and "*" as any value, and matches the codes of a set
  // with the rules' input values; codes off the scale match none.
  void SetOriginal(const std::string& text) {
    if (text.empty() || text == "*") {
      FOriginal = FFull;
      return;
    }
    for (const char code : text) {
      const int value = ValueIndexOf(code);
      if (value >= 0 && value < FCount) FOriginal.set(value);
    }
    if (text.size() == 1 && FOriginal.any()) FOriginalSingle = ValueIndexOf(text[0]);
  }

  void PrepareRules(const TUbicFunction& function) {
    const int n = function.InputCount();
    std::vector<int> stride(n, 1);
    long long combinations = 1;
    for (int i = n - 1; i >= 0; --i) {
      stride[i] = static_cast<int>(combinations);
      combinations *= std::max(1, FChildren[i]->FCount);
    }
    FStride = stride;
    FIndex.assign(combinations <= function.RuleCount() ? combinations : 0, -1);
    for (int r = 0; r < function.RuleCount(); ++r) {
      TValueSet interval;
      for (int v = std::max(0, function.RuleLow(r)); v <= function.RuleHigh(r) && v < FCount; ++v) {
        interval.set(v);
      }
      FRuleSets.push_back(interval);
      long long at = 0;
      for (int i = 0; i < n; ++i) {
        const int value = function.RuleInput(i, r);
        FRuleInputs.push_back(value);
        at = value >= 0 && value < FChildren[i]->FCount && at >= 0 ? at + value * stride[i] : -1;
      }
      if (at >= 0 && at < static_cast<long long>(FIndex.size()) && FIndex[at] < 0) {
        FIndex[at] = r;
      } else {
        FIndex.clear();
      }
    }
    if (std::find(FIndex.begin(), FIndex.end(), -1) != FIndex.end()) FIndex.clear();
  }

  // The function's result for input results that may be sets: the union of the values of every
  // rule they match, as the model evaluates.
  TValueSet Combine(const std::vector<const TCostedSet*>& tuple) const {
    TValueSet result;
    long long product = 1;
    for (const TCostedSet* input : tuple) product *= static_cast<long long>(input->Set.count());
    if (!FIndex.empty() && product <= static_cast<long long>(FRuleSets.size())) {
      UniteProduct(tuple, 0, 0, result);
    } else {
      const std::size_t n = tuple.size();
      for (std::size_t r = 0; r < FRuleSets.size(); ++r) {
        bool matches = true;
        for (std::size_t i = 0; i < n && matches; ++i) {
          const int value = FRuleInputs[r * n + i];
          matches = value >= 0 && value < kMaxScaleValues && tuple[i]->Set.test(value);
        }
        if (matches) result |= FRuleSets[r];
      }
    }
    return result.none() ? FFull : result;
  }

  void UniteProduct(const std::vector<const TCostedSet*>& tuple, std::size_t i, int at,
                    TValueSet& result) const {
    if (i == tuple.size()) {
      result |= FRuleSets[FIndex[at]];
      return;
    }
    const TValueSet& set = tuple[i]->Set;
    for (int v = 0; v < FChildren[i]->FCount; ++v) {
      if (set.test(v)) UniteProduct(tuple, i + 1, at + v * FStride[i], result);
    }
  }

  // Calls Visit with every choice of one entry per input whose costs add up to at most Budget.
  template <class Visit>
  static void ForEachTuple(const std::vector<const std::vector<TCostedSet>*>& inputs, int budget,
                           Visit visit) {
    std::vector<const TCostedSet*> tuple(inputs.size());
    ChooseEntries(inputs, 0, budget, 0, tuple, visit);
  }

  template <class Visit>
  static void ChooseEntries(const std::vector<const std::vector<TCostedSet>*>& inputs,
                            std::size_t i, int budget, int cost,
                            std::vector<const TCostedSet*>& tuple, Visit& visit) {
    if (i == inputs.size()) {
      visit(tuple, cost);
      return;
    }
    for (const TCostedSet& entry : *inputs[i]) {
      if (entry.Cost > budget - cost) continue;
      tuple[i] = &entry;
      ChooseEntries(inputs, i + 1, budget, cost + entry.Cost, tuple, visit);
    }
  }

  // Every union of one set of changes from each part.
  static void AppendProducts(const std::vector<const TWays*>& parts, std::vector<TChangeSet>& out) {
    TChangeSet current;
    AppendProduct(parts, 0, current, out);
  }

  static void AppendProduct(const std::vector<const TWays*>& parts, std::size_t i,
                            TChangeSet& current, std::vector<TChangeSet>& out) {
    if (i == parts.size()) {
      out.push_back(current);
      return;
    }
    for (const TChangeSet& changes : parts[i]->Changes) {
      const std::size_t size = current.size();
      current.insert(current.end(), changes.begin(), changes.end());
      AppendProduct(parts, i + 1, current, out);
      current.resize(size);
    }
  }

  // Leaves out every entry that another gives within its set at no more changes. An empty set
  // (a value off the scale) matches no rule, which evaluation does not read as a narrower
  // result, so it takes no other's place.
  static void Prune(std::vector<TCostedSet>& entries) {
    std::vector<TCostedSet> kept;
    for (const TCostedSet& entry : entries) {
      const bool dominated = std::any_of(entries.begin(), entries.end(), [&](const TCostedSet& o) {
        return &o != &entry && o.Set.any() && IsSubset(o.Set, entry.Set) && o.Cost <= entry.Cost &&
               (o.Set != entry.Set || o.Cost < entry.Cost);
      });
      if (!dominated) kept.push_back(entry);
    }
    entries = std::move(kept);
  }

  const TUbicAttribute& FAttribute;
  int FCount;
  TValueSet FFull;
  std::vector<std::unique_ptr<TNode>> FChildren;
  int FBasic = -1;
  TValueSet FOriginal;
  int FOriginalSingle = -1;
  bool FEvaluates = false;
  std::vector<TValueSet> FRuleSets;
  std::vector<int> FRuleInputs;
  std::vector<int> FStride;
  // The rule of every combination of single input values, by mixed-radix position; empty when
  // the table does not hold each combination once.
  std::vector<int> FIndex;
  bool FFrontierKnown = false;
  std::vector<TCostedSet> FFrontier;
};

std::pair<int, int> Span(const TUbicAttribute& basic, const std::string& text) {
  const int count = basic.Scale() != nullptr ? basic.Scale()->Count() : 0;
  int low = count;
  int high = -1;
  for (const char code : text) {
    const int value = ValueIndexOf(code);
    if (value < 0 || value >= count) continue;
    low = std::min(low, value);
    high = std::max(high, value);
  }
  if (high < 0) return {0, count - 1};
  return {low, high};
}

}  // namespace

bool MeetsTarget(const TUbicScale& scale, TTargetDirection direction, int target, int value) {
  const bool descending = scale.Order() == TScaleOrder::Descending;
  const bool atLeast = direction == TTargetDirection::AtLeast;
  return atLeast != descending ? value >= target : value <= target;
}

TTargetAnswer FindTargetChanges(const TTargetQuestion& question) {
  TTargetAnswer answer;
  const TUbicAttribute* attribute = question.Attribute;
  if (attribute == nullptr || attribute->Scale() == nullptr) return answer;
  std::vector<const TUbicAttribute*> basics;
  TNode root(*attribute, question.Option, basics);
  TValueSet accepted;
  for (int v = 0; v < attribute->Scale()->Count(); ++v) {
    if (MeetsTarget(*attribute->Scale(), question.Direction, question.Value, v)) accepted.set(v);
  }
  const int fewest = root.MinCost(accepted);
  if (fewest == INT32_MAX) return answer;
  answer.ChangeCount = fewest;
  if (fewest == 0) {
    answer.Outcome = TTargetOutcome::Reached;
    return answer;
  }
  answer.Outcome = TTargetOutcome::Reachable;
  TSpans spans;
  for (const TUbicAttribute* basic : basics) {
    spans.push_back(Span(*basic, basic->OptionText(question.Option)));
  }
  std::vector<TChangeSet> found;
  for (TWays& ways : root.Ways(fewest, spans)) {
    if (ways.Cost != fewest || !ways.Set.any() || !IsSubset(ways.Set, accepted)) continue;
    std::move(ways.Changes.begin(), ways.Changes.end(), std::back_inserter(found));
  }
  LeaveOutFurther(found, spans);
  std::vector<TTargetSolution> solutions;
  for (const TChangeSet& changes : found) {
    TTargetSolution& solution = solutions.emplace_back();
    for (const TChange& change : changes) {
      const TUbicAttribute* basic = basics[change.Basic];
      const int steps = Steps(change, spans);
      solution.Changes.push_back({basic, basic->OptionText(question.Option), change.To, steps});
      solution.Steps += steps;
    }
  }
  std::map<const TUbicAttribute*, int> place;
  for (std::size_t b = 0; b < basics.size(); ++b) place[basics[b]] = static_cast<int>(b);
  auto key = [&place](const TTargetSolution& s) {
    std::vector<int> order{s.Steps};
    for (const TBasicChange& change : s.Changes) order.push_back(place.at(change.Attribute));
    for (const TBasicChange& change : s.Changes) order.push_back(change.To);
    return order;
  };
  std::sort(solutions.begin(), solutions.end(),
            [&key](const TTargetSolution& a, const TTargetSolution& b) { return key(a) < key(b); });
  const auto limit = static_cast<std::size_t>(std::max(0, question.Limit));
  if (solutions.size() > limit) {
    answer.More = static_cast<int>(solutions.size() - limit);
    solutions.resize(limit);
  }
  answer.Solutions = std::move(solutions);
  return answer;
}

}  // namespace ubic
