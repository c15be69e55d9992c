#include "korvalin/projekt/StandardFormeln.h"

namespace {

struct Formel {
    int zeile;
    int nameId;
    const char* name;
    int formelId;
    const char* formel;
    int variablenId;
    const char* variablen;
};

// Rows of the tree with their string ids, as the resources numbered them.
constexpr Formel kFormeln[] = {
    {1, 20001, "Rechtwinkliges Dreieck", 20010, "(a * b)/2", 20017,
     "a = 0      # 1. Kathetenlänge in m \nb = 0      # 2. Kathetenlänge in m"},
    {2, 20002, "Gleichschenkliges Dreieck", 20010, "(a * b)/2", 20019,
     "a = 0      # Basislänge in m\nb = 0      # Höhe bzgl. der Basis in m"},
    {3, 20020, "Gleichschenkliges Dreieck 2", 20024, "c/4*sqrt(4*a*a-c*c)", 20022,
     "a=0 # gleichschenklige Seite (a=b)\nc=0 # Basisseite\n# Bedingung 2a>c"},
    {4, 20003, "Beliebiges Dreieck", 20010, "(a * b)/2", 20021,
     "a = 0      # Länge einer beliebigen Seite in m\nb = 0      # Höhe bzgl. Seitenlänge in m"},
    {5, 20026, "Beliebiges Dreieck 2", 20031, "1/4*sqrt(4*a*a*b*b-p*p)", 20028,
     "a=0 # Seitenlänge\nb=0 # Seitenlänge\nc=0 # Seitenlänge\np=a*a+b*b-c*c"},
    {6, 20004, "Rechteck", 20011, "(a * b)", 20023,
     "a = 0      # 1. Seitenlänge in m\nb = 0      # 2. Seitenlänge in m"},
    {7, 20005, "Parallelogramm", 20011, "(a * b)", 20025,
     "a = 0      # Länge einer Seite in m\nb = 0      # Höhe bzgl. Seitenlänge in m"},
    {8, 20006, "Trapez", 20011, "(a * b)", 20027,
     "a = 0      # Seitenhalbierende parallel zu Grundseiten in m\nb = 0      # Höhe bzgl. "
     "Grundseite in m"},
    {9, 20015, "Trapez 2", 20018, "(a+b)*h/2", 20016,
     "a=2 #lange parallele Seite\nb=1 #kurze parallele Seite\nc=1 #nicht parallele Seite\nd=1 "
     "#nicht parallele Seite\ns=(a+b+c+d)/2\nh=2/(a-b)*sqrt((s-a)*(s-b)*(s-b-c)*(s-b-d)) #Höhe\n# "
     "Bedingung. b+|c-d|<a<b+c+d"},
    {10, 20007, "Kreis", 20012, "pi * a^2", 20029, "a = 0      # Radius in m"},
    {11, 20008, "Kreissektor", 20013, "pi * a^2 * b / 360", 20030,
     "a = 0      # Radius in m\nb = 0      # Öffnungswinkel in Grad"},
    {12, 20009, "Kreissegment", 20014, "a^2 * (pi * b/180 - sin(pi * b/180))/2", 20030,
     "a = 0      # Radius in m\nb = 0      # Öffnungswinkel in Grad"},
    {14, 20091, "Mantelfläche: Gerader Kreiszylinder", 20093, "2*pi*R*h", 20092,
     "R = 0  # Radius der Grundfläche\nh = 0  # Höhe"},
    {15, 20094, "Mantelfläche: Gerager Kreiskegel", 20096, "pi*R*sqrt(R*R+h*h)", 20095,
     "R = 0  # Radius der Grundfläche\nh = 0  # Höhe"},
    {16, 20097, "Mantelfläche: Gerader Kegelstumpf", 20099, "pi*(R1+R2)*sqrt((R1-R2)*(R1-R2)+h*h)",
     20098,
     "R1 = 0  # Radius der Grundfläche 1 \nR2 = 0  # Radius der Grundfläche 2\nh = 0  # Höhe"},
    {17, 20100, "Mantelfläche: Kugelabschnitt", 20102, "2*pi*R*h", 20101,
     "R = 0      # Kugelradius in m \nh = 0      # Höhe des Kugelabschnitts in m"},
    {18, 20103, "Mantelfläche: Kugelschicht", 20105, "2*pi*R*h", 20104,
     "R = 0      # Kugelradius in m \nh = 0      # Höhe der Kugelschicht in m"},
    {20, 20036, "Quader", 20037, "a * b * c", 20038,
     "a = 0       # 1. Kantenlänge in m \nb = 0      # 2. Kantenlänge in m\nc = 0      # 3. "
     "Kantenlänge in m"},
    {21, 20041, "Obelisk mit rechteckigen Grundflächen", 20042,
     "e/6 * (a * b + (a + c) * (b + d) + c * d)", 20043,
     "a = 0      # 1. Seite der Grundfläche 1 in m \nb = 0      # 2. Seite der Grundfläche 1 in m "
     "\nc = 0      # 1. Seite der Grundfläche 2 parallel zu a in m \nd = 0      # 2. Seite der "
     "Grundfläche 2 parallel zu b in m \ne = 0      # Höhe in m"},
    {22, 20048, "Keil", 20049, "(2*a + c) * b * d / 6", 20050,
     "a = 0      # 1. Seite der rechteckigen Grundfläche in m \nb = 0      # 2. Seite der "
     "rechteckigen Grundfläche in m\nc = 0      # Seite parallel zu a in m\nd = 0      # Höhe in "
     "m"},
    {23, 20079, "Pyramide", 20080, "a * b / 3", 20081,
     "a = 0      # Grundfläche der Pyramide in m² \nb = 0      # Höhe in m"},
    {24, 20083, "Pyramidenstumpf", 20084, "c / 3 * ( a + b + sqrt(a * b))", 20085,
     "a = 0      # Untere Grundfläche in m² \nb = 0      # Obere Grundfläche in m²\nc = 0      # "
     "Höhe in m"},
    {25, 20088, "Zylinder", 20089, "a * b", 20090,
     "a = 0      # Grundfläche des Zylinders in m² \nb = 0      # Höhe in m"},
    {26, 20054, "Gerader Kreiszylinder", 20055, "pi * a^2 * b", 20056,
     "a = 0      # Grundflächenradius in m \nb = 0      # Höhe in m"},
    {27, 20058, "Gerader Kreiskegel", 20059, "pi * a^2 * b / 3", 20060,
     "a = 0      # Grundflächenradius in m \nb = 0      # Höhe in m"},
    {28, 20062, "Gerader Kegelstumpf", 20063, "pi * c * ( a^2 + b^2 + a * b) / 3", 20064,
     "a = 0      # Radius 1 in m \nb = 0      # Radius 2 in m \nc = 0      # Höhe in m"},
    {29, 20067, "Kugel", 20068, "4 * pi * a^3 / 3", 20069, "a = 0      # Kugelradius in m"},
    {30, 20070, "Kugelabschnitt", 20071, "pi * b^2 * (3* a - b) / 3", 20072,
     "a = 0      # Kugelradius in m \nb = 0      # Höhe des Kugelabschnitts in m"},
    {31, 20074, "Kugelschicht", 20075, "pi * c * (3 * a^2 + 3 * b^2 + c^2) / 6", 20076,
     "a = 0      # Radius des Grundflächenkreises in m\nb = 0      # Radius des zweiten Kreises in "
     "m\nc = 0      # Höhe der Kugelschicht in m"},
};

const Formel* formel(int zeile) {
    for (const Formel& f : kFormeln)
        if (f.zeile == zeile) return &f;
    return nullptr;
}

} // namespace

bool IstFormelGruppe(int zeile) {
    return zeile == 0 || zeile == 13 || zeile == 19 || zeile == kEigeneFunktionen;
}

std::string FormelGruppenName(int zeile) {
    switch (zeile) {
    case 0:
        return "Flächenfunktionen";
    case 13:
        return "Gekrümmte Flächen";
    case 19:
        return "Volumenfunktionen";
    case kEigeneFunktionen:
        return "Eigene Funktionen";
    default:
        return {};
    }
}

int StandardFormelTextId(int zeile, int spalte) {
    if (zeile < 0 || spalte < 0 || spalte > 2) return 0;
    if (zeile > kEigeneFunktionen) return -2;
    if (IstFormelGruppe(zeile)) return -1;
    const Formel* f = formel(zeile);
    return spalte == 0 ? f->nameId : spalte == 1 ? f->formelId : f->variablenId;
}

std::string StandardFormelText(int id) {
    for (const Formel& f : kFormeln) {
        if (f.nameId == id) return f.name;
        if (f.formelId == id) return f.formel;
        if (f.variablenId == id) return f.variablen;
    }
    return {};
}
