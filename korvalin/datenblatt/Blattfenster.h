#pragma once
// The sheet windows, one class per sheet kind. Each fixes its constructor
// form and keeps the flag (the view's entry in Korpus().Ansichten) or the
// list (korpusMDIClient::Ansichten) that keeps a sheet from opening twice;
// the entry is cleared when the window goes, however it is closed.
#include "korvalin/datenblatt/TDatenWindow.h"

// Sheet kinds: which class, caption, subject and orientation.
struct TBlattart {
    int Art;
    const char* Titel;
    int Quelle;
    bool Quer;
};
const TBlattart& BlattartAngaben(int art);

// The window of a sheet kind for the project's first subjects (components,
// windows; the comparisons the first two components); null when the project
// has none of them. Not yet created.
std::unique_ptr<TDatenWindow> BlattfensterFuerArt(TMDIClient& client, int art, TProjekt& p);

class TWaermeschutzWindow : public TDatenWindow {
public:
    TWaermeschutzWindow(TMDIClient& parent, std::string_view caption, int art, int umfang,
                        const std::vector<TRBauteil*>& bauteile,
                        const std::vector<TRFenster*>& fenster);
    ~TWaermeschutzWindow() override;
    void Austragen() override;
};

class TFeuchteschutzWindow : public TDatenWindow {
public:
    TFeuchteschutzWindow(TMDIClient& parent, std::string_view caption, int art, int umfang,
                         const std::vector<TRBauteil*>& bauteile,
                         const std::vector<TRFenster*>& fenster);
    ~TFeuchteschutzWindow() override;
    void Austragen() override;
};

// The project-wide sheets of no selection: the class only differs by its flag.
class TEinzelblattWindow : public TDatenWindow {
public:
    TEinzelblattWindow(TMDIClient& parent, std::string_view caption, int art, TWindow*& flagge);
    ~TEinzelblattWindow() override;
    void Austragen() override;

private:
    TWindow*& flagge_;
};

class TProjektDatenWindow : public TEinzelblattWindow {
public:
    TProjektDatenWindow(TMDIClient& parent, std::string_view caption, int art);
};
class TEnergieDatenWindow : public TEinzelblattWindow {
public:
    TEnergieDatenWindow(TMDIClient& parent, std::string_view caption, int art);
};
class TMassenDatenWindow : public TEinzelblattWindow {
public:
    TMassenDatenWindow(TMDIClient& parent, std::string_view caption, int art);
};
class TFassadenDatenWindow : public TEinzelblattWindow {
public:
    TFassadenDatenWindow(TMDIClient& parent, std::string_view caption, int art);
};
class TBauteilViewWindow : public TEinzelblattWindow {
public:
    TBauteilViewWindow(TMDIClient& parent, std::string_view caption, int art);
};
class TFlaechenDatenWindow : public TEinzelblattWindow {
public:
    TFlaechenDatenWindow(TMDIClient& parent, std::string_view caption, int art);
};

class TBtAusDateiWindow : public TDatenWindow {
public:
    TBtAusDateiWindow(TMDIClient& parent, std::string_view caption, int art, int umfang,
                      std::vector<TRBauteil*> liste);
    ~TBtAusDateiWindow() override;
    void Austragen() override;
};

class TFnstAusDateiWindow : public TDatenWindow {
public:
    TFnstAusDateiWindow(TMDIClient& parent, std::string_view caption, int art, int umfang,
                        std::vector<TRFenster*> liste);
    ~TFnstAusDateiWindow() override;
    void Austragen() override;
};

// Per-subject sheets: in a list of the client while they are open.
class TBauteilDatenWindow : public TDatenWindow {
public:
    TBauteilDatenWindow(TMDIClient& parent, std::string_view caption, TRBauteil* bauteil,
                        TEinfachBauteil* variante);
    ~TBauteilDatenWindow() override;
    void Austragen() override;
    bool CanClose() override;
};

class TPeriodenDatenWindow : public TDatenWindow {
public:
    TPeriodenDatenWindow(TMDIClient& parent, std::string_view caption, TRBauteil* bauteil, int art);
    ~TPeriodenDatenWindow() override;
    void Austragen() override;
    bool CanClose() override;
};

class TFensterDatenWindow : public TDatenWindow {
public:
    TFensterDatenWindow(TMDIClient& parent, std::string_view caption, TRFenster* fenster,
                        int variante);
    ~TFensterDatenWindow() override;
    void Austragen() override;
    bool CanClose() override;
};

class TVergleichDatenWindow : public TDatenWindow {
public:
    TVergleichDatenWindow(TMDIClient& parent, std::string_view caption, TRBauteil* erster,
                          int wert1, TRBauteil* zweiter, int wert2, int art);
    ~TVergleichDatenWindow() override;
    void Austragen() override;
    bool CanClose() override;
};
