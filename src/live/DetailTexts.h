#pragma once
// Texts the input and output detail windows share: the first line that names
// a signal, the set-point captions, and the units list as a list control
// shows it (UTF-8; the tables keep Windows-1251 bytes).
#include <string>
#include <string_view>
#include <vector>

namespace lur {

// Static texts both input detail windows carry.
inline constexpr const char* kLabNVhText = "Вход №";
inline constexpr const char* kLabVhText = "   №     входа";
inline constexpr const char* kLabel7Text = "технолог. позиция";
inline constexpr const char* kLabelRazmText = "размерн.";
inline constexpr const char* kLabel8Text = "  min шкалы";
inline constexpr const char* kLabel9Text = "  max шкалы";

class TServClass;
class TProgMBAClass;

// The letters of limit t = 0..3 (LL, L, H, HH); "" for any other t.
std::string_view LimitLetters(int t);
// "уставка " followed by the letters of limit t.
std::string SetPointCaption(int t);
// n as at least two upper-case hexadecimal digits: 10 -> "0A", 191 -> "BF".
std::string TwoHexDigits(int n);
// Signal entry e (0-based): "e + 1 (адрес 0xEE)", six blanks, its identifier.
std::string SignalCaption(const TServClass& serv, int entry);
// The sixteen units of measure, in list order.
std::vector<std::string> UnitListTexts(const TProgMBAClass& mba);

}  // namespace lur
