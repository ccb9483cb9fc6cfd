#pragma once
// Text is UTF-8 std::string everywhere below the widgets; QString appears only above them.

#include <QString>

#include <string>
#include <string_view>

namespace tb {

inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToUtf8(const QString& text) {
    QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

} // namespace tb
