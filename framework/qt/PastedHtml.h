#pragma once
// Styled text from elsewhere, read by the program's own reader and written
// anew: Qt's HTML reader is only ever given markup written here, in a form it
// reads as written (lower-case elements that rich text shows, each closed in
// the order opened, attributes quoted and escaped, a style sheet of simple
// rules), so what it builds is no deeper or heavier than what was counted.
#include <QString>
#include <QStringView>

namespace fw::qt {

// What Qt's HTML reader takes its time over, counted on the written HTML.
struct HtmlWork {
  qsizetype characters = 0;
  // Elements open inside one another at most; one with nothing inside it
  // (a line break, an image) adds none.
  int depth = 0;
  int images = 0;
  // List items, and paragraphs Qt adds to a list one by one (line ends in
  // preformatted text inside an item).
  int listItems = 0;
  // Paragraphs: block elements, and line ends where lines are kept.
  qint64 blocks = 0;
  // Every table's full grid: its rows times its widest row's columns.
  qint64 tableCells = 0;
  // With a style sheet every element and text is matched with each selector,
  // and so is each element around it; the declarations of the rules that
  // match around it are taken again: their depths (weighed by attributes)
  // times the selectors, and the declarations matched.
  qint64 styleWork = 0;
  bool operator==(const HtmlWork&) const = default;
};

// Whether Qt's reader reads HTML of that much in a moment.
bool QtReadsQuickly(const HtmlWork& work);

struct WrittenHtml {
  // Null where the HTML, written anew, would be more than Qt's reader reads
  // in a moment: the reading stops there.
  QString html;
  HtmlWork work;
};

// The HTML as the program reads it (as a browser would, in the main), written
// anew with what rich text shows of it: other elements are left out with their
// text kept (one with a style of its own becomes a span), scripts, titles and
// the like whole; comments, named files and unknown attributes go.
WrittenHtml WrittenForQt(QStringView html);

// The text of HTML without its styles: tags, comments, scripts and style
// sheets dropped, entities decoded, white space run together as a browser
// shows it, and a line break for <br> and at the end of a block.
QString TextOfHtml(QStringView html);

}  // namespace fw::qt
