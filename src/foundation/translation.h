#pragma once

#include <string>
#include <string_view>

// Marks an English text of the layers below the desktop program that users read: the messages of
// ubicstr and the report's captions. lupdate reads it as QT_TR_NOOP; the marked texts sit in the
// namespace ubic::ubicstr, which is their context in the translations.
#define UBIC_TEXT(text) text

namespace ubic {

// Gives an English text in the user's language, in Windows-1250. The desktop program installs
// one; the command-line tool and the Python module keep English.
using TTextCatalogue = std::string (*)(const char* english);

// Replaces the catalogue; null keeps every text English.
void SetTextCatalogue(TTextCatalogue catalogue);

// English in the user's language when a catalogue is installed and holds it, else English itself.
std::string Translated(std::string_view english);

}  // namespace ubic
