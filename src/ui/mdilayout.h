#pragma once

class QMdiArea;

namespace ubic {

// How tiling shares the area: Rows puts the windows one above another, each as wide as the area
// (Tile Horizontally); Columns puts them side by side, each as high as the area (Tile Vertically).
enum class TTiling { Rows, Columns };

// Tiles the document windows that are not minimised; the minimised ones keep their places as
// icons along the bottom, and the tiles leave that strip free.
void TileSubWindows(QMdiArea& area, TTiling tiling);

// Lines up the minimised document windows along the bottom of the area, from the left, in the
// order they were opened, starting a row above when one is full.
void ArrangeIcons(QMdiArea& area);

}  // namespace ubic
