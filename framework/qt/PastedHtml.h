#pragma once
// Styled text from elsewhere looked over in one quick pass, without Qt's HTML
// reader: whether that reader would read it in a moment, and its plain text
// where it would not.
#include <QString>
#include <QStringView>

namespace fw::qt {

// Qt's HTML reader takes time that grows with the square of how deeply the
// elements nest, of the images and list items, and with the elements times
// their depth times the rules of a style sheet: true where the text is no
// larger, deeper or heavier than what browsers and word processors copy.
bool QtReadsQuickly(QStringView html);

// The text of HTML without its styles: tags, comments, scripts and style
// sheets dropped, the common entities decoded, white space run together as a
// browser shows it, and a line break for <br> and at the end of a block.
QString TextOfHtml(QStringView html);

}  // namespace fw::qt
