#pragma once
// The keys of the stored component and window sheet records of a project
// variant, in list order: per component type each of its cross-sections,
// then every window type.
#include "korvalin/datenblatt/TDatenblattDatenArray.h"

#include <vector>

class TProjekt;

std::vector<TBTKey> BauteilSchluessel(const TProjekt& p);
std::vector<TBTFensterKey> FensterSchluessel(const TProjekt& p);

// Gives every key a record: the stored one or a default one appended.
void SchluesselVorbelegen(TEBDatenblattDatenArray& feld, const std::vector<TBTKey>& keys);
void SchluesselVorbelegen(TFensterDatenblattDatenArray& feld,
                          const std::vector<TBTFensterKey>& keys);
