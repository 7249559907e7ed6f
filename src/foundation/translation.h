#pragma once

#include <string>
#include <string_view>

#include "cp1250.h"
#include "utils.h"

// Marks an English text of the layers below the desktop program that users read. lupdate reads it
// as QT_TR_NOOP, so that its namespace is its context in the translations: the messages of ubicstr
// and the report's captions sit in ubic::ubicstr, the names of the edits in ubic::edits.
#define UBIC_TEXT(text) text

namespace ubic {

// Gives an English text in the user's language, in Windows-1250. The desktop program installs
// one; the command-line tool and the Python module keep English.
using TTextCatalogue = std::string (*)(const char* english);

// Replaces the catalogue; null keeps every text English.
void SetTextCatalogue(TTextCatalogue catalogue);

// English in the user's language when a catalogue is installed and holds it, else English itself.
// Format passes its format through it, so that the messages of ubicstr need nothing more.
std::string Translated(std::string_view english);

// A message in the user's language in UTF-8, filled with Args: for messages whose texts
// (file names, captions of files read) Windows-1250 may not hold.
template <class... Args>
std::string Utf8Message(const char* english, const Args&... args) {
  return Format(Cp1250ToUtf8(Translated(english)), args...);
}

}  // namespace ubic
