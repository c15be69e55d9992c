#include "korvalin/datenblatt/TBauteilEdit.h"

#include "platform/services/MessageBox.h"
#include "platform/services/Services.h"
#include "platform/window/ResponseTable.h"

namespace {
constexpr int CM_ALLES_MARKIEREN = 6509;
constexpr int CM_SUCHEN = 24351;
constexpr int CM_ERSETZEN = 24352;
constexpr int CM_WEITERSUCHEN = 24353;
// What the search fields hold when they first open.
constexpr const char* kSuchvorgabe = "Find";
constexpr const char* kErsatzvorgabe = "Replace";
constexpr unsigned kFeldlaenge = 80;
} // namespace

TBauteilEdit::TBauteilEdit(TWindow* parent, int id, std::string_view text, int x, int y, int w,
                           int h, unsigned textLimit, bool multiline)
    : TEdit(parent, id, text, x, y, w, h, textLimit, multiline) {
    TResponseTable& r = Responses();
    r.Command(CM_ALLES_MARKIEREN, [this] { SetSelection(0, int(GetText().size())); });
    r.Command(CM_SUCHEN, [this] { Suchen(); });
    r.Command(CM_ERSETZEN, [this] { Ersetzen(); });
    r.Command(CM_WEITERSUCHEN, [this] { WeiterSuchen(); });
}

TBauteilEdit::~TBauteilEdit() = default;

void TBauteilEdit::SetupWindow() {
    TEdit::SetupWindow();
    if (schrift_) SetWindowFont(*schrift_);
}

void TBauteilEdit::SchriftSetzen(const TFont& font) {
    schrift_ = std::make_unique<TFont>(font);
}

bool TBauteilEdit::finden(const std::string& text) {
    const std::string inhalt = GetText();
    int anfang = 0, ende = 0;
    GetSelection(anfang, ende);
    size_t at = inhalt.find(text, size_t(ende));
    if (at == std::string::npos) at = inhalt.find(text);
    if (text.empty() || at == std::string::npos) {
        MessageBox("\"" + text + "\" wurde nicht gefunden.", "Suchen", MB_OK | MB_ICONINFORMATION);
        return false;
    }
    SetSelection(int(at), int(at + text.size()));
    return true;
}

void TBauteilEdit::Suchen() {
    const auto text = Input().InputBox(
        "Suchen", "Suchen nach:", suchtext_.empty() ? kSuchvorgabe : suchtext_, kFeldlaenge);
    if (!text) return;
    suchtext_ = *text;
    finden(suchtext_);
}

void TBauteilEdit::WeiterSuchen() {
    if (suchtext_.empty())
        Suchen();
    else
        finden(suchtext_);
}

void TBauteilEdit::Ersetzen() {
    const auto text = Input().InputBox(
        "Ersetzen", "Suchen nach:", suchtext_.empty() ? kSuchvorgabe : suchtext_, kFeldlaenge);
    if (!text || text->empty()) return;
    const auto ersatz =
        Input().InputBox("Ersetzen", "Ersetzen durch:", kErsatzvorgabe, kFeldlaenge);
    if (!ersatz) return;
    suchtext_ = *text;
    std::string inhalt = GetText();
    int anzahl = 0;
    for (size_t at = inhalt.find(*text); at != std::string::npos;
         at = inhalt.find(*text, at + ersatz->size())) {
        inhalt.replace(at, text->size(), *ersatz);
        ++anzahl;
    }
    if (anzahl == 0) {
        MessageBox("\"" + *text + "\" wurde nicht gefunden.", "Ersetzen",
                   MB_OK | MB_ICONINFORMATION);
        return;
    }
    Type(inhalt);
}
