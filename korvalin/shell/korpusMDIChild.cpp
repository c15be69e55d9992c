#include "korvalin/shell/korpusMDIChild.h"

#include "korvalin/shell/KorpusZustand.h"
#include "tauplot/diagramm/TText.h"

korpusMDIChild::korpusMDIChild(TMDIClient& parent, std::string_view title, TWindow* clientWnd)
    : TMDIChild(parent, title, clientWnd),
      text_(std::make_unique<TText>(Korpus().AktuellesProjekt)) {}

korpusMDIChild::~korpusMDIChild() {
    Destroy();
}
