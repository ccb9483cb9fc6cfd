#include "designer/core/buttonclipboard.h"

#include "model/drawrect.h"
#include "model/marquel.h"
#include "model/marquelitem.h"

namespace tb {

bool CMemoryClipboard::SetButtons(const std::string& archive, const std::string& text) {
    if (m_bRefuse)
        return false;
    m_buttons = archive;
    m_text = text;
    return true;
}

void CMemoryClipboard::SetText(std::string text) {
    m_buttons.reset();
    m_text = std::move(text);
}

void CMemoryClipboard::Clear() {
    m_buttons.reset();
    m_text.clear();
}

std::string ArchiveButtonList(const std::vector<CDrawRect*>& buttons) {
    return StoreArchive([&buttons](CArchive& ar) { WriteObjectList(ar, buttons); });
}

std::string ButtonLabelsText(const std::vector<CDrawRect*>& buttons) {
    std::string text;
    for (const CDrawRect* p : buttons) {
        std::string label;
        if (p->menu && !p->menu->m_items.empty() && p->menu->m_items.front())
            label = p->menu->m_items.front()->m_strLabel;
        // A label of two lines is still one button: one line in the text.
        for (size_t pos = 0; (pos = label.find("\r\n", pos)) != std::string::npos;)
            label.replace(pos, 2, " ");
        for (char& c : label) {
            if (c == '\r' || c == '\n')
                c = ' ';
        }
        text += label;
        text += '\n';
    }
    return text;
}

ArchiveStatus LoadButtonList(std::string_view bytes, std::vector<std::unique_ptr<CDrawRect>>& out) {
    std::vector<std::unique_ptr<CDrawRect>> loaded;
    ArchiveStatus status = LoadArchive(bytes, [&loaded](CArchive& ar) {
        ReadOwnedObjectList(ar, loaded);
        // Our own copies end with their last button: anything after it is damage.
        if (ar.Remaining() != 0)
            CArchive::Fail(CArchiveException::generic,
                           "The archive holds more bytes than its buttons.");
    });
    if (status && loaded.empty())
        status = {false, "The archive holds no buttons."};
    if (!status)
        return status;
    for (auto& p : loaded)
        out.push_back(std::move(p));
    return status;
}

} // namespace tb
