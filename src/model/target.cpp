#include "target.h"

#include <algorithm>
#include <bitset>
#include <climits>
#include <deque>
#include <iterator>
#include <memory>
#include <numeric>
#include <optional>
#include <unordered_map>

#include "foundation/checkedint.h"
#include "targetparts.h"
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

TValueSet Single(int value) {
  TValueSet set;
  set.set(value);
  return set;
}

bool IsSubset(const TValueSet& a, const TValueSet& b) {
  return (a & ~b).none();
}

std::size_t HashCombine(std::size_t seed, std::size_t value) {
  return seed ^ (value + 0x9e3779b97f4a7c15ULL + (seed << 6) + (seed >> 2));
}

// Value sets by number, so that the search can index and key by them.
class TValueSets {
 public:
  int Id(const TValueSet& set) {
    const auto [at, added] = FIds.try_emplace(set, static_cast<int>(FSets.size()));
    if (added) FSets.push_back(set);
    return at->second;
  }
  const TValueSet& operator[](int id) const { return FSets[static_cast<std::size_t>(id)]; }

 private:
  std::deque<TValueSet> FSets;
  std::unordered_map<TValueSet, int, TValueSetHash> FIds;
};

// What an attribute's function can still give once its first inputs are known to lie in sets
// of values: for every combination of values of the remaining inputs, the union of the values of
// the rules that match. Ways of fixing the first inputs that leave the same table give the same
// result whatever the rest is, which is what lets the search count instead of list. Once the
// last input is known, what is left is the result, numbered as the node numbers its results.
class TOpenResults {
 public:
  static constexpr int kStart = 0;

  TOpenResults(const TUbicFunction& function, const std::vector<int>& counts, int count,
               TValueSets& results)
      : FCounts(counts), FFull(FullSet(count)), FResults(results) {
    const std::size_t n = counts.size();
    FRemaining.assign(n + 1, 1);
    for (std::size_t i = n; i-- > 0;) FRemaining[i] = CheckedMultiply(FRemaining[i + 1], counts[i]);
    FScratch.assign(static_cast<std::size_t>(FRemaining[0]), {});
    for (int r = 0; r < function.RuleCount(); ++r) {
      long long at = 0;
      for (std::size_t i = 0; i < n && at >= 0; ++i) {
        const int value = function.RuleInput(static_cast<int>(i), r);
        at = value >= 0 && value < counts[i] ? at + 1LL * value * FRemaining[i + 1] : -1;
      }
      if (at < 0) continue;
      for (int v = std::max(0, function.RuleLow(r)); v <= function.RuleHigh(r) && v < count; ++v) {
        FScratch[static_cast<std::size_t>(at)].set(v);
      }
    }
    FAllMatched =
        std::none_of(FScratch.begin(), FScratch.end(), [](const auto& c) { return c.none(); });
    Intern(0);
  }

  // Whether every combination of input values has a rule with a value: then a narrower input
  // never widens the result, as it can when a combination without one leaves it undefined.
  bool AllMatched() const { return FAllMatched; }

  // The table (or with the last input, the result) once the next input is known to lie in Set,
  // which that input numbers SetId.
  int Next(int open, int setId, const TValueSet& set) {
    std::vector<int>& known = FTables[static_cast<std::size_t>(open)].Next;
    if (static_cast<std::size_t>(setId) >= known.size()) known.resize(setId + 1, -1);
    if (known[setId] >= 0) return known[setId];
    const TTable& table = FTables[static_cast<std::size_t>(open)];
    const int input = table.Known;
    const auto size = static_cast<std::size_t>(FRemaining[input + 1]);
    FScratch.assign(size, {});
    for (int v = 0; v < FCounts[input]; ++v) {
      if (!set.test(v)) continue;
      const TValueSet* from = &FCells[table.Offset + v * size];
      for (std::size_t c = 0; c < size; ++c) FScratch[c] |= from[c];
    }
    const bool last = static_cast<std::size_t>(input + 1) == FCounts.size();
    const int next =
        last ? FResults.Id(FScratch.front().none() ? FFull : FScratch.front()) : Intern(input + 1);
    FTables[static_cast<std::size_t>(open)].Next[setId] = next;
    return next;
  }

