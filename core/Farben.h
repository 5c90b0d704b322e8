#pragma once

#include <cstdint>

// The program's fixed colours; each carries a meaning (right, wrong, neutral).
struct TFarbe
{
    std::uint8_t Rot = 0;
    std::uint8_t Gruen = 0;
    std::uint8_t Blau = 0;
    friend constexpr bool operator==(const TFarbe &, const TFarbe &) = default;
};

inline constexpr TFarbe Farbe_Lime{0, 255, 0};
inline constexpr TFarbe Farbe_Rot{255, 0, 0};
inline constexpr TFarbe Farbe_Grau{128, 128, 128};
inline constexpr TFarbe Farbe_Silber{192, 192, 192};
inline constexpr TFarbe Farbe_Aqua{0, 255, 255};
inline constexpr TFarbe Farbe_Hellgruen{128, 255, 128};
inline constexpr TFarbe Farbe_Gelb{255, 255, 0};
inline constexpr TFarbe Farbe_Teal{0, 128, 128};
