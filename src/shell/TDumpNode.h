#pragma once
// A decoded configuration as an ordered tree of named values: written as
// JSON that diffs cleanly (members in a fixed order, one record a line) and
// compared field by field for `lurctl diff`.
#include <cstdint>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace lur {

class TDumpNode {
 public:
  enum class Kind { Object, Array, Scalar };

  static TDumpNode Object() { return TDumpNode(Kind::Object); }
  // itemName names an element in differences: "signal" gives "signal 5".
  static TDumpNode Array(std::string itemName);
  static TDumpNode Number(long long value);
  // Reals of the controller (Real24 and the like) with 7 significant digits.
  static TDumpNode Real(double value);
  static TDumpNode Text(const std::string& utf8);
  static TDumpNode Bool(bool value);

  // Object member; returns *this for chaining.
  TDumpNode& Add(std::string key, TDumpNode value);
  TDumpNode& Add(std::string key, long long value) { return Add(std::move(key), Number(value)); }
  TDumpNode& Add(std::string key, const std::string& text) { return Add(std::move(key), Text(text)); }
  TDumpNode& Add(std::string key, const char* text) { return Add(std::move(key), Text(text)); }
  // Array element.
  TDumpNode& Push(TDumpNode value);

  Kind GetKind() const { return kind_; }
  // The JSON text of a scalar.
  const std::string& Literal() const { return literal_; }
  const std::vector<std::pair<std::string, TDumpNode>>& Members() const { return members_; }
  const std::vector<TDumpNode>& Items() const { return items_; }
  const std::string& ItemName() const { return itemName_; }

  // Objects and arrays of scalars take one line; the rest are indented by
  // two spaces a level. Ends with a line break at the top level.
  void WriteJson(std::ostream& out) const;

 private:
  explicit TDumpNode(Kind kind) : kind_(kind) {}
  bool IsFlat() const;
  void Write(std::ostream& out, int indent) const;

  Kind kind_;
  std::string literal_;
  std::string itemName_;
  std::vector<std::pair<std::string, TDumpNode>> members_;
  std::vector<TDumpNode> items_;
};

// One step of a difference's path: a member's name in words ("TimeZ",
// "discrete signals") or an element ("signal 5", "block 3..12").
struct TDumpStep {
  std::string words;
  bool element = false;
};

// One difference: where (the path in words, e.g. "discrete signals, signal
// 5, TimeZ") and the two values as JSON text ("" when a side has none);
// steps are the parts of where, joined by ", ".
struct TDumpDifference {
  std::string where;
  std::string before;
  std::string after;
  std::vector<TDumpStep> steps;
};

std::vector<TDumpDifference> CompareDumps(const TDumpNode& a, const TDumpNode& b);

// A JSON string literal of UTF-8 text.
std::string JsonString(const std::string& utf8);

}  // namespace lur
