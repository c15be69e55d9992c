#include "platform/services/ChooseDialogs.h"

#include "platform/detail/QtValues.h"
#include "platform/gdi/Font.h"
#include "platform/services/Services.h"
#include "platform/services/detail/DialogOwner.h"

#include <QColorDialog>
#include <QFontDialog>

#include <cstdlib>

namespace {

class QtChooseService : public ChooseService {
public:
    bool ChooseFont(LOGFONT& lf, TColor&) override {
        QFont initial(qt_detail::Qs(FaceNameOf(lf)));
        if (lf.lfHeight != 0) initial.setPixelSize(std::abs(lf.lfHeight));
        initial.setBold(lf.lfWeight >= 600);
        initial.setItalic(lf.lfItalic != 0);
        bool ok = false;
        const QFont f = QFontDialog::getFont(&ok, initial, qt_detail::DialogOwner());
        if (!ok) return false;
        SetFaceName(lf, f.family().toStdString());
        // A negative height asks for the character height.
        lf.lfHeight = -(f.pixelSize() > 0 ? f.pixelSize() : int(f.pointSizeF() * 96 / 72 + 0.5));
        lf.lfWeight = f.bold() ? 700 : 400;
        lf.lfItalic = f.italic() ? 1 : 0;
        lf.lfUnderline = f.underline() ? 1 : 0;
        lf.lfStrikeOut = f.strikeOut() ? 1 : 0;
        return true;
    }
    bool ChooseColor(TColor& color) override {
        const QColor c = QColorDialog::getColor(qt_detail::Qc(color), qt_detail::DialogOwner());
        if (!c.isValid()) return false;
        color = TColor(c.red(), c.green(), c.blue());
        return true;
    }
};

ChooseService& choose() {
    auto& s = CurrentServices();
    if (!s.choose) s.choose = std::make_shared<QtChooseService>();
    return *s.choose;
}

} // namespace

bool ChooseFont(LOGFONT& font, TColor& color) {
    return choose().ChooseFont(font, color);
}
bool ChooseColor(TColor& color) {
    return choose().ChooseColor(color);
}
