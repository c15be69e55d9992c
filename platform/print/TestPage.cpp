#include "platform/print/TestPage.h"

#include "platform/gdi/DC.h"
#include "platform/gdi/MemoryDC.h"

#include <string>

namespace {

void Label(TDC& dc, int x, int y, const char* text) {
    TFont old = dc.SelectObject(TFont("Arial", -11));
    dc.TextOut(x, y, text);
    dc.SelectObject(old);
}

void Texts(TDC& dc) {
    dc.SelectObject(TFont("Arial", -28, 0, 0, 0, FW_BOLD));
    dc.TextOut(40, 30, "Testseite der Zeichenschicht");
    dc.SelectObject(TFont("Arial", -16));
    dc.TextOut(40, 75, "Umlaute: Wärmedämmung, Außenwand, Öl, Süd, Übergang: ÄÖÜ äöü ß °C m²");
    dc.TextOut(40, 100, "Symbol:");
    dc.SelectObject(TFont("Symbol", -16));
    dc.TextOut(110, 100, "abgdeJjlmnrLDFWS");
    dc.SelectObject(TFont("Arial", -16));
    dc.TextOut(350, 100, "soll: αβγδεϑϕλμνρΛΔΦΩΣ");
    dc.SelectObject(TFont("Times New Roman", -16, 0, 0, 0, FW_NORMAL, 0, 1));
    dc.TextOut(40, 125, "Times kursiv, ");
    dc.SelectObject(TFont("Courier New", -16));
    dc.TextOut(200, 125, "Courier fest");
    dc.SelectObject(TFont("MS Sans Serif", 16));
    dc.TextOut(400, 125, "MS Sans Serif Zellhöhe 16");
}

void Lines(TDC& dc) {
    const uint32_t styles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT};
    const char* names[] = {"PS_SOLID", "PS_DASH", "PS_DOT", "PS_DASHDOT", "PS_DASHDOTDOT"};
    for (int i = 0; i < 5; ++i) {
        TPen old = dc.SelectObject(TPen(TColor::Black, 0, styles[i]));
        dc.MoveTo(40, 170 + i * 15);
        dc.LineTo(240, 170 + i * 15);
        dc.SelectObject(old);
        Label(dc, 250, 164 + i * 15, names[i]);
    }
    for (int w = 1; w <= 3; ++w) {
        TPen old = dc.SelectObject(TPen(TColor(0, 0, 160), w));
        dc.MoveTo(400, 160 + w * 20);
        dc.LineTo(600, 160 + w * 20);
        dc.SelectObject(old);
    }
    Label(dc, 610, 195, "Breite 1, 2, 3");
    const TPoint zigzag[] = {{650, 170}, {680, 230}, {710, 170}, {740, 230}, {770, 170}};
    dc.Polyline(zigzag, 5);
    Label(dc, 790, 190, "Polyline");
}

void Shapes(TDC& dc) {
    const int32_t hatches[] = {HS_HORIZONTAL, HS_VERTICAL, HS_FDIAGONAL,
                               HS_BDIAGONAL,  HS_CROSS,    HS_DIAGCROSS};
    for (int i = 0; i < 6; ++i) {
        TBrush old = dc.SelectObject(TBrush(TColor::Black, hatches[i]));
        dc.Rectangle(40 + i * 135, 270, 160 + i * 135, 330);
        dc.SelectObject(old);
    }
    Label(dc, 40, 335, "Schraffuren HS_HORIZONTAL .. HS_DIAGCROSS (undurchsichtig)");
    dc.SetBkMode(TRANSPARENT);
    dc.SelectObject(TBrush(TColor(200, 230, 255)));
    dc.RoundRect(TRect(40, 370, 200, 450), {30, 30});
    Label(dc, 40, 455, "RoundRect");
    dc.Ellipse(230, 370, 390, 450);
    Label(dc, 230, 455, "Ellipse");
    // Quarter from 3 o'clock to 12 o'clock: the upper right quarter.
    dc.SelectObject(TPen(TColor::LtRed, 3));
    dc.Arc(TRect(420, 370, 520, 470), {520, 420}, {470, 370});
    dc.SelectObject(TPen::Stock(BLACK_PEN));
    Label(dc, 420, 475, "Arc 3 bis 12 Uhr");
    dc.Chord(TRect(550, 370, 650, 470), {650, 420}, {550, 420});
    Label(dc, 550, 475, "Chord obere Hälfte");
    dc.SelectObject(TBrush(TColor::LtYellow));
    dc.Pie(TRect(690, 370, 790, 470), {790, 420}, {740, 470});
    Label(dc, 690, 475, "Pie 3 bis 6 Uhr (270°)");
    const TPoint star[] = {{100, 500}, {120, 560}, {60, 520}, {140, 520}, {80, 560}};
    dc.SelectObject(TBrush(TColor::LtGreen));
    dc.Polygon(star, 5);
    Label(dc, 60, 565, "Polygon (abwechselnd)");
    for (int i = 0; i < 60; ++i) dc.SetPixel(230 + i * 2, 520, TColor::LtBlue);
    Label(dc, 230, 530, "SetPixel");
    dc.FillRect(TRect(400, 500, 480, 560), TBrush(TColor(0, 128, 0)));
    dc.FrameRect(TRect(500, 500, 580, 560), TBrush(TColor::LtRed));
    Label(dc, 400, 565, "FillRect, FrameRect");
    dc.SelectObject(TBrush::Stock(WHITE_BRUSH));
}

