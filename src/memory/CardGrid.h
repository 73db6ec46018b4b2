#pragma once

#include <QtGlobal>
#include <array>

// The memory cards: 12 word slots, each with a picture card (its slot number) and a word card (its
// slot number + 12). They lie on a grid of 4 rows by 6 columns, positions numbered row by row.

inline constexpr int kSlots = 12;
inline constexpr int kCards = 2 * kSlots;
inline constexpr int kGridColumns = 6;

// A grid position's top and left corner, in twips.
struct GridPlace
{
    qint16 top;
    qint16 left;

    friend bool operator==(const GridPlace &, const GridPlace &) = default;
};

constexpr GridPlace gridPlace(int position)
{
    return {qint16(240 + 1200 * (position / kGridColumns)),
            qint16(120 + 1320 * (position % kGridColumns))};
}

inline constexpr std::array<GridPlace, kCards> CardPositions = [] {
    std::array<GridPlace, kCards> places{};
    for (int position = 0; position < kCards; ++position)
        places[std::size_t(position)] = gridPlace(position);
    return places;
}();

constexpr bool isPictureCard(int card)
{
    return card < kSlots;
}

constexpr int slotOf(int card)
{
    return card % kSlots;
}

// A pair is known by card numbers alone: two slots holding the same word are still two pairs.
constexpr bool isPair(int first, int second)
{
    return first - second == kSlots || second - first == kSlots;
}