  // Whether each combination of the remaining inputs gives within A what it gives within B.
  bool Within(int a, int b) const {
    const TTable& tableA = FTables[static_cast<std::size_t>(a)];
    const TTable& tableB = FTables[static_cast<std::size_t>(b)];
    const auto size = static_cast<std::size_t>(FRemaining[tableA.Known]);
    for (std::size_t c = 0; c < size; ++c) {
      if (!IsSubset(FCells[tableA.Offset + c], FCells[tableB.Offset + c])) return false;
    }
    return true;
  }

 private:
  struct TTable {
    int Known = 0;
    std::size_t Offset = 0;
    std::size_t Hash = 0;
    // What follows for each set of the next input, by its number; -1 until known.
    std::vector<int> Next;
  };

  // The number of the table in FScratch for Known inputs, a new one unless it is there already.
  int Intern(int known) {
    const std::size_t hash =
        std::accumulate(FScratch.begin(), FScratch.end(), static_cast<std::size_t>(known),
                        [](std::size_t seed, const TValueSet& cell) {
                          return HashCombine(seed, TValueSetHash()(cell));
                        });
    if (FTables.size() * 2 >= FSlots.size()) Rehash();
    for (std::size_t slot = hash & (FSlots.size() - 1);; slot = (slot + 1) & (FSlots.size() - 1)) {
      const int id = FSlots[slot];
      if (id < 0) {
        FSlots[slot] = static_cast<int>(FTables.size());
        break;
      }
      const TTable& table = FTables[static_cast<std::size_t>(id)];
      if (table.Hash == hash && table.Known == known &&
          std::equal(FScratch.begin(), FScratch.end(), FCells.begin() + table.Offset)) {
        return id;
      }
    }
    FTables.push_back({known, FCells.size(), hash, {}});
    FCells.insert(FCells.end(), FScratch.begin(), FScratch.end());
    return static_cast<int>(FTables.size() - 1);
  }

  // Open addressing: a slot holds the number of a table or -1.
  void Rehash() {
    FSlots.assign(std::max<std::size_t>(64, FSlots.size() * 2), -1);
    for (std::size_t id = 0; id < FTables.size(); ++id) {
      std::size_t slot = FTables[id].Hash & (FSlots.size() - 1);
      while (FSlots[slot] >= 0) slot = (slot + 1) & (FSlots.size() - 1);
      FSlots[slot] = static_cast<int>(id);
    }
  }

  std::vector<int> FCounts;
  // Cells of a table once the first I inputs are known.
  std::vector<int> FRemaining;
  TValueSet FFull;
  TValueSets& FResults;
  bool FAllMatched = false;
  std::vector<TTable> FTables;
  // The cells of every table, one after the other.
  std::vector<TValueSet> FCells;
  std::vector<int> FSlots;
  // The table being made.
  std::vector<TValueSet> FScratch;
};

// The values each basic attribute's value spans, by its place among the subtree's basic
// attributes: from its lowest to its highest value, the whole scale when it is undefined.
using TSpans = std::vector<std::pair<int, int>>;

int Steps(int to, std::pair<int, int> span) {
  const auto [low, high] = span;
  return to < low ? low - to : to > high ? to - high : 0;
}

// Sets of changes of a subtree that the search cannot tell apart: the same result, the same
// number of changes and of steps, and the same results of the sets of changes of the same
// attributes that move none of them further and some less far ("nearer" ones). A set of changes
// with a nearer one is no solution when the nearer one is, and the nearer one is a solution
// whenever it gives a result that is, so these results say all there is to know about it.
struct TClass {
  // The result, as the node numbers it; while a node puts its inputs together, the table of open
  // results its first inputs leave.
  int Set = 0;
  int Cost = 0;
  int Steps = 0;
  // The results of the nearer sets of changes that the subtree keeps, as numbered by the node.
  std::vector<int> Nearer;
  TTargetPart* Part = nullptr;
};

