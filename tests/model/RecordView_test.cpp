#include "model/RecordView.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <type_traits>

namespace lur {
namespace {

using Image = std::array<std::uint8_t, 8>;

// A descriptor that would reach past its record is no constant: it cannot
// even be declared.
template <std::size_t At, int Shift, int Width>
constexpr bool kBitFieldFits = requires {
  typename std::integral_constant<int, BitField<8>(At, Shift, Width).width>;
};
template <std::size_t At>
constexpr bool kWordFits = requires {
  typename std::integral_constant<std::size_t, WordField<8>(At).offset>;
};
template <std::size_t At, int Count>
constexpr bool kRowFits = requires {
  typename std::integral_constant<int, RecordRow<3, 8>(At, 3, Count).count>;
};
static_assert(kBitFieldFits<7, 0, 8> && kBitFieldFits<0, 7, 1>);
static_assert(!kBitFieldFits<8, 0, 1> && !kBitFieldFits<0, 5, 4> && !kBitFieldFits<0, 0, 0>);
static_assert(kWordFits<6> && !kWordFits<7>);
static_assert(kRowFits<2, 2> && !kRowFits<2, 3>);

TEST(RecordView, BitFieldsCutToTheirWidthAndKeepTheirNeighbours) {
  struct Case {
    BitField<8> field;
    int value;
    std::uint8_t stored;  // byte 3, which starts as 0xA5
    int readBack;
  };
  const Case cases[] = {
      {BitField<8>(3), 0x5A, 0x5A, 0x5A},       // a whole byte
      {BitField<8>(3), 0x15A, 0x5A, 0x5A},      // cut to 8 bits
      {BitField<8>(3), -1, 0xFF, 0xFF},         // a negative value is its low bits
      {BitField<8>(3, 4, 4), 0x3, 0x35, 0x3},   // high nibble
      {BitField<8>(3, 4, 4), 0x13, 0x35, 0x3},  // cut to 4 bits, the low nibble kept
      {BitField<8>(3, 1, 2), 0x0, 0xA1, 0x0},   // bits 1-2 cleared
      {BitField<8>(3, 1, 2), 0x7, 0xA7, 0x3},   // cut to 2 bits
      {BitField<8>(3, 7, 1), 0x0, 0x25, 0x0},   // the top bit
  };
  for (const Case& c : cases) {
    Image image{};
    image[3] = 0xA5;
    const auto view = ViewOf(image);
    view.Set(c.field, c.value);
    EXPECT_EQ(image[3], c.stored) << c.field.offset << ":" << c.field.shift << ":" << c.value;
    EXPECT_EQ(view.Get(c.field), c.readBack);
    EXPECT_EQ(view.GetInPlace(c.field), c.readBack << c.field.shift);
    EXPECT_EQ(image[2] + image[4], 0);
  }
}

TEST(RecordView, WordsAreLittleEndianAndCutToSixteenBits) {
  Image image{};
  const auto view = ViewOf(image);
  constexpr WordField<8> unsignedWord(1);
  constexpr WordField<8> signedWord(4, WordSign::Signed);
  view.Set(unsignedWord, 0x1234);
  EXPECT_EQ(image[1], 0x34);
  EXPECT_EQ(image[2], 0x12);
  view.Set(unsignedWord, 0x12345);
  EXPECT_EQ(view.Get(unsignedWord), 0x2345);
  view.Set(signedWord, -2);
  EXPECT_EQ(view.Get(signedWord), -2);
  EXPECT_EQ(view.Get(WordField<8>(4)), 0xFFFE);
  EXPECT_EQ(image[0] + image[3] + image[6] + image[7], 0);
}

TEST(RecordView, RealsRefuseWhatTheExponentCannotHold) {
  Image image{};
  const auto view = ViewOf(image);
  constexpr Real24Field<8> real(2);
  ASSERT_TRUE(view.Set(real, 100.0f));
  EXPECT_EQ(image[2], 0x00);
  EXPECT_EQ(image[3], 0x64);
  EXPECT_EQ(image[4], 0x07);
  EXPECT_EQ(view.Get(real), 100.0f);
  for (float refused : {std::ldexp(1.0f, 127), -INFINITY, NAN}) {
    EXPECT_FALSE(view.Set(real, refused)) << refused;
    EXPECT_EQ(view.Get(real), 100.0f);
  }
  EXPECT_TRUE(view.Set(real, Real24{0x00, 0xC0, 0x01}));
  EXPECT_EQ(view.Get(real), -1.0f);
}

TEST(RecordView, TextsArePaddedWithBlanks) {
  Image image;
  image.fill('x');
  const auto view = ViewOf(image);
  constexpr TextField<8> text(2, 4);
  view.Set(text, "ab");
  EXPECT_EQ(view.Get(text), "ab  ");
  view.Set(text, std::string_view("cd\0ef", 5));  // a zero byte ends the text
  EXPECT_EQ(view.Get(text), "cd  ");
  view.Set(text, "abcdefgh");
  EXPECT_EQ(view.Get(text), "abcd");
  EXPECT_EQ(image[1], 'x');
  EXPECT_EQ(image[6], 'x');
}

TEST(RecordView, NoRecordReadsZeroAndWritesNothing) {
  std::array<std::uint8_t, 10> image{};
  image.fill(0x11);
  constexpr RecordRow<3, 10> row(1, 3, 3);
  const auto whole = ViewOf(image);
  for (int i : {-1, 3}) {
    const auto none = whole.At(row, i);
    EXPECT_FALSE(none);
    none.Set(BitField<3>(0), 5);
    none.Set(WordField<3>(1), 5);
    EXPECT_FALSE(none.Set(Real24Field<3>(0), 1.0f));
    none.Fill(0);
    EXPECT_EQ(none.Get(BitField<3>(0)), 0);
    EXPECT_EQ(none.Get(TextField<3>(0, 3)), "");
  }
  for (std::uint8_t b : image) EXPECT_EQ(b, 0x11);

  // The last sub-record is the image's last three bytes.
  whole.At(row, 2).Fill(0);
  EXPECT_EQ(image[6], 0x11);
  EXPECT_EQ(image[7] + image[8] + image[9], 0);
  EXPECT_FALSE(ViewOf(std::array<std::array<std::uint8_t, 3>, 2>{}, 2));
}

TEST(RecordView, AFieldOfAHeadFitsEveryRecordThatBeginsWithIt) {
  std::array<std::uint8_t, 12> longer{};
  constexpr WordField<4> headWord(2);
  ViewOf(longer).Set(headWord, 0xBEEF);
  EXPECT_EQ(longer[2], 0xEF);
  EXPECT_EQ(longer[3], 0xBE);
  const std::array<std::uint8_t, 12>& readOnly = longer;
  EXPECT_EQ(ViewOf(readOnly).Get(headWord), 0xBEEF);
}

}  // namespace
}  // namespace lur
