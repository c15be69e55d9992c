#include "korvalin/shell/KorpusZustand.h"

#include "korvalin/shell/AusstehendeBefehle.h"
#include "korvalin/shell/KatalogZugang.h"
#include "korvalin/shell/ProjektOeffnung.h"
#include "platform/base/ApplicationState.h"
#include "stammwerk/modell/TGesamtProjekt.h"

KorpusZustand::~KorpusZustand() {
    delete AktuellesProjekt;
}

KorpusZustand& Korpus() {
    return ApplicationState::Current().Get<KorpusZustand>();
}

TProjekt* AktuelleVariante() {
    auto* g = Korpus().AktuellesProjekt;
    return g ? g->AktuellesProjekt : nullptr;
}

KatalogZugang& Kataloge() {
    auto& k = Korpus();
    if (!k.Kataloge) k.Kataloge = std::make_shared<ModellKataloge>(k.Programmverzeichnis);
    return *k.Kataloge;
}

AusstehendeBefehle& Ausstehend() {
    auto& k = Korpus();
    if (!k.Ausstehend) k.Ausstehend = std::make_shared<AusstehendeBefehle>();
    return *k.Ausstehend;
}

ProjektOeffnung& Oeffnung() {
    auto& k = Korpus();
    if (!k.Oeffnung) k.Oeffnung = std::make_shared<ProjektOeffnung>();
    return *k.Oeffnung;
}
