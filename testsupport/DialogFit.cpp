#include "testsupport/DialogFit.h"

#include "platform/window/Window.h"
#include "platform/window/detail/WindowImpl.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTreeWidget>

namespace testsupport {
namespace {

// The text as shown: "&&" is an ampersand, a single "&" marks the mnemonic.
QString shown(QString text) {
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

int widest(const QFontMetrics& fm, const QString& text) {
    int w = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        w = std::max(w, fm.horizontalAdvance(line));
    return w;
}

// Parts of a list, a spin field or a combo box are the control's own business.
bool insideCompound(const QWidget* w, const QWidget* top) {
    for (const QWidget* p = w->parentWidget(); p && p != top; p = p->parentWidget())
        if (qobject_cast<const QAbstractItemView*>(p) || qobject_cast<const QAbstractSpinBox*>(p) ||
            qobject_cast<const QComboBox*>(p) || qobject_cast<const QTabBar*>(p))
            return true;
    return false;
}

// The room a control has for its text, and the text; width -1 for none.
struct Room {
    QString text;
    int width = -1;
    int height = -1; // for wrapped text
};

Room roomOf(QWidget* w) {
    if (auto* l = qobject_cast<QLabel*>(w)) {
        if (l->text().isEmpty() || l->textFormat() == Qt::RichText || !l->pixmap().isNull())
            return {};
        const QRect c = l->contentsRect();
        Room r{shown(l->text()), c.width(), -1};
        if (l->wordWrap()) {
            r.height = c.height();
            r.width = -1;
        }
        return r;
    }
    // Check boxes and radio buttons: the room beside their indicator.
    if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) {
        auto* b = static_cast<QAbstractButton*>(w);
        QStyleOptionButton o;
        o.initFrom(b);
        o.text = b->text();
        const auto part = qobject_cast<QCheckBox*>(w) ? QStyle::SE_CheckBoxContents
                                                      : QStyle::SE_RadioButtonContents;
        return {shown(b->text()), b->style()->subElementRect(part, &o, b).width()};
    }
    if (auto* b = qobject_cast<QPushButton*>(w)) {
        if (b->text().isEmpty()) return {};
        QStyleOptionButton o;
        o.initFrom(b);
        return {shown(b->text()),
                b->style()->subElementRect(QStyle::SE_PushButtonContents, &o, b).width()};
    }
    if (auto* g = qobject_cast<QGroupBox*>(w)) {
        if (g->title().isEmpty()) return {};
        // The title sits in the frame's top line, an indent from either corner.
        return {shown(g->title()), g->width() - 2 * g->fontMetrics().averageCharWidth()};
    }
    return {};
}

// A multi-column list: each heading and each cell's text within its column.
void listProblems(QTreeWidget* t, std::vector<std::string>& problems) {
    const QHeaderView* h = t->header();
    const int margin = 2 * (t->style()->pixelMetric(QStyle::PM_HeaderMargin) + 1);
    const QFontMetrics hfm = h->fontMetrics();
    for (int c = 0; c < t->columnCount(); ++c) {
        if (h->isSectionHidden(c)) continue;
        const QString title = t->headerItem()->text(c);
        const int need = hfm.horizontalAdvance(title) + margin;
        if (!title.isEmpty() && need > h->sectionSize(c))
            problems.push_back("heading \"" + title.toStdString() + "\" needs " +
                               std::to_string(need) + " pixels, has " +
                               std::to_string(h->sectionSize(c)));
    }
    const QFontMetrics fm = t->fontMetrics();
    for (int i = 0; i < t->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* it = t->topLevelItem(i);
        for (int c = 0; c < t->columnCount(); ++c) {
            const QRect cell = t->visualRect(t->indexFromItem(it, c));
            if (cell.isEmpty()) continue;
            int need = fm.horizontalAdvance(it->text(c)) + margin;
            if (!it->icon(c).isNull()) need += t->iconSize().width() + 4;
            if (!it->text(c).isEmpty() && need > cell.width())
                problems.push_back("cell \"" + it->text(c).toStdString() + "\" needs " +
                                   std::to_string(need) + " pixels, has " +
                                   std::to_string(cell.width()));
        }
    }
}

std::string nameOf(const QWidget* w, const Room& r) {
    const QString text = r.text.isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                          : QStringLiteral("\"") + r.text + QStringLiteral("\"");
    return text.toStdString();
}

} // namespace

std::vector<std::string> FitProblems(TWindow& window) {
    std::vector<std::string> problems;
    QWidget* top = window.GetImpl().widget.data();
    if (!top) return {"the window has no widget"};
    const QRect area = top->rect();
    for (QWidget* w : top->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(top) || insideCompound(w, top) || w->isWindow()) continue;
        if (auto* t = qobject_cast<QTreeWidget*>(w)) listProblems(t, problems);
        const Room room = roomOf(w);
        const QRect inTop(w->mapTo(top, QPoint(0, 0)), w->size());
        const bool control = room.width >= 0 || room.height >= 0 ||
                             qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) ||
                             qobject_cast<QAbstractItemView*>(w);
        if (control && !area.contains(inTop))
            problems.push_back(nameOf(w, room) + " lies outside the window");
        if (room.text.isEmpty()) continue;
        const QFontMetrics fm = w->fontMetrics();
        if (room.width >= 0) {
            const int need = widest(fm, room.text);
            if (need > room.width)
                problems.push_back(nameOf(w, room) + " needs " + std::to_string(need) +
                                   " pixels, has " + std::to_string(room.width));
        } else if (room.height >= 0) {
            const int need = w->heightForWidth(w->width());
            if (need > w->height())
                problems.push_back(nameOf(w, room) + " needs " + std::to_string(need) +
                                   " pixels in height, has " + std::to_string(w->height()));
        }
        const int lines = int(room.text.count(QLatin1Char('\n'))) + 1;
        if (room.height < 0 && lines > 1 && lines * fm.lineSpacing() > w->height() + 2)
            problems.push_back(nameOf(w, room) + " shows " + std::to_string(lines) +
                               " lines in a height of " + std::to_string(w->height()));
    }
    return problems;
}

} // namespace testsupport
