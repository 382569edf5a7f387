// A tool's array text as a C source that compiles by itself, and its header.
#pragma once

#include <string>
#include <string_view>

namespace panetools {

// Why name cannot name an array of a source that includes <libpane.h> and is
// compiled as C or declared to C++ by its header: "is not a C identifier" (ASCII
// letters, digits and "_", not starting with a digit), "is a C keyword", "is a C++
// keyword, and libpane.h is read as C++ too", "is reserved for the compiler and the
// C library", "is declared by libpane.h". Empty when it can.
std::string cNameProblem(std::string_view name);

// cNameProblem(name) is empty.
bool isCIdentifier(std::string_view name);

// What goes in front of an array text that starts with "{" so that it is the
// definition of uint16 name[]: the include of <libpane.h> (which defines uint16),
// a blank line and "uint16 name[] = ". CR LF line ends, as the tools' text.
std::string sourcePrefix(std::string_view name);

// What follows the array text: the source's last line end.
inline constexpr char kSourceSuffix[] = "\r\n";

// What a header may say besides the declaration.
struct HeaderNotes {
  std::string_view guard;  // the include guard; empty: PANE_ASSET_, the name in capitals, "_H"
  std::string_view about;  // a comment line (with its "// ") above the guard
  std::string_view use;    // a comment line above the declaration
};

// The header that declares the array: an include guard, <libpane.h> and
// "extern <type> name[];" with C linkage in C++ (type "uint16" for sprites and
// pictures, "uint16*" for a font table). CR LF line ends.
std::string headerText(std::string_view name, std::string_view type = "uint16",
                       const HeaderNotes& notes = {});

}  // namespace panetools
