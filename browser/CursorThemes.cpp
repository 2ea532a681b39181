#include "browser/CursorThemes.h"

namespace {

constexpr CursorTheme kThemes[kCursorThemeCount] = {
    {"Windows Standard", nullptr, nullptr},
    {"Dancing Notes", "Bin/Cursors/NotezNormal.ani", "Bin/Cursors/NotezWait.ani"},
    {"Hard Rock Guitar", "Bin/Cursors/HardRockNormal.ani", "Bin/Cursors/HardRockWait.ani"},
    {"Nature Theme", "Bin/Cursors/NatureNormal.cur", "Bin/Cursors/NatureWait.ani"},
    {"Classic Guitar", "Bin/Cursors/GuitarNormal.ani", "Bin/Cursors/GuitarWait.ani"},
    {"Spin Forms", "Bin/Cursors/SpinNormal.ani", "Bin/Cursors/SpinWait.ani"},
    {"Coffee And Cigarette", "Bin/Cursors/CoffeeCigNormal.cur", "Bin/Cursors/CoffeeCigWait.cur"},
    {"Dixieland", "Bin/Cursors/DixieNormal.ani", "Bin/Cursors/DixieWait.ani"},
    {"Country-House", "Bin/Cursors/CountryNormal.ani", "Bin/Cursors/CountryWait.ani"},
    {"Age Of Empires", "Bin/Cursors/AgeNormal.ani", "Bin/Cursors/AgeWait.ani"},
    {"Gravity Theme", "Bin/Cursors/GravityNormal.ani", "Bin/Cursors/GravityWait.ani"},
    {"Knight Errant", "Bin/Cursors/KnightNormal.ani", "Bin/Cursors/KnightWait.ani"},
};

} // namespace

const CursorTheme* cursorTheme(int number) {
    if (number < 1 || number > kCursorThemeCount)
        return nullptr;
    return &kThemes[number - 1];
}
