// C source and header text around a named array.
#include "common/c_source.h"

#include <algorithm>
#include <cctype>

namespace panetools {

namespace {

constexpr std::string_view kKeywords[] = {
    "auto",     "break",    "case",     "char",   "const",    "continue", "default",
    "do",       "double",   "else",     "enum",   "extern",   "float",    "for",
    "goto",     "if",       "inline",   "int",    "long",     "register", "restrict",
    "return",   "short",    "signed",   "sizeof", "static",   "struct",   "switch",
    "typedef",  "union",    "unsigned", "void",   "volatile", "while",    "_Bool",
    "_Complex", "_Imaginary"};

bool isAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isAsciiDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool isCIdentifier(std::string_view name) {
  if (name.empty() || !(isAsciiLetter(name[0]) || name[0] == '_')) return false;
  for (char c : name) {
    if (!(isAsciiLetter(c) || isAsciiDigit(c) || c == '_')) return false;
  }
  return std::find(std::begin(kKeywords), std::end(kKeywords), name) == std::end(kKeywords);
}

std::string sourcePrefix(std::string_view name) {
  return "#include <libpane.h>\r\n\r\nuint16 " + std::string(name) + "[] = ";
}

std::string headerText(std::string_view name, std::string_view type) {
  std::string guard(name);
  for (char& c : guard) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  guard += "_H";
  return "#ifndef " + guard + "\r\n#define " + guard + "\r\n\r\n#include <libpane.h>\r\n\r\n" +
         "#ifdef __cplusplus\r\nextern \"C\" {\r\n#endif\r\n\r\nextern " + std::string(type) + " " +
         std::string(name) + "[];\r\n\r\n#ifdef __cplusplus\r\n}\r\n#endif\r\n\r\n#endif\r\n";
}

}  // namespace panetools
