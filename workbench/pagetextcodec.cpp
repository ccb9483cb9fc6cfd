#include "workbench/pagetextcodec.h"

#include <QStringDecoder>
#include <QTextDocument>

#include <array>

namespace tb {

namespace {

// What a text document turns into a break between its blocks.
constexpr std::array<char16_t, 4> kBreakingCharacters = {u'\r', 0x2029, 0xFDD0, 0xFDD1};
constexpr char16_t kParagraphSeparator = 0x2029;

bool IsValidUtf8(std::string_view bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    return !decoder.hasError();
}

QString Decode(std::string_view bytes, bool bUtf8) {
    const QByteArrayView view(bytes.data(), qsizetype(bytes.size()));
    return bUtf8 ? QString::fromUtf8(view) : QString::fromLatin1(view);
}

} // namespace

CPageTextCodec::CPageTextCodec(std::string_view pageBytes) : m_bUtf8(IsValidUtf8(pageBytes)) {
    const QString text = Decode(pageBytes, m_bUtf8);
    // Private-use characters, in groups of four, until one group is unused by the page.
    for (char16_t first = 0xE000; first < 0xF8FC; first += 4) {
        bool bUsed = false;
        for (QChar c : text) {
            if (c.unicode() >= first && c.unicode() < first + 4) {
                bUsed = true;
                break;
            }
        }
        if (!bUsed) {
            m_firstStandIn = first;
            return;
        }
    }
    m_firstStandIn = 0xF8FC;
}

QString CPageTextCodec::ToEditor(std::string_view bytes) const {
    QString text = Decode(bytes, m_bUtf8);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    for (size_t i = 0; i < kBreakingCharacters.size(); ++i)
        text.replace(QChar(kBreakingCharacters[i]), QChar(char16_t(m_firstStandIn + i)));
    return text;
}

std::string CPageTextCodec::FromEditorText(const QString& editorText) const {
    QString text = editorText;
    for (size_t i = 0; i < kBreakingCharacters.size(); ++i)
        text.replace(QChar(char16_t(m_firstStandIn + i)), QChar(kBreakingCharacters[i]));
    std::string bytes;
    bytes.reserve(size_t(text.size()) + 64);
    auto append = [&](const QString& piece) {
        if (m_bUtf8) {
            bytes += piece.toUtf8().toStdString();
            return;
        }
        // A page shown as Latin-1 gets its own bytes back; only characters typed beyond
        // Latin-1 need more than one.
        for (qsizetype i = 0; i < piece.size(); ++i) {
            const QChar c = piece[i];
            if (c.unicode() <= 0xFF) {
                bytes += char(c.unicode());
                continue;
            }
            const qsizetype nLength =
                c.isHighSurrogate() && i + 1 < piece.size() && piece[i + 1].isLowSurrogate() ? 2
                                                                                             : 1;
            bytes += piece.mid(i, nLength).toUtf8().toStdString();
            i += nLength - 1;
        }
    };
    qsizetype nStart = 0;
    for (;;) {
        const qsizetype nBreak = text.indexOf(QLatin1Char('\n'), nStart);
        append(text.mid(nStart, nBreak < 0 ? -1 : nBreak - nStart));
        if (nBreak < 0)
            break;
        bytes += "\r\n";
        nStart = nBreak + 1;
    }
    return bytes;
}

std::string CPageTextCodec::FromEditor(const QTextDocument& document) const {
    // The raw text keeps non-breaking spaces, which the plain text turns into spaces.
    QString text = document.toRawText();
    text.replace(QChar(kParagraphSeparator), QLatin1Char('\n'));
    return FromEditorText(text);
}

} // namespace tb
