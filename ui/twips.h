// Layout measures come in twips (1/1440 inch): 15 twips are one pixel at 96
// dots per inch. Every position and size in the windows goes through tw(), so
// the layout code reads like the tables it comes from; Qt's device-pixel
// scaling takes care of higher densities.
#pragma once

#include <QRect>

namespace zapt::ui {

constexpr int tw(int twips) {
    return (twips + 7) / 15;
}

inline QRect twRect(int left, int top, int width, int height) {
    return QRect(tw(left), tw(top), tw(width), tw(height));
}

} // namespace zapt::ui