void TextLayout(TDC& dc) {
    dc.SelectObject(TFont("Arial", -14));
    dc.SelectStockObject(NULL_BRUSH);
    TRect box(40, 610, 300, 700);
    dc.Rectangle(box);
    TRect wrapped = box.Inflated(-4, -4);
    dc.DrawText("DT_WORDBREAK | DT_CENTER: Der Wärmedurchgangskoeffizient wird nach DIN 4108 "
                "ermittelt.",
                wrapped, DT_WORDBREAK | DT_CENTER);
    TRect right(330, 610, 600, 650);
    dc.Rectangle(right);
    dc.DrawText("rechts, mittig", right, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
    TRect clipped(330, 660, 420, 700);
    dc.Rectangle(clipped);
    dc.DrawText("abgeschnittener Text ohne DT_NOCLIP", clipped, DT_SINGLELINE | DT_VCENTER);
    TRect prefix(630, 610, 850, 650);
    dc.Rectangle(prefix);
    dc.DrawText("&Datei && Drucken", prefix, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    // Text read upwards, as the pressure axis is labelled.
    dc.SelectObject(TFont("Arial", -14, 0, 900, 900));
    dc.TextOut(630, 760, "Dampfdruck [Pa]");
    dc.SelectObject(TFont("Arial", -14));
    dc.SetTextColor(TColor(160, 0, 0));
    dc.TextOut(670, 700, "rote Schrift");
    dc.SetTextColor(TColor::Black);
}

void ClipAndBlit(TDC& dc) {
    int saved = dc.SaveDC();
    dc.IntersectClipRect(TRect(40, 740, 160, 800));
    dc.SelectObject(TBrush(TColor(255, 200, 120)));
    dc.Ellipse(70, 720, 250, 840);
    dc.RestoreDC(saved);
    Label(dc, 40, 805, "Ellipse, geclippt");

    TMemoryDC memory(dc, 40, 40);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            memory.FillRect(TRect(x * 10, y * 10, x * 10 + 10, y * 10 + 10),
                            TBrush((x + y) % 2 ? TColor::White : TColor(0, 0, 128)));
    TPoint at{250, 740};
    dc.LPtoDP(&at);
    int saved2 = dc.SaveDC();
    dc.SetMapMode(MM_TEXT);
    dc.BitBlt(at.x, at.y, 40, 40, memory, 0, 0, SRCCOPY);
    dc.RestoreDC(saved2);
    Label(dc, 250, 805, "BitBlt (Gerätepixel)");
}

} // namespace

void PaintTestPage(TDC& dc, TSize devicePage) {
    int saved = dc.SaveDC();
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(kTestPageLogical);
    dc.SetViewportExt(devicePage);
    dc.SelectStockObject(NULL_BRUSH);
    dc.Rectangle(10, 10, 881, 1250);
    dc.SelectStockObject(WHITE_BRUSH);
    Texts(dc);
    Lines(dc);
    Shapes(dc);
    TextLayout(dc);
    ClipAndBlit(dc);
    dc.RestoreDC(saved);
}

void TTestPagePrintout::PrintPage(int, TRect&, unsigned) {
    if (DC) PaintTestPage(*DC, PageSize);
}
