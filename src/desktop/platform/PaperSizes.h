#pragma once
// The paper sizes and orientations of the printer dialogs: their codes in the printer settings
// and Qt's page sizes.

#include <QPageLayout>
#include <QPageSize>
#include <array>
#include <cstdint>

namespace quorvia {

struct PaperSize {
    int16_t code;
    QPageSize::PageSizeId id;
};

inline constexpr std::array<PaperSize, 7> kPaperSizes{{
    {1, QPageSize::Letter},
    {5, QPageSize::Legal},
    {7, QPageSize::Executive},
    {3, QPageSize::Tabloid},
    {8, QPageSize::A3},
    {9, QPageSize::A4},
    {11, QPageSize::A5},
}};

// Letter for a code not in the list.
QPageSize PageSizeOf(int16_t code);
// The code of a page size; Letter's for a size not in the list.
int16_t PaperCodeOf(const QPageSize& size);

QPageLayout::Orientation OrientationOf(int16_t code);
int16_t OrientationCodeOf(QPageLayout::Orientation orientation);

}  // namespace quorvia
