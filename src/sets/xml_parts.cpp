#include "xml_parts.h"

#include <cstring>

namespace sets {

namespace {
std::string_view AfterColon(const char* name) {
    const char* colon = std::strchr(name, ':');
    return colon ? std::string_view(colon + 1) : std::string_view(name);
}
}  // namespace

std::string ParsePart(pugi::xml_document& document, const std::string& bytes,
                      const std::string& part) {
    const pugi::xml_parse_result result =
        document.load_buffer(bytes.data(), bytes.size(), pugi::parse_default, pugi::encoding_utf8);
    if (result) return {};
    return "část " + part + " je poškozená (XML na bajtu " + std::to_string(result.offset) +
           ": " + result.description() + ")";
}

std::string_view LocalName(const pugi::xml_node& node) { return AfterColon(node.name()); }

pugi::xml_node ChildNamed(const pugi::xml_node& node, std::string_view local) {
    for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
        if (child.type() == pugi::node_element && LocalName(child) == local) return child;
    }
    return {};
}

pugi::xml_node DescendantNamed(const pugi::xml_node& node, std::string_view local) {
    pugi::xml_node at = node.first_child();
    while (at) {
        if (at.type() == pugi::node_element && LocalName(at) == local) return at;
        if (at.first_child()) {
            at = at.first_child();
            continue;
        }
        while (at && !at.next_sibling() && at != node) at = at.parent();
        if (!at || at == node) break;
        at = at.next_sibling();
    }
    return {};
}

pugi::xml_attribute AttributeNamed(const pugi::xml_node& node, std::string_view local) {
    for (pugi::xml_attribute attribute : node.attributes()) {
        if (AfterColon(attribute.name()) == local) return attribute;
    }
    return {};
}

}  // namespace sets
