#include "shell/TDumpNode.h"

#include <algorithm>
#include <cstdio>

namespace lur {
namespace {

std::string Words(const std::string& key) {
  std::string words = key;
  std::replace(words.begin(), words.end(), '_', ' ');
  return words;
}

// The path of a node: the steps from the root, and their words joined.
struct TPath {
  std::vector<TDumpStep> steps;
  std::string where;

  TPath Then(std::string words, bool element) const {
    TPath next = *this;
    next.where = where.empty() ? words : where + ", " + words;
    next.steps.push_back({std::move(words), element});
    return next;
  }
};

void Add(std::vector<TDumpDifference>& out, const TPath& path, std::string before, std::string after) {
  out.push_back({path.where, std::move(before), std::move(after), path.steps});
}

// The whole of a node as one JSON line, for a side that the other lacks.
std::string OneLine(const TDumpNode& node) {
  if (node.GetKind() == TDumpNode::Kind::Scalar) return node.Literal();
  std::string text = node.GetKind() == TDumpNode::Kind::Object ? "{" : "[";
  bool first = true;
  if (node.GetKind() == TDumpNode::Kind::Object) {
    for (const auto& [key, value] : node.Members()) {
      text += (first ? "" : ", ") + JsonString(key) + ": " + OneLine(value);
      first = false;
    }
    return text + "}";
  }
  for (const auto& item : node.Items()) {
    text += (first ? "" : ", ") + OneLine(item);
    first = false;
  }
  return text + "]";
}

void Compare(const TDumpNode& a, const TDumpNode& b, const TPath& path, std::vector<TDumpDifference>& out) {
  if (a.GetKind() != b.GetKind()) {
    Add(out, path, OneLine(a), OneLine(b));
    return;
  }
  switch (a.GetKind()) {
    case TDumpNode::Kind::Scalar:
      if (a.Literal() != b.Literal()) Add(out, path, a.Literal(), b.Literal());
      return;
    case TDumpNode::Kind::Object: {
      for (const auto& [key, value] : a.Members()) {
        const auto it = std::find_if(b.Members().begin(), b.Members().end(),
                                     [&name = key](const auto& m) { return m.first == name; });
        if (it == b.Members().end()) {
          Add(out, path.Then(Words(key), false), OneLine(value), "");
        } else {
          Compare(value, it->second, path.Then(Words(key), false), out);
        }
      }
      for (const auto& [key, value] : b.Members()) {
        const bool inA = std::any_of(a.Members().begin(), a.Members().end(),
                                     [&name = key](const auto& m) { return m.first == name; });
        if (!inA) Add(out, path.Then(Words(key), false), "", OneLine(value));
      }
      return;
    }
    case TDumpNode::Kind::Array: {
      const auto& ia = a.Items();
      const auto& ib = b.Items();
      const std::size_t common = std::min(ia.size(), ib.size());
      for (std::size_t i = 0; i < common; ++i) {
        Compare(ia[i], ib[i], path.Then(a.ItemName() + " " + std::to_string(i + 1), true), out);
      }
      // Elements one side lacks (a 120-block file against a 60-block one):
      // one line for the whole run.
      const auto& longer = ia.size() > ib.size() ? ia : ib;
      if (longer.size() > common) {
        const std::size_t extra = longer.size() - common;
        std::string where = a.ItemName() + " " + std::to_string(common + 1);
        if (extra > 1) where += ".." + std::to_string(longer.size());
        const std::string what = extra > 1 ? std::to_string(extra) + " entries" : OneLine(longer[common]);
        const bool inA = ia.size() > ib.size();
        Add(out, path.Then(where, true), inA ? what : "", inA ? "" : what);
      }
      return;
    }
  }
}

}  // namespace

TDumpNode TDumpNode::Array(std::string itemName) {
  TDumpNode node(Kind::Array);
  node.itemName_ = std::move(itemName);
  return node;
}

TDumpNode TDumpNode::Number(long long value) {
  TDumpNode node(Kind::Scalar);
  node.literal_ = std::to_string(value);
  return node;
}

TDumpNode TDumpNode::Real(double value) {
  TDumpNode node(Kind::Scalar);
  char text[32];
  std::snprintf(text, sizeof text, "%.7g", value);
  node.literal_ = text;
  return node;
}

TDumpNode TDumpNode::Text(const std::string& utf8) {
  TDumpNode node(Kind::Scalar);
  node.literal_ = JsonString(utf8);
  return node;
}

TDumpNode TDumpNode::Bool(bool value) {
  TDumpNode node(Kind::Scalar);
  node.literal_ = value ? "true" : "false";
  return node;
}

TDumpNode& TDumpNode::Add(std::string key, TDumpNode value) {
  members_.emplace_back(std::move(key), std::move(value));
  return *this;
}

TDumpNode& TDumpNode::Push(TDumpNode value) {
  items_.push_back(std::move(value));
  return *this;
}

bool TDumpNode::IsFlat() const {
  if (kind_ == Kind::Object) {
    return std::all_of(members_.begin(), members_.end(),
                       [](const auto& m) { return m.second.kind_ == Kind::Scalar; });
  }
  if (kind_ == Kind::Array) {
    return std::all_of(items_.begin(), items_.end(), [](const auto& i) { return i.kind_ == Kind::Scalar; });
  }
  return true;
}

void TDumpNode::Write(std::ostream& out, int indent) const {
  if (IsFlat()) {
    out << OneLine(*this);
    return;
  }
  const std::string inner(static_cast<std::size_t>(indent + 2), ' ');
  if (kind_ == Kind::Object) {
    out << "{\n";
    for (std::size_t i = 0; i < members_.size(); ++i) {
      out << inner << JsonString(members_[i].first) << ": ";
      members_[i].second.Write(out, indent + 2);
      out << (i + 1 < members_.size() ? ",\n" : "\n");
    }
    out << std::string(static_cast<std::size_t>(indent), ' ') << "}";
    return;
  }
  out << "[\n";
  for (std::size_t i = 0; i < items_.size(); ++i) {
    out << inner;
    items_[i].Write(out, indent + 2);
    out << (i + 1 < items_.size() ? ",\n" : "\n");
  }
  out << std::string(static_cast<std::size_t>(indent), ' ') << "]";
}

void TDumpNode::WriteJson(std::ostream& out) const {
  Write(out, 0);
  out << "\n";
}

std::vector<TDumpDifference> CompareDumps(const TDumpNode& a, const TDumpNode& b) {
  std::vector<TDumpDifference> out;
  Compare(a, b, TPath{}, out);
  return out;
}

std::string JsonString(const std::string& utf8) {
  std::string text = "\"";
  for (const char ch : utf8) {
    const auto c = static_cast<unsigned char>(ch);
    if (c == '"' || c == '\\') {
      text += '\\';
      text += ch;
    } else if (c < 0x20 || c == 0x7F) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
      text += escaped;
    } else {
      text += ch;
    }
  }
  return text + "\"";
}

}  // namespace lur
