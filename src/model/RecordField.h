#pragma once
// Typed fields of the controller's record images: a bit field (the whole
// byte at its widest), a little-endian 16-bit word, a Real24 and a
// blank-padded text, each at a fixed offset of a record of Size bytes; and a
// row of equal sub-records inside a record (the inputs of a block, the
// channels of a module page). Every descriptor is checked where it is
// declared: one that would not lie inside its record does not compile. A
// record view (RecordView.h) reads and writes through them.
#include <cstddef>
#include <cstdint>

namespace lur {

// `width` bits from bit `shift` of byte `offset`; values 0 .. Max().
template <std::size_t Size>
struct BitField {
  static constexpr std::size_t kRecordSize = Size;
  std::size_t offset;
  int shift;
  int width;

  consteval BitField(std::size_t at, int fromBit = 0, int bits = 8)
      : offset(at), shift(fromBit), width(bits) {
    if (at >= Size || fromBit < 0 || bits < 1 || fromBit + bits > 8) throw "bit field outside its record";
  }
  constexpr int Max() const { return (1 << width) - 1; }
  constexpr std::uint8_t Mask() const { return static_cast<std::uint8_t>(Max() << shift); }
};

enum class WordSign { Unsigned, Signed };

// Two bytes at `offset`, low byte first; values 0..65535 or -32768..32767.
template <std::size_t Size>
struct WordField {
  static constexpr std::size_t kRecordSize = Size;
  std::size_t offset;
  WordSign sign;

  consteval WordField(std::size_t at, WordSign s = WordSign::Unsigned) : offset(at), sign(s) {
    if (at + 2 > Size) throw "word outside its record";
  }
};

// The controller's 3-byte real at `offset`; values that fit the exponent byte.
template <std::size_t Size>
struct Real24Field {
  static constexpr std::size_t kRecordSize = Size;
  std::size_t offset;

  consteval explicit Real24Field(std::size_t at) : offset(at) {
    if (at + 3 > Size) throw "Real24 outside its record";
  }
};

// `length` bytes of Windows-1251 text at `offset`, padded with blanks.
template <std::size_t Size>
struct TextField {
  static constexpr std::size_t kRecordSize = Size;
  std::size_t offset;
  std::size_t length;

  consteval TextField(std::size_t at, std::size_t bytes) : offset(at), length(bytes) {
    if (bytes == 0 || at + bytes > Size) throw "text outside its record";
  }
};

// `count` sub-records of Part bytes, the first at `first`, each `stride`
// bytes after the one before, all inside a record of Size bytes.
template <std::size_t Part, std::size_t Size>
struct RecordRow {
  std::size_t first;
  std::size_t stride;
  int count;

  consteval RecordRow(std::size_t at, std::size_t step, int n) : first(at), stride(step), count(n) {
    if (n < 1 || step < Part || at + step * static_cast<std::size_t>(n - 1) + Part > Size)
      throw "sub-records outside their record";
  }
  constexpr bool Has(int i) const { return i >= 0 && i < count; }
  constexpr std::size_t OffsetOf(int i) const { return first + stride * static_cast<std::size_t>(i); }
};

}  // namespace lur
