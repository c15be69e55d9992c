#pragma once
// The file image shared by placed components and placed windows: u16 number
// of area entries, u16 number of inserted items, the fixed image, the area
// entries, 4 bytes per inserted item.
#include "platform/base/ByteImage.h"
#include "platform/base/ByteStream.h"
#include "stammwerk/modell/TDimVolumen.h"
#include "stammwerk/modell/TTypNummer.h"

// 0 read, 1 no data at all, -1 cut short (then both lists are empty).
template <class P>
int PlatzierungOeffnen(P& p, ByteReader& in) {
    p.Flaechenliste.Flush();
    p.Einbauten.Flush();
    if (in.Remaining() < 2) return 1;
    const uint16_t nFlaechen = in.ReadU16();
    const uint16_t nEinbauten = in.ReadU16();
    const ByteImage image = in.ReadImage(P::kImageSize);
    if (!in.Ok()) return -1;
    p.ReadImage(image, 0);
    if (!DimVolumenLesen(in, nFlaechen, p.Flaechenliste) ||
        !TypNummernLesen(in, nEinbauten, p.Einbauten)) {
        p.Flaechenliste.Flush();
        p.Einbauten.Flush();
        return -1;
    }
    return 0;
}

template <class P>
void PlatzierungSpeichern(const P& p, ByteWriter& out) {
    out.WriteCount(p.Flaechenliste.GetItemsInContainer());
    out.WriteCount(p.Einbauten.GetItemsInContainer());
    ByteImage image(P::kImageSize);
    p.WriteImage(image, 0);
    out.WriteImage(image);
    for (const TDimVolumen& d : p.Flaechenliste) d.Speichern(out);
    TypNummernSchreiben(out, p.Einbauten);
}
