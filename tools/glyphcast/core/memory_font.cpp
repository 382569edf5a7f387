// Reads the array declarations of the filled template the way a C compiler
// would for the forms it holds: values wrap to 16 bits, a sized array is padded
// with zeros, comments and preprocessor lines are skipped.
#include "glyphcast/core/memory_font.h"

#include "glyphcast/core/font_layout.h"

#include <QRegularExpression>

#include <libpane.h>

#include <cstdint>

namespace glyphcast {

namespace {

QString withoutComments(const QString& text) {
  static const QRegularExpression comments(
      QStringLiteral("//[^\\r\\n]*|/\\*.*?\\*/|^[ \\t]*#[^\\r\\n]*"),
      QRegularExpression::DotMatchesEverythingOption | QRegularExpression::MultilineOption);
  QString plain = text;
  plain.replace(comments, QStringLiteral(" "));
  return plain;
}

// An integer constant expression of the kind an array initialiser holds:
// decimal, octal and hexadecimal numbers with their suffixes, unary + - ~ !,
// binary * / % + - << >> & ^ |, and brackets. Evaluated in 64 bits; the 16 bits
// a uint16 keeps are those C gives for every value that fits its int types.
class Constant {
 public:
  explicit Constant(const QString& text) : text_(text) {}

  bool evaluate(std::int64_t* value) {
    const std::int64_t result = bitOr();
    skipSpace();
    if (!ok_ || at_ != text_.size()) return false;
    *value = result;
    return true;
  }

 private:
  void skipSpace() {
    while (at_ < text_.size() && text_[at_].isSpace()) ++at_;
  }
  // Takes op when it comes next and is not the start of a longer operator.
  bool take(const char* op, const char* notFollowedBy = "") {
    skipSpace();
    const QLatin1String token(op);
    if (!text_.mid(at_).startsWith(token)) return false;
    const qsizetype next = at_ + token.size();
    if (next < text_.size() && *notFollowedBy && QLatin1String(notFollowedBy).contains(text_[next]))
      return false;
    at_ = next;
    return true;
  }
  std::int64_t bitOr() {
    std::int64_t v = bitXor();
    while (take("|", "|")) v |= bitXor();
    return v;
  }
  std::int64_t bitXor() {
    std::int64_t v = bitAnd();
    while (take("^")) v ^= bitAnd();
    return v;
  }
  std::int64_t bitAnd() {
    std::int64_t v = shift();
    while (take("&", "&")) v &= shift();
    return v;
  }
  std::int64_t shift() {
    std::int64_t v = additive();
    for (;;) {
      const bool left = take("<<");
      if (!left && !take(">>")) return v;
      const std::int64_t by = additive();
      if (by < 0 || by > 62) {
        ok_ = false;
        return 0;
      }
      v = left ? static_cast<std::int64_t>(static_cast<std::uint64_t>(v) << by) : v >> by;
    }
  }
  std::int64_t additive() {
    std::int64_t v = multiplicative();
    for (;;) {
      if (take("+"))
        v = static_cast<std::int64_t>(static_cast<std::uint64_t>(v) +
                                      static_cast<std::uint64_t>(multiplicative()));
      else if (take("-"))
        v = static_cast<std::int64_t>(static_cast<std::uint64_t>(v) -
                                      static_cast<std::uint64_t>(multiplicative()));
      else
        return v;
    }
  }
  std::int64_t multiplicative() {
    std::int64_t v = unary();
    for (;;) {
      const bool times = take("*");
      const bool divide = !times && take("/");
      if (!times && !divide && !take("%")) return v;
      const std::int64_t w = unary();
      if (times) {
        v = static_cast<std::int64_t>(static_cast<std::uint64_t>(v) *
                                      static_cast<std::uint64_t>(w));
      } else if (w == 0 || (v == INT64_MIN && w == -1)) {
        ok_ = false;
        return 0;
      } else {
        v = divide ? v / w : v % w;
      }
    }
  }
  std::int64_t unary() {
    if (take("-")) return static_cast<std::int64_t>(0 - static_cast<std::uint64_t>(unary()));
    if (take("+")) return unary();
    if (take("~")) return ~unary();
    if (take("!")) return unary() == 0;
    if (take("(")) {
      const std::int64_t v = bitOr();
      if (!take(")")) ok_ = false;
      return v;
    }
    return number();
  }
  std::int64_t number() {
    skipSpace();
    static const QRegularExpression literal(
        QStringLiteral("\\G(0[xX][0-9A-Fa-f]+|[0-9]+)[uUlL]*(?![A-Za-z0-9_])"));
    const QRegularExpressionMatch match = literal.match(text_, at_);
    if (!match.hasMatch()) {
      ok_ = false;
      return 0;
    }
    at_ = match.capturedEnd();
    const QString digits = match.captured(1);
    bool ok = false;
    qulonglong n = 0;
    if (digits.startsWith(QLatin1String("0x")) || digits.startsWith(QLatin1String("0X")))
      n = digits.mid(2).toULongLong(&ok, 16);
    else if (digits.size() > 1 && digits.startsWith(QLatin1Char('0')))
      n = digits.toULongLong(&ok, 8);
    else
      n = digits.toULongLong(&ok, 10);
    ok_ = ok_ && ok;
    return static_cast<std::int64_t>(n);
  }

