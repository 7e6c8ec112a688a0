// A styled paste into the Instructions window's text area, the whole way:
// the clipboard's HTML read, Qt's HTML reader, the styled text inserted.
// A realistic styled document of 400 KB against Qt's reader alone on the same
// HTML, in turns; and, made about 500 KB each, HTML that Qt's reader and a
// one-pass look would read apart.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <chrono>

#include "auxwindows/Window3.h"
#include "bench/BenchSupport.h"
#include "framework/qt/QtControlViews.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// An article as a browser copies it: a style sheet of class rules, headings,
// paragraphs with inline styles, links and emphasis, lists and a table.
QString RealisticDocument() {
  QString html = "<html><head><meta charset=\"utf-8\"><style>";
  for (int rule = 0; rule < 30; ++rule)
    html += QString("p.c%1, li.c%1 span { color: #%2; font-size: %3px }\n")
                .arg(rule)
                .arg(rule * 4517 % 0xFFFFFF, 6, 16, QChar('0'))
                .arg(12 + rule % 8);
  // No fragment marks: with "<!--StartFragment-->" Qt's reader leaves the
  // style sheet before it unread.
  html +=
      "</style></head><body>"
      "<h1 style=\"font-size:28px;font-weight:700;color:#222\">A season in numbers</h1>";
  for (int section = 0; html.size() < 400'000; ++section) {
    html += QString("<h2 class=\"c%1\">Week %1</h2>").arg(section);
    for (int paragraph = 0; paragraph < 4; ++paragraph)
      html += QString(
                  "<p class=\"c%1\" style=\"margin:0 0 12px;font-family:Georgia, serif;"
                  "line-height:1.5\">The <b>strongest team</b> won <i>%2</i> of its games; "
                  "see <a href=\"https://example.org/week/%1\">the table</a> and "
                  "<span style=\"color:#c00;font-weight:600\">the upsets</span>&nbsp;of the "
                  "week, which the ratings &amp; the polls did not foresee.</p>")
                  .arg(section % 30)
                  .arg(paragraph + 3);
    html += "<ul>";
    for (int item = 0; item < 5; ++item)
      html += QString("<li class=\"c%1\"><span>Bowl %2</span>: <code>%3-%4</code></li>")
                  .arg(item)
                  .arg(item + 1)
                  .arg(21 + item)
                  .arg(17 - item);
    html += "</ul><table style=\"border-collapse:collapse\"><tbody>";
    for (int row = 0; row < 4; ++row) {
      html += "<tr>";
      for (int column = 0; column < 5; ++column)
        html +=
            QString("<td style=\"border:1px solid #ccc;padding:4px\">%1</td>").arg(row * column);
      html += "</tr>";
    }
    html += "</tbody></table>";
  }
  return html + "</body></html>";
}

// The Instructions window's text area emptied, the clipboard holding the
// HTML alone (as some programs copy styled text), the paste timed.
double PasteOnce(Window3& window, QPlainTextEdit* edit, const QString& html) {
  window.TextArea1()->SetText("");
  auto* copied = new QMimeData;
  copied->setHtml(html);
  QApplication::clipboard()->setMimeData(copied);
  const auto start = Clock::now();
  edit->paste();
  return Seconds(start);
}

double QtReaderOnce(const QString& html) {
  const auto start = Clock::now();
  QTextDocument document;
  document.setHtml(html);
  return Seconds(start);
}

void BM_PasteStyled400KBVsQtReaderAlone(benchmark::State& state) {
  bench::QtRuntime runtime;
  auto window = fw::Window::Create<Window3>();
  auto* edit = qobject_cast<QPlainTextEdit*>(fw::qt::WidgetOf(*window->TextArea1()));
  const QString html = RealisticDocument();
  double pastes = 0, readings = 0;
  for (auto _ : state) {
    const double paste = PasteOnce(*window, edit, html);
    const double reading = QtReaderOnce(html);
    pastes += paste;
    readings += reading;
    state.SetIterationTime(paste);
  }
  using benchmark::Counter;
  state.counters["kilobytes"] = static_cast<double>(html.size()) / 1000;
  state.counters["paste_ms"] = Counter(pastes * 1e3, Counter::kAvgIterations);
  state.counters["qt_reader_ms"] = Counter(readings * 1e3, Counter::kAvgIterations);
  state.counters["ratio"] = readings > 0 ? pastes / readings : 0;
  window->Close();
}
BENCHMARK(BM_PasteStyled400KBVsQtReaderAlone)->UseManualTime()->Unit(benchmark::kMillisecond);

// HTML of about 500 KB that Qt's reader would nest deeply or build large
// where a one-pass look counts little: names that fold to another outside
// ASCII, a backslash before a quote, a span written as an entity, attribute
// selectors over many attributes.
QString ReadApart(int shape) {
  switch (shape) {
    case 0:
      return QStringView(u"<\u017f>x</s>").toString().repeated(55'000);
    case 1:
      return QString("<b x='\\'>x</b>'>").repeated(30'000);
    case 2:
      return "<table>" + QString("<tr><td colspan=\"&#49;000\">x").repeated(4000) + "</table>";
    default:
      return "<style>" + QString("[z]{color:red}").repeated(5000) + "</style>" +
             ("<b" + QString(" a=1").repeated(8000) + ">x</b>").repeated(12);
  }
}

void BM_PasteReadApart(benchmark::State& state) {
  bench::QtRuntime runtime;
  auto window = fw::Window::Create<Window3>();
  auto* edit = qobject_cast<QPlainTextEdit*>(fw::qt::WidgetOf(*window->TextArea1()));
  const QString html = ReadApart(static_cast<int>(state.range(0)));
  for (auto _ : state) state.SetIterationTime(PasteOnce(*window, edit, html));
  state.counters["kilobytes"] = static_cast<double>(html.size()) / 1000;
  window->Close();
}
BENCHMARK(BM_PasteReadApart)
    ->DenseRange(0, 3)
    ->Iterations(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
