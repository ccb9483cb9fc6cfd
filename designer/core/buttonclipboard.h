#pragma once
// Copied buttons on the clipboard. The format "Brisko Preview" carries the archive of the
// selection list (a count, then each button as a tagged object); beside it goes a plain-text
// form, the buttons' labels one per line, so that pasting into a text editor shows what was
// copied. The editing commands reach the clipboard only through IButtonClipboard: the design
// window puts the desktop's clipboard behind it, tests a CMemoryClipboard.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/archive.h"

class CDrawRect;

namespace tb {

inline constexpr char kButtonFormatName[] = "Brisko Preview";

class IButtonClipboard {
public:
    virtual ~IButtonClipboard() = default;
    // Replaces the whole content of the clipboard with the buttons' archive and their text
    // form; false when the clipboard did not take them.
    virtual bool SetButtons(const std::string& archive, const std::string& text) = 0;
    // Whether the clipboard holds data under the button format, sound or not.
    virtual bool OffersButtons() const = 0;
    // The bytes under the button format; nothing when the clipboard holds none.
    virtual std::optional<std::string> GetButtons() const = 0;
};

// A clipboard inside the process. Tests also put foreign or damaged content on it.
class CMemoryClipboard : public IButtonClipboard {
public:
    bool SetButtons(const std::string& archive, const std::string& text) override;
    bool OffersButtons() const override { return m_buttons.has_value(); }
    std::optional<std::string> GetButtons() const override { return m_buttons; }

    // Content another program left: text only, no buttons.
    void SetText(std::string text);
    // Bytes under the button format, as they are.
    void SetRawButtons(std::string bytes) { m_buttons = std::move(bytes); }
    void Clear();
    const std::string& Text() const { return m_text; }
    // From now on SetButtons fails, as a clipboard held by another program may.
    void RefuseWrites(bool bRefuse) { m_bRefuse = bRefuse; }

private:
    std::optional<std::string> m_buttons;
    std::string m_text;
    bool m_bRefuse = false;
};

// The clipboard form of the buttons, in their order.
std::string ArchiveButtonList(const std::vector<CDrawRect*>& buttons);
// Each button's label on a line of its own; a label's own line breaks become blanks.
std::string ButtonLabelsText(const std::vector<CDrawRect*>& buttons);
// New buttons from the clipboard form, appended to `out` only when the whole of `bytes` is a
// sound list of at least one button; otherwise `out` is left alone and the status says why.
ArchiveStatus LoadButtonList(std::string_view bytes, std::vector<std::unique_ptr<CDrawRect>>& out);

} // namespace tb
