#include <gtest/gtest.h>

#include <cmath>

#include "model/Cp1251.h"
#include "model/Real24.h"

namespace lur {
namespace {

struct Real24Case {
  float value;
  Real24 bytes;
};

TEST(Real24, KnownValuesBothWays) {
  const Real24Case cases[] = {
      {1.0f, {0x00, 0x40, 0x01}},  {-1.0f, {0x00, 0xC0, 0x01}}, {0.5f, {0x00, 0x40, 0x00}},
      {100.0f, {0x00, 0x64, 0x07}}, {0.0f, {0x00, 0x00, 0x00}},  {-0.0f, {0x00, 0x00, 0x00}},
      {3.0f, {0x00, 0x60, 0x02}},  {0.001f, {0x89, 0x41, 0xF7}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FloatToReal24(c.value), c.bytes) << c.value;
    if (c.value != 0.0f) {
      EXPECT_NEAR(Real24ToFloat(c.bytes), c.value, std::fabs(c.value) * 1e-4) << c.value;
    }
  }
}

TEST(Real24, TruncatesFractionBelowFourteenBits) {
  // 1 + 2^-15 has its only set fraction bit below the 14 kept: truncated to 1.0.
  const float justAboveOne = 1.0f + std::ldexp(1.0f, -15);
  EXPECT_EQ(FloatToReal24(justAboveOne), FloatToReal24(1.0f));
  // 1 + 2^-14, the lowest bit kept, survives exactly.
  const float keptBit = 1.0f + std::ldexp(1.0f, -14);
  EXPECT_EQ(Real24ToFloat(FloatToReal24(keptBit)), keptBit);
  // Negative numbers truncate toward zero in magnitude, like positive ones.
  EXPECT_EQ(Real24ToFloat(FloatToReal24(-1.99999f)), -Real24ToFloat(FloatToReal24(1.99999f)));
  EXPECT_LT(Real24ToFloat(FloatToReal24(1.99999f)), 1.99999f);
}

TEST(Real24, OutOfRangeSaturatesInsteadOfWrapping) {
  const float huge = std::ldexp(1.0f, 127);
  EXPECT_EQ(FloatToReal24(huge), (Real24{0xFF, 0x7F, 0x7F}));
  EXPECT_EQ(FloatToReal24(-huge), (Real24{0x01, 0x80, 0x7F}));
  EXPECT_EQ(FloatToReal24(INFINITY), (Real24{0xFF, 0x7F, 0x7F}));
  EXPECT_EQ(FloatToReal24(NAN), (Real24{0, 0, 0}));
  // The largest value that fits keeps its exponent 127.
  EXPECT_EQ(FloatToReal24(std::ldexp(1.0f, 126))[2], 127);
}

TEST(Real24, EveryNormalisedMantissaRoundTrips) {
  for (int m = 0x4000; m <= 0x7FFF; m += 7) {
    for (int e : {-20, 0, 15}) {
      const Real24 r{static_cast<std::uint8_t>(m & 0xFF), static_cast<std::uint8_t>(m >> 8),
                     static_cast<std::uint8_t>(static_cast<std::int8_t>(e))};
      EXPECT_EQ(FloatToReal24(Real24ToFloat(r)), r) << m << " " << e;
      EXPECT_EQ(Real24ToFloat(r), std::ldexp(static_cast<float>(m), e - 15));
    }
  }
}

TEST(Cp1251, RoundTripsCyrillicAndKeepsAscii) {
  const std::string utf8 = "Дискр.сигн.001 ЁёЖОКА №5";
  const std::string bytes = Utf8ToCp1251(utf8);
  EXPECT_EQ(bytes.size(), 24u);
  EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xC4);  // Д
  EXPECT_EQ(static_cast<unsigned char>(bytes[15]), 0xA8);  // Ё
  EXPECT_EQ(static_cast<unsigned char>(bytes[22]), 0xB9);  // №
  EXPECT_EQ(Cp1251ToUtf8(bytes), utf8);
}

TEST(Cp1251, UnmappableAndMalformedInputBecomeSafeCharacters) {
  EXPECT_EQ(Utf8ToCp1251("a\xE2\x82\xACz"), "a\x88z");  // euro sign is 0x88
  EXPECT_EQ(Utf8ToCp1251("中"), "?");
  EXPECT_EQ(Utf8ToCp1251("\xD0"), "?");         // truncated sequence
  EXPECT_EQ(Utf8ToCp1251("\xFF" "a"), "?a");    // invalid lead byte
  EXPECT_EQ(Cp1251ToUtf8(std::string("\x98", 1)), "\xEF\xBF\xBD");  // unassigned byte
}

}  // namespace
}  // namespace lur
