#include "model/marquelitem.h"

#include "model/archive.h"
#include "model/marquel.h"

const CRuntimeClass CMarquelItem::classCMarquelItem{"CMarquelItem", 1, RUNTIME_CLASS(CObject),
                                                    &CMarquelItem::CreateObject};

std::unique_ptr<CObject> CMarquelItem::CreateObject() {
    return std::make_unique<CMarquelItem>();
}

CMarquelItem::CMarquelItem(const std::string& label)
    : m_strLabel(label), m_pSubMenu(std::make_unique<CMarquel>(0, "Brisko")) {}

CMarquelItem::CMarquelItem(const std::string& label, CNoSubMenu) : m_strLabel(label) {}

std::unique_ptr<CMarquelItem> CMarquelItem::WithoutSubMenu(const std::string& label) {
    return std::unique_ptr<CMarquelItem>(new CMarquelItem(label, CNoSubMenu{}));
}

CMarquelItem::CMarquelItem(const CMarquelItem& src)
    : CObject(src), m_strLabel(src.m_strLabel), m_strDescription(src.m_strDescription),
      m_strImageNormal(src.m_strImageNormal), m_strImageOver(src.m_strImageOver),
      m_strImageClick(src.m_strImageClick), m_strAudioOver(src.m_strAudioOver),
      m_strAudioClick(src.m_strAudioClick), m_strTarget(src.m_strTarget), m_strUrl(src.m_strUrl),
      m_pSubMenu(src.m_pSubMenu ? std::make_unique<CMarquel>(*src.m_pSubMenu) : nullptr),
      m_bVisible(src.m_bVisible) {}

CMarquelItem::~CMarquelItem() = default;

void CMarquelItem::SetSubMenu(std::unique_ptr<CMarquel> pSubMenu) {
    m_pSubMenu = std::move(pSubMenu);
}

void CMarquelItem::Serialize(CArchive& ar) {
    // The sub-menu goes inline; an item read from an archive fills the one it was made with.
    if (!m_pSubMenu)
        m_pSubMenu = std::make_unique<CMarquel>();
    m_pSubMenu->Serialize(ar);

    std::string* const texts[] = {
        &m_strLabel,
        &m_strDescription,
        &m_strImageNormal,
        &m_strImageOver,
        &m_strImageClick,
        &m_strAudioOver,
        &m_strAudioClick,
        &m_strWebPathImageNormal,
        &m_strWebPathImageOver,
        &m_strWebPathImageClick,
        &m_strWebPathAudioOver,
        &m_strWebPathAudioClick,
        &m_strTarget,
        &m_strUrl,
    };
    if (ar.IsStoring()) {
        for (const std::string* s : texts)
            ar << *s;
        ar << int32_t(m_bVisible);
    } else {
        for (std::string* s : texts)
            ar >> *s;
        int32_t v;
        ar >> v;
        m_bVisible = v;
    }
}
