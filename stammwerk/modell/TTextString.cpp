#include "stammwerk/modell/TTextString.h"

#include "platform/base/ByteStream.h"

#include <memory>

bool TTextString::Lesen(ByteReader& in) {
    if (in.Remaining() < kImageSize) {
        in.Fail();
        return false;
    }
    ByteImage image = in.ReadImage(kImageSize);
    Nummer = image.U16(0);
    Text = image.Text(2, kTextWidth);
    return true;
}

void TTextString::Schreiben(ByteWriter& out) const {
    ByteImage image(kImageSize);
    image.SetU16(0, Nummer);
    image.SetText(2, kTextWidth, Text);
    out.WriteImage(image);
}

int AddTextStringToList(ByteReader& in, int count, TTextListe* list) {
    for (int i = 0; i < count; ++i) {
        auto line = std::make_unique<TTextString>();
        if (!line->Lesen(in)) return 0;
        list->AddAfterEquals(std::move(line));
    }
    return 1;
}

int WriteTextStringListToFile(ByteWriter& out, int count, const TTextListe* list) {
    int written = 0;
    for (const TTextString& line : *list) {
        if (written >= count) break;
        line.Schreiben(out);
        ++written;
    }
    return 1;
}

void InitTextListe(TTextListe* target, const TTextListe* source) {
    for (const TTextString& line : *source)
        target->AddAfterEquals(std::make_unique<TTextString>(line));
}
