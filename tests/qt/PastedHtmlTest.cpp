// Pasted HTML read by the program and written anew: what real documents write
// (paragraphs, list items and cells their next one ends, elements with nothing
// inside, a style sheet) is written for Qt's reader; what would hold that
// reader up, however it is written, is not. Qt's reader builds from the
// written form what the program read, whatever quirk the HTML leans on. And
// the HTML's text without Qt's reader.
#include <gtest/gtest.h>

#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include "framework/qt/PastedHtml.h"

namespace {

using fw::qt::WrittenForQt;

QString Times(const QString& piece, int count) { return piece.repeated(count); }

TEST(PastedHtml, WrittenForQtWhereItReadsQuickly) {
  const QString sheet = "<style>" + Times("p.c, li.c { color: red }\n", 50) + "</style>";
  const std::tuple<const char*, QString, bool> shapes[] = {
      {"paragraphs", Times("<p><b>para ", 300), true},
      {"list items", "<ul>" + Times("<li>item <i>one</i>", 300), true},
      {"items inside text styles", "<ul>" + Times("<li><b>item", 150), true},
      {"cells", "<table>" + Times("<tr><td>a<td colspan=2>b", 300), true},
      {"empty elements",
       Times("<br><img src=x.png><meta charset=utf-8><hr><link rel=stylesheet href=x.css/>"
             "<wbr><col><input>",
             300),
       true},
      {"quoted >", Times("<b title=\">\">bold</b>", 300), true},
      {"style sheet", sheet + Times("<p class=c><span>text</span></p>", 500), true},
      {"nested", Times("<div>", 150), false},
      {"paragraphs inside blocks", Times("<p><div>", 150), false},
      {"closing tag in a quoted value", Times("<b title=\"></b>\">", 150), false},
      {"images", Times("<img>", 3000), false},
      {"a wide table", "<table>" + Times("<tr><td colspan=400>x", 400), false},
      {"a span written as an entity", "<table>" + Times("<tr><td colspan=\"&#49;000\">x", 200),
       false},
      {"a deep document with a style sheet", sheet + Times("<div>", 90) + Times("<b>x</b>", 10000),
       false},
      {"paragraph separators Qt adds to a list one by one",
       "<ul><li>" + QString(2100, QChar::ParagraphSeparator), false},
      {"lines of preformatted text", "<pre>" + QString(60'000, u'\n'), false},
      {"rules of many declarations that match around the text",
       "<style>" + Times("div{color:red;font-size:9px;margin:0;padding:0;border:0}", 40) +
           "</style>" + Times("<div>", 95) + Times("<b>x</b>", 150),
       false},
      {"class rules matched with every element around the text, and its attributes",
       "<style>" + Times(".zz{color:red}", 1000) + "</style>" +
           Times("<div class=a align=left width=9 height=9 color=red dir=ltr>", 95) +
           Times("<b>x</b>", 340),
       false},
      {"rules that match every element around the text",
       "<style>" + Times("div{color:red}", 500) + "</style>" + Times("<div>", 95) +
           Times("<b>x</b>", 500),
       false},
      {"large", QString(600'000, u'x'), false},
  };
  for (const auto& [name, html, quick] : shapes)
    EXPECT_EQ(!WrittenForQt(html).html.isNull(), quick) << name;
}

// Text as Qt's reader and the program's read it, but for white space (which
// each runs together at its own blocks) and images.
QString Letters(const QString& text) {
  QString letters;
  for (QChar c : text)
    if (!c.isSpace() && c != QChar::ObjectReplacementCharacter) letters += c;
  return letters;
}

// HTML that the program's reader and Qt's would read apart: Qt's reader folds
// no case outside ASCII, takes a backslash before a quote as part of the
// value, decodes entities in spans, and matches attribute selectors with every
// attribute. Given the written form it builds what was counted: the same text,
// tables no larger; written again, the form stays as it is.
TEST(PastedHtml, QtBuildsFromTheWrittenFormWhatWasCounted) {
  const std::pair<const char*, QString> quirks[] = {
      {"case folded outside ASCII",
       Times(u"<\u017f>x</s><span>y</span><\u03c3>z</\u03a3>"_qs, 2000)},
      {"backslash before a quote", Times("<b x='\\'>x</b>'>", 2000)},
      {"entities in a span", "<table>" + Times("<tr><td colspan=\"&#49;00\">x", 50) + "</table>"},
      {"attribute selectors", "<style>" + Times("[z]{color:red}", 500) + "</style>" +
                                  Times("<b" + Times(" a=1", 800) + ">x</b>", 12)},
  };
  for (const auto& [name, html] : quirks) {
    SCOPED_TRACE(name);
    const fw::qt::WrittenHtml written = WrittenForQt(html);
    ASSERT_FALSE(written.html.isNull());
    EXPECT_TRUE(fw::qt::QtReadsQuickly(written.work));
    EXPECT_EQ(WrittenForQt(written.html).html, written.html);
    EXPECT_EQ(WrittenForQt(written.html).work, written.work);
    QTextDocument document;
    document.setHtml(written.html);
    EXPECT_EQ(Letters(document.toPlainText()), Letters(fw::qt::TextOfHtml(html)));
    qint64 cells = 0;
    for (QTextFrame* frame : document.rootFrame()->childFrames())
      if (auto* table = qobject_cast<QTextTable*>(frame)) cells += table->rows() * table->columns();
    EXPECT_LE(cells, written.work.tableCells);
    EXPECT_FALSE(written.html.contains("[z]") || written.html.contains(" a=")) << "read apart";
  }
}

// The written form: lower-case elements rich text shows, closed in order;
// listed attributes once, decoded and escaped; simple rules; no file named.
TEST(PastedHtml, TheWrittenFormHoldsWhatRichTextShowsAndNothingElse) {
  const QString html =
      "<!DOCTYPE html><HTML><head><meta charset=utf-8><title>T</title><style><!--\n"
      "P.Note, li.Note { COLOR: red !important; mso-x: 1; background: url(a.png) }\n"
      "a:link { color: navy }\n"
      "a:hover, [z], #id, div > p, div p, .a .b .c .d { color: blue } @media print { p { color: "
      "red } }\n"
      "--></style><link rel=stylesheet href=x.css></head>"
      "<BODY STYLE='font-size:12pt'><p class='Note  x&amp;y' Class=other onclick=run() "
      "style=\"font-family:&quot;A B&quot;, serif\">a &lt; b<section style=color:red>s</section>"
      "<o:p>&nbsp;</o:p><script>x</script><img src=x.png width=3><td colspan=0010>c</table>"
      "<ul><li>one<li>two</ul><b>open";
  EXPECT_EQ(WrittenForQt(html).html,
            "<html><head><style>p.Note,li.Note{color:red}a:link{color:navy}</style></head>"
            "<body style=\"font-size:12pt\"><p style=\"font-family:&quot;A B&quot;, serif\" "
            "class=\"Note\">a &lt; b<span style=\"color:red\">s</span>\u00a0<img width=\"3\" />"
            "<table><tr><td colspan=\"10\">c</td></tr></table><ul><li>one</li><li>two</li></ul>"
            "<b>open</b></p></body></html>");
  // A browser's style of a word, longer than other attributes may be.
  const QString style =
      "font-weight:700;font-family:Roboto, -apple-system, BlinkMacSystemFont, 'Segoe UI', "
      "'Helvetica Neue', Arial, sans-serif;color:rgb(77, 81, 86);font-size:16px;"
      "letter-spacing:normal;text-indent:0px;text-transform:none;word-spacing:0px;"
      "background-color:rgb(255, 255, 255)";
  EXPECT_TRUE(WrittenForQt("<span style=\"" + style + "\">x</span>").html.contains(style));
  // A sheet and the body's attributes after the text are left out.
  EXPECT_EQ(WrittenForQt(u"x<style>b{color:red}</style><body class=c><b>y</b>").html,
            "<html><head></head><body>x<b>y</b></body></html>");
}

TEST(PastedHtml, TextIsTheShownTextWithALineForEachBlock) {
  const std::pair<QString, QString> cases[] = {
      {"<p>One  &amp;\n<b>two</b>&nbsp;&nbsp;three</p><p>four<br>five &#233;&#x1F600;&eacute;</p>",
       "One & two  three\nfour\nfive \u00e9\U0001F600\u00e9"},
      {"<head><title>T</title><style>p {}</style><script>if (a<b) x = \"</p>\";</script></head>"
       "<body>text<!-- <p>x</p> -->end</body>",
       "textend"},
      {"<ul><li>a<li>b</ul><table><tr><td>c<td>d</table>tail", "a\nb\nc\nd\ntail"},
      {"<link rel=\"stylesheet\" href=\"x.css\"><p>text two</p>", "text two"},
  };
  for (const auto& [html, text] : cases)
    EXPECT_EQ(fw::qt::TextOfHtml(html), text) << html.toStdString();
}

}  // namespace