// A class or, while a node puts its inputs together, the sets of changes of its first inputs
// with the same table of open results (as the search keys them).
struct TClassKey {
  int Result = 0;
  int Cost = 0;
  int Steps = 0;
  std::vector<int> Nearer;

  bool operator==(const TClassKey&) const = default;
};

struct TClassKeyHash {
  std::size_t operator()(const TClassKey& key) const {
    return std::accumulate(key.Nearer.begin(), key.Nearer.end(),
                           HashCombine(HashCombine(key.Result, key.Cost), key.Steps),
                           [](std::size_t seed, int nearer) { return HashCombine(seed, nearer); });
  }
};

// Classes by key, each with the part that lists their sets of changes.
class TClassIndex {
 public:
  TClass& Add(TClassKey key, std::deque<TTargetPart>& parts) {
    const auto [at, added] = FIndex.try_emplace(std::move(key), FClasses.size());
    if (added) {
      const TClassKey& k = at->first;
      FClasses.push_back({k.Result, k.Cost, k.Steps, k.Nearer, &parts.emplace_back()});
    }
    return FClasses[at->second];
  }
  std::vector<TClass> Take() { return std::move(FClasses); }

 private:
  std::vector<TClass> FClasses;
  std::unordered_map<TClassKey, std::size_t, TClassKeyHash> FIndex;
};

// What the nodes share while they look for the solutions of one question.
struct TSearch {
  int Budget = 0;
  TSpans Spans;
  // Whether no node's result can widen as its inputs narrow: then a narrower result is always
  // as good, which lets the search drop more and sooner.
  bool Monotone = false;
  std::deque<TTargetPart> Parts;

  TTargetPart& SingleSet(TTargetChanges changes) { return Parts.emplace_back(std::move(changes)); }
};

// A value the subtree's result can take and the fewest changes that give a result within it.
struct TCostedSet {
  int Set = 0;
  int Cost = 0;
};

