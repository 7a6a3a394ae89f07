#pragma once
// A text field kept as a short string holds at most its capacity in Windows-1252 characters, one
// byte each (a character the code page lacks is stored as one '?'). What the user types must fit
// whole: the pages refuse what would not fit rather than the record keeping only its beginning.
#include "core/text/ShortString.h"

#include <QStringView>
#include <type_traits>

namespace belvane {

template <typename Field>
struct ShortStringCapacity;

template <int N>
struct ShortStringCapacity<ShortString<N>> {
    static constexpr int value = N;
};

// The capacity of a record's string field, or of one entry of an array of them.
template <typename Field>
inline constexpr int capacityOf = ShortStringCapacity<std::remove_cvref_t<std::remove_extent_t<Field>>>::value;

// How many characters the text takes once stored.
int storedLength(QStringView text);
bool fitsCapacity(QStringView text, int capacity);

} // namespace belvane
