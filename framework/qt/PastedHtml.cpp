#include "framework/qt/PastedHtml.h"

#include <QVarLengthArray>
#include <algorithm>
#include <initializer_list>
#include <utility>

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
// A thousand rows of a thousand columns take 2.5 s, a row of 100 000 cells
// 0.7 s (see Nesting).
constexpr qint64 kMostTableCells = 100'000;
// With a style sheet every element is matched again with each of its
// ancestors: half a megabyte 100 deep takes 2 s with 10 rules, 4 s with 100.
// Counted as the elements' depths (each plus one) times the rules plus
// kStyleStep, at 2 to 4 ns a unit: 0.5 s at most.
constexpr qint64 kStyleStep = 50;
constexpr qint64 kMostStyleWork = 150'000'000;

bool Is(QStringView name, QStringView lower) {
  return name.size() == lower.size() && name.compare(lower, Qt::CaseInsensitive) == 0;
}

bool IsOneOf(QStringView name, std::initializer_list<QStringView> lowers) {
  for (QStringView lower : lowers)
    if (Is(name, lower)) return true;
  return false;
}

// HTML taken apart the way Qt's reader takes it apart (found by experiment,
// as nesting that reader can be made to see and this pass not would freeze
// the window): a tag's name may follow spaces after "<", a quoted attribute
// value may hold ">", and a "/" among the last characters of an opening tag
// ends its element at once.
class Pieces {
 public:
  enum Kind { kEnd, kText, kOpen, kClose, kOther };
  explicit Pieces(QStringView html) : html_(html) {}

  Kind Next();
  // Passes over text up to the closing tag of an element (as browsers pass
  // over a script's text, whatever it holds).
  void SkipTo(QStringView closing);
  // Where the piece just read ends.
  qsizetype End() const { return at_; }

  // kText: the text; kOpen, kClose: the element's name.
  QStringView text;
  // kOpen: nothing nests inside the element.
  bool closed = false;
  // kOpen: the columns a table cell spans (its "colspan").
  int span = 1;
  // Where the piece just read begins.
  qsizetype start = 0;

 private:
  bool At(char16_t c) const { return at_ < html_.size() && html_[at_] == c; }
  void SkipSpace() {
    while (at_ < html_.size() && html_[at_].isSpace()) ++at_;
  }
  void SkipPast(QStringView end) {
    const qsizetype found = html_.indexOf(end, at_);
    at_ = found < 0 ? html_.size() : found + end.size();
  }
  QStringView Word();

  QStringView html_;
  qsizetype at_ = 0;
};

// A name or a value: quoted, up to its closing quote; otherwise up to a
// space or a character that ends it.
QStringView Pieces::Word() {
  const qsizetype begin = at_;
  if (At(u'"') || At(u'\'')) {
    const qsizetype end = html_.indexOf(html_[at_], begin + 1);
    at_ = end < 0 ? html_.size() : end + 1;
    return html_.sliced(begin + 1, (end < 0 ? html_.size() : end) - begin - 1);
  }
  for (; at_ < html_.size(); ++at_) {
    const QChar c = html_[at_];
    if (c.isSpace() || c == u'>' || c == u'<' || c == u'=' ||
        (c == u'/' && at_ + 1 < html_.size() && html_[at_ + 1] == u'>'))
      break;
  }
  return html_.sliced(begin, at_ - begin);
}

Pieces::Kind Pieces::Next() {
  start = at_;
  if (at_ >= html_.size()) return kEnd;
  if (!At(u'<')) {
    const qsizetype tag = html_.indexOf(u'<', at_);
    at_ = tag < 0 ? html_.size() : tag;
    text = html_.sliced(start, at_ - start);
    return kText;
  }
  ++at_;
  SkipSpace();
  if (At(u'!')) {
    const bool comment = html_.sliced(at_).startsWith(u"!--");
    if (comment) at_ += 3;
    SkipPast(comment ? u"-->" : u">");
    return kOther;
  }
  const bool closing = At(u'/');
  if (closing) ++at_;
  text = Word();
  span = 1;
  while (!closing) {  // the attributes
    SkipSpace();
    if (at_ >= html_.size() || At(u'>') || At(u'/')) break;
    const QStringView key = Word();
    if (key.isEmpty()) break;
    SkipSpace();
    if (!At(u'=')) continue;
    ++at_;
    SkipSpace();
    const QStringView value = Word();
    if (Is(key, u"colspan")) span = std::max(value.trimmed().toInt(), 1);
  }
  closed = false;
  for (; at_ < html_.size() && !At(u'>'); ++at_) closed = closed || At(u'/');
  at_ = std::min(at_ + 1, html_.size());
  return closing ? kClose : kOpen;
}

void Pieces::SkipTo(QStringView closing) {
  for (; (at_ = html_.indexOf(u"</", at_)) >= 0; at_ += 2)
    if (html_.sliced(at_ + 2).startsWith(closing, Qt::CaseInsensitive)) return;
  at_ = html_.size();
}

