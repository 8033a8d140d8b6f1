#pragma once

#include <QIcon>

namespace tess {

// The program's icon, drawn rather than stored: a glowing disc with the letter T.
QIcon programIcon();

}  // namespace tess
