#include "platform/window/detail/EditLines.h"

#include <QAbstractTextDocumentLayout>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextLayout>

std::string NormalizeEditLines(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' && text.substr(i, 3) == "\r\r\n") {
            i += 2;
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            out += "\r\n";
        } else {
            out += c;
        }
    }
    return out;
}

std::string EditTextOf(const QString& widgetText) {
    QString t = widgetText;
    t.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return NormalizeEditLines(t.toStdString());
}

QString WidgetTextOf(std::string_view editText) {
    QString t = QString::fromUtf8(editText.data(), qsizetype(editText.size()));
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return t;
}

namespace {
// The block's layout at the edit's width (laid out on demand).
QTextLayout* layoutOf(QPlainTextEdit* edit, const QTextBlock& block) {
    edit->document()->documentLayout()->blockBoundingRect(block);
    return block.layout();
}
} // namespace

int DisplayLineCount(QPlainTextEdit* edit) {
    int count = 0;
    for (QTextBlock b = edit->document()->begin(); b.isValid(); b = b.next())
        count += std::max(1, layoutOf(edit, b)->lineCount());
    return std::max(1, count);
}

std::string DisplayLine(QPlainTextEdit* edit, int line) {
    for (QTextBlock b = edit->document()->begin(); b.isValid() && line >= 0; b = b.next()) {
        QTextLayout* layout = layoutOf(edit, b);
        const int lines = std::max(1, layout->lineCount());
        if (line < lines) {
            if (layout->lineCount() == 0) return {};
            const QTextLine l = layout->lineAt(line);
            return b.text().mid(l.textStart(), l.textLength()).toStdString();
        }
        line -= lines;
    }
    return {};
}
