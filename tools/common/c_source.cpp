// C source and header text around a named array.
#include "common/c_source.h"

#include "libpane_names.h"

#include <algorithm>
#include <cctype>

namespace panetools {

namespace {

constexpr std::string_view kKeywords[] = {
    "auto",     "break",  "case",   "char",     "const",    "continue", "default",  "do",
    "double",   "else",   "enum",   "extern",   "float",    "for",      "goto",     "if",
    "inline",   "int",    "long",   "register", "restrict", "return",   "short",    "signed",
    "sizeof",   "static", "struct", "switch",   "typedef",  "union",    "unsigned", "void",
    "volatile", "while",  "bool",   "true",     "false"};

constexpr std::string_view kCxxKeywords[] = {"alignas",
                                             "alignof",
                                             "and",
                                             "and_eq",
                                             "asm",
                                             "bitand",
                                             "bitor",
                                             "catch",
                                             "char8_t",
                                             "char16_t",
                                             "char32_t",
                                             "class",
                                             "compl",
                                             "concept",
                                             "consteval",
                                             "constexpr",
                                             "constinit",
                                             "const_cast",
                                             "co_await",
                                             "co_return",
                                             "co_yield",
                                             "decltype",
                                             "delete",
                                             "dynamic_cast",
                                             "explicit",
                                             "export",
                                             "friend",
                                             "mutable",
                                             "namespace",
                                             "new",
                                             "noexcept",
                                             "not",
                                             "not_eq",
                                             "nullptr",
                                             "operator",
                                             "or",
                                             "or_eq",
                                             "private",
                                             "protected",
                                             "public",
                                             "reinterpret_cast",
                                             "requires",
                                             "static_assert",
                                             "static_cast",
                                             "template",
                                             "this",
                                             "thread_local",
                                             "throw",
                                             "try",
                                             "typeid",
                                             "typename",
                                             "using",
                                             "virtual",
                                             "wchar_t",
                                             "xor",
                                             "xor_eq"};

// What <stdint.h> and <stdbool.h>, which libpane.h includes, may define, and what
// the program itself has.
constexpr std::string_view kStandardNames[] = {
    "SIZE_MAX",       "PTRDIFF_MIN", "PTRDIFF_MAX", "SIG_ATOMIC_MIN",
    "SIG_ATOMIC_MAX", "WCHAR_MIN",   "WCHAR_MAX",   "WINT_MIN",
    "WINT_MAX",       "NULL",        "main"};

bool isAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isAsciiDigit(char c) { return c >= '0' && c <= '9'; }

template <typename List>
bool listed(const List& names, std::string_view name) {
  return std::find(std::begin(names), std::end(names), name) != std::end(names);
}

bool startsWith(std::string_view text, std::string_view start) {
  return text.substr(0, start.size()) == start;
}

bool endsWith(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// "__x", "_X", the <stdint.h> types (u?int..._t) and limits (U?INT..._MAX, _MIN, _C).
bool isReserved(std::string_view name) {
  if (startsWith(name, "__") ||
      (name.size() > 1 && name[0] == '_' && std::isupper(static_cast<unsigned char>(name[1]))))
    return true;
  const std::string_view type = name.substr(name[0] == 'u' ? 1 : 0);
  if (startsWith(type, "int") && endsWith(type, "_t"))
    return std::none_of(type.begin(), type.end(),
                        [](char c) { return std::isupper(static_cast<unsigned char>(c)); });
  const std::string_view limit = name.substr(name[0] == 'U' ? 1 : 0);
  if (startsWith(limit, "INT") &&
      (endsWith(limit, "_MAX") || endsWith(limit, "_MIN") || endsWith(limit, "_C")))
    return std::none_of(limit.begin(), limit.end(),
                        [](char c) { return std::islower(static_cast<unsigned char>(c)); });
  return false;
}

}  // namespace

std::string cNameProblem(std::string_view name) {
  const bool identifier = !name.empty() && (isAsciiLetter(name[0]) || name[0] == '_') &&
                          std::all_of(name.begin(), name.end(), [](char c) {
                            return isAsciiLetter(c) || isAsciiDigit(c) || c == '_';
                          });
  if (!identifier) return "is not a C identifier";
  if (listed(kKeywords, name)) return "is a C keyword";
  if (listed(kCxxKeywords, name)) return "is a C++ keyword, and libpane.h is read as C++ too";
  if (listed(kStandardNames, name) || isReserved(name))
    return "is reserved for the compiler and the C library";
  if (listed(kLibpaneNames, name)) return "is declared by libpane.h";
  return std::string();
}

bool isCIdentifier(std::string_view name) { return cNameProblem(name).empty(); }

std::string generatedLine(std::string_view tool) {
  return "// Generated by " + std::string(tool) + " " + PANE_VERSION + "\r\n";
}

std::string sourcePrefix(std::string_view tool, std::string_view name) {
  return generatedLine(tool) + "#include <libpane.h>\r\n\r\nuint16 " + std::string(name) + "[] = ";
}

std::string headerText(std::string_view tool, std::string_view name, std::string_view type,
                       const HeaderNotes& notes) {
  std::string guard(notes.guard);
  if (guard.empty()) {
    // Prefixed, so that no name meets the guard of libpane.h or of a platform header.
    guard = "PANE_ASSET_" + std::string(name);
    for (char& c : guard) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    guard += "_H";
  }
  std::string text = generatedLine(tool);
  if (!notes.about.empty()) text += std::string(notes.about) + "\r\n";
  text += "#ifndef " + guard + "\r\n#define " + guard + "\r\n\r\n#include <libpane.h>\r\n\r\n" +
          "#ifdef __cplusplus\r\nextern \"C\" {\r\n#endif\r\n\r\n";
  if (!notes.use.empty()) text += std::string(notes.use) + "\r\n";
  return text + "extern " + std::string(type) + " " + std::string(name) +
         "[];\r\n\r\n#ifdef __cplusplus\r\n}\r\n#endif\r\n\r\n#endif\r\n";
}

}  // namespace panetools
