#pragma once
// What the windows read of the screen to choose their first size.

// True when the screen font's character height is above 18 pixels (large fonts).
bool GrosseBildschirmschrift();