  const QString& text_;
  qsizetype at_ = 0;
  bool ok_ = true;
};

// An initialiser value as the uint16 it initialises.
bool parseValue(const QString& item, std::uint16_t* value) {
  std::int64_t number = 0;
  if (!Constant(item).evaluate(&number)) return false;
  *value = static_cast<std::uint16_t>(number);
  return true;
}

QStringList itemsOf(const QString& body) {
  QStringList items = body.split(QLatin1Char(','));
  for (QString& item : items) item = item.trimmed();
  if (!items.isEmpty() && items.last().isEmpty()) items.removeLast();  // a trailing comma
  return items;
}

// Words a sprite record needs by its own header, or 0 when the header itself is
// cut short or names a palette the format does not have.
std::uint64_t recordWords(const std::vector<std::uint16_t>& words) {
  if (words.size() < 2) return 0;
  if (words[0] != 0xFFFF) return 2 + std::uint64_t(words[0] + 1) * (words[1] + 1);
  if (words.size() < 4 || words[3] < 1 || words[3] > 256) return 0;
  const std::uint64_t pixels = std::uint64_t(words[1] + 1) * (words[2] + 1);
  return 4 + words[3] + (pixels * bitsFromPal(words[3]) + 15) / 16;
}

// What libpane would read past or miss in the array behind a slot; empty when
// the slot is sound.
QString slotProblem(int slot, const std::uint16_t* data,
                    const std::map<QString, std::vector<std::uint16_t>>& arrays) {
  if (!data) {
    return slot >= 256 && slot <= 258 ? QStringLiteral("is null; libpane reads a value there")
                                      : QString();
  }
  const std::vector<std::uint16_t>* words = nullptr;
  QString name;
  for (const auto& [arrayName, array] : arrays) {
    if (array.data() == data) {
      words = &array;
      name = arrayName;
    }
  }
  if (slot < 256) {
    const std::uint64_t needed = recordWords(*words);
    if (needed == 0)
      return QStringLiteral(
                 "points to %1, whose sprite header is cut short or has no usable palette")
          .arg(name);
    if (words->size() < needed)
      return QStringLiteral(
                 "points to %1, which holds %2 words where its sprite header asks for %3")
          .arg(name)
          .arg(words->size())
          .arg(needed);
  } else if (slot == 259 && words->size() < 256) {
    return QStringLiteral("points to %1, which holds %2 vertical biases, not 256")
        .arg(name)
        .arg(words->size());
  }
  return QString();
}

}  // namespace

QString tableDefinitionProblem(const QString& filledTemplate, const QString& tableName) {
  const QString plain = withoutComments(filledTemplate);
  const QRegularExpression definition(
      QStringLiteral("\\b(?:uint16|u16)\\s*\\*\\s*(?:const\\s+)?%1\\s*\\[[^\\]]*\\]\\s*=")
          .arg(QRegularExpression::escape(tableName)));
  const QRegularExpression statementStart(QStringLiteral("[;{}]"));
  static const QRegularExpression isStatic(QStringLiteral("\\bstatic\\b"));
  bool foundStatic = false;
  for (auto it = definition.globalMatch(plain); it.hasNext();) {
    const QRegularExpressionMatch match = it.next();
    const qsizetype start = plain.lastIndexOf(statementStart, match.capturedStart()) + 1;
    if (!plain.mid(start, match.capturedStart() - start).contains(isStatic)) return QString();
    foundStatic = true;
  }
  if (foundStatic)
    return QStringLiteral("the template defines it static, where no other source can link to it");
  return QStringLiteral("the template defines no table uint16* %1[]").arg(tableName);
}

const std::vector<std::uint16_t>* MemoryFont::array(const QString& name) const {
  auto found = arrays_.find(name);
  return found == arrays_.end() ? nullptr : &found->second;
}

std::unique_ptr<MemoryFont> MemoryFont::build(const Conversion& conversion, QString* error) {
  std::unique_ptr<MemoryFont> font(new MemoryFont);
  for (const CapturedGlyph& glyph : conversion.glyphs) {
    std::vector<std::uint16_t> words = {static_cast<std::uint16_t>(glyph.w),
                                        static_cast<std::uint16_t>(glyph.h)};
    words.insert(words.end(), glyph.pixels.begin(), glyph.pixels.end());
    font->arrays_[glyphArrayName(conversion.prefix, glyph.code)] = std::move(words);
  }

  static const QRegularExpression declaration(QStringLiteral(
      "(?:\\bstatic\\s+)?(?:\\bconst\\s+)?\\b(?:uint16|u16)\\s*(?:\\bconst\\b\\s*)?(\\*?)\\s*(?:"
      "\\bconst\\s+)?([A-Za-z_]\\w*)\\s*\\[\\s*(\\d*)\\s*\\]\\s*=\\s*\\{([^}]*)\\}\\s*;"));
  QStringList tableItems;
  bool tableFound = false;
  const QString plain = withoutComments(conversion.templatePart);
  for (auto it = declaration.globalMatch(plain); it.hasNext();) {
    const QRegularExpressionMatch match = it.next();
    const QString name = match.captured(2);
    const QStringList items = itemsOf(match.captured(4));
    if (!match.captured(1).isEmpty()) {
      if (name == conversion.tableName) {
        tableItems = items;
        tableFound = true;
      }
      continue;
    }
    std::vector<std::uint16_t> words;
    for (const QString& item : items) {
      std::uint16_t value = 0;
      if (!parseValue(item, &value)) {
        *error = QStringLiteral(
                     "the value %1 of %2 is not a constant the preview can read (numbers, "
                     "operators and brackets)")
                     .arg(item, name);
        return nullptr;
      }
      words.push_back(value);
    }
    const int size = match.captured(3).toInt();
    if (size > 0 && static_cast<size_t>(size) > words.size())
      words.resize(static_cast<size_t>(size), 0);
    font->arrays_[name] = std::move(words);
  }
  if (!tableFound) {
    *error =
        QStringLiteral("the template declares no table uint16* %1[]").arg(conversion.tableName);
    return nullptr;
  }
  if (tableItems.size() > kFontTableEntries) {
    *error = QStringLiteral("the table %1 has more than %2 entries")
                 .arg(conversion.tableName)
                 .arg(kFontTableEntries);
    return nullptr;
  }
  static const QRegularExpression pointer(
      QStringLiteral("^(?:\\(\\s*uint16\\s*\\*\\s*\\))?\\s*([A-Za-z_]\\w*)$"));
  for (int slot = 0; slot < tableItems.size(); ++slot) {
    const QString& item = tableItems[slot];
    if (item == QLatin1String("0") || item == QLatin1String("NULL")) continue;
    const QRegularExpressionMatch match = pointer.match(item);
    auto found = match.hasMatch() ? font->arrays_.find(match.captured(1)) : font->arrays_.end();
    if (found == font->arrays_.end() || found->second.empty()) {
      *error = QStringLiteral("entry %1 of the table, %2, names no array of the font")
                   .arg(slot)
                   .arg(item);
      return nullptr;
    }
    font->table_[static_cast<size_t>(slot)] = found->second.data();
  }
  for (int slot = 0; slot < kFontTableEntries; ++slot) {
    const QString problem =
        slotProblem(slot, font->table_[static_cast<size_t>(slot)], font->arrays_);
    if (!problem.isEmpty()) {
      *error = QStringLiteral("entry %1 of the table %2 %3")
                   .arg(slot)
                   .arg(conversion.tableName, problem);
      return nullptr;
    }
  }
  return font;
}

}  // namespace glyphcast
