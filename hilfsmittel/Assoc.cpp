#include "hilfsmittel/Assoc.h"

std::string TAssoc::Find(int code) {
    for (auto it = pairs_.rbegin(); it != pairs_.rend(); ++it)
        if (it->code == code) return it->text;
    Add(code, "unbekannte Ursache");
    return pairs_.back().text;
}
