#pragma once
// A page's bytes in a plain-text editor and back, unchanged. The editor knows only lines and
// Unicode text: it turns a lone CR and some other characters into line breaks and cannot
// hold bytes that are not UTF-8. So a page that is not valid UTF-8 is shown byte for byte as
// Latin-1, CR LF is the editor's line break, and each character the editor would break a
// line at stands in the editor as a private character of its own that no page text uses.

#include <QString>

#include <string>
#include <string_view>

class QTextDocument;

namespace tb {

class CPageTextCodec {
public:
    // Chooses the decoding and the stand-ins for this page.
    explicit CPageTextCodec(std::string_view pageBytes);

    // Bytes of the page (or bytes to go into it) as the editor's text.
    QString ToEditor(std::string_view bytes) const;
    // The editor's whole text as the page's bytes, each line break as CR LF.
    std::string FromEditor(const QTextDocument& document) const;
    // The same for a text whose lines are separated by '\n'.
    std::string FromEditorText(const QString& text) const;

    bool IsUtf8() const { return m_bUtf8; }

private:
    bool m_bUtf8 = true;
    char16_t m_firstStandIn = 0;
};

} // namespace tb
