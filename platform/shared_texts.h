#pragma once

#include <QString>

namespace orvik {

// Texts that the windows of more than one part of the program show, each
// held once.
QString NotAvailableMessage();  // a command not offered yet
QString TextFileFilter();       // for saving as text

}  // namespace orvik