// The elements Qt's reader has open at a point of the HTML, outermost first,
// and the cells of its tables. Qt makes a table a full grid, rows times the
// widest row's columns, and takes its time over every cell of the grid.
class Nesting {
 public:
  int Depth() const { return static_cast<int>(open_.size()); }
  // An element begins, in the place Qt's reader gives it; one with nothing
  // inside it ends at once, but still ends what its place ends.
  void Open(QStringView name, int span, bool empty);
  // A closing tag ends its element and those inside it; one that no open
  // element has is passed over.
  void Close(QStringView name);
  qint64 TableCells() const;

 private:
  struct Element {
    QStringView name;
    qint64 rows = 0, columns = 0, widest = 0;  // of a table
  };
  // The innermost open element of those named; -1 where none is open.
  qsizetype Nearest(std::initializer_list<QStringView> names) const;
  void Push(QStringView name, int span);
  // Ends the elements open inside the one at a place; at -1, all of them.
  void EndInside(qsizetype at) { EndFrom(at + 1); }
  void EndFrom(qsizetype at);

  QVarLengthArray<Element, kDeepest + 4> open_;
  qint64 endedCells_ = 0;
};

qsizetype Nesting::Nearest(std::initializer_list<QStringView> names) const {
  for (qsizetype at = open_.size() - 1; at >= 0; --at)
    if (IsOneOf(open_[at].name, names)) return at;
  return -1;
}

// A paragraph ends the one it is in (through the text styles inside that), a
// list item the item it is in, a cell the cells of its row; a cell or a row
// outside a table makes one. Parts of tables and of definition lists outside
// them, and a body in the head, end everything they are in.
void Nesting::Open(QStringView name, int span, bool empty) {
  if (Is(name, u"p")) {
    qsizetype at = open_.size() - 1;
    while (at >= 0 &&
           IsOneOf(open_[at].name, {u"a",      u"b",   u"big",  u"cite", u"code", u"em",    u"font",
                                    u"i",      u"kbd", u"nobr", u"s",    u"samp", u"small", u"span",
                                    u"strong", u"sub", u"sup",  u"tt",   u"u",    u"var"}))
      --at;
    if (at >= 0 && Is(open_[at].name, u"p")) EndFrom(at);
  } else if (Is(name, u"li")) {
    if (!open_.isEmpty() && Is(open_.back().name, u"li")) EndFrom(open_.size() - 1);
  } else if (IsOneOf(name, {u"td", u"th"})) {
    if (Nearest({u"tr"}) < 0) {
      Push(u"table", 1);
      Push(u"tr", 1);
    }
    EndInside(Nearest({u"tr"}));
  } else if (Is(name, u"tr")) {
    if (Nearest({u"table"}) < 0) Push(u"table", 1);
    EndInside(Nearest({u"table", u"thead", u"tbody", u"tfoot"}));
  } else if (IsOneOf(name, {u"thead", u"tbody", u"tfoot", u"caption"})) {
    EndInside(Nearest({u"table"}));
  } else if (Is(name, u"dt")) {
    EndInside(Nearest({u"dl"}));
  } else if (Is(name, u"dd")) {
    EndInside(Nearest({u"dl", u"dt"}));
  } else if (Is(name, u"body")) {
    if (!open_.isEmpty() && Is(open_.back().name, u"head")) EndFrom(open_.size() - 1);
  }
  Push(name, span);
  if (empty) EndFrom(open_.size() - 1);
}

void Nesting::Push(QStringView name, int span) {
  const bool row = Is(name, u"tr"), cell = IsOneOf(name, {u"td", u"th"});
  if (const qsizetype at = Nearest({u"table"}); (row || cell) && at >= 0) {
    Element& table = open_[at];
    table.rows += row;
    table.columns = row ? 0 : table.columns + span;
    table.widest = std::max(table.widest, table.columns);
  }
  open_.append({name});
}

void Nesting::Close(QStringView name) {
  for (qsizetype at = open_.size() - 1; at >= 0; --at)
    if (Is(open_[at].name, name)) {
      EndFrom(at);
      return;
    }
}

void Nesting::EndFrom(qsizetype at) {
  for (qsizetype i = at; i < open_.size(); ++i) endedCells_ += open_[i].rows * open_[i].widest;
  open_.resize(at);
}

qint64 Nesting::TableCells() const {
  qint64 cells = endedCells_;
  for (const Element& element : open_) cells += element.rows * element.widest;
  return cells;
}

// The rules of a style sheet, each selector of a list on its own, and some
// more (a comma in a list of fonts).
qint64 RulesIn(QStringView sheet) { return sheet.count(u'{') + sheet.count(u','); }

}  // namespace

