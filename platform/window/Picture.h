#pragma once
// A small picture for tool buttons, drawn from shapes on a 16 x 16 grid. The
// program registers one per bitmap id; the layer scales it to the button.
#include "platform/base/Color.h"
#include "platform/base/Geometry.h"

#include <string>
#include <string_view>
#include <vector>

class TPicture {
public:
    enum TKind { Line, Rect, Ellipse, Polygon, Text };
    struct Shape {
        TKind kind;
        std::vector<TPoint> points; // two corners, or the polygon
        TColor pen;
        TColor fill;
        bool filled;
        std::string text;
    };
    TPicture& AddLine(TPoint a, TPoint b, TColor pen);
    TPicture& AddRect(TRect r, TColor pen, TColor fill);
    TPicture& AddFrame(TRect r, TColor pen);
    TPicture& AddEllipse(TRect r, TColor pen, TColor fill);
    TPicture& AddPolygon(std::vector<TPoint> points, TColor pen, TColor fill);
    // Text fitted into the rectangle, bold.
    TPicture& AddText(TRect r, std::string_view text, TColor color);
    const std::vector<Shape>& Shapes() const { return shapes_; }

private:
    std::vector<Shape> shapes_;
};

void RegisterPicture(int id, TPicture picture);
// Null when no picture has that id.
const TPicture* FindPicture(int id);

// The program's own icon: the main window and every MDI child show it in
// place of the toolkit's.
void SetApplicationIcon(const TPicture& picture);
// Null until the program set its icon.
const TPicture* ApplicationIcon();
