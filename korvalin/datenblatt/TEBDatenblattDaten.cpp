#include "korvalin/datenblatt/TEBDatenblattDaten.h"

TEBDatenblattDaten::TEBDatenblattDaten(TBTKey key) : Key(key), Block3{0, 0, 900, 60} {}

TEBDatenblattDaten::TEBDatenblattDaten(const TEBDatenblattDaten& other) {
    *this = other;
}

TEBDatenblattDaten& TEBDatenblattDaten::operator=(const TEBDatenblattDaten& other) {
    Key = other.Key;
    Block1 = other.Block1;
    Block2 = other.Block2;
    Editfelder = other.Editfelder;
    Block3 = other.Block3;
    return *this;
}
