#pragma once
// The pictures on the report style buttons: a small page in each layout.

#include <QPixmap>

namespace quorvia {

// Style 0 columns without a grid, 1 a plain grid, 2 a grid with shaded headings and rows,
// 3 the yearly summary.
QPixmap StylePicture(int style);

}  // namespace quorvia
