#include "platform/window/Static.h"

#include "platform/window/Mnemonic.h"
#include "platform/window/detail/TextTransfer.h"
#include "platform/window/detail/WindowImpl.h"

#include <QLabel>

namespace {
Qt::Alignment qtAlignment(TStatic::TAlign a) {
    const Qt::Alignment h = a == TStatic::Center  ? Qt::AlignHCenter
                            : a == TStatic::Right ? Qt::AlignRight
                                                  : Qt::AlignLeft;
    return h | Qt::AlignVCenter; // the label's own vertical placement
}

// A label's "&X" as Windows shows it: X underlined; "&&" is one ampersand.
QString withMnemonic(std::string_view text) {
    QString html;
    const QString t = window_detail::Qs(text);
    for (int i = 0; i < t.size(); ++i) {
        if (t[i] == '&' && i + 1 < t.size()) {
            ++i;
            const QString c = QString(t[i]).toHtmlEscaped();
            html += t[i] == '&' ? c : "<u>" + c + "</u>";
        } else {
            html += QString(t[i]).toHtmlEscaped();
        }
    }
    return html;
}
} // namespace

TStatic::TStatic(TWindow* parent, int id, std::string_view text, int x, int y, int w, int h)
    : TControl(parent, id, text, x, y, w, h) {}

void TStatic::CreateNativeWidget() {
    auto* label = new QLabel(window_detail::Qs(GetCaption()), window_detail::ParentWidget(this));
    // The text it was made with is the program's own: its "&" marks the
    // mnemonic. Texts set later may be the user's and stay as they are.
    if (!(Attr().Style & SS_NOPREFIX) && MnemonicOf(GetCaption())) {
        label->setTextFormat(Qt::RichText);
        label->setText(withMnemonic(GetCaption()));
    }
    label->setWordWrap(true);
    label->setAlignment(qtAlignment(align_));
    AdoptControl(label);
}

void TStatic::SetText(std::string_view text) {
    SetCaption(text);
    if (auto* l = qobject_cast<QLabel*>(GetImpl().widget.data())) {
        l->setTextFormat(Qt::AutoText);
        l->setText(window_detail::Qs(text));
    }
}

void TStatic::SetAlignment(TAlign align) {
    align_ = align;
    if (auto* l = qobject_cast<QLabel*>(GetImpl().widget.data()))
        l->setAlignment(qtAlignment(align));
}

bool TStatic::Transfer(TTransferBuffer::Field& field, TTransferDirection dir) {
    return TransferText(
        field, dir, [this] { return GetText(); }, [this](const std::string& s) { SetText(s); });
}
