#include "stammwerk/grafik/GrafikEinstellungen.h"

#include "hilfsmittel/layout/BtGrafikGroessen.h"
#include "hilfsmittel/layout/BtSeitenGroessen.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/Pen.h"

namespace GrafikEinstellungen {
namespace {

// A drawing made without settings uses a default settings object.
const TBtGrafikGroessen& Oder(const TBtGrafikGroessen* g) {
    static const TBtGrafikGroessen vorgabe;
    return g ? *g : vorgabe;
}

} // namespace

const TFont& BasisSchrift(const TBtGrafikGroessen* g) {
    return *Oder(g).pBeschriftungFont;
}

const TFont& NormalSchrift(const TBtGrafikGroessen* g) {
    return *Oder(g).pKleinFont;
}

const TFont& VertikalSchrift(const TBtGrafikGroessen* g) {
    return *Oder(g).pVertikalFont;
}

TColor BeschriftungFarbe(const TBtGrafikGroessen* g) {
    return Oder(g).BeschriftungFarbe;
}

const TPen& DampfdruckStift(const TBtGrafikGroessen* g) {
    return *Oder(g).pDampfPen;
}

const TPen& SattdampfStift(const TBtGrafikGroessen* g) {
    return *Oder(g).pSattdampfPen;
}

bool Glasergrafik(const TBtSeitenGroessen* s) {
    return s ? s->Glasergrafik != 0 : true;
}

bool Temperaturgrafik(const TBtSeitenGroessen* s) {
    return s ? s->Temperaturgrafik != 0 : true;
}

} // namespace GrafikEinstellungen
