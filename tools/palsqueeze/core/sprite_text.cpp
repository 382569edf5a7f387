// Splitting pasted sprite array text into its declaration and its values.
#include "core/sprite_text.h"

namespace palsqueeze {

namespace {

std::string_view trimSpaces(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

// Tabs, line ends and ";" only lay the array out; a value never contains them.
bool isLayoutCharacter(char c) { return c == '\t' || c == '\r' || c == '\n' || c == ';'; }

std::string cleanBody(std::string_view body) {
  std::string cleaned;
  cleaned.reserve(body.size());
  for (char c : body) {
    if (!isLayoutCharacter(c)) cleaned.push_back(c);
  }
  return cleaned;
}

std::vector<std::string_view> splitValues(std::string_view cleaned) {
  std::vector<std::string_view> values;
  std::string_view rest = cleaned;
  while (true) {
    const auto comma = rest.find(',');
    values.emplace_back(trimSpaces(rest.substr(0, comma)));
    if (comma == std::string_view::npos) break;
    rest.remove_prefix(comma + 1);
  }
  if (values.size() > 1 && values.back().empty()) values.pop_back();
  return values;
}

}  // namespace

std::string withCrLfLineEnds(std::string_view text) {
  std::string result;
  result.reserve(text.size() + text.size() / 16);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      result += "\r\n";
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      result.push_back(c);
    }
  }
  return result;
}

std::string withoutComments(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    if (text.compare(i, 2, "//") == 0) {
      i = text.find_first_of("\r\n", i);
      if (i == std::string_view::npos) break;
    } else if (text.compare(i, 2, "/*") == 0) {
      const auto end = text.find("*/", i + 2);
      result.push_back(' ');
      if (end == std::string_view::npos) break;
      i = end + 2;
    } else {
      result.push_back(text[i++]);
    }
  }
  return result;
}

std::optional<SpriteText> readSpriteText(std::string_view text) {
  const auto brace = text.find('{');
  if (brace == std::string_view::npos) return std::nullopt;
  SpriteText sprite;
  sprite.declaration = withCrLfLineEnds(text.substr(0, brace));
  const std::string rest = withoutComments(text.substr(brace + 1));
  const std::string_view body = std::string_view(rest).substr(0, rest.find_first_of("{}"));
  sprite.body = std::make_shared<const std::string>(cleanBody(body));
  sprite.values = splitValues(*sprite.body);
  return sprite;
}

}  // namespace palsqueeze
