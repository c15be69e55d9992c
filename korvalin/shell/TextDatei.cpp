#include "korvalin/shell/TextDatei.h"

#include "korvalin/shell/korpusMDIChild.h"
#include "korvalin/shell/korpusMDIClient.h"
#include "platform/base/Cp1252.h"
#include "platform/base/FileIO.h"
#include "platform/services/MessageBox.h"
#include "platform/window/Application.h"
#include "platform/window/ListBox.h"
#include "platform/window/StringTable.h"

#include <algorithm>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr int kListe = 100;

std::string programmName() {
    auto* app = TApplication::Current();
    return app ? app->GetName() : std::string();
}

std::string format(const char* muster, const std::string& datei) {
    std::string text = muster;
    if (const auto p = text.find("%s"); p != std::string::npos) text.replace(p, 2, datei);
    return text;
}

void fuellen(TListBox& liste, const std::string& datei) {
    liste.ClearList();
    std::error_code ec;
    const auto groesse = fs::file_size(datei, ec);
    if (!ec && groesse > kTextDateiGrenze) {
        MessageBox(format("Datei %s ist zu groß, um angezeigt zu werden (mehr als 4 MB).", datei),
                   programmName(), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    const auto inhalt = ReadWholeFile(datei, kTextDateiGrenze);
    if (!inhalt.ok) {
        std::string muster = LoadString(32551);
        if (muster.empty()) muster = "Datei %s kann nicht von Diskette/Festplatte gelesen werden.";
        MessageBox(format(muster.c_str(), datei), programmName(), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    for (const auto& zeile : TextZeilen(inhalt.bytes)) liste.AddString(zeile);
}

TListBox* listeVon(TWindow* fenster) {
    auto* kind = dynamic_cast<TMDIChild*>(fenster);
    return kind ? dynamic_cast<TListBox*>(kind->GetClientWindow()) : nullptr;
}

} // namespace

std::vector<std::string> TextZeilen(const std::vector<unsigned char>& bytes) {
    std::vector<std::string> zeilen;
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    size_t anfang = 0;
    while (anfang < text.size()) {
        size_t ende = text.find('\n', anfang);
        if (ende == std::string_view::npos) ende = text.size();
        std::string_view zeile = text.substr(anfang, ende - anfang);
        if (!zeile.empty() && zeile.back() == '\r') zeile.remove_suffix(1);
        // A long line is shown whole, in pieces, rather than cut.
        do {
            zeilen.push_back(cp1252::Decode(zeile.substr(0, kTextZeileBreite)));
            zeile.remove_prefix(std::min(zeile.size(), kTextZeileBreite));
        } while (!zeile.empty());
        anfang = ende + 1;
    }
    return zeilen;
}

TMDIChild* TextDateiOeffnen(korpusMDIClient& client, const char* datei) {
    if (datei) client.Dateidaten.fileName = datei;
    const std::string name = client.Dateidaten.fileName;
    const auto* aktiv = client.GetActiveMDIChild();
    const bool maximiert = aktiv && aktiv->IsZoomed();
    auto* liste = new TListBox(nullptr, kListe);
    auto* fenster = new korpusMDIChild(client, name, liste);
    if (!fenster->Create()) return nullptr;
    fenster->ShowWindow(maximiert ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
    fuellen(*liste, name);
    return fenster;
}

void TextDateiLesen(korpusMDIClient& client) {
    if (auto* liste = listeVon(client.GetActiveMDIChild()))
        fuellen(*liste, client.Dateidaten.fileName);
}
