// Feeds arbitrary HTML to the reader that writes pasted HTML anew for Qt's:
// what it writes stays within the bounds, holds only the elements and
// attributes rich text shows, each element closed in the order opened, and,
// read again, gives itself back.
#include <QList>
#include <QString>
#include <cstdint>
#include <cstdlib>

#include "framework/qt/PastedHtml.h"

namespace {

// The written form's own shape, checked apart from the writer.
constexpr QStringView kElements[] = {
    u"html",   u"head", u"body",  u"a",   u"b",    u"big", u"cite",    u"code",       u"dfn",
    u"em",     u"font", u"i",     u"kbd", u"nobr", u"s",   u"samp",    u"small",      u"span",
    u"strong", u"sub",  u"sup",   u"tt",  u"u",    u"var", u"address", u"blockquote", u"caption",
    u"center", u"dd",   u"div",   u"dl",  u"dt",   u"h1",  u"h2",      u"h3",         u"h4",
    u"h5",     u"h6",   u"li",    u"ol",  u"p",    u"pre", u"table",   u"tbody",      u"td",
    u"tfoot",  u"th",   u"thead", u"tr",  u"ul"};
constexpr QStringView kEmpty[] = {u"br", u"hr", u"img"};
constexpr QStringView kAttributes[] = {
    u"style",  u"class",       u"href",        u"name",    u"colspan", u"rowspan", u"align",
    u"valign", u"width",       u"height",      u"bgcolor", u"color",   u"face",    u"size",
    u"border", u"cellspacing", u"cellpadding", u"start",   u"type",    u"dir"};

template <class List>
bool Listed(QStringView name, const List& list) {
  for (QStringView listed : list)
    if (name == listed) return true;
  return false;
}

QStringView Until(QStringView html, qsizetype& at, QStringView ends) {
  const qsizetype begin = at;
  while (at < html.size() && !ends.contains(html[at])) ++at;
  return html.sliced(begin, at - begin);
}

bool WellWritten(QStringView html) {
  QList<QStringView> open;
  for (qsizetype at = 0; at < html.size();) {
    if (html[at] == u'>') return false;  // text has it escaped
    if (html[at++] != u'<') continue;
    const bool closing = at < html.size() && html[at] == u'/';
    at += closing;
    const QStringView name = Until(html, at, u" />");
    if (closing) {
      if (open.isEmpty() || open.takeLast() != name || at >= html.size() || html[at++] != u'>')
        return false;
      continue;
    }
    const bool empty = Listed(name, kEmpty);
    if (!empty && !Listed(name, kElements) && name != u"style") return false;
    QList<QStringView> seen;
    while (at + 1 < html.size() && html[at] == u' ' && html[at + 1] != u'/') {
      ++at;
      const QStringView key = Until(html, at, u"=");
      if (!Listed(key, kAttributes) || seen.contains(key) || html.sliced(at).first(2) != u"=\"")
        return false;
      seen.append(key);
      at += 2;
      const QStringView value = Until(html, at, u"\"<>");
      if (value.isEmpty() || at >= html.size() || html[at++] != u'"') return false;
    }
    if (html.sliced(at).startsWith(empty ? u" />" : u">")) {
      at += empty ? 3 : 1;
    } else {
      return false;
    }
    if (name == u"style") {  // rules alone: no markup, no entity
      const qsizetype end = html.indexOf(u"</style>", at);
      if (end < 0 || html.sliced(at, end - at).contains(u'<') ||
          html.sliced(at, end - at).contains(u'&'))
        return false;
      at = end + 8;
    } else if (!empty) {
      open.append(name);
    }
  }
  return open.isEmpty();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString html =
      QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  fw::qt::TextOfHtml(html);
  const fw::qt::WrittenHtml written = fw::qt::WrittenForQt(html);
  if (written.html.isNull()) return 0;
  if (!fw::qt::QtReadsQuickly(written.work) || written.work.characters != written.html.size() ||
      !WellWritten(written.html))
    abort();
  const fw::qt::WrittenHtml again = fw::qt::WrittenForQt(written.html);
  if (again.html != written.html || !(again.work == written.work)) abort();
  return 0;
}
