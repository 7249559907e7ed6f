#pragma once

#include "foundation/translation.h"

// The captions of the model report's sections, which the report shows in the user's language.
namespace ubic::ubicstr {

inline constexpr const char* TreeTitle = UBIC_TEXT("Tree of attributes");
inline constexpr const char* ScalesTitle = UBIC_TEXT("Scales");
inline constexpr const char* RulesTableTitle = UBIC_TEXT("Decision rules (table)");
inline constexpr const char* RulesTitle = UBIC_TEXT("Decision rules");
inline constexpr const char* ConflictsTitle = UBIC_TEXT("Rule conflicts");
inline constexpr const char* NoRuleConflicts = UBIC_TEXT("No rule conflicts.");
inline constexpr const char* WeightsTitle = UBIC_TEXT("Average weights");
inline constexpr const char* EvaluationTitle = UBIC_TEXT("Evaluation results");
inline constexpr const char* SensitivityTitle = UBIC_TEXT("Sensitivity");
inline constexpr const char* TargetsTitle = UBIC_TEXT("Targets");
inline constexpr const char* ExplanationTitle = UBIC_TEXT("Explanation");
inline constexpr const char* ChartTitle = UBIC_TEXT("Chart");
inline constexpr const char* PageCaption = UBIC_TEXT("Page ");

// The headings of the report's tables and the texts between its values.
inline constexpr const char* AttributeHeading = UBIC_TEXT("Attribute");
inline constexpr const char* DescriptionHeading = UBIC_TEXT("Description");
inline constexpr const char* ScaleHeading = UBIC_TEXT("Scale");
inline constexpr const char* ValueHeading = UBIC_TEXT("Value");
inline constexpr const char* DecidedByHeading = UBIC_TEXT("Decided by");
inline constexpr const char* OneStepHeading = UBIC_TEXT("One step changes it");
inline constexpr const char* LocalHeading = UBIC_TEXT("Local");
inline constexpr const char* GlobalHeading = UBIC_TEXT("Global");
inline constexpr const char* LocalNormHeading = UBIC_TEXT("Loc.norm.");
inline constexpr const char* GlobalNormHeading = UBIC_TEXT("Glob.norm.");
inline constexpr const char* FromHeading = UBIC_TEXT("From");
inline constexpr const char* ToHeading = UBIC_TEXT("To");
inline constexpr const char* BetterHeading = UBIC_TEXT("Though better than");
inline constexpr const char* InHeading = UBIC_TEXT("In");
inline constexpr const char* SolutionHeading = UBIC_TEXT("Solution");
inline constexpr const char* IncompleteRules =
    UBIC_TEXT("The list is incomplete: the table is too large to search whole.");
inline constexpr const char* TargetAtLeast = UBIC_TEXT(" at least ");
inline constexpr const char* TargetAtMost = UBIC_TEXT(" at most ");
inline constexpr const char* TargetReached = UBIC_TEXT("Reached already.");
inline constexpr const char* TargetUnreachable = UBIC_TEXT("No change of basic values reaches it.");
inline constexpr const char* MoreSolutions = UBIC_TEXT("and %d more");
inline constexpr const char* StrongPoints = UBIC_TEXT("Strong points: ");
inline constexpr const char* WeakPoints = UBIC_TEXT("Weak points: ");
inline constexpr const char* Gives = UBIC_TEXT(" gives ");

}  // namespace ubic::ubicstr
