// The items that print one line field's amount and nothing else, on all
// three pages.
#include "returns/f941/Form941Items.h"

#include "common/PrintLayout.h"

#include <array>

namespace {

// clang-format off
constexpr std::array<AmountItem, 47> kAmountItems = {{
    // page 1: lines 2 to 11c
    { 10, "fpLine2",     -1}, { 11, "fpLine3",     -1},
    { 13, "fpLine6A",    -1}, { 14, "fpLine6B",    -1},
    { 15, "fpLine6c",    -1}, { 16, "fpLine6D",    -1},
    { 17, "fpLine7A",    -1}, { 18, "fpLine7B",    -1},
    { 19, "fpLine8",     -1}, { 20, "fpLine5",     -1},
    { 21, "fpLine9B",    -1}, { 22, "fpLine9A",    -1},
    { 23, "fpLine9C",    -1}, { 24, "fpL5a1c1",    -1},
    { 25, "fpL5a1c2",    -1}, { 26, "fpL5a2c1",    -1},
    { 27, "fpLine5f",    -1}, { 28, "fpL5a2c2",    -1},
    { 29, "fpLine11",    -1}, { 30, "fpLine5d1",   -1},
    { 31, "fpLine5D2",   -1}, { 32, "fpLine11a",   -1},
    { 33, "fpLine11b",   -1}, { 34, "fpLine11c",   -1},
    // page 2: lines 11d to 15 and 11e, 11g, 13e, 13f
    { 91, "fpLine11d",   -1}, { 92, "fpLine12",    -1},
    { 93, "fpLine13a",   -1}, { 94, "fpLine13b",   -1},
    { 95, "fpLine13c",   -1}, { 96, "fpLine13d",   -1},
    { 97, "fpLine13g",   -1}, {100, "fpLine15",    -1},
    {101, "fpLine16",     1}, {108, "fpL12aCobra", -1},
    {110, "fpLine11g",   -1}, {111, "fpLine13e",   -1},
    {112, "fpLine13f",   -1},
    // page 3: lines 19 to 28
    { 84, "fpLine19",    -1}, { 85, "fpLine20",    -1},
    { 86, "fpLine21",    -1}, { 87, "fpLine22",    -1},
    { 88, "fpLine23",    -1}, { 89, "fpLine24",    -1},
    { 90, "fpLine25",    -1}, {104, "fpLine26",    -1},
    {105, "fpLine27",    -1}, {106, "fpLine28",    -1},
}};
// clang-format on

} // namespace

bool Form941Items::PrintsAmountTable(short fieldNo) {
    const AmountItem* item = FindAmountItem(kAmountItems, fieldNo);
    if (!item) return false;
    run_.StoreItemText(Amount(item->Field, item->Index));
    return true;
}