// An attribute of the question's subtree, with what its evaluation needs.
class TNode {
 public:
  TNode(const TUbicAttribute& attribute, int option, std::vector<const TUbicAttribute*>& basics)
      : FCount(attribute.Scale() != nullptr ? attribute.Scale()->Count() : 0),
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
    const TUbicFunction* function = attribute.Funct();
    if (function != nullptr && FCount > 0 && function->InputCount() == attribute.InputCount()) {
      std::vector<int> counts;
      for (const auto& child : FChildren) counts.push_back(child->FCount);
      FOpen = std::make_unique<TOpenResults>(*function, counts, FCount, FSets);
    }
  }

  // Whether no result in the subtree widens as the values below narrow.
  bool Monotone() const {
    if (FBasic >= 0) return FOriginal.any();
    if (FOpen == nullptr) return true;
    return FOpen->AllMatched() && std::all_of(FChildren.begin(), FChildren.end(),
                                              [](const auto& child) { return child->Monotone(); });
  }

  // The results the subtree can give, each with its fewest changes, leaving out any result that
  // another within it gives at no more changes.
  const std::vector<TCostedSet>& Frontier() {
    if (FFrontierKnown) return FFrontier;
    FFrontierKnown = true;
    if (FBasic >= 0) {
      FFrontier.push_back({FSets.Id(FOriginal), 0});
      for (int w = 0; w < FCount; ++w) {
        if (w != FOriginalSingle) FFrontier.push_back({FSets.Id(Single(w)), 1});
      }
    } else if (FOpen == nullptr) {
      FFrontier.push_back({FSets.Id(FFull), 0});
    } else {
      std::unordered_map<int, int> cheapest{{TOpenResults::kStart, 0}};
      for (const auto& child : FChildren) {
        std::unordered_map<int, int> next;
        for (const auto& [open, cost] : cheapest) {
          for (const TCostedSet& entry : child->Frontier()) {
            const int reached = FOpen->Next(open, entry.Set, child->FSets[entry.Set]);
            const auto [at, added] = next.try_emplace(reached, cost + entry.Cost);
            if (!added) at->second = std::min(at->second, cost + entry.Cost);
          }
        }
        cheapest = std::move(next);
      }
      // After the last input the tables are results.
      for (const auto& [set, cost] : cheapest) FFrontier.push_back({set, cost});
    }
    Prune(FFrontier);
    return FFrontier;
  }

  // The fewest changes that give a result within Set.
  int MinCost(const TValueSet& set) {
    int best = INT_MAX;
    for (const TCostedSet& entry : Frontier()) {
      const TValueSet& result = FSets[entry.Set];
      if ((result.any() || result == set) && IsSubset(result, set)) {
        best = std::min(best, entry.Cost);
      }
    }
    return best;
  }

  // The sets of changes of the subtree within the search's budget, by class, that can be part
  // of a solution: none gives its result with more changes than the fewest that give a result
  // within it, and none has a nearer one with the same result.
  const std::vector<TClass>& Classes(TSearch& search) {
    if (FClassesKnown) return FClasses;
    FClassesKnown = true;
    if (FBasic >= 0) {
      AddBasicClasses(search);
    } else if (FOpen == nullptr) {
      FClasses.push_back({FSets.Id(FFull), 0, 0, {}, &search.SingleSet({})});
    } else {
      std::vector<TClass> open{{TOpenResults::kStart, 0, 0, {}, &search.SingleSet({})}};
      for (std::size_t i = 0; i < FChildren.size(); ++i) {
        open = PutTogether(open, *FChildren[i], i + 1 == FChildren.size(), search);
      }
      FClasses = std::move(open);
    }
    return FClasses;
  }

  const TValueSet& SetOf(int id) const { return FSets[id]; }

 private:
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

  // The value kept, and each other value; a new value is nearer than another when it lies
  // between that one and the value (or values) the attribute had.
  void AddBasicClasses(TSearch& search) {
    FClasses.push_back({FSets.Id(FOriginal), 0, 0, {}, &search.SingleSet({})});
    if (search.Budget <= 0) return;
    const std::pair<int, int> span = search.Spans[static_cast<std::size_t>(FBasic)];
    for (int w = 0; w < FCount; ++w) {
      if (w == FOriginalSingle) continue;
      const int nearest = std::clamp(w, span.first, span.second);
      std::vector<int> nearer;
      for (int n = std::min(nearest, w); n <= std::max(nearest, w); ++n) {
        if (n != w && n != FOriginalSingle) nearer.push_back(FSets.Id(Single(n)));
      }
      std::sort(nearer.begin(), nearer.end());
      FClasses.push_back({FSets.Id(Single(w)), 1, Steps(w, span), std::move(nearer),
                          &search.SingleSet({{FBasic, w}})});
    }
  }

  // Adds an input to the classes of the inputs before it; with the last one, the classes of the
  // node. A class here holds a table of open results where a node's class holds a result.
  std::vector<TClass> PutTogether(const std::vector<TClass>& before, TNode& input, bool last,
                                  TSearch& search) {
    const std::vector<TClass>& classes = input.Classes(search);
    const auto next = [&](int open, int set) { return FOpen->Next(open, set, input.FSets[set]); };
    // Fixing the first inputs more cheaply to the same table gives the same results with fewer
    // changes, so the dearer way is never kept.
    std::vector<int> cheapest;
    if (search.Monotone && !last) {
      for (const TClass& first : before) {
        for (const TClass& added : classes) {
          const int cost = first.Cost + added.Cost;
          if (cost > search.Budget) continue;
          const auto open = static_cast<std::size_t>(next(first.Set, added.Set));
          if (open >= cheapest.size()) cheapest.resize(open + 1, INT_MAX);
          cheapest[open] = std::min(cheapest[open], cost);
        }
      }
    }
    TClassIndex index;
    for (const TClass& first : before) {
      for (const TClass& added : classes) {
        const int cost = first.Cost + added.Cost;
        if (cost > search.Budget) continue;
        const int open = next(first.Set, added.Set);
        std::vector<int> nearer;
        for (const int n : first.Nearer) {
          nearer.push_back(next(n, added.Set));
          for (const int a : added.Nearer) nearer.push_back(next(n, a));
        }
        for (const int a : added.Nearer) nearer.push_back(next(first.Set, a));
        std::optional<TClassKey> key = last ? ResultKey(open, cost, nearer, search)
                                            : OpenKey(open, cost, nearer, cheapest, search);
        if (!key) continue;
        key->Steps = first.Steps + added.Steps;
        index.Add(std::move(*key), search.Parts).Part->AddProduct(*first.Part, *added.Part);
      }
    }
    return index.Take();
  }

  // The key of a class of the first inputs, unless it can be no part of a solution.
  std::optional<TClassKey> OpenKey(int open, int cost, std::vector<int>& nearer,
                                   const std::vector<int>& cheapest, const TSearch& search) const {
    const auto dearer = [&](int o) {
      return static_cast<std::size_t>(o) < cheapest.size() && cost > cheapest[o];
    };
    if (search.Monotone && dearer(open)) return std::nullopt;
    std::erase_if(nearer, dearer);
    const auto covers = [&](int a, int b) {
      return search.Monotone ? FOpen->Within(a, b) : a == b;
    };
    if (!KeepUncovered(nearer, open, covers)) return std::nullopt;
    return TClassKey{open, cost, 0, std::move(nearer)};
  }

  // The key of a class of the node, unless it can be no part of a solution.
  std::optional<TClassKey> ResultKey(int result, int cost, const std::vector<int>& nearerResults,
                                     const TSearch& search) {
    if (cost > MinCostOf(result)) return std::nullopt;
    std::vector<int> nearer;
    for (const int set : nearerResults) {
      if (cost <= MinCostOf(set)) nearer.push_back(set);
    }
    const auto covers = [&](int a, int b) {
      return search.Monotone ? FSets[a].any() && IsSubset(FSets[a], FSets[b]) : a == b;
    };
    if (!KeepUncovered(nearer, result, covers)) return std::nullopt;
    return TClassKey{result, cost, 0, std::move(nearer)};
  }

  // Leaves in Nearer only what no other covers, sorted; false when one covers Own: a nearer set
  // of changes that does at least as well leaves no solution to the class.
  template <class Covers>
  static bool KeepUncovered(std::vector<int>& nearer, int own, Covers covers) {
    std::sort(nearer.begin(), nearer.end());
    nearer.erase(std::unique(nearer.begin(), nearer.end()), nearer.end());
    if (std::any_of(nearer.begin(), nearer.end(), [&](int n) { return covers(n, own); })) {
      return false;
    }
    std::vector<int> kept;
    for (const int n : nearer) {
      const bool covered =
          std::any_of(nearer.begin(), nearer.end(), [&](int o) { return o != n && covers(o, n); });
      if (!covered) kept.push_back(n);
    }
    nearer = std::move(kept);
    return true;
  }

  int MinCostOf(int set) {
    if (static_cast<std::size_t>(set) >= FMinCost.size()) FMinCost.resize(set + 1, -1);
    if (FMinCost[set] < 0) FMinCost[set] = MinCost(FSets[set]);
    return FMinCost[set];
  }

  // Leaves out every entry that another gives within its set at no more changes. An empty set
  // (a value off the scale) matches no rule, which evaluation does not read as a narrower
  // result, so it takes no other's place.
  void Prune(std::vector<TCostedSet>& entries) const {
    std::vector<TCostedSet> kept;
    for (const TCostedSet& entry : entries) {
      const TValueSet& set = FSets[entry.Set];
      const bool dominated = std::any_of(entries.begin(), entries.end(), [&](const TCostedSet& o) {
        const TValueSet& other = FSets[o.Set];
        return &o != &entry && other.any() && IsSubset(other, set) && o.Cost <= entry.Cost &&
               (other != set || o.Cost < entry.Cost);
      });
      if (!dominated) kept.push_back(entry);
    }
    entries = std::move(kept);
  }

  int FCount;
  TValueSet FFull;
  std::vector<std::unique_ptr<TNode>> FChildren;
  int FBasic = -1;
  TValueSet FOriginal;
  int FOriginalSingle = -1;
  // The results the subtree gives, numbered.
  TValueSets FSets;
  // The function's results as inputs become known; none when the node is not evaluated.
  std::unique_ptr<TOpenResults> FOpen;
  bool FFrontierKnown = false;
  std::vector<TCostedSet> FFrontier;
  std::vector<int> FMinCost;
  bool FClassesKnown = false;
  std::vector<TClass> FClasses;
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

