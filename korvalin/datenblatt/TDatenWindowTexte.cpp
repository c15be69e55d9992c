// Texts typed in place: the edit that lies over a text block, its growth
// with the lines typed, and the way between a block's text and the stored
// records of the sheet.
#include "hilfsmittel/layout/BtTextGroessen.h"
#include "korvalin/datenblatt/DatenblattZustand.h"
#include "korvalin/datenblatt/TBauteilEdit.h"
#include "korvalin/datenblatt/TDatenWindow.h"
#include "korvalin/datenblatt/TFixDaten.h"
#include "platform/gdi/MeasuringDC.h"
#include "platform/window/Scroller.h"

#include <algorithm>

namespace {
// The editor's line height on screen.
constexpr int Editorzeile = 14;
int letzteZeilenzahl = 0;

template <class Array, class Schluessel>
auto* satzFinden(Array& array, Schluessel key, bool anlegen) {
    if (anlegen) return &array.FindenOderAnlegen(key);
    for (auto& s : array.Saetze)
        if (s.Key == key) return &s;
    return static_cast<decltype(&array.Saetze.front())>(nullptr);
}
} // namespace

TDatenblattEditfeld* TDatenWindow::editfeld(const TBlock& block, bool anlegen) {
    const int k = block.Zaehler;
    if (k < 1 || !Projektblatt) return nullptr;
    DatenblattZustand& z = Datenblaetter();
    switch (block.Abschnitt) {
    case 0:
        return nullptr;
    case 4: {
        if (!z.BtDaten || k > 4) return nullptr;
        auto* s = satzFinden(*z.BtDaten, TBTKey{block.Satznummer, block.Variantennummer}, anlegen);
        return s ? &s->Editfelder[size_t(k - 1)] : nullptr;
    }
    case 5: {
        if (!z.FnDaten || k > 2) return nullptr;
        auto* s = satzFinden(*z.FnDaten, TBTFensterKey{block.Satznummer}, anlegen);
        return s ? &s->Editfelder[size_t(k - 1)] : nullptr;
    }
    default: {
        // The sheets' own records; texts beyond their fields are not kept.
        TBlattDaten* s = FixDaten ? FixDaten->Satz(block.Abschnitt) : nullptr;
        if (!s || size_t(k) > s->Editfelder.size()) return nullptr;
        return &s->Editfelder[size_t(k - 1)];
    }
    }
}

void TDatenWindow::EingabefeldZuruecksetzen(int) {
    BlocktexteLesen();
}

void TDatenWindow::BlocktexteLesen() {
    const TDatenblattEditfeld* f = editfeld(Block, false);
    if (!f) return;
    Block.SetText(f->Text);
    Block.InnenHoehe = Block.Hoehe = std::max(0, f->Zahl2);
}

void TDatenWindow::BlocktexteSchreiben() {
    TDatenblattEditfeld* f = editfeld(Block, true);
    if (!f) return;
    f->Text = Block.Text ? *Block.Text : std::string();
    f->Zahl2 = Block.InnenHoehe;
    if (Block.Abschnitt == 4)
        BtDatenGeaendert = true;
    else if (Block.Abschnitt == 5)
        FnDatenGeaendert = true;
    else
        BlattDatenGeaendert = true;
}

void TDatenWindow::BearbeitenBeginnen(TPoint client) {
    if (!SeitenEditModus) return;
    BlockTreffen(BlattPunkt(client));
    if (Trefferblock < 0) return;
    // A second double-click message of the same click leaves the edit as it is.
    if (editor_ && BearbeiteterBlock == Trefferblock) {
        Trefferblock = -1;
        return;
    }
    EditorBeenden();
    BearbeiteterBlock = Trefferblock;
    Trefferblock = -1;
    EditorOeffnen();
}

void TDatenWindow::editorPlatzieren(int hoehe) {
    // A height the user gave the block by its handle is kept while it holds the text.
    hoehe = std::max(hoehe, editorMindesthoehe_);
    const TRect r = ClientRechteck(Block.Rechteck());
    editor_->MoveWindow(TRect(r.left, r.top, r.left + Block.Breite, r.top + hoehe), true);
    const int ende = int(editor_->GetText().size());
    editor_->SetSelection(ende, ende);
    Block.InnenOben = Block.Oben;
    Block.InnenUnten = Block.Oben + hoehe;
    Block.Unten = Block.InnenUnten;
    Block.Hoehe = Block.InnenHoehe = Block.Unten - Block.Oben;
    Bloecke[size_t(Block.Nummer)] = Block;
}

void TDatenWindow::EditorOeffnen() {
    if (BearbeiteterBlock < 0 || size_t(BearbeiteterBlock) >= Bloecke.size()) return;
    VorgaengerLaden(BearbeiteterBlock);
    BlockLaden(BearbeiteterBlock);
    if (!AufAktuellerSeite()) return;
    BtDatenGeaendert = FnDatenGeaendert = BlattDatenGeaendert = VorlageGeaendert = true;
    Datenblaetter().BauteilGrafikGeaendert = true;
    // The limit counts the terminating zero, as the file's 16-bit length does not.
    editor_ = std::make_unique<TBauteilEdit>(this, EditorId, "", 0, 0, 0, 0, TextGrenze + 1, true);
    editor_->SchriftSetzen(Texte().Font(Textstil::Kommentar));
    editor_->Create();
    // The lines are counted at the block's width, as typing counts them later.
    const TRect r = ClientRechteck(Block.Rechteck());
    editor_->MoveWindow(TRect(r.left, r.top, r.left + Block.Breite, r.top + r.Height()), false);
    editor_->ShowWindow(SW_SHOWNORMAL);
    if (Block.Text) editor_->SetText(*Block.Text);
    editorMindesthoehe_ = Block.Unten - Block.Oben;
    letzteZeilenzahl = editor_->GetNumLines();
    editorPlatzieren((letzteZeilenzahl + 1) * Editorzeile);
    editor_->SetFocus();
    layoutLauf();
}

void TDatenWindow::zeilenzahlPruefen() {
    if (!editor_ || BearbeiteterBlock <= 0) return;
    BlockLaden(BearbeiteterBlock);
    const int zeilen = editor_->GetNumLines();
    if (zeilen == letzteZeilenzahl) return;
    editorPlatzieren((zeilen + 1) * Editorzeile);
    layoutLauf();
    letzteZeilenzahl = zeilen;
}

void TDatenWindow::EditorUebernehmen(int nummer) {
    if (nummer < 0 || !editor_ || size_t(nummer) >= Bloecke.size()) return;
    VorgaengerLaden(nummer);
    BlockLaden(nummer);
    Block.SetText(editor_->GetText());
    BlocktexteSchreiben();
    Bloecke[size_t(nummer)] = Block;
}

void TDatenWindow::EditorBeenden() {
    if (!editor_) return;
    EditorUebernehmen(BearbeiteterBlock);
    editor_->Destroy();
    editor_.reset();
    BearbeiteterBlock = -1;
}

void TDatenWindow::layoutLauf() {
    TMeasuringDC dc;
    DatenblattAufbauen(dc, 0);
    layoutZeigen();
}
