#pragma once
// The value texts of the stored parameter form: the applet ("ApStyle"), a menu ("MStyle-%d"),
// its three looks ("IStyle-%d") and an item ("I%d-%d"). Colours are decimal integers and file
// references travel as bare file names; on reading a file name is put into the base folder.

#include <string>
#include <string_view>

class CAppletParameters;
class CMarquel;
class CMarquelItem;

namespace tb {

// What a missing "MStyle-%d" or "IStyle-%d" reads as.
inline constexpr std::string_view kDefaultMenuValue = "0,0,0,0,40,15,80,20,5,10,0,0,0,Menu,1";
inline constexpr std::string_view kDefaultStateValue =
    "16711680,16777215,1,0,0,14,0,0,0,0,0,8421504,1,16777215,"
    "0,16777215,2,0,0,14,0,0,0,0,0,8421504,2,16777215,"
    "0,16777215,3,0,0,14,0,0,0,0,0,8421504,3,16777215,";

// A text field as stored (AppendEscapedText). Labels must be escaped so that CR LF and
// commas stay inside one field; every other text goes through the same escape, since a comma
// in a description or a line break in any text would otherwise shift the fields or split the
// widget file's line. A lone LF (what a text edit here produces) is stored as a CR LF line
// break.
std::string StoredText(std::string_view text);

// Base folder + the file-name part of a stored file field; an empty field stays empty.
std::string StoredFileToPath(std::string_view strField, std::string_view strBaseFolder);

std::string AppletValue(const CAppletParameters& applet);
void ReadAppletValue(CAppletParameters& applet, std::string_view value,
                     std::string_view strBaseFolder);

std::string MenuValue(const CMarquel& menu);
void ReadMenuValue(CMarquel& menu, std::string_view value);

std::string StateValue(const CMarquel& menu);
void ReadStateValue(CMarquel& menu, std::string_view value);

std::string ItemValue(const CMarquelItem& item);
void ReadItemValue(CMarquelItem& item, std::string_view value, std::string_view strBaseFolder);

} // namespace tb
