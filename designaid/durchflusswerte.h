#pragma once
// The design aid's own size table: 33 nominal sizes with their flows at 1 m/s
// and 3 m/s in the units of the four blocks. Only column B is stored; every
// other flow column is computed from it as the sheet computes it.
#include <array>

namespace fluvan::designaid {

// One stored row: the size and its flow at 1 m/s in m3/h, which the sheet
// keeps rounded to 5 significant digits.
struct Nennweite {
    double DN;    // mm
    double Zoll;  // inches
    double B;     // m3/h at 1 m/s
};

// One row of the sheet "Durchflusswerte", its members named after the columns.
struct Durchflusszeile {
    double A;  // DN
    double B;  // m3/h at 1 m/s, stored
    double C;  // m3/h at 3 m/s
    double F;  // DN
    double G;  // l/s at 1 m/s
    double H;  // l/s at 3 m/s
    double K;  // l/h at 1 m/s
    double L;  // inches
    double M;  // US gpm at 1 m/s
    double N;  // US gpm at 3 m/s
    double R;  // l/h at 1 m/s
    double S;  // inches
    double T;  // UK gpm at 1 m/s
    double U;  // UK gpm at 3 m/s
};

// Litres per hour per gallon per minute, as the sheet rounds them.
inline constexpr double litreProStundeJeUSgpm = 227.1;
inline constexpr double litreProStundeJeUKgpm = 272.8;

inline constexpr std::array<Nennweite, 33> nennweiten{{
    {2.5, 0.1, 0.017671}, {4, 0.125, 0.045239}, {6, 0.25, 0.10179}, {10, 0.375, 0.28274}, {15, 0.5, 0.63617},
    {20, 0.75, 1.131},    {25, 1, 1.7671},      {32, 1.25, 2.8953}, {40, 1.5, 4.5239},    {50, 2, 7.0686},
    {65, 2.5, 11.946},    {80, 3, 18.096},      {100, 4, 28.274},   {125, 5, 44.179},     {150, 6, 63.617},
    {200, 8, 113.1},      {250, 10, 176.71},    {300, 12, 254.47},  {350, 14, 346.36},    {400, 16, 452.39},
    {500, 20, 706.86},    {600, 24, 1017.9},    {700, 28, 1385.4},  {800, 32, 1809.6},    {900, 36, 2290.2},
    {1000, 40, 2827.4},   {1200, 48, 4071.5},   {1400, 56, 5541.8}, {1600, 64, 7238.2},   {1800, 72, 9160.9},
    {2000, 80, 11310},    {2600, 104, 19113},   {3000, 120, 25447},
}};

constexpr Durchflusszeile durchflusszeile(const Nennweite& n) {
    Durchflusszeile z{};
    z.A = n.DN;
    z.B = n.B;
    z.C = z.B * 3;
    z.F = n.DN;
    z.G = z.B / 3.6;
    z.H = z.G * 3;
    z.K = z.B * 1000;
    z.L = n.Zoll;
    z.M = z.K / litreProStundeJeUSgpm;
    z.N = z.M * 3;
    z.R = z.B * 1000;
    z.S = n.Zoll;
    z.T = z.R / litreProStundeJeUKgpm;
    z.U = z.T * 3;
    return z;
}

// Rows 5 to 37 of "Durchflusswerte", smallest size first.
const std::array<Durchflusszeile, 33>& durchflusswerte();

}  // namespace fluvan::designaid
