#include "framework/qt/PastedHtml.h"

#include <QHash>
#include <QList>
#include <QStringList>
#include <QVarLengthArray>
#include <algorithm>
#include <array>
#include <initializer_list>
#include <optional>
#include <utility>

#include "framework/qt/HtmlEntities.h"

namespace fw::qt {

namespace {

// Bounds found by timing Qt 6.4's reader on a 2.6 GHz machine. Half a
// megabyte of the markup that costs it most (cells, paragraphs) takes it up
// to 1 s, a megabyte 2.4 s. Its time grows with the square of the nesting:
// 100 deep over half a megabyte, 0.5 s; 40 000 deep, a minute. So it does
// with the images (8 000: 3.2 s) and the items of a list (8 000: 1.8 s);
// 2 000 of either take 0.1 to 0.2 s.
constexpr qsizetype kMostCharacters = qsizetype{1} << 19;
constexpr int kDeepest = 100;
constexpr int kMostImages = 2000;
constexpr int kMostListItems = 2000;
// Paragraphs: half a million lines of preformatted text take 1.8 s.
constexpr qint64 kMostBlocks = 50'000;
// A thousand rows of a thousand columns take 2.5 s, a row of 100 000 cells
// 0.7 s.
constexpr qint64 kMostTableCells = 100'000;
// With a style sheet Qt matches every element and every text with each
// selector, for itself and again for each of its ancestors: half a megabyte
// 100 deep takes 2 s with 10 rules, 4 s with 100. The declarations of each
// rule that matches an element are taken again for everything inside it:
// 500 rules matching each of 95 nested elements take 7 s over 1 000 more
// inside them. Counted as the depths (each plus one) times the selectors
// plus kStyleStep, and kMatchWeight for each match an element or text lies
// in, at 5 to 10 ns a unit: 0.8 s at most.
constexpr qint64 kStyleStep = 50;
constexpr qint64 kMatchWeight = 32;
constexpr qint64 kMostStyleWork = 80'000'000;
constexpr int kMostSelectors = 1000;
// HTML far larger than what is written from it is mostly what is left out:
// not read at all.
constexpr qsizetype kMostRead = 16 * kMostCharacters;
// A cell spans at most this many columns or rows.
constexpr int kWidestSpan = 1000;
// Attribute values longer than this are left out (a link's, eight times); a
// style keeps its first declarations up to eight times as long.
constexpr qsizetype kLongestValue = 256;
constexpr qsizetype kLongestStyle = 8 * kLongestValue;
// A style sheet's selectors: at most this many classes on one element.
constexpr int kMostClasses = 4;

bool IsAsciiLetter(QChar c) {
  return (c.unicode() >= u'a' && c.unicode() <= u'z') ||
         (c.unicode() >= u'A' && c.unicode() <= u'Z');
}
bool IsAsciiDigit(QChar c) { return c.unicode() >= u'0' && c.unicode() <= u'9'; }
bool IsSpace(QChar c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f'; }
char16_t AsciiLower(QChar c) {
  return c.unicode() >= u'A' && c.unicode() <= u'Z' ? c.unicode() + (u'a' - u'A') : c.unicode();
}
QString AsciiLower(QStringView text) {
  QString lower(text.size(), Qt::Uninitialized);
  std::transform(text.begin(), text.end(), lower.begin(),
                 [](QChar c) { return QChar(AsciiLower(c)); });
  return lower;
}
// Names in HTML and style sheets are the same without case in ASCII alone.
bool SameName(QStringView name, QStringView lower) {
  return name.size() == lower.size() &&
         std::equal(name.begin(), name.end(), lower.begin(),
                    [](QChar a, QChar b) { return AsciiLower(a) == b.unicode(); });
}
// Where a name is among lower-case ones; -1 where not.
template <class Names = std::initializer_list<QStringView>>
qsizetype IndexIn(QStringView name, const Names& names) {
  for (qsizetype at = 0; QStringView candidate : names) {
    if (SameName(name, candidate)) return at;
    ++at;
  }
  return -1;
}
template <class Names = std::initializer_list<QStringView>>
bool IsOneOf(QStringView name, const Names& names) {
  return IndexIn(name, names) >= 0;
}
// The pieces of a text between runs of white space.
QList<QStringView> Words(QStringView text) {
  QList<QStringView> words;
  for (qsizetype at = 0; at < text.size();) {
    while (at < text.size() && IsSpace(text[at])) ++at;
    const qsizetype begin = at;
    while (at < text.size() && !IsSpace(text[at])) ++at;
    if (at > begin) words.append(text.sliced(begin, at - begin));
  }
  return words;
}

// Text with its entities decoded ("&amp;", "&eacute;", "&#233;"); an "&"
// that starts none stays.
QString Decoded(QStringView raw) {
  if (!raw.contains(u'&')) return raw.toString();
  QString text;
  text.reserve(raw.size());
  for (qsizetype at = 0; at < raw.size(); ++at) {
    if (raw[at] == u'&') {
      const qsizetype end = raw.sliced(at, std::min<qsizetype>(raw.size() - at, 12)).indexOf(u';');
      if (const char32_t c = end > 1 ? CharacterOfEntity(raw.sliced(at + 1, end - 1)) : 0) {
        text += QString::fromUcs4(&c, 1);
        at += end;
        continue;
      }
    }
    text += raw[at];
  }
  return text;
}

void AppendEscaped(QString& out, QStringView text) {
  qsizetype plain = 0;  // where the run of characters written as they are begins
  for (qsizetype at = 0; at < text.size(); ++at) {
    const char16_t c = text[at].unicode();
    if (c != u'&' && c != u'<' && c != u'>' && c != u'"') continue;
    out += text.sliced(plain, at - plain);
    out += c == u'&' ? u"&amp;" : c == u'<' ? u"&lt;" : c == u'>' ? u"&gt;" : u"&quot;";
    plain = at + 1;
  }
  out += text.sliced(plain);
}

// HTML taken apart as a browser takes it apart: a tag begins with "<" and a
// letter, or "</" and a letter (any letter: an element that no browser knows
// is left out, not shown as text); an attribute's value is quoted up to the
// same quote, or ends at a space; "<!" and "<?" begin a comment.
class Tags {
 public:
  enum Kind { kEnd, kText, kOpen, kClose };
  struct Attribute {
    QStringView name, value;
  };
  explicit Tags(QStringView html) : html_(html) {}

  Kind Next();
  // The text up to the closing tag of an element whose text is no markup (a
  // script's, a style sheet's), which is read next.
  QStringView SkipText(QStringView name);

  // kText: the text as written; kOpen, kClose: the element's name in lower case.
  QStringView text;
  QString name;
  // kOpen: written as "<name/>".
  bool closed = false;
  QVarLengthArray<Attribute, 8> attributes;
  // kOpen: the text of the attributes, as written.
  QStringView attributeText;

 private:
  bool At(qsizetype at, char16_t c) const { return at < html_.size() && html_[at] == c; }
  void SkipSpace() {
    while (at_ < html_.size() && IsSpace(html_[at_])) ++at_;
  }
  void SkipPast(QStringView end) {
    const qsizetype found = html_.indexOf(end, at_);
    at_ = found < 0 ? html_.size() : found + end.size();
  }
  // Up to a space or one of the characters given.
  QStringView Word(QStringView ends);
  bool ReadAttributes();

  QStringView html_;
  qsizetype at_ = 0;
};

QStringView Tags::Word(QStringView ends) {
  const qsizetype begin = at_;
  auto endsWord = [&](QChar c) {
    return IsSpace(c) || std::find(ends.begin(), ends.end(), c) != ends.end();
  };
  while (at_ < html_.size() && !endsWord(html_[at_])) ++at_;
  return html_.sliced(begin, at_ - begin);
}

// False where the HTML ends inside the tag, which is then left out.
bool Tags::ReadAttributes() {
  attributes.clear();
  closed = false;
  const qsizetype begin = at_;
  for (;;) {
    SkipSpace();
    if (at_ >= html_.size()) return false;
    if (At(at_, u'>')) break;
    if (At(at_, u'/')) {
      closed = At(++at_, u'>');
      continue;
    }
    const qsizetype begin = at_++;  // a name may begin with "="
    Word(u"/>=");
    const QStringView key = html_.sliced(begin, at_ - begin);
    SkipSpace();
    QStringView value;
    if (At(at_, u'=')) {
      ++at_;
      SkipSpace();
      if (At(at_, u'"') || At(at_, u'\'')) {
        const qsizetype end = html_.indexOf(html_[at_], at_ + 1);
        if (end < 0) return false;
        value = html_.sliced(at_ + 1, end - at_ - 1);
        at_ = end + 1;
      } else {
        value = Word(u">");
      }
    }
    attributes.append({key, value});
    closed = false;
  }
  attributeText = html_.sliced(begin, at_ - begin);
  ++at_;
  return true;
}

Tags::Kind Tags::Next() {
  for (;;) {
    const qsizetype start = at_;
    if (at_ >= html_.size()) return kEnd;
    const bool tag = At(at_, u'<') && at_ + 1 < html_.size();
    const bool closing = tag && html_[at_ + 1] == u'/';
    if (tag && (html_[at_ + 1].isLetter() ||
                (closing && at_ + 2 < html_.size() && html_[at_ + 2].isLetter()))) {
      at_ += closing ? 2 : 1;
      name = AsciiLower(Word(u"/>"));
      if (!ReadAttributes()) {
        at_ = html_.size();
        return kEnd;
      }
      return closing ? kClose : kOpen;
    }
    if (tag && (html_[at_ + 1] == u'!' || html_[at_ + 1] == u'?' || closing)) {
      const bool comment = html_.sliced(at_).startsWith(u"<!--");
      at_ += comment ? 4 : 2;
      SkipPast(comment ? u"-->" : u">");
      continue;
    }
    const qsizetype next = html_.indexOf(u'<', at_ + 1);
    at_ = next < 0 ? html_.size() : next;
    text = html_.sliced(start, at_ - start);
    return kText;
  }
}

QStringView Tags::SkipText(QStringView name) {
  const qsizetype begin = at_;
  for (qsizetype found; (found = html_.indexOf(u"</", at_)) >= 0; at_ = found + 2) {
    const qsizetype after = found + 2 + name.size();
    if (SameName(html_.sliced(found + 2, std::min(name.size(), html_.size() - found - 2)), name) &&
        (after >= html_.size() || IsSpace(html_[after]) || html_[after] == u'/' ||
         html_[after] == u'>')) {
      at_ = found;
      return html_.sliced(begin, found - begin);
    }
  }
  at_ = html_.size();
  return html_.sliced(begin);
}

// What the program makes of an element.
enum Role : unsigned {
  kInline = 1,     // a text style, shown
  kBlock = 2,      // a paragraph, list, table or part of one, shown
  kEmpty = 4,      // nothing nests inside it
  kLeftOut = 8,    // not written
  kWhole = 16,     // left out with its text
  kDocument = 32,  // html, head, body: written once, around everything
};

struct Element {
  QStringView name;
  unsigned role;
};

// The elements Qt's rich text shows, and those the reader must know of to
// leave them out rightly.
constexpr Element kElements[] = {
    {u"a", kInline},
    {u"b", kInline},
    {u"big", kInline},
    {u"cite", kInline},
    {u"code", kInline},
    {u"dfn", kInline},
    {u"em", kInline},
    {u"font", kInline},
    {u"i", kInline},
    {u"kbd", kInline},
    {u"nobr", kInline},
    {u"s", kInline},
    {u"samp", kInline},
    {u"small", kInline},
    {u"span", kInline},
    {u"strong", kInline},
    {u"sub", kInline},
    {u"sup", kInline},
    {u"tt", kInline},
    {u"u", kInline},
    {u"var", kInline},
    {u"address", kBlock},
    {u"blockquote", kBlock},
    {u"caption", kBlock},
    {u"center", kBlock},
    {u"dd", kBlock},
    {u"div", kBlock},
    {u"dl", kBlock},
    {u"dt", kBlock},
    {u"h1", kBlock},
    {u"h2", kBlock},
    {u"h3", kBlock},
    {u"h4", kBlock},
    {u"h5", kBlock},
    {u"h6", kBlock},
    {u"li", kBlock},
    {u"ol", kBlock},
    {u"p", kBlock},
    {u"pre", kBlock},
    {u"table", kBlock},
    {u"tbody", kBlock},
    {u"td", kBlock},
    {u"tfoot", kBlock},
    {u"th", kBlock},
    {u"thead", kBlock},
    {u"tr", kBlock},
    {u"ul", kBlock},
    {u"br", kInline | kEmpty},
    {u"hr", kBlock | kEmpty},
    {u"img", kInline | kEmpty},
    {u"area", kLeftOut | kEmpty},
    {u"base", kLeftOut | kEmpty},
    {u"basefont", kLeftOut | kEmpty},
    {u"bgsound", kLeftOut | kEmpty},
    {u"col", kLeftOut | kEmpty},
    {u"embed", kLeftOut | kEmpty},
    {u"frame", kLeftOut | kEmpty},
    {u"input", kLeftOut | kEmpty},
    {u"keygen", kLeftOut | kEmpty},
    {u"link", kLeftOut | kEmpty},
    {u"meta", kLeftOut | kEmpty},
    {u"param", kLeftOut | kEmpty},
    {u"source", kLeftOut | kEmpty},
    {u"track", kLeftOut | kEmpty},
    {u"wbr", kLeftOut | kEmpty},
    {u"script", kWhole},
    {u"style", kWhole},
    {u"title", kWhole},
    {u"textarea", kWhole},
    {u"xmp", kWhole},
    {u"iframe", kWhole},
    {u"noembed", kWhole},
    {u"noframes", kWhole},
    {u"noscript", kWhole},
    {u"template", kWhole},
    {u"svg", kWhole},
    {u"math", kWhole},
    {u"html", kDocument},
    {u"head", kDocument},
    {u"body", kDocument},
};

const Element* ElementNamed(QStringView lower) {
  static const QHash<QStringView, const Element*> kByName = [] {
    QHash<QStringView, const Element*> byName;
    for (const Element& element : kElements) byName.insert(element.name, &element);
    return byName;
  }();
  return kByName.value(lower);
}

bool IsShown(QStringView lower) {
  const Element* element = ElementNamed(lower);
  return element && (element->role & (kInline | kBlock));
}

// The attributes rich text uses, in the order they are written.
constexpr std::array<QStringView, 20> kAttributes = {
    u"style",  u"class",       u"href",        u"name",    u"colspan", u"rowspan", u"align",
    u"valign", u"width",       u"height",      u"bgcolor", u"color",   u"face",    u"size",
    u"border", u"cellspacing", u"cellpadding", u"start",   u"type",    u"dir"};
constexpr qsizetype kStyle = 0, kClass = 1, kHref = 2, kColspan = 4, kRowspan = 5;

// The style properties rich text uses.
constexpr QStringView kProperties[] = {
    u"background",     u"background-color", u"border",          u"border-collapse",
    u"border-color",   u"border-style",     u"border-width",    u"color",
    u"font",           u"font-family",      u"font-size",       u"font-style",
    u"font-variant",   u"font-weight",      u"height",          u"letter-spacing",
    u"line-height",    u"list-style",       u"list-style-type", u"margin",
    u"margin-bottom",  u"margin-left",      u"margin-right",    u"margin-top",
    u"padding",        u"padding-bottom",   u"padding-left",    u"padding-right",
    u"padding-top",    u"text-align",       u"text-decoration", u"text-indent",
    u"text-transform", u"vertical-align",   u"white-space",     u"width",
    u"word-spacing",   u"-qt-block-indent", u"-qt-list-indent", u"-qt-paragraph-type"};

// A style sheet's text without its comments (and the markup comment marks a
// sheet may be wrapped in).
QString WithoutComments(QStringView css) {
  if (std::none_of(css.begin(), css.end(),
                   [](QChar c) { return c == u'/' || c == u'<' || c == u'>'; }))
    return css.toString();
  QString kept;
  kept.reserve(css.size());
  for (qsizetype at = 0; at < css.size();) {
    if (css.sliced(at).startsWith(u"/*")) {
      const qsizetype end = css.indexOf(u"*/", at + 2);
      at = end < 0 ? css.size() : end + 2;
      kept += u' ';
    } else if (css.sliced(at).startsWith(u"<!--") || css.sliced(at).startsWith(u"-->")) {
      at += css[at] == u'<' ? 4 : 3;
      kept += u' ';
    } else {
      kept += css[at++];
    }
  }
  return kept;
}

// A property's value as written back: its white space run together; none
// where it holds anything beyond words, numbers, colours and quoted names,
// which rich text's properties need (no file is named).
std::optional<QString> CleanValue(QStringView value) {
  QString clean;
  QChar quote;
  bool inCall = false;
  for (QChar c : value) {
    if ((c.unicode() < 0x20 && !IsSpace(c)) || c.unicode() == 0x7F ||
        QStringView(u"\\{}<>@*!:;&").contains(c))
      return std::nullopt;
    if (!quote.isNull()) {
      if (c == quote) quote = QChar();
      if (IsSpace(c) && c != u' ') return std::nullopt;
    } else if (c == u'"' || c == u'\'') {
      quote = c;
    } else if (c == u'(') {
      const QStringView name = QStringView(clean).sliced(clean.lastIndexOf(u' ') + 1);
      if (inCall || !IsOneOf(name, {u"rgb", u"rgba", u"hsl", u"hsla"})) return std::nullopt;
      inCall = true;
    } else if (c == u')') {
      if (!std::exchange(inCall, false)) return std::nullopt;
    } else if (IsSpace(c)) {
      if (!clean.isEmpty() && !clean.endsWith(u' ')) clean += u' ';
      continue;
    }
    clean += c;
  }
  if (clean.endsWith(u' ')) clean.chop(1);
  if (!quote.isNull() || inCall || clean.isEmpty() || clean.size() > kLongestValue)
    return std::nullopt;
  return clean;
}

// Declarations written back as "property:value;property:value": only the
// properties rich text uses, each once (the last), without "!important".
QString Declarations(QStringView css) {
  QList<std::pair<QString, QString>> kept;
  const QString text = WithoutComments(css);
  QChar quote;
  for (qsizetype at = 0, begin = 0; at <= text.size(); ++at) {
    if (at < text.size() && (!quote.isNull() || text[at] == u'"' || text[at] == u'\'')) {
      quote = quote.isNull() ? text[at] : text[at] == quote ? QChar() : quote;
      continue;
    }
    if (at < text.size() && text[at] != u';') continue;
    const QStringView declaration = QStringView(text).sliced(begin, at - begin);
    begin = at + 1;
    const qsizetype colon = declaration.indexOf(u':');
    if (colon < 0) continue;
    const QString property = AsciiLower(declaration.first(colon).trimmed());
    if (!IsOneOf(property, kProperties)) continue;
    QStringView value = declaration.sliced(colon + 1).trimmed();
    if (const qsizetype bang = value.lastIndexOf(u'!');
        bang >= 0 && SameName(value.sliced(bang + 1).trimmed(), u"important"))
      value = value.first(bang).trimmed();
    std::optional<QString> clean = CleanValue(value);
    if (!clean) continue;
    kept.removeIf([&](const auto& earlier) { return earlier.first == property; });
    kept.append({property, std::move(*clean)});
  }
  QString written;
  for (const auto& [property, value] : kept) {
    if (written.size() + property.size() + value.size() + 2 > kLongestStyle) break;
    if (!written.isEmpty()) written += u';';
    written += property + u':' + value;
  }
  return written;
}

bool IsClassName(QStringView name) {
  return !name.isEmpty() && name.size() <= 64 && (IsAsciiLetter(name[0]) || name[0] == u'_') &&
         std::all_of(name.begin(), name.end(), [](QChar c) {
           return IsAsciiLetter(c) || IsAsciiDigit(c) || c == u'_' || c == u'-';
         });
}

// A selector of a style sheet: an element's name, classes, or both; a link.
struct Selector {
  QString type;  // empty for any element
  QStringList classes;
  bool link = false;  // "a:link"
  // The declarations of its rule, which Qt takes for each element it matches.
  qint64 declarations = 1;
  // "p.note"
  QString Written() const {
    QString written = classes.isEmpty() ? type : type + u'.' + classes.join(u'.');
    if (link) written += QStringView(u":link");
    return written;
  }
  bool Matches(QStringView element, const QStringList& elementClasses) const {
    return (type.isEmpty() || type == element) &&
           std::all_of(classes.begin(), classes.end(),
                       [&](const QString& name) { return elementClasses.contains(name); });
  }
};

// A selector rich text matches at a cost that can be counted: an element
// shown, classes, or both ("p.note"), and links ("a:link"). Qt's time over a
// chain of them ("div p span") grows with the square of the depth: those are
// left out.
std::optional<Selector> SelectorOf(QStringView text) {
  const QList<QStringView> chain = Words(text);
  if (chain.size() != 1) return std::nullopt;
  QStringView compound = chain[0];
  const bool link = compound.size() > 5 && SameName(compound.last(5), u":link");
  if (link) compound.chop(5);
  const QList<QStringView> parts = compound.split(u'.');
  Selector selector{AsciiLower(parts[0]), {}, link};
  if (link && selector.type != u"a") return std::nullopt;
  if ((selector.type.isEmpty() ? parts.size() < 2
                               : !IsShown(selector.type) && selector.type != u"body") ||
      parts.size() - 1 > kMostClasses)
    return std::nullopt;
  for (QStringView name : parts.sliced(1)) {
    if (!IsClassName(name)) return std::nullopt;
    selector.classes.append(name.toString());
  }
  return selector;
}

// The rules of a style sheet written back, those whose selectors and
// declarations rich text can use, up to kMostSelectors; keeps the selectors
// written. At-rules (media, fonts, pages, imports) are left out.
void AppendRules(QString& sheet, QList<Selector>& selectors, QStringView css) {
  const QString text = WithoutComments(css);
  QStringView rest(text);
  // Where the block opened at a place ends, past blocks inside it; the end
  // of the text where it does not.
  auto blockEnd = [&](qsizetype open) {
    int nested = 0;
    for (qsizetype at = open; at < rest.size(); ++at)
      if (rest[at] == u'{')
        ++nested;
      else if (rest[at] == u'}' && --nested == 0)
        return at;
    return rest.size();
  };
  while (!(rest = rest.trimmed()).isEmpty()) {
    // An at-rule without a block ends at its semicolon.
    if (rest[0] == u'@') {
      const auto stop =
          std::find_if(rest.begin(), rest.end(), [](QChar c) { return c == u';' || c == u'{'; });
      if (stop != rest.end() && *stop == u';') {
        rest = rest.sliced(stop - rest.begin() + 1);
        continue;
      }
    }
    const qsizetype open = rest.indexOf(u'{');
    if (open < 0) break;
    const qsizetype end = blockEnd(open);
    const QString declarations = Declarations(rest.sliced(open + 1, end - open - 1));
    QStringList written;
    if (rest[0] != u'@')
      for (QStringView piece : rest.first(open).split(u','))
        if (std::optional<Selector> selector = SelectorOf(piece);
            selector && selectors.size() < kMostSelectors && !declarations.isEmpty()) {
          written.append(selector->Written());
          selector->declarations = declarations.count(u';') + 1;
          selectors.append(std::move(*selector));
        }
    rest = rest.sliced(std::min(end + 1, rest.size()));
    if (!written.isEmpty()) sheet += written.join(u',') + u'{' + declarations + u'}';
  }
}

// An element's attributes as written, and what they weigh.
struct WrittenAttributes {
  QString text;
  int colspan = 1, rowspan = 1;
  QStringList classes;
  // Qt reads an element's attributes, and splits its classes anew, for
  // each selector it matches with the element or anything inside it.
  qint64 weight = 1;
};

// The clipboard's HTML read once and written anew as it is read, counting
// what Qt's reader will take its time over; the reading stops at a bound.
class Writer {
 public:
  // False where the HTML is beyond a bound.
  bool Read(QStringView html);
  QString written;
  HtmlWork work;

 private:
  struct Open {
    QStringView shown;  // the element written
    unsigned role;
    QString name;             // the name its closing tag has in the HTML read
    qint64 matches = 0;       // the declarations of the selectors that match it
    qint64 weight = 1;        // of its attributes
    bool keepsLines = false;  // preformatted
    // A table's: its rows, the columns of the row read, the widest row, the
    // most rows a cell spans and the columns of the cells that span rows.
    qint64 rows = 0, columns = 0, widest = 0, spannedRows = 0, spanningColumns = 0;
    qint64 Cells() const { return (rows + spannedRows) * (widest + spanningColumns); }
  };
  // What the search for an open element passes over.
  enum Passing { kTextStyles, kInsideItems, kAnything };

  bool Tag(Tags& tags);
  WrittenAttributes Attributes(const Tags& tags);
  bool Push(QStringView shown, QStringView name, const WrittenAttributes& attributes = {});
  void PopFrom(qsizetype at);
  bool EndFor(QStringView shown);
  // The innermost open element of those named; -1 where none, or where
  // another comes first that is not passed over.
  qsizetype Nearest(std::initializer_list<QStringView> names, Passing passing) const;
  bool WithinBounds() const;
  // The declarations of the selectors that match an element with those
  // classes.
  qint64 Matches(QStringView shown, const QStringList& classes);
  // Something shown begins: the style sheet is what was read before.
  void BeginContent();
  // Text as written; the paragraphs its line ends make where lines are kept.
  void Text(QStringView text);
  // What Qt's matching of the style sheet costs for an element (with the
  // declarations that match it and its attributes' weight) or a text: it
  // matches each selector with the element and each element it lies in.
  void Count(qint64 matches = 0, qint64 weight = 0) {
    depths_ += openWeight_ + 3 + weight;
    matchWork_ += kMatchWeight * (matchedAbove_ + matches);
  }
  qint64 StyleWork() const {
    return selectors_.isEmpty() ? 0 : depths_ * (selectors_.size() + kStyleStep) + matchWork_;
  }

  QString body_, bodyAttributes_, sheet_;
  QStringList bodyClasses_;
  QHash<QString, WrittenAttributes> attributes_;  // by their text in the HTML read
  QHash<QString, qint64> matches_;                // by an element's name and classes
  bool bodyRead_ = false, contentBegun_ = false, textLast_ = false;
  QList<Selector> selectors_;
  // Of the open elements: their matches, weights, list items and those that
  // keep lines.
  qint64 matchedAbove_ = 0, openWeight_ = 0;
  int itemsOpen_ = 0, keepingLines_ = 0;
  // The costs counted.
  qint64 depths_ = 0, matchWork_ = 0, endedCells_ = 0;
  QVarLengthArray<Open, kDeepest + 4> open_;
};

qsizetype Writer::Nearest(std::initializer_list<QStringView> names, Passing passing) const {
  for (qsizetype at = open_.size() - 1; at >= 0; --at) {
    const QStringView shown = open_[at].shown;
    if (IsOneOf(shown, names)) return at;
    if (passing == kAnything) continue;
    if (!(open_[at].role & kInline) &&
        (passing == kTextStyles || !IsOneOf(shown, {u"div", u"p", u"address"})))
      return -1;
  }
  return -1;
}

// The work so far, with the open tables' cells and what the written form
// adds around the body.
bool Writer::WithinBounds() const {
  HtmlWork sofar = work;
  sofar.characters = body_.size() + sheet_.size() + bodyAttributes_.size() + 64;
  sofar.tableCells = endedCells_;
  for (const Open& open : open_) sofar.tableCells += open.Cells();
  sofar.styleWork = StyleWork();
  return QtReadsQuickly(sofar);
}

qint64 Writer::Matches(QStringView shown, const QStringList& classes) {
  if (selectors_.isEmpty()) return 0;
  const QString key = shown.toString() + u' ' + classes.join(u' ');
  if (const auto known = matches_.constFind(key); known != matches_.cend()) return *known;
  qint64 matches = 0;
  for (const Selector& selector : selectors_)
    if (selector.Matches(shown, classes)) matches += selector.declarations;
  matches_.insert(key, matches);
  return matches;
}

// The body's matches lie over everything inside it.
void Writer::BeginContent() {
  if (std::exchange(contentBegun_, true)) return;
  matchedAbove_ = Matches(u"body", bodyClasses_);
  // Lines kept everywhere, for all the program counts.
  keepingLines_ =
      sheet_.contains(u"white-space:pre") || bodyAttributes_.contains(u"white-space:pre");
}

void Writer::Text(QStringView text) {
  AppendEscaped(body_, text);
  // Line ends before anything shown are counted whatever keeps them: a sheet
  // read later may. The count is the same however the text was split.
  const qsizetype shown = std::find_if_not(text.begin(), text.end(), IsSpace) - text.begin();
  qint64 paragraphs = text.count(QChar::ParagraphSeparator);
  if (keepingLines_ > 0 || !contentBegun_) paragraphs += text.first(shown).count(u'\n');
  if (shown < text.size()) BeginContent();
  if (keepingLines_ > 0) paragraphs += text.sliced(shown).count(u'\n');
  // A run of text is one to Qt, however many pieces it was read in.
  if (!std::exchange(textLast_, true)) Count();
  work.blocks += paragraphs;
  // Qt adds each to the list one by one.
  if (itemsOpen_ > 0)
    work.listItems += static_cast<int>(std::min<qint64>(paragraphs, kMostListItems + 1));
}

WrittenAttributes Writer::Attributes(const Tags& tags) {
  // Documents give many elements the same attributes.
  const QString key = tags.attributeText.toString();
  if (const auto known = attributes_.constFind(key); known != attributes_.cend()) return *known;
  std::array<std::optional<QString>, kAttributes.size()> values;
  for (const Tags::Attribute& attribute : tags.attributes)
    if (const qsizetype at = IndexIn(attribute.name, kAttributes); at >= 0 && !values[at])
      values[at] = Decoded(attribute.value);
  auto span = [&](qsizetype at) {
    const QString value = values[at].value_or(QString());
    const QStringView digits = QStringView(value).trimmed();
    qint64 number = 0;
    for (qsizetype i = 0; i < digits.size() && IsAsciiDigit(digits[i]) && number <= kWidestSpan;
         ++i)
      number = number * 10 + (digits[i].unicode() - u'0');
    number = std::clamp<qint64>(number, 1, kWidestSpan);
    values[at] = number > 1 ? QString::number(number) : QString();
    return static_cast<int>(number);
  };
  WrittenAttributes written;
  written.colspan = span(kColspan);
  written.rowspan = span(kRowspan);
  if (values[kStyle]) values[kStyle] = Declarations(*values[kStyle]);
  if (values[kClass]) {
    QString names;
    for (QStringView name : Words(*values[kClass]))
      if (IsClassName(name) && names.size() + name.size() < kLongestValue)
        names += (names.isEmpty() ? QString() : QStringLiteral(" ")) + name.toString();
    values[kClass] = names;
  }
  for (qsizetype at = 0; at < qsizetype(kAttributes.size()); ++at) {
    const QString value = values[at].value_or(QString());
    if (value.isEmpty() ||
        value.size() > (at == kHref || at == kStyle ? kLongestStyle : kLongestValue))
      continue;
    if (at == kClass) {
      written.weight += value.size() / 16;
      written.classes = value.split(u' ');
    }
    ++written.weight;
    written.text += u' ';
    written.text += kAttributes[at];
    written.text += u"=\"";
    AppendEscaped(written.text, value);
    written.text += u'"';
  }
  attributes_.insert(key, written);
  return written;
}

bool Writer::Push(QStringView shown, QStringView name, const WrittenAttributes& attributes) {
  const unsigned role = ElementNamed(shown)->role;
  const bool empty = role & kEmpty;
  body_ += u'<';
  body_ += shown;
  body_ += attributes.text;
  body_ += empty ? u" />" : u">";
  BeginContent();
  textLast_ = false;
  const qint64 matches = Matches(shown, attributes.classes);
  Count(matches, attributes.weight);
  work.images += shown == u"img";
  work.listItems += shown == u"li";
  work.blocks += (role & kBlock) != 0;
  if (empty) return WithinBounds();
  if (const qsizetype at = Nearest({u"table"}, kAnything);
      at >= 0 && IsOneOf(shown, {u"tr", u"td", u"th"})) {
    Open& table = open_[at];
    if (shown == u"tr") {
      ++table.rows;
      table.columns = 0;
    } else {
      table.columns += attributes.colspan;
      table.widest = std::max(table.widest, table.columns);
      if (attributes.rowspan > 1) {
        table.spannedRows = std::max<qint64>(table.spannedRows, attributes.rowspan);
        table.spanningColumns += attributes.colspan;
      }
    }
  }
  const bool keepsLines = shown == u"pre" || attributes.text.contains(u"white-space:pre");
  open_.append({shown, role, name.toString(), matches, attributes.weight, keepsLines});
  matchedAbove_ += matches;
  openWeight_ += attributes.weight;
  itemsOpen_ += shown == u"li";
  keepingLines_ += keepsLines;
  work.depth = std::max(work.depth, static_cast<int>(open_.size()) + 2);  // in html and body
  return WithinBounds();
}

void Writer::PopFrom(qsizetype at) {
  while (open_.size() > at) {
    const Open& last = open_.back();
    if (last.shown == u"table") endedCells_ += last.Cells();
    body_ += u"</";
    body_ += last.shown;
    body_ += u'>';
    matchedAbove_ -= last.matches;
    openWeight_ -= last.weight;
    itemsOpen_ -= last.shown == u"li";
    keepingLines_ -= last.keepsLines;
    textLast_ = false;
    open_.removeLast();
  }
}

// Ends what an element's beginning ends: a paragraph the one it is in
// (through the text styles inside that); a list item or a term the one it is
// in (through those and divisions); a cell the cell of its row, a row the row
// of its table, a part of a table the part it is in. A row or a cell outside
// a table makes one. False where the element has no place (a part of a table
// or of a definition list outside it): it is left out, its text kept.
bool Writer::EndFor(QStringView shown) {
  if (shown == u"p") {
    if (const qsizetype at = Nearest({u"p"}, kTextStyles); at >= 0) PopFrom(at);
  } else if (shown == u"li") {
    if (const qsizetype at = Nearest({u"li"}, kInsideItems); at >= 0) PopFrom(at);
  } else if (IsOneOf(shown, {u"dt", u"dd"})) {
    if (const qsizetype at = Nearest({u"dt", u"dd"}, kInsideItems); at >= 0) PopFrom(at);
    return !open_.isEmpty() && open_.back().shown == u"dl";
  } else if (IsOneOf(shown, {u"td", u"th"})) {
    const qsizetype at = Nearest({u"tr", u"table", u"thead", u"tbody", u"tfoot"}, kAnything);
    if (at < 0) return Push(u"table", u"table") && Push(u"tr", u"tr");
    PopFrom(at + 1);
    return open_.back().shown == u"tr" || Push(u"tr", u"tr");
  } else if (shown == u"tr") {
    const qsizetype at = Nearest({u"table", u"thead", u"tbody", u"tfoot"}, kAnything);
    if (at < 0) return Push(u"table", u"table");
    PopFrom(at + 1);
  } else if (IsOneOf(shown, {u"thead", u"tbody", u"tfoot", u"caption"})) {
    const qsizetype at = Nearest({u"table"}, kAnything);
    if (at < 0) return false;
    PopFrom(at + 1);
  }
  return true;
}

// False where the reading stops at a bound.
bool Writer::Tag(Tags& tags) {
  const Element* element = ElementNamed(tags.name);
  const unsigned role = element ? element->role : 0;
  if (role & kWhole) {
    if (!tags.closed) {
      const QStringView text = tags.SkipText(tags.name);
      // A sheet is written before everything shown, so one after it is
      // left out (browsers and word processors write theirs first).
      if (tags.name == u"style" && !contentBegun_) AppendRules(sheet_, selectors_, text);
    }
    return true;
  }
  if (role & kDocument) {
    // The body's attributes style what comes before them too.
    if (tags.name == u"body" && !contentBegun_ && !std::exchange(bodyRead_, true)) {
      const WrittenAttributes attributes = Attributes(tags);
      bodyAttributes_ = attributes.text;
      bodyClasses_ = attributes.classes;
    }
    return true;
  }
  if (role & kLeftOut) return true;
  const WrittenAttributes attributes = Attributes(tags);
  // Other elements show as text styles where they are given styles.
  const QStringView shown =
      element                                                                   ? element->name
      : attributes.text.contains(u" style=\"") || !attributes.classes.isEmpty() ? u"span"
                                                                                : QStringView();
  // A pushed implicit table or row may pass a bound.
  if (shown.isEmpty() || !EndFor(shown)) return WithinBounds();
  if (!Push(shown, tags.name, attributes)) return false;
  if (tags.closed && !(role & kEmpty)) PopFrom(open_.size() - 1);
  return true;
}

bool Writer::Read(QStringView html) {
  if (html.size() > kMostRead) return false;
  body_.reserve(std::min(html.size(), kMostCharacters) + 64);
  Tags tags(html);
  for (Tags::Kind kind; (kind = tags.Next()) != Tags::kEnd;) {
    if (kind == Tags::kText) {
      if (tags.text.contains(u'&'))
        Text(Decoded(tags.text));
      else
        Text(tags.text);
    } else if (kind == Tags::kOpen) {
      if (!Tag(tags)) return false;
    } else if (const auto at =
                   std::find_if(open_.rbegin(), open_.rend(),
                                [&](const Open& open) { return open.name == tags.name; });
               at != open_.rend()) {
      PopFrom(open_.rend() - at - 1);
    }
    if (!WithinBounds()) return false;
  }
  PopFrom(0);
  written.reserve(body_.size() + sheet_.size() + bodyAttributes_.size() + 64);
  const bool sheet = !sheet_.isEmpty();
  for (QStringView piece : {QStringView(u"<html><head>"), QStringView(sheet ? u"<style>" : u""),
                            QStringView(sheet_), QStringView(sheet ? u"</style>" : u""),
                            QStringView(u"</head><body"), QStringView(bodyAttributes_),
                            QStringView(u">"), QStringView(body_), QStringView(u"</body></html>")})
    written += piece;
  work.characters = written.size();
  work.tableCells = endedCells_;
  work.styleWork = StyleWork();
  return QtReadsQuickly(work);
}

}  // namespace

bool QtReadsQuickly(const HtmlWork& work) {
  return work.characters <= kMostCharacters && work.depth <= kDeepest &&
         work.images <= kMostImages && work.listItems <= kMostListItems &&
         work.blocks <= kMostBlocks && work.tableCells <= kMostTableCells &&
         work.styleWork <= kMostStyleWork;
}

WrittenHtml WrittenForQt(QStringView html) {
  Writer writer;
  if (!writer.Read(html)) return {QString(), writer.work};
  return {std::move(writer.written), writer.work};
}

namespace {

// Text of the HTML as shown: runs of white space as one space, none at the
// start of a line; a no-break space as a space.
class ShownText {
 public:
  void Add(QStringView text) {
    for (QChar c : text) {
      if (IsSpace(c)) {
        space_ = !text_.isEmpty() && text_.back() != u'\n';
      } else {
        if (std::exchange(space_, false)) text_ += u' ';
        text_ += c == QChar::Nbsp ? QChar(u' ') : c;
      }
    }
  }
  // A line break; where not always, only after text on the line.
  void EndLine(bool always) {
    if (always || (!text_.isEmpty() && text_.back() != u'\n')) text_ += u'\n';
    space_ = false;
  }
  QString Take() {
    while (text_.endsWith(u'\n')) text_.chop(1);
    return std::move(text_);
  }

 private:
  QString text_;
  bool space_ = false;
};

}  // namespace

QString TextOfHtml(QStringView html) {
  ShownText shown;
  Tags tags(html);
  for (Tags::Kind kind; (kind = tags.Next()) != Tags::kEnd;) {
    const Element* element = kind == Tags::kText ? nullptr : ElementNamed(tags.name);
    if (kind == Tags::kText) {
      shown.Add(Decoded(tags.text));
    } else if (kind == Tags::kOpen && tags.name == u"br") {
      shown.EndLine(true);
    } else if (kind == Tags::kOpen && element && (element->role & kWhole) && !tags.closed) {
      tags.SkipText(tags.name);
    } else if ((element && (element->role & kBlock)) ||
               IsOneOf(tags.name, {u"section", u"article", u"header", u"footer", u"aside", u"nav",
                                   u"figure", u"figcaption", u"main"})) {
      shown.EndLine(false);
    }
  }
  return shown.Take();
}

}  // namespace fw::qt
