#pragma once
// A small tree of named values that `show` builds once and prints either as indented
// text or as JSON.

#include <cstdint>
#include <ostream>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace orvane::cli {

class ReportNode {
 public:
  using Members = std::vector<std::pair<std::string, ReportNode>>;
  using Items = std::vector<ReportNode>;

  ReportNode() : value_(Members{}) {}
  static ReportNode Object() { return ReportNode(Members{}); }
  static ReportNode Array() { return ReportNode(Items{}); }
  ReportNode(std::int64_t number) : value_(number) {}
  ReportNode(int number) : value_(static_cast<std::int64_t>(number)) {}
  ReportNode(std::string text) : value_(std::move(text)) {}
  ReportNode(const char* text) : value_(std::string(text)) {}
  ReportNode(bool flag) : value_(flag) {}

  // Adds a member to an object and returns it.
  ReportNode& Add(std::string name, ReportNode value);
  // Appends an item to an array and returns it.
  ReportNode& Push(ReportNode value);

  void WriteJson(std::ostream& out, int indent = 0) const;
  void WriteText(std::ostream& out, int indent = 0) const;

 private:
  using Value = std::variant<Members, Items, std::int64_t, std::string, bool>;
  explicit ReportNode(Value v) : value_(std::move(v)) {}
  bool IsScalar() const;
  // Writes a record of at most three plain values on one line; false for anything else.
  bool WriteInlineRecord(std::ostream& out) const;
  // Width of an array of plain values written on one line; SIZE_MAX for anything else.
  std::size_t ScalarTextWidth() const;
  void WriteScalarText(std::ostream& out) const;

  Value value_;
};

}  // namespace orvane::cli
