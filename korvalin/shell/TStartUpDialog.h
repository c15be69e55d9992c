#pragma once
// The start-up picture: a caption-less pop-up in the middle of the screen,
// shown modeless while the program starts and closed by its own 5000 ms
// timer, whatever the user is doing meanwhile.
#include "platform/window/Dialog.h"

class TStartUpDialog : public TDialog {
public:
    // Resource 3 for large system fonts (240 x 180 dialog units), 4 for small
    // ones (320 x 221); the picture fills the pop-up.
    TStartUpDialog(TWindow* parent, int resourceId);
    void SetupWindow() override;
    void EvTimer(uint32_t timerId) override;

    static constexpr uint32_t kTimer = 1;
    static constexpr uint32_t kDauer = 5000; // ms
};

// The resource for a system font of that character height in pixels.
int StartUpRessource(int zeichenhoehe);
// The character height of the system font on the screen.
int SystemschriftHoehe();
