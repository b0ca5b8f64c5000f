#pragma once
// One record of a table's byte image, seen through its typed fields
// (RecordField.h). A view is exactly Size bytes, or no record at all: the
// view a table hands out for an index outside its range, which reads 0 (an
// empty text) and writes nothing. Since every field was checked against its
// record when it was declared, no access through a view can leave the
// record, and every setter cuts the value to the field's width, so that the
// neighbouring bits and bytes never change with it.
//
// Byte is std::uint8_t for a view that writes, const std::uint8_t for one
// that only reads. A field declared for a shorter record fits every record
// that begins with it (the common head of two kinds of block).
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

#include "model/Bytes.h"
#include "model/Real24.h"
#include "model/RecordField.h"
#include "model/ScaleText.h"

namespace lur {

template <std::size_t Size, typename Byte = std::uint8_t>
class RecordView {
  static_assert(std::is_same_v<std::remove_const_t<Byte>, std::uint8_t>);
  static constexpr bool kWritable = !std::is_const_v<Byte>;

 public:
  RecordView() = default;  // no record
  explicit RecordView(std::span<Byte, Size> bytes) : bytes_(bytes.data()) {}
  explicit operator bool() const { return bytes_ != nullptr; }

  // Sub-record i of a row, or no record.
  template <std::size_t Part>
  RecordView<Part, Byte> At(const RecordRow<Part, Size>& row, int i) const {
    if (!bytes_ || !row.Has(i)) return {};
    return RecordView<Part, Byte>(std::span<Byte, Part>(bytes_ + row.OffsetOf(i), Part));
  }

  // ---- bit fields: the value shifted down to bit 0, or in place ----------------
  template <std::size_t F>
  requires(F <= Size) int Get(const BitField<F>& f) const {
    return bytes_ ? (bytes_[f.offset] >> f.shift) & f.Max() : 0;
  }
  template <std::size_t F>
  requires(F <= Size && kWritable) void Set(const BitField<F>& f, int value) const {
    SetInPlace(f,
               static_cast<int>((static_cast<unsigned>(value) & static_cast<unsigned>(f.Max())) << f.shift));
  }
  template <std::size_t F>
  requires(F <= Size) std::uint8_t GetInPlace(const BitField<F>& f)
  const { return bytes_ ? static_cast<std::uint8_t>(bytes_[f.offset] & f.Mask()) : 0; }
  template <std::size_t F>
  requires(F <= Size && kWritable) void SetInPlace(const BitField<F>& f, int bitsInPlace) const {
    if (!bytes_) return;
    Byte& byte = bytes_[f.offset];
    byte = static_cast<std::uint8_t>((byte & ~f.Mask()) | (static_cast<unsigned>(bitsInPlace) & f.Mask()));
  }

  // ---- words ------------------------------------------------------------------
  template <std::size_t F>
  requires(F <= Size) int Get(const WordField<F>& f) const {
    if (!bytes_) return 0;
    return f.sign == WordSign::Signed ? GetS16(bytes_ + f.offset) : GetU16(bytes_ + f.offset);
  }
  template <std::size_t F>
  requires(F <= Size && kWritable) void Set(const WordField<F>& f, int value) const {
    if (bytes_) PutU16(bytes_ + f.offset, static_cast<std::uint16_t>(value));
  }

  // ---- Real24 -----------------------------------------------------------------------
  template <std::size_t F>
  requires(F <= Size) float Get(const Real24Field<F>& f) const {
    return bytes_ ? GetReal24(bytes_ + f.offset) : 0.0f;
  }
  // False, storing nothing, for no record or a value the Real24 exponent cannot hold.
  template <std::size_t F>
  requires(F <= Size && kWritable) bool Set(const Real24Field<F>& f, float value) const {
    if (!bytes_ || !FitsReal24(value)) return false;
    PutReal24(bytes_ + f.offset, value);
    return true;
  }
  // The three bytes as they are (a typed number already in Real24 form).
  template <std::size_t F>
  requires(F <= Size && kWritable) bool Set(const Real24Field<F>& f, const Real24& value) const {
    if (!bytes_) return false;
    std::copy(value.begin(), value.end(), bytes_ + f.offset);
    return true;
  }

  // ---- texts ---------------------------------------------------------------------------
  // The bytes as stored.
  template <std::size_t F>
  requires(F <= Size) std::string Get(const TextField<F>& f)
  const {
    if (!bytes_) return {};
    return std::string(bytes_ + f.offset, bytes_ + f.offset + f.length);
  }
  // Up to `length` characters, stopping at the end of the text or a zero
  // byte; the rest blanks.
  template <std::size_t F>
  requires(F <= Size && kWritable) void Set(const TextField<F>& f, std::string_view text) const {
    if (!bytes_) return;
    Byte* to = bytes_ + f.offset;
    std::size_t i = 0;
    for (; i < f.length && i < text.size() && text[i] != '\0'; ++i)
      to[i] = static_cast<std::uint8_t>(text[i]);
    std::fill(to + i, to + f.length, static_cast<std::uint8_t>(' '));
  }

  // ---- the whole record -------------------------------------------------------------------
  // The bytes of another record of the same size, when both exist.
  template <typename From>
  void Assign(const RecordView<Size, From>& from) const requires kWritable {
    if (bytes_ && from.bytes_) std::copy_n(from.bytes_, Size, bytes_);
  }
  void Fill(std::uint8_t value) const requires kWritable {
    if (bytes_) std::fill_n(bytes_, Size, value);
  }

 private:
  template <std::size_t, typename>
  friend class RecordView;

  Byte* bytes_ = nullptr;
};

// The view of a whole image held as an array.
template <std::size_t N>
RecordView<N> ViewOf(std::array<std::uint8_t, N>& image) {
  return RecordView<N>(std::span<std::uint8_t, N>(image));
}
template <std::size_t N>
RecordView<N, const std::uint8_t> ViewOf(const std::array<std::uint8_t, N>& image) {
  return RecordView<N, const std::uint8_t>(std::span<const std::uint8_t, N>(image));
}

// Record i of a table held as an array of records, or no record.
template <std::size_t N, std::size_t Count>
RecordView<N> ViewOf(std::array<std::array<std::uint8_t, N>, Count>& records, int i) {
  return i >= 0 && static_cast<std::size_t>(i) < Count ? ViewOf(records[static_cast<std::size_t>(i)])
                                                       : RecordView<N>();
}
template <std::size_t N, std::size_t Count>
RecordView<N, const std::uint8_t> ViewOf(const std::array<std::array<std::uint8_t, N>, Count>& records,
                                         int i) {
  return i >= 0 && static_cast<std::size_t>(i) < Count ? ViewOf(records[static_cast<std::size_t>(i)])
                                                       : RecordView<N, const std::uint8_t>();
}

}  // namespace lur