bool QtReadsQuickly(QStringView html) {
  if (html.size() > kMostCharacters) return false;
  Nesting nesting;
  int images = 0, items = 0;
  qint64 depths = 0, rules = 0;
  qsizetype sheet = -1;  // where the rules of an open style sheet begin
  Pieces pieces(html);
  for (Pieces::Kind kind; (kind = pieces.Next()) != Pieces::kEnd;) {
    const QStringView name = pieces.text;
    if (kind == Pieces::kText || kind == Pieces::kOther) continue;
    if (sheet >= 0) {
      // Qt's reader reads a style sheet at its closing tag, and again, as one
      // sheet more, at every other closing tag inside it: a sheet holds text.
      if (kind != Pieces::kClose || !Is(name, u"style")) return false;
      rules += RulesIn(html.sliced(sheet, pieces.start - sheet));
      sheet = -1;
    }
    if (kind == Pieces::kOpen) {
      images += Is(name, u"img");
      items += Is(name, u"li");
      if (Is(name, u"style") && !pieces.closed) sheet = pieces.End();
      // Qt's reader nests nothing in these, nor in an element without a name.
      if (!name.isEmpty())
        nesting.Open(name, pieces.span,
                     pieces.closed || IsOneOf(name, {u"br", u"hr", u"img", u"meta"}));
    } else {
      nesting.Close(name);
    }
    depths += nesting.Depth() + 1;
    if (nesting.Depth() > kDeepest || images > kMostImages || items > kMostListItems) return false;
  }
  return sheet < 0 && nesting.TableCells() <= kMostTableCells &&
         (rules == 0 || depths * (rules + kStyleStep) <= kMostStyleWork);
}

namespace {

// The character an entity names ("amp", "#38", "#x26"); null if none.
QString Entity(QStringView name) {
  if (name.startsWith(u'#')) {
    const bool hex = name.size() > 1 && (name[1] == u'x' || name[1] == u'X');
    bool ok = false;
    const uint code = name.sliced(hex ? 2 : 1).toUInt(&ok, hex ? 16 : 10);
    if (!ok) return {};
    const char32_t shown =
        code == 0 || code > 0x10FFFF || QChar::isSurrogate(code) ? char32_t{0xFFFD} : code;
    return QString::fromUcs4(&shown, 1);
  }
  static constexpr std::pair<QStringView, char16_t> kNamed[] = {
      {u"amp", u'&'},       {u"lt", u'<'},    {u"gt", u'>'},    {u"quot", u'"'},  {u"apos", u'\''},
      {u"nbsp", u'\u00A0'}, {u"copy", u'©'},  {u"reg", u'®'},   {u"trade", u'™'}, {u"hellip", u'…'},
      {u"mdash", u'—'},     {u"ndash", u'–'}, {u"lsquo", u'‘'}, {u"rsquo", u'’'}, {u"ldquo", u'“'},
      {u"rdquo", u'”'},     {u"laquo", u'«'}, {u"raquo", u'»'}, {u"bull", u'•'},  {u"middot", u'·'},
      {u"deg", u'°'},       {u"euro", u'€'}};
  for (const auto& [entity, character] : kNamed)
    if (name == entity) return QString(QChar(character));
  return {};
}

// Text of the HTML as shown: runs of white space as one space, none at the
// start of a line; a no-break space as a space.
class ShownText {
 public:
  void Add(QStringView raw) {
    for (qsizetype at = 0; at < raw.size(); ++at) {
      if (raw[at] == u'&') {
        // The longest name is short: a lone "&" is not looked past.
        const qsizetype end =
            raw.sliced(at, std::min<qsizetype>(raw.size() - at, 12)).indexOf(u';') + at;
        const QString character = end > at ? Entity(raw.sliced(at + 1, end - at - 1)) : QString();
        if (!character.isNull()) {
          Put(character);
          at = end;
          continue;
        }
      }
      if (raw[at].isSpace() && raw[at] != QChar::Nbsp)
        space_ = !text_.isEmpty() && text_.back() != u'\n';
      else
        Put(raw.sliced(at, 1));
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
  void Put(QStringView shown) {
    if (std::exchange(space_, false)) text_ += u' ';
    for (QChar c : shown) text_ += c == QChar::Nbsp ? QChar(u' ') : c;
  }

  QString text_;
  bool space_ = false;
};

}  // namespace

QString TextOfHtml(QStringView html) {
  ShownText shown;
  Pieces pieces(html);
  for (Pieces::Kind kind; (kind = pieces.Next()) != Pieces::kEnd;) {
    const QStringView name = pieces.text;
    if (kind == Pieces::kText) {
      shown.Add(name);
    } else if (kind == Pieces::kOpen && Is(name, u"br")) {
      shown.EndLine(true);
    } else if (kind == Pieces::kOpen && !pieces.closed &&
               IsOneOf(name, {u"script", u"style", u"title"})) {
      pieces.SkipTo(name);
    } else if ((kind == Pieces::kOpen || kind == Pieces::kClose) &&
               IsOneOf(name, {u"p",       u"div",        u"h1",     u"h2",      u"h3",     u"h4",
                              u"h5",      u"h6",         u"li",     u"dt",      u"dd",     u"tr",
                              u"td",      u"th",         u"table",  u"caption", u"ul",     u"ol",
                              u"dl",      u"blockquote", u"pre",    u"address", u"center", u"hr",
                              u"section", u"article",    u"header", u"footer",  u"aside",  u"nav",
                              u"figure",  u"figcaption", u"main"})) {
      shown.EndLine(false);
    }
  }
  return shown.Take();
}

}  // namespace fw::qt
