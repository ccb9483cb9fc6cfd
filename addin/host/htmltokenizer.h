#pragma once
// Splits HTML text into tokens with their byte ranges, as a browser's tokenizer would see
// them: text, start and end tags (with attributes), comments, doctypes and the bogus
// constructs a browser skips. Nothing is decoded or changed; the ranges cover the input
// without gaps, so the tokens' bytes put together give the input back. The contents of
// script, style and the other raw-text elements are one text token, and RCDATA elements
// (title, textarea) are marked so that a reader knows whether character references apply.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tb::host {

enum class HtmlTokenKind {
    Text,     // character data
    StartTag, // <name ...>
    EndTag,   // </name>
    Comment,  // <!-- ... -->
    Doctype,  // <!DOCTYPE ...>
    Bogus,    // <?...>, <!...>, </ ...>, an unfinished tag at the end: skipped by browsers
};

struct HtmlAttribute {
    std::string name;  // lower case
    std::string value; // as written, without quotes, character references not decoded
    bool bHasValue = false;
};

struct HtmlToken {
    HtmlTokenKind kind = HtmlTokenKind::Text;
    size_t nBegin = 0;
    size_t nEnd = 0;
    std::string name;    // tags: lower case
    size_t nNameEnd = 0; // tags: where the name ends (a place to add an attribute)
    bool bSelfClosing = false;
    bool bRawText = false; // text: inside script, style and the like (no references)
    std::vector<HtmlAttribute> attributes;
    // comments: the text between "<!--" and "-->"
    std::string data;
};

std::vector<HtmlToken> TokenizeHtml(std::string_view html);

// Elements that never have content or an end tag.
bool IsVoidElement(std::string_view name);

// The attribute's value, or nullptr.
const HtmlAttribute* FindAttribute(const HtmlToken& token, std::string_view name);

} // namespace tb::host
