// Drawing interface handed to MFD modes: fonts, pens, brushes and the Sketchpad.
#pragma once

#include "orbiter_api.h"

namespace oapi {

class OAPIFUNC Font {
public:
    enum Style { NORMAL = 0, BOLD = 1, ITALIC = 2, UNDERLINE = 4 };
    virtual ~Font() = default;
};

class OAPIFUNC Pen {
public:
    virtual ~Pen() = default;
};

class OAPIFUNC Brush {
public:
    virtual ~Brush() = default;
};

typedef struct {
    long x, y;
} IVECTOR2;

// A drawing surface. The host supplies the implementation; the defaults draw nothing.
class OAPIFUNC Sketchpad {
public:
    enum TAlign_horizontal { LEFT = 0, CENTER = 1, RIGHT = 2 };
    enum TAlign_vertical { TOP = 0, BASELINE = 1, BOTTOM = 2 };
    enum BkgMode { BK_TRANSPARENT = 0, BK_OPAQUE = 1 };

    virtual ~Sketchpad() = default;
    virtual Font* SetFont(Font* font) const { return (void)font, nullptr; }
    virtual Pen* SetPen(Pen* pen) const { return (void)pen, nullptr; }
    virtual Brush* SetBrush(Brush* brush) const { return (void)brush, nullptr; }
    virtual void SetTextAlign(TAlign_horizontal tah = LEFT, TAlign_vertical tav = TOP) {
        (void)tah, (void)tav;
    }
    virtual DWORD SetTextColor(DWORD col) { return (void)col, 0; }
    virtual DWORD SetBackgroundColor(DWORD col) { return (void)col, 0; }
    virtual void SetBackgroundMode(BkgMode mode) { (void)mode; }
    virtual DWORD GetCharSize() { return 0; }
    virtual DWORD GetTextWidth(const char* str, int len = 0) { return (void)str, (void)len, 0; }
    virtual void SetOrigin(int x, int y) { (void)x, (void)y; }
    virtual void GetOrigin(int* x, int* y) const { *x = 0, *y = 0; }
    virtual bool Text(int x, int y, const char* str, int len) {
        return (void)x, (void)y, (void)str, (void)len, false;
    }
    virtual bool TextW(int x, int y, const wchar_t* str, int len) {
        return (void)x, (void)y, (void)str, (void)len, false;
    }
    virtual bool TextBox(int x1, int y1, int x2, int y2, const char* str, int len) {
        return (void)x1, (void)y1, (void)x2, (void)y2, (void)str, (void)len, false;
    }
    virtual void Pixel(int x, int y, DWORD col) { (void)x, (void)y, (void)col; }
    virtual void MoveTo(int x, int y) { (void)x, (void)y; }
    virtual void LineTo(int x, int y) { (void)x, (void)y; }
    virtual void Line(int x0, int y0, int x1, int y1) { (void)x0, (void)y0, (void)x1, (void)y1; }
    virtual void Rectangle(int x0, int y0, int x1, int y1) {
        (void)x0, (void)y0, (void)x1, (void)y1;
    }
    virtual void Ellipse(int x0, int y0, int x1, int y1) { (void)x0, (void)y0, (void)x1, (void)y1; }
    virtual void Polygon(const IVECTOR2* pt, int npt) { (void)pt, (void)npt; }
    virtual void Polyline(const IVECTOR2* pt, int npt) { (void)pt, (void)npt; }
    virtual void PolyPolygon(const IVECTOR2* pt, const int* npt, const int nline) {
        (void)pt, (void)npt, (void)nline;
    }
    virtual void PolyPolyline(const IVECTOR2* pt, const int* npt, const int nline) {
        (void)pt, (void)npt, (void)nline;
    }
    virtual HDC GetDC() { return nullptr; }
};

}  // namespace oapi
