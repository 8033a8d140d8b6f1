#pragma once

#include <QIcon>
#include <QImage>

namespace tess {

// The program's icon, drawn rather than stored: a glowing disc with the letter T, made of shapes
// so that it needs no font (packaging/org.tessarine.Tessarine.svg is the same picture).
QImage programIconImage(int size);

// The icon at the sizes the window system asks for.
QIcon programIcon();

}  // namespace tess
