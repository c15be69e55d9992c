#pragma once
// Whether the default printer prints in colour, so that the layout can offer
// coloured text styles.
bool IsColorPrinter();
