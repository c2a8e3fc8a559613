// Texts built into the program from resources/ (menus, hint texts), so the
// program never depends on finding them on disk. The definitions are generated
// at build time by cmake/embed_resources.cmake.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvo::app {

// The text of a resource by its path under resources/, e.g. "menus/KORVOMENU.menu";
// nullopt for a name that was not built in.
std::optional<std::string> EmbeddedResource(std::string_view name);

// Every built-in resource name, in sorted order.
std::vector<std::string> EmbeddedResourceNames();

}  // namespace korvo::app
