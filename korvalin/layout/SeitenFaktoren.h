#pragma once
// Centimetres per page unit, horizontally and vertically, as the page engine
// set them for the orientation of its page (portrait 891 x 1260 units on
// 21.0 x 29.7 cm). Kept in the application state:
//     ApplicationState::Current().Get<SeitenFaktoren>().Querformat();
struct SeitenFaktoren {
    double X = 21.0 / 891;
    double Y = 29.7 / 1260;

    void Hochformat() {
        X = 21.0 / 891;
        Y = 29.7 / 1260;
    }
    void Querformat() {
        X = 29.7 / 1260;
        Y = 21.0 / 891;
    }
};
