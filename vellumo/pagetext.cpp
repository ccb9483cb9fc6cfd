#include "vellumo/pagetext.h"

#include <QList>
#include <QStringDecoder>
#include <QStringEncoder>

#include "platform/ui/qt/qtstring.h"

namespace tb::vellumo {

QString DecodePage(const std::string& bytes, const std::string& charset) {
    QStringDecoder decoder(charset.c_str());
    if (!decoder.isValid())
        return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::string EncodePage(const QString& text, const std::string& charset) {
    QStringEncoder encoder(charset.c_str());
    if (!encoder.isValid())
        return ToUtf8(text);
    QByteArray bytes = encoder.encode(text);
    if (!encoder.hasError())
        return bytes.toStdString();
    std::string result;
    const QList<uint> codes = text.toUcs4();
    for (uint value : codes) {
        char32_t code = value;
        QStringEncoder one(charset.c_str());
        QByteArray encoded = one.encode(QString::fromUcs4(&code, 1));
        result += one.hasError() ? "&#" + std::to_string(static_cast<uint32_t>(code)) + ";"
                                 : encoded.toStdString();
    }
    return result;
}

} // namespace tb::vellumo
