// A tool's array text as a C source that compiles by itself, and its header.
#pragma once

#include <string>
#include <string_view>

namespace panetools {

// Whether name can name a C array: a letter or "_", then letters, digits and "_",
// and not a C keyword.
bool isCIdentifier(std::string_view name);

// What goes in front of an array text that starts with "{" so that it is the
// definition of uint16 name[]: the include of <libpane.h> (which defines uint16),
// a blank line and "uint16 name[] = ". CR LF line ends, as the tools' text.
std::string sourcePrefix(std::string_view name);

// What follows the array text: the source's last line end.
inline constexpr char kSourceSuffix[] = "\r\n";

// The header that declares the array: an include guard, <libpane.h> and
// "extern <type> name[];" with C linkage in C++ (type "uint16" for sprites and
// pictures, "uint16*" for a font table).
std::string headerText(std::string_view name, std::string_view type = "uint16");

}  // namespace panetools
