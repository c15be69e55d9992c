#include "korvalin/datenblatt/TDatenblattBasis.h"

#include "hilfsmittel/Formatter.h"
#include "hilfsmittel/layout/AdressGroessen.h"
#include "hilfsmittel/layout/BtGrafikGroessen.h"
#include "hilfsmittel/layout/BtKopfzeileGroessen.h"
#include "hilfsmittel/layout/BtSeitenGroessen.h"
#include "hilfsmittel/layout/BtTextGroessen.h"
#include "hilfsmittel/layout/FirmenLogo.h"
#include "hilfsmittel/layout/LogoGroessen.h"
#include "hilfsmittel/layout/RahmenGroessen.h"
#include "hilfsmittel/layout/UnterlegungsGroessen.h"
#include "hilfsmittel/layout/ZahlenDarstellungGroessen.h"
#include "stammwerk/modell/TGesamtProjekt.h"
#include "tauplot/diagramm/TBauteilGlaser.h"

TDatenblattBasis::TDatenblattBasis()
    : texte_(std::make_unique<TBtTextGroessen>()), grafik_(std::make_unique<TBtGrafikGroessen>()),
      seiten_(std::make_unique<TBtSeitenGroessen>()),
      kopfzeile_(std::make_unique<TBtKopfzeileGroessen>()),
      zahlen_(std::make_unique<TZahlenDarstellungGroessen>()),
      unterlegung_(std::make_unique<TUnterlegungsGroessen>()),
      rahmen_(std::make_unique<TRahmenGroessen>()), logo_(std::make_unique<TLogoGroessen>()),
      adresse_(std::make_unique<TAdressGroessen>()) {
    Zeilenkanten.assign(1, 0);
}

TDatenblattBasis::~TDatenblattBasis() = default;

void TDatenblattBasis::EinstellungenLaden(bool projekt) {
    TIniEinstellungenGroessen::LadenMitMeldung({texte_.get(), grafik_.get(), seiten_.get(),
                                                kopfzeile_.get(), zahlen_.get(), unterlegung_.get(),
                                                rahmen_.get(), logo_.get(), adresse_.get()},
                                               false, projekt);
    firmenLogo_ = TFirmenLogo::Erzeugen(*logo_);
    Zellfarbe = unterlegung_->Unterlegungsfarbe[2];
    Boxfarbe = unterlegung_->Unterlegungsfarbe[3];
    const char tausend = zahlen_->sThousand.empty() ? ' ' : zahlen_->sThousand[0];
    const char dezimal = zahlen_->sDecimal.empty() ? '\0' : zahlen_->sDecimal[0];
    SetSPRINTFCharacters(tausend, dezimal);
    Kopfzeilendaten.Uebernehmen(*kopfzeile_);
}

TBauteilGlaser& TDatenblattBasis::GlaserMaler() {
    if (!glaser_)
        glaser_ = std::make_unique<TBauteilGlaser>(grafik_.get(), texte_.get(), unterlegung_.get());
    return *glaser_;
}

void TDatenblattBasis::SetFirmenLogo(std::unique_ptr<TFirmenLogo> logo) {
    firmenLogo_ = std::move(logo);
}

TProjekt* TDatenblattBasis::Projekt() const {
    return Gesamtprojekt ? Gesamtprojekt->AktuellesProjekt : nullptr;
}

bool TDatenblattBasis::LogoGezeigt() const {
    return logo_->LogoInclude && firmenLogo_ && firmenLogo_->HatBild();
}

bool TDatenblattBasis::LogoAufJederSeite() const {
    return LogoGezeigt() && logo_->Plazierung == 1;
}

bool TDatenblattBasis::LogoAufDieserSeite() const {
    return LogoAufJederSeite() || (LogoGezeigt() && AktuelleSeite == 0);
}

int TDatenblattBasis::LogoHoehe() const {
    return LogoGezeigt() ? firmenLogo_->BandHoehe() : 0;
}
