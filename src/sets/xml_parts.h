// What the spreadsheet readers need from pugixml: a part parsed with a Czech message when it
// is damaged, elements found by their local name whatever prefix the writer chose, and an
// element's text gathered without recursion (a hostile file may nest deeply).
#pragma once

#include <pugixml.hpp>

#include <string>
#include <string_view>

namespace sets {

// Parses `bytes` into `document`; empty when it parsed, else the message naming `part`.
std::string ParsePart(pugi::xml_document& document, const std::string& bytes,
                      const std::string& part);

// "table:table-row" -> "table-row".
std::string_view LocalName(const pugi::xml_node& node);
pugi::xml_node ChildNamed(const pugi::xml_node& node, std::string_view local);
// The first element named `local` in `node`'s subtree, in document order.
pugi::xml_node DescendantNamed(const pugi::xml_node& node, std::string_view local);
// An attribute by its local name.
pugi::xml_attribute AttributeNamed(const pugi::xml_node& node, std::string_view local);

}  // namespace sets
