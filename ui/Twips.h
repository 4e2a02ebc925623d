#pragma once
// Window geometry in twips (15 twips to a logical pixel). The logic keeps
// the exact twip values (an arrow that moves 10 twips a tick, a bar that
// drains 12), and the widgets are placed at the nearest logical pixel.
#include "ui/CamadaImagens.h"

#include <QWidget>
#include <cmath>

namespace Twips {
constexpr int PorPixel = 15;

inline int Px(double twips) { return int(std::lround(twips / PorPixel)); }

inline int Left(const QWidget* w)
{
    const QVariant v = w->property("twipsLeft");
    return v.isValid() ? v.toInt() : w->x() * PorPixel;
}
inline int Top(const QWidget* w)
{
    const QVariant v = w->property("twipsTop");
    return v.isValid() ? v.toInt() : w->y() * PorPixel;
}
inline int Width(const QWidget* w)
{
    const QVariant v = w->property("twipsWidth");
    return v.isValid() ? v.toInt() : w->width() * PorPixel;
}
inline int Height(const QWidget* w)
{
    const QVariant v = w->property("twipsHeight");
    return v.isValid() ? v.toInt() : w->height() * PorPixel;
}
inline void SetLeft(QWidget* w, int twips)
{
    w->setProperty("twipsLeft", twips);
    w->move(Px(twips), w->y());
}
inline void SetTop(QWidget* w, int twips)
{
    w->setProperty("twipsTop", twips);
    w->move(w->x(), Px(twips));
}
inline void SetPos(QWidget* w, int left, int top)
{
    w->setProperty("twipsLeft", left);
    w->setProperty("twipsTop", top);
    w->move(Px(left), Px(top));
}
inline void SetSize(QWidget* w, int width, int height)
{
    w->setProperty("twipsWidth", width);
    w->setProperty("twipsHeight", height);
    w->resize(Px(width), Px(height));
}
inline void SetGeometry(QWidget* w, int left, int top, int width, int height)
{
    SetPos(w, left, top);
    SetSize(w, width, height);
}
inline void SetGeometry(QWidget* w, const QRect& twips)
{
    SetGeometry(w, twips.x(), twips.y(), twips.width(), twips.height());
}
// The logical pixels a widget placed at those twips would take.
inline QRect Pixels(const QRect& twips)
{
    return QRect(Px(twips.x()), Px(twips.y()), Px(twips.width()), Px(twips.height()));
}

// The same for a picture lying on a panel.
inline int Left(const ImagemCamada* i) { return i->twipsLeft.value_or(i->geometry().x() * PorPixel); }
inline int Top(const ImagemCamada* i) { return i->twipsTop.value_or(i->geometry().y() * PorPixel); }
inline void SetLeft(ImagemCamada* i, int twips)
{
    i->twipsLeft = twips;
    i->move(QPoint(Px(twips), i->geometry().y()));
}
inline void SetTop(ImagemCamada* i, int twips)
{
    i->twipsTop = twips;
    i->move(QPoint(i->geometry().x(), Px(twips)));
}
inline void SetGeometry(ImagemCamada* i, int left, int top, int width, int height)
{
    i->twipsLeft = left;
    i->twipsTop = top;
    i->setGeometry(Pixels(QRect(left, top, width, height)));
}
}