// The classes of the root that hold solutions: their result reaches the target and no nearer
// set of changes' result does.
std::vector<const TClass*> SolutionClasses(const std::vector<TClass>& classes, const TNode& root,
                                           const TValueSet& accepted, int fewest) {
  const auto reaches = [&](int set) {
    const TValueSet& result = root.SetOf(set);
    return result.any() && IsSubset(result, accepted);
  };
  // Where a narrower input can widen a result, the fewest changes are found among the narrowest
  // results only, and fewer changes may give another result that reaches the target; such a
  // result is left out as a whole.
  std::unordered_map<int, int> cheapest;
  for (const TClass& c : classes) {
    const auto [at, added] = cheapest.try_emplace(c.Set, c.Cost);
    if (!added) at->second = std::min(at->second, c.Cost);
  }
  std::vector<const TClass*> solutions;
  for (const TClass& c : classes) {
    if (c.Cost == fewest && cheapest[c.Set] == fewest && reaches(c.Set) &&
        std::none_of(c.Nearer.begin(), c.Nearer.end(), reaches)) {
      solutions.push_back(&c);
    }
  }
  std::stable_sort(solutions.begin(), solutions.end(),
                   [](const TClass* a, const TClass* b) { return a->Steps < b->Steps; });
  return solutions;
}

