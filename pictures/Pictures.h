// The pictures supplied with the program, by the numbers the windows use.
#pragma once

#include <QPixmap>
#include <string>

namespace yv::pictures {

QPixmap Tile(int n);          // level tiles 1..204 (picture 204 is the grid cell)
QPixmap BadGuy(int n);        // bad-guy kinds, picture kind + 1 (1..10)
QPixmap Toolbar(int n);       // the level editor's toolbar, 1..10
QPixmap World(int n);         // world tiles 1..71 and link markers 72..76
QPixmap WorldToolbar(int n);  // the world window's toolbar, 1..6
// A single picture by name (see pictures/README.md); a null pixmap when unknown.
QPixmap Named(const std::string& name);

}  // namespace yv::pictures
