#pragma once

// Readable failure messages for Qt's geometry types in GoogleTest expectations.
#include <QPoint>
#include <QRect>
#include <QSize>

#include <ostream>

inline void PrintTo(const QPoint& p, std::ostream* out) { *out << "(" << p.x() << ", " << p.y() << ")"; }
inline void PrintTo(const QSize& s, std::ostream* out) { *out << s.width() << " x " << s.height(); }
inline void PrintTo(const QRect& r, std::ostream* out) {
    *out << "(" << r.x() << ", " << r.y() << ") " << r.width() << " x " << r.height();
}
