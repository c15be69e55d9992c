#pragma once
// Private to the layer's .cpp files that talk to Qt: our texts and colours
// as Qt's. Texts are UTF-8 in memory.
#include "platform/base/Color.h"

#include <QColor>
#include <QString>

#include <string_view>

namespace qt_detail {

inline QString Qs(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

inline QColor Qc(TColor c) {
    return QColor(c.Red(), c.Green(), c.Blue());
}

} // namespace qt_detail
