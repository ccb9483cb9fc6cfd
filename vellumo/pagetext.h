#pragma once
// A page's bytes as text and back, in the page's own character set.

#include <QString>

#include <string>

namespace tb::vellumo {

// Unknown character sets read as Latin-1, so that no byte is lost on the way.
QString DecodePage(const std::string& bytes, const std::string& charset);
// Characters the character set lacks become character references ("&#8364;").
std::string EncodePage(const QString& text, const std::string& charset);

} // namespace tb::vellumo
