#include "stammwerk/modell/TTemperatur.h"

#include "platform/base/ByteImage.h"

void TTemperatur::WriteImage(ByteImage& image, size_t off) const {
    const double v[] = {TemperaturA,  OberflaecheSommerHell, OberflaecheSommerDunkel,
                        AussenWinter, TemperaturB,           InnenWinter,
                        InnenSommer};
    for (size_t i = 0; i < 7; ++i) image.SetF64(off + 8 * i, v[i]);
}

void TTemperatur::ReadImage(const ByteImage& image, size_t off) {
    double* v[] = {&TemperaturA,  &OberflaecheSommerHell, &OberflaecheSommerDunkel,
                   &AussenWinter, &TemperaturB,           &InnenWinter,
                   &InnenSommer};
    for (size_t i = 0; i < 7; ++i) *v[i] = image.F64(off + 8 * i);
}
