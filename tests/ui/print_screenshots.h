#pragma once

#include <QWidget>
#include <functional>

#include "ui/mainform.h"

namespace ubic {

// Grabs Widget into the named picture; false when it cannot be written.
using TSaveShot = std::function<bool(QWidget* widget, const char* name)>;

// The pictures of the printing chapter, of Document's report; false when one was not written.
bool SavePrintScreenshots(TMainForm& mainForm, TModelForm& document, const TSaveShot& save);

}  // namespace ubic
