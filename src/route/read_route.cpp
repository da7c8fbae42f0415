#include "route/read_route.h"

#include <pugixml.hpp>
#include <string>

#include "route/gpx_reader.h"
#include "route/rtz_reader.h"
#include "route/xml_source.h"

namespace hurricane::route {
namespace {

// The form of the document, from its root's namespace, else its version attribute.
enum class Form { kGpx, kRtz, kUnknown };

Form form_of(pugi::xml_node root) {
  const std::string_view name = local_name(root);
  const std::string_view space = namespace_of(root);
  const std::string_view version = root.attribute("version").value();
  const bool known_version = version == "1.0" || version == "1.1";
  if (name == "gpx") {
    if (space == "http://www.topografix.com/GPX/1/1" ||
        space == "http://www.topografix.com/GPX/1/0" || (space.empty() && known_version)) {
      return Form::kGpx;
    }
  } else if (name == "route") {
    if (space == "http://www.cirm.org/RTZ/1/0" || space == "http://www.cirm.org/RTZ/1/1" ||
        (space.empty() && known_version)) {
      return Form::kRtz;
    }
  }
  return Form::kUnknown;
}

Result<Route> with_name(Result<Route> read, std::string_view name) {
  if (read.ok() && read.value().name.empty()) read.value().name = name;
  return read;
}

}  // namespace

Result<Route> read_route(std::string_view bytes, std::string_view name) {
  const XmlSource source{name, bytes};
  pugi::xml_document document;
  // No DOCTYPE is taken in (pugixml never expands external entities either).
  const pugi::xml_parse_result parsed =
      document.load_buffer(bytes.data(), bytes.size(), pugi::parse_default);
  if (parsed.status == pugi::status_no_document_element) {
    // Text without any element: pugixml points past its end, the fault is the whole file.
    return source.error_at_line(1, "not XML: no element");
  }
  if (!parsed) {
    return source.error_at_line(source.line_of(parsed.offset),
                                std::string("not XML: ") + parsed.description());
  }
  const pugi::xml_node root = document.document_element();
  switch (form_of(root)) {
    case Form::kGpx:
      return with_name(read_gpx(source, root), name);
    case Form::kRtz:
      return with_name(read_rtz(source, root), name);
    case Form::kUnknown:
      break;
  }
  std::string found = "<" + std::string(root.name()) + ">";
  if (const std::string_view space = namespace_of(root); !space.empty()) {
    found += " in namespace " + std::string(space);
  }
  return source.error(root,
                      "neither GPX 1.0/1.1 (gpx) nor RTZ 1.0/1.1 (route): the root is " + found);
}

}  // namespace hurricane::route
