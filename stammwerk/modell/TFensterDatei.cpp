#include "stammwerk/modell/TFensterDatei.h"

namespace {

// Window files of "4.00" and "5.00" are read as current; older ones go to
// the converter.
int alteFensterVersion(const std::string& version) {
    if (version == "1.00" || version == "2.00") return 3;
    if (version == "3.00") return 4;
    return 1;
}

} // namespace

const TKatalogArt TFensterDatei::Art = {"Fenster",
                                        0,
                                        3,
                                        {"fnst_din.dat", "fnst_qtx.dat", "fnst_anw.dat"},
                                        DateiTypFensterDIN,
                                        RegelV400bisV600,
                                        alteFensterVersion};