// Up to Limit solutions, in order: by their steps, then as ComesBefore has them.
std::vector<TTargetChanges> FirstSolutions(const std::vector<const TClass*>& classes, int limit,
                                           TSearch& search) {
  std::vector<TTargetChanges> first;
  TTargetPart& nothing = search.SingleSet({});
  for (std::size_t c = 0; c < classes.size() && std::ssize(first) < limit;) {
    TTargetPart& level = search.Parts.emplace_back();
    const int steps = classes[c]->Steps;
    for (; c < classes.size() && classes[c]->Steps == steps; ++c) {
      level.AddProduct(*classes[c]->Part, nothing);
    }
    for (std::size_t i = 0; std::ssize(first) < limit; ++i) {
      const TTargetChanges* changes = level.At(i);
      if (changes == nullptr) break;
      first.push_back(*changes);
    }
  }
  return first;
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
  if (fewest == INT_MAX) return answer;
  answer.ChangeCount = fewest;
  if (fewest == 0) {
    answer.Outcome = TTargetOutcome::Reached;
    return answer;
  }
  answer.Outcome = TTargetOutcome::Reachable;
  TSearch search{fewest, {}, root.Monotone(), {}};
  for (const TUbicAttribute* basic : basics) {
    search.Spans.push_back(Span(*basic, basic->OptionText(question.Option)));
  }
  const std::vector<const TClass*> classes =
      SolutionClasses(root.Classes(search), root, accepted, fewest);
  TTargetCount count = 0;
  for (const TClass* c : classes) count = AddCounts(count, c->Part->Count());
  for (const TTargetChanges& changes : FirstSolutions(classes, question.Limit, search)) {
    TTargetSolution& solution = answer.Solutions.emplace_back();
    for (const TTargetChange& change : changes) {
      const TUbicAttribute* basic = basics[change.Basic];
      const int steps = Steps(change.To, search.Spans[change.Basic]);
      solution.Changes.push_back({basic, basic->OptionText(question.Option), change.To, steps});
      solution.Steps += steps;
    }
  }
  // More is an int: a rest it cannot hold raises rather than telling fewer than there are. A count
  // too large for its own type stays at the type's largest value, so that raises as well.
  const TTargetCount more = count - answer.Solutions.size();
  if (more > static_cast<TTargetCount>(INT_MAX)) throw EIntOverflow();
  answer.More = static_cast<int>(more);
  return answer;
}

}  // namespace ubic
