#include "cli/report_tree.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <sstream>

namespace orvane::cli {

namespace {
void WriteJsonString(std::ostream& out, const std::string& s) {
  out << '"';
  for (const unsigned char c : s) {
    switch (c) {
      case '"': out << "\\\""; break;
      case '\\': out << "\\\\"; break;
      case '\n': out << "\\n"; break;
      case '\r': out << "\\r"; break;
      case '\t': out << "\\t"; break;
      default:
        if (c < 0x20) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", c);
          out << buf;
        } else {
          out << c;
        }
    }
  }
  out << '"';
}

void Indent(std::ostream& out, int n) {
  for (int i = 0; i < n; ++i) out << ' ';
}
}  // namespace

ReportNode& ReportNode::Add(std::string name, ReportNode value) {
  auto& members = std::get<Members>(value_);
  members.emplace_back(std::move(name), std::move(value));
  return members.back().second;
}

ReportNode& ReportNode::Push(ReportNode value) {
  auto& items = std::get<Items>(value_);
  items.push_back(std::move(value));
  return items.back();
}

std::size_t ReportNode::ScalarTextWidth() const {
  const auto* items = std::get_if<Items>(&value_);
  if (!items) return SIZE_MAX;
  std::size_t width = 0;
  for (const ReportNode& n : *items) {
    if (!n.IsScalar()) return SIZE_MAX;
    std::ostringstream text;
    n.WriteScalarText(text);
    width += text.str().size() + 1;
  }
  return width;
}

bool ReportNode::WriteInlineRecord(std::ostream& out) const {
  // A small record of plain values fits on one line: "value=3 text=1000Hz".
  const auto* members = std::get_if<Members>(&value_);
  if (!members || members->empty() || members->size() > 3 ||
      !std::all_of(members->begin(), members->end(), [](const auto& m) { return m.second.IsScalar(); }))
    return false;
  for (const auto& [name, value] : *members) {
    out << ' ' << name << '=';
    value.WriteScalarText(out);
  }
  out << '\n';
  return true;
}

bool ReportNode::IsScalar() const {
  return !std::holds_alternative<Members>(value_) && !std::holds_alternative<Items>(value_);
}

void ReportNode::WriteScalarText(std::ostream& out) const {
  if (const auto* n = std::get_if<std::int64_t>(&value_)) out << *n;
  else if (const auto* s = std::get_if<std::string>(&value_)) out << *s;
  else if (const auto* b = std::get_if<bool>(&value_)) out << (*b ? "yes" : "no");
}

void ReportNode::WriteJson(std::ostream& out, int indent) const {
  if (const auto* members = std::get_if<Members>(&value_)) {
    out << '{';
    bool first = true;
    for (const auto& [name, node] : *members) {
      out << (first ? "\n" : ",\n");
      first = false;
      Indent(out, indent + 2);
      WriteJsonString(out, name);
      out << ": ";
      node.WriteJson(out, indent + 2);
    }
    if (!first) {
      out << '\n';
      Indent(out, indent);
    }
    out << '}';
  } else if (const auto* items = std::get_if<Items>(&value_)) {
    const bool flat = std::all_of(items->begin(), items->end(), [](const ReportNode& n) { return n.IsScalar(); });
    out << '[';
    bool first = true;
    for (const ReportNode& node : *items) {
      if (flat) {
        if (!first) out << ", ";
      } else {
        out << (first ? "\n" : ",\n");
        Indent(out, indent + 2);
      }
      first = false;
      node.WriteJson(out, indent + 2);
    }
    if (!flat && !first) {
      out << '\n';
      Indent(out, indent);
    }
    out << ']';
  } else if (const auto* s = std::get_if<std::string>(&value_)) {
    WriteJsonString(out, *s);
  } else if (const auto* n = std::get_if<std::int64_t>(&value_)) {
    out << *n;
  } else if (const auto* b = std::get_if<bool>(&value_)) {
    out << (*b ? "true" : "false");
  }
}

void ReportNode::WriteText(std::ostream& out, int indent) const {
  if (const auto* members = std::get_if<Members>(&value_)) {
    for (const auto& [name, node] : *members) {
      Indent(out, indent);
      out << name << ':';
      if (node.IsScalar()) {
        out << ' ';
        node.WriteScalarText(out);
        out << '\n';
      } else if (node.WriteInlineRecord(out)) {
      } else if (const auto* items = std::get_if<Items>(&node.value_);
                 items && node.ScalarTextWidth() <= 100) {
        for (const ReportNode& item : *items) {
          out << ' ';
          item.WriteScalarText(out);
        }
        out << '\n';
      } else {
        out << '\n';
        node.WriteText(out, indent + 2);
      }
    }
  } else if (const auto* items = std::get_if<Items>(&value_)) {
    int index = 1;
    for (const ReportNode& node : *items) {
      Indent(out, indent);
      out << index++ << ':';
      if (node.IsScalar()) {
        out << ' ';
        node.WriteScalarText(out);
        out << '\n';
      } else if (node.WriteInlineRecord(out)) {
      } else {
        out << '\n';
        node.WriteText(out, indent + 2);
      }
    }
  } else {
    Indent(out, indent);
    WriteScalarText(out);
    out << '\n';
  }
}

}  // namespace orvane::cli
