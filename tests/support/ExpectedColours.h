#pragma once
// The colours the program is asked to show, written out as RGB values, so
// that a test compares with what the player should see and not with the
// program's own constants.
#include <QColor>

#include <array>

namespace rgb {

inline const QColor White{255, 255, 255};  // palette index 15
inline const QColor Black{0, 0, 0};        // palette index 0
inline const QColor Yellow{255, 255, 0};   // palette index 14
inline const QColor Green{0, 255, 0};      // palette index 10
inline const QColor RightAnswer{0, 192, 0};
inline const QColor WrongAnswer{255, 0, 0};
inline const QColor FirstKanjiHint{255, 128, 128};   // &H8080FF
inline const QColor SecondKanjiHint{128, 128, 255};  // &HFF8080
inline const QColor LightPink{255, 192, 192};        // &HC0C0FF
inline const QColor LightOrange{255, 224, 192};      // &HC0E0FF
inline const QColor LightYellow{255, 255, 192};      // &HC0FFFF
inline const QColor LightCyan{192, 255, 255};        // &HFFFFC0

// The pastel table, numbered 1 to 16.
inline QColor pastel(int number)
{
    static const std::array<QColor, 16> table = {
        QColor(255, 192, 192), QColor(255, 224, 192), QColor(255, 255, 192), QColor(192, 255, 192),
        QColor(192, 255, 255), QColor(192, 192, 255), QColor(255, 192, 255), QColor(224, 224, 224),
        QColor(255, 128, 128), QColor(255, 192, 128), QColor(255, 255, 128), QColor(128, 255, 128),
        QColor(128, 255, 255), QColor(128, 128, 255), QColor(255, 128, 255), QColor(192, 192, 192)};
    return number >= 1 && number <= 16 ? table[size_t(number - 1)] : QColor();
}

}  // namespace rgb
