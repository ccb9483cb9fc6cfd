#pragma once
// One item of a menu: a button's own texts, links, images and sounds, or a hint's text. Every
// item owns a sub-menu (for a button's first item, the hint box).

#include "model/object.h"

#include <memory>
#include <string>

class CArchive;
class CMarquel;

class CMarquelItem : public CObject {
public:
    static const CRuntimeClass classCMarquelItem;
    static const CRuntimeClass* GetThisClass() { return &classCMarquelItem; }
    static std::unique_ptr<CObject> CreateObject();

    // Sets the label, leaves every other text empty, creates an empty sub-menu named
    // "Brisko" and makes the item visible.
    explicit CMarquelItem(const std::string& label = "Button");
    // The same without the sub-menu, for readers that attach the stored one at once (every
    // item must have one before anyone else sees it).
    static std::unique_ptr<CMarquelItem> WithoutSubMenu(const std::string& label);
    // Deep copy; the five web paths are not copied (the copy's are empty), since they record
    // where the source was published.
    CMarquelItem(const CMarquelItem& src);
    CMarquelItem& operator=(const CMarquelItem&) = delete;
    ~CMarquelItem() override;

    const CRuntimeClass* GetRuntimeClass() const override { return &classCMarquelItem; }
    void Serialize(CArchive& ar) override;

    // Deletes the current sub-menu and takes the given one.
    void SetSubMenu(std::unique_ptr<CMarquel> pSubMenu);

    std::string m_strLabel;
    std::string m_strDescription;
    std::string m_strImageNormal;
    std::string m_strImageOver;
    std::string m_strImageClick;
    std::string m_strAudioOver;
    std::string m_strAudioClick;
    std::string m_strWebPathImageNormal;
    std::string m_strWebPathImageOver;
    std::string m_strWebPathImageClick;
    std::string m_strWebPathAudioOver;
    std::string m_strWebPathAudioClick;
    std::string m_strTarget;
    std::string m_strUrl;
    std::unique_ptr<CMarquel> m_pSubMenu;
    int m_bVisible = 1;

private:
    struct CNoSubMenu {};
    CMarquelItem(const std::string& label, CNoSubMenu);
};
