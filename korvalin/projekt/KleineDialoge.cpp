#include "korvalin/projekt/KleineDialoge.h"

#include "korvalin/shell/KorpusZustand.h"
#include "platform/services/Services.h"
#include "platform/window/CheckBox.h"
#include "platform/window/ComboBox.h"
#include "platform/window/CommandIds.h"
#include "platform/window/Dialog.h"
#include "platform/window/ResponseTable.h"

void HilfeKnopfEintragen(TDialog& dialog, uint32_t kontext) {
    dialog.Responses().Command(
        IDHELP, [kontext] { Help().WinHelp(Korpus().HilfeDatei, HELP_CONTEXT, kontext); });
}

void SofortZuordnenRegelEintragen(TDialog& dialog) {
    dialog.Responses().Command(105, [&dialog] { SofortZuordnenRegel(dialog, false); });
}

void SofortZuordnenRegel(TDialog& dialog, bool einrichten) {
    auto* sofort = dialog.Item<TCheckBox>(105);
    auto* liste = dialog.Item<TComboBox>(104);
    if (!sofort || !liste) return;
    if (einrichten && liste->GetCount() == 0) sofort->EnableWindow(false);
    liste->EnableWindow(sofort->GetCheck() == 1);
}
