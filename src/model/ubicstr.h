#pragma once

// The model's user-visible texts. "\r" is one carriage-return character: the message boxes show
// it as a line break. Texts with %s and %d are filled with Format.
namespace ubic::ubicstr {

inline constexpr const char* AlreadyDestroyed =
    "Trying to destroy an already destroyed object \"%s\"";
inline constexpr const char* PendingObjects = "%d pending objects upon exit";
inline constexpr const char* UnknownFileFormat = "Unknown file format: \"%s\"";
inline constexpr const char* UnknownStringListFormat = "Unknown string list format";
inline constexpr const char* RootName = "Root";
inline constexpr const char* DocumentCaption = "%s [%s%s]";
inline constexpr const char* ModelStatistics =
    "Attributes: %d (%d basic, %d complex)   |   Scales: %d   |   Functions: %d   |   Options: %d";
inline constexpr const char* NewAttributeName = "New";
inline constexpr const char* AddWillDeleteFunction =
    "Adding a new attribute will delete the function \"%s\".\rDo you still want to add a new "
    "attribute?";
inline constexpr const char* DeleteMainAttribute =
    "Do you want to delete the main attribute \"%s\"?";
inline constexpr const char* DeleteAllSubattributes =
    "Do you want to delete all subattributes \"%s\"?";
inline constexpr const char* AlsoDeleteOwnFunction =
    "This will also delete the utility function of the attribute.";
inline constexpr const char* AlsoDeleteFunction = "This will also delete the function \"%s\".";
inline constexpr const char* CutWillDeleteFunction =
    "Cutting this subtree will delete the function \"%s\".\rDo you still want to cut the subtree?";
inline constexpr const char* PasteWillDeleteFunction =
    "Pasting this subtree will delete the function \"%s\".\rDo you still want to paste the "
    "subtree?";
inline constexpr const char* MoveWillDeleteFunction =
    "This moving operation will delete the function \"%s\".\rDo you still want to move the "
    "subtree?";
inline constexpr const char* MoveWillDeleteFunctions =
    "This moving operation will delete the functions \"%s\" and \"%s\".\rDo you still want to "
    "move the subtree?";
inline constexpr const char* OverwriteFile =
    "File \"%s\" already exists. Do you want to overwrite the file?";
inline constexpr const char* SaveModelAsFile = "Save model \"%s\" as file \"%s\"?";
inline constexpr const char* SaveModelAs = "Save model \"%s\" as file?";
inline constexpr const char* UndefinedScale = "<undefined>";
inline constexpr const char* UnknownFunction = "Unknown function \"%s\"";
inline constexpr const char* UnacceptableParameters =
    "Unacceptable list of function parameters \"%s\": \"%s\"";
inline constexpr const char* FunctionNotBuilt = "Function \"%s\" can not be built";
inline constexpr const char* UnknownAttributeValue = "Unknown attribute value \"%s\": \"%s\"";
inline constexpr const char* MoreThanOneGroup =
    "The file includes more than 1 group; Ubic will use only the first.\r";
inline constexpr const char* DistributedOptionValues =
    "The file includes distributed option values, Ubic will use then only partially.\r";
inline constexpr const char* ScaleValueSeparator = ";";
// A value index is one character from code 48 up, so a scale holds at most 208 values.
inline constexpr const char* TooManyScaleValues =
    "The scale \"%s\" can not hold more than %d values";

// Texts of the model classes themselves.
inline constexpr const char* RulesLabel = "Rules:";
inline constexpr const char* DeterminedLabel = "determined:";

// Limits on the size of a new rule table, filled with the rule count and the attribute's name.
inline constexpr const char* TableTooLarge =
    "The newly created table would consist of %d rules, which is too much. You have to rearrange "
    "the tree below the attribute %s: reduce the number of descendants and/or their scale sizes .";
inline constexpr const char* TableVeryLarge =
    "You are about to create a table consisting of %d rules, which is very large. You should "
    "rearrange the tree below the attribute %s: reduce the number of descendants and/or their "
    "scale sizes .\r\rDo you still want to create the large table?";

}  // namespace ubic::ubicstr
