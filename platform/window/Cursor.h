#pragma once
// A mouse cursor. The original's own cursor pictures (drag move, drag copy,
// no drop, help) are the desktop's cursors of the same meaning.
class TCursor {
public:
    enum TShape {
        Arrow,
        Wait,
        IBeam,
        Cross,
        Help,
        NoDrop,
        DragMove,
        DragCopy,
        SizeNS,
        SizeWE,
        SizeNWSE, // the diagonal from top left to bottom right
        SizeNESW,
        Hand, // over what a double click opens
    };
    explicit TCursor(TShape shape = Arrow) : shape_(shape) {}
    TShape Shape() const { return shape_; }

private:
    TShape shape_;
};
