#pragma once

#include "foundation/translation.h"

// The model's user-visible texts. "\r" is one carriage-return character: the message boxes show
// it as a line break. Texts with %s and %d are filled with Format.
namespace ubic::ubicstr {

inline constexpr const char* AlreadyDestroyed =
    UBIC_TEXT("Trying to destroy an already destroyed object \"%s\"");
inline constexpr const char* PendingObjects = UBIC_TEXT("%d pending objects upon exit");
inline constexpr const char* UnknownFileFormat = UBIC_TEXT("Unknown file format: \"%s\"");
inline constexpr const char* BinaryFile = UBIC_TEXT("File \"%s\" holds binary data, not a model.");
inline constexpr const char* UnknownStringListFormat = UBIC_TEXT("Unknown string list format");
inline constexpr const char* RootName = UBIC_TEXT("Root");
inline constexpr const char* DocumentCaption = "%s [%s%s]";
inline constexpr const char* ModelStatistics = UBIC_TEXT(
    "Attributes: %d (%d basic, %d complex)   |   Scales: %d   |   Functions: %d   |   Options: %d");
inline constexpr const char* NewAttributeName = UBIC_TEXT("New");
inline constexpr const char* AddWillDeleteFunction = UBIC_TEXT(
    "Adding a new attribute will delete the function \"%s\".\rDo you still want to add a new "
    "attribute?");
inline constexpr const char* DeleteMainAttribute =
    UBIC_TEXT("Do you want to delete the main attribute \"%s\"?");
inline constexpr const char* DeleteAllSubattributes =
    UBIC_TEXT("Do you want to delete all subattributes \"%s\"?");
inline constexpr const char* AlsoDeleteOwnFunction =
    UBIC_TEXT("This will also delete the utility function of the attribute.");
inline constexpr const char* AlsoDeleteFunction =
    UBIC_TEXT("This will also delete the function \"%s\".");
inline constexpr const char* CutWillDeleteFunction = UBIC_TEXT(
    "Cutting this subtree will delete the function \"%s\".\rDo you still want to cut the subtree?");
inline constexpr const char* PasteWillDeleteFunction = UBIC_TEXT(
    "Pasting this subtree will delete the function \"%s\".\rDo you still want to paste the "
    "subtree?");
inline constexpr const char* MoveWillDeleteFunction = UBIC_TEXT(
    "This moving operation will delete the function \"%s\".\rDo you still want to move the "
    "subtree?");
inline constexpr const char* MoveWillDeleteFunctions = UBIC_TEXT(
    "This moving operation will delete the functions \"%s\" and \"%s\".\rDo you still want to "
    "move the subtree?");
inline constexpr const char* OverwriteFile =
    UBIC_TEXT("File \"%s\" already exists. Do you want to overwrite the file?");
inline constexpr const char* FileChangedOnDisk =
    UBIC_TEXT("File \"%s\" was changed on disk since it was opened or saved. Overwrite it?");
inline constexpr const char* ReloadChangedFile = UBIC_TEXT(
    "File \"%s\" was changed on disk since it was opened or saved.\rReload it? Undo takes the "
    "reload back; No keeps the model of this window.");
inline constexpr const char* FileOpenInOtherWindow = UBIC_TEXT(
    "File \"%s\" is open in the window \"%s\". Close that window first, or save under another "
    "name.");
inline constexpr const char* ExportLosses =
    UBIC_TEXT("%s\rWrite the file all the same? Cancel writes nothing.");
inline constexpr const char* SaveModelAsFile = UBIC_TEXT("Save model \"%s\" as file \"%s\"?");
inline constexpr const char* SaveModelAs = UBIC_TEXT("Save model \"%s\" as file?");
inline constexpr const char* DeleteUsedValue = UBIC_TEXT(
    "Deleting the value \"%s\" takes it from %s.\rDo you still want to delete the value?");
inline constexpr const char* OptionCount = UBIC_TEXT("%d option");
inline constexpr const char* OptionsCount = UBIC_TEXT("%d options");
inline constexpr const char* EnteredRuleCount = UBIC_TEXT("%d entered rule");
inline constexpr const char* EnteredRulesCount = UBIC_TEXT("%d entered rules");
inline constexpr const char* UndefinedScale = UBIC_TEXT("<undefined>");
inline constexpr const char* UnknownFunction = UBIC_TEXT("Unknown function \"%s\"");
inline constexpr const char* UnacceptableParameters =
    UBIC_TEXT("Unacceptable list of function parameters \"%s\": \"%s\"");
inline constexpr const char* FunctionNotBuilt = UBIC_TEXT("Function \"%s\" can not be built");
inline constexpr const char* UnknownAttributeValue =
    UBIC_TEXT("Unknown attribute value \"%s\": \"%s\"");
// A value name that, letter case and blanks aside, names several values; the last text lists them.
inline constexpr const char* AmbiguousAttributeValue =
    UBIC_TEXT("Ambiguous attribute value \"%s\": \"%s\" could be %s");
inline constexpr const char* MoreThanOneGroup =
    UBIC_TEXT("The file includes more than 1 group; Ubic will use only the first.\r");
inline constexpr const char* DistributedOptionValues =
    UBIC_TEXT("The file includes distributed option values, Ubic will use then only partially.\r");
inline constexpr const char* ScaleValueSeparator = ";";
// Remarks of the exports to the foreign formats on what the file can not hold, one line each.
// Texts with a second %s name the format ("jKIV", "KVX").
inline constexpr const char* ExportWeights = UBIC_TEXT(
    "The function of \"%s\" uses weights, which the %s file can not hold; it will read back "
    "without them.\r");
inline constexpr const char* ExportOptionWeights = UBIC_TEXT(
    "The attribute \"%s\" has options whose values have weights, which the %s file can not "
    "hold; it writes the sets of their values of positive weight.\r");
inline constexpr const char* ExportUndefinedValues = UBIC_TEXT(
    "The attribute \"%s\" has options without a value, which the %s file writes as any value "
    "(\"*\").\r");
// The jKIV export links its elements by name: names it can not link by are replaced.
inline constexpr const char* JkivEmptyAttributeName = UBIC_TEXT(
    "An attribute has an empty name, which the jKIV file can not refer to; the file calls it "
    "\"%s\".\r");
inline constexpr const char* JkivSharedAttributeName = UBIC_TEXT(
    "More than one attribute is named \"%s\" (letter case aside), which the jKIV file can not "
    "tell apart; the file calls one of them \"%s\".\r");
inline constexpr const char* JkivSeparatorInAttributeName = UBIC_TEXT(
    "The attribute name \"%s\" contains \";\", which the jKIV file uses to separate names; the "
    "file calls the attribute \"%s\".\r");
inline constexpr const char* JkivEmptyValueName = UBIC_TEXT(
    "The scale \"%s\" has a value with an empty name, which the jKIV file can not refer to; the "
    "file calls it \"%s\".\r");
inline constexpr const char* JkivSharedValueName = UBIC_TEXT(
    "The scale \"%s\" has more than one value named \"%s\", which the jKIV file can not tell "
    "apart; the file calls one of them \"%s\".\r");
inline constexpr const char* JkivSeparatorInValueName = UBIC_TEXT(
    "The scale \"%s\" has the value name \"%s\", which contains \";\", the separator of names in "
    "the jKIV file; the file calls the value \"%s\".\r");
inline constexpr const char* JkivOptionValueAsAny = UBIC_TEXT(
    "The option \"%s\" has for \"%s\" a value the jKIV file can not hold (a set of values or "
    "none of its scale); the file says \"*\".\r");
inline constexpr const char* JkivNarrowedRules = UBIC_TEXT(
    "The function of \"%s\" has rules with an interval of values, of which the jKIV file keeps "
    "only the lowest value.\r");
inline constexpr const char* JkivComputedRules = UBIC_TEXT(
    "The function of \"%s\" has computed rules, which the jKIV file can not tell from entered "
    "ones; they will read back as entered.\r");
inline constexpr const char* JkivRulesOffScale = UBIC_TEXT(
    "The function of \"%s\" has rules with a value not on its scale, which the jKIV file can not "
    "name; they will read back undefined.\r");
inline constexpr const char* JkivFunctionLeftOut = UBIC_TEXT(
    "The attribute \"%s\" has a function although its inputs or its scale allow no rules, which "
    "the jKIV file can not hold; it is left out.\r");
// The KVX export writes every text on one line of its record.
inline constexpr const char* KvxModelTextBreaks = UBIC_TEXT(
    "The model's name or description holds line breaks, which the KVX file writes as blanks.\r");
inline constexpr const char* KvxOptionNameBreaks = UBIC_TEXT(
    "The name of the option \"%s\" holds line breaks, which the KVX file writes as blanks.\r");
inline constexpr const char* KvxAttributeTextBreaks = UBIC_TEXT(
    "The name or description of the attribute \"%s\" holds line breaks, which the KVX file "
    "writes as blanks.\r");
inline constexpr const char* KvxValueTextBreaks = UBIC_TEXT(
    "The scale of \"%s\" has value names or descriptions with line breaks, which the KVX file "
    "writes as blanks.\r");
inline constexpr const char* KvxFirstValueSet = UBIC_TEXT(
    "The option \"%s\" has for \"%s\" a set of values, the first of the file, which reading the "
    "KVX file turns into any value (\"*\").\r");

// A value index is one character from code 48 up, so a scale holds at most 208 values.
inline constexpr const char* TooManyScaleValues =
    UBIC_TEXT("The scale \"%s\" can not hold more than %d values");
// What keeps a scale from being an attribute's scale; values are counted from 1.
inline constexpr const char* ScaleTooFewValues = UBIC_TEXT("A scale needs at least 2 values");
inline constexpr const char* ScaleValueWithoutName = UBIC_TEXT("Value %d has no name");
inline constexpr const char* ScaleSameValueNames =
    UBIC_TEXT("Values %d \"%s\" and %d \"%s\" differ only in letter case or blanks");

// Texts of the model classes themselves.
inline constexpr const char* RulesLabel = UBIC_TEXT("Rules:");
inline constexpr const char* DeterminedLabel = UBIC_TEXT("determined:");
// What becomes of the rules not entered, after a function's statistics.
inline constexpr const char* OpenRulesStayUndefined = UBIC_TEXT("open rules stay *");
inline constexpr const char* OpenRulesFollowWeights = UBIC_TEXT("open rules follow the weights");
inline constexpr const char* WeightsWaitForRules = UBIC_TEXT("weights wait for more entered rules");
// A function's conflicts after its statistics, and one conflict: the better rule, the worse one and
// the inputs where the better is better.
inline constexpr const char* OneConflict = UBIC_TEXT("%d conflict");
inline constexpr const char* Conflicts = UBIC_TEXT("%d conflicts");
inline constexpr const char* ConflictDescription = UBIC_TEXT("%s, though better than %s in %s");

// The origins of the deciding rules in an explanation, the rules numbered from 1.
inline constexpr const char* RuleEntered = UBIC_TEXT("rule %d, entered");
inline constexpr const char* RuleUndefined = UBIC_TEXT("rule %d, undefined");
inline constexpr const char* RuleByWeights = UBIC_TEXT("rule %d, completed by the weights");
inline constexpr const char* RuleByMonotonicity = UBIC_TEXT("rule %d, completed by monotonicity");
inline constexpr const char* RuleByMonotonicityFromOne =
    UBIC_TEXT("rule %d, completed by monotonicity from rule %d");
inline constexpr const char* RuleByMonotonicityFromTwo =
    UBIC_TEXT("rule %d, completed by monotonicity from rules %d and %d");

// What is wrong with an option's weighted value "a=0.3;b=0.7": the option, the attribute, then
// the value or weight at fault where there is one, and the whole text.
inline constexpr const char* WeightMissing =
    UBIC_TEXT("Option \"%s\", attribute \"%s\": the value \"%s\" has no weight in \"%s\"");
inline constexpr const char* WeightedValueUnknown =
    UBIC_TEXT("Option \"%s\", attribute \"%s\": unknown value \"%s\" in \"%s\"");
inline constexpr const char* WeightedValueTwice =
    UBIC_TEXT("Option \"%s\", attribute \"%s\": the value \"%s\" is named twice in \"%s\"");
inline constexpr const char* WeightNotANumber = UBIC_TEXT(
    "Option \"%s\", attribute \"%s\": the weight \"%s\" is not a non-negative number in \"%s\"");
inline constexpr const char* WeightsAllZero =
    UBIC_TEXT("Option \"%s\", attribute \"%s\": all weights are zero in \"%s\"");
// After an option's evaluation with weights read as sets: the attributes' names in quotes.
inline constexpr const char* WeightsReadAsSets =
    UBIC_TEXT("The weights of %s count here as the sets of their values.");

// Limits on the size of a new rule table, filled with the rule count and the attribute's name.
inline constexpr const char* TableTooLarge = UBIC_TEXT(
    "The newly created table would consist of %d rules, which is too much. You have to rearrange "
    "the tree below the attribute %s: reduce the number of descendants and/or their scale sizes .");
inline constexpr const char* TableVeryLarge = UBIC_TEXT(
    "You are about to create a table consisting of %d rules, which is very large. You should "
    "rearrange the tree below the attribute %s: reduce the number of descendants and/or their "
    "scale sizes .\r\rDo you still want to create the large table?");

}  // namespace ubic::ubicstr
