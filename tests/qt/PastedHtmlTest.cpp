// The quick look at pasted HTML: what real documents write (paragraphs,
// list items and cells their next one ends, elements with nothing inside,
// a style sheet) goes to Qt's reader; what would hold that reader up, however
// it is written, does not. And the HTML's text without Qt's reader.
#include <gtest/gtest.h>

#include "framework/qt/PastedHtml.h"

namespace {

struct Shape {
  const char* name;
  QString html;
  bool quick;
};

QString Times(const QString& piece, int count) { return piece.repeated(count); }

TEST(PastedHtml, QtReadsRealDocumentsButNothingThatWouldHoldItUp) {
  const QString sheet = "<style>" + Times("p.c, li.c { color: red }\n", 50) + "</style>";
  const Shape shapes[] = {
      {"paragraphs", Times("<p><b>para ", 300), true},
      {"list items", "<ul>" + Times("<li>item <i>one</i>", 300), true},
      {"cells", "<table>" + Times("<tr><td>a<td colspan=2>b", 300), true},
      {"empty elements",
       Times("<br><img src=x.png><meta charset=utf-8><hr><link rel=stylesheet href=x.css/>", 300),
       true},
      {"quoted >", Times("<b title=\">\">bold</b>", 300), true},
      {"style sheet", sheet + Times("<p class=c><span>text</span></p>", 500), true},
      {"nested", Times("<div>", 150), false},
      {"items inside text styles", "<ul>" + Times("<li><b>item", 150), false},
      {"paragraphs inside blocks", Times("<p><div>", 150), false},
      {"closing tag in a quoted value", Times("<b title=\"></b>\">", 150), false},
      {"rows past an item outside its list", Times("<tr><dd><dl>", 150), false},
      {"cells past an empty caption", Times("<td><caption</table>", 150), false},
      {"images", Times("<img>", 3000), false},
      {"a wide table", "<table>" + Times("<tr><td colspan=400>x", 400), false},
      {"tags in a style sheet", "<style>p {}<b></style>x", false},
      {"a deep document with a style sheet", sheet + Times("<div>", 90) + Times("<b>x</b>", 10000),
       false},
      {"large", QString(600'000, u'x'), false},
  };
  for (const Shape& shape : shapes)
    EXPECT_EQ(fw::qt::QtReadsQuickly(shape.html), shape.quick) << shape.name;
}

TEST(PastedHtml, TextIsTheShownTextWithALineForEachBlock) {
  const std::pair<QString, QString> cases[] = {
      {"<p>One  &amp;\n<b>two</b>&nbsp;&nbsp;three</p><p>four<br>five &#233;&#x1F600;</p>",
       "One & two  three\nfour\nfive \u00e9\U0001F600"},
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
