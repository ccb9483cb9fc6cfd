#include "addin/host/commandbarset.h"

#include <algorithm>

namespace tb::host {

namespace {

// Bars and their buttons are counted from 1, as add-ins count them; 0 is "not there".
template <class T> int PositionOf(const std::vector<std::shared_ptr<T>>& list, const T* item) {
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i].get() == item)
            return static_cast<int>(i) + 1;
    return 0;
}

template <class T>
std::shared_ptr<T> ItemAt(const std::vector<std::shared_ptr<T>>& list, int index) {
    if (index < 1 || index > static_cast<int>(list.size()))
        return nullptr;
    return list[static_cast<size_t>(index - 1)];
}

// Removes item from list and hands it over, or null when it was not there.
template <class T>
std::shared_ptr<T> TakeOut(std::vector<std::shared_ptr<T>>& list, const T* item) {
    int index = PositionOf(list, item);
    if (index == 0)
        return nullptr;
    std::shared_ptr<T> removed = list[static_cast<size_t>(index - 1)];
    list.erase(list.begin() + (index - 1));
    return removed;
}

} // namespace

// CCommandBarButton -----------------------------------------------------------------------

void CCommandBarButton::SetCaption(const std::string& caption) {
    m_strCaption = caption;
    Changed();
}

void CCommandBarButton::SetTooltipText(const std::string& text) {
    m_strTooltip = text;
    Changed();
}

void CCommandBarButton::SetStyle(int style) {
    m_nStyle = style;
    Changed();
}

void CCommandBarButton::SetFace(const tb::ModuleImage& face) {
    m_face = face;
    Changed();
}

void CCommandBarButton::SetEnabled(bool enabled) {
    if (m_bEnabled == enabled)
        return;
    m_bEnabled = enabled;
    Changed();
}

void CCommandBarButton::SetVisible(bool visible) {
    if (m_bVisible == visible)
        return;
    m_bVisible = visible;
    Changed();
}

int CCommandBarButton::Index() const {
    return m_pBar ? m_pBar->IndexOf(this) : 0;
}

void CCommandBarButton::Delete() {
    if (m_pBar)
        m_pBar->RemoveButton(this);
}

bool CCommandBarButton::Click() {
    bool cancelDefault = false;
    if (!m_pBar || !m_bEnabled)
        return cancelDefault;
    std::shared_ptr<CCommandBarButton> keepAlive = shared_from_this();
    for (const ClickHandler& handler : m_clickHandlers.Snapshot())
        handler(*this, cancelDefault);
    return cancelDefault;
}

void CCommandBarButton::Changed() {
    if (m_pBar && m_pBar->Bars())
        m_pBar->Bars()->NotifyChanged();
}

// CCommandBar -----------------------------------------------------------------------------

void CCommandBar::SetVisible(bool visible) {
    if (m_bVisible == visible)
        return;
    m_bVisible = visible;
    Changed();
}

int CCommandBar::Index() const {
    return m_pBars ? m_pBars->IndexOf(this) : 0;
}

void CCommandBar::Delete() {
    if (m_pBars)
        m_pBars->RemoveBar(this);
}

ICommandBarButton* CCommandBar::Add(int type) {
    if (type != ControlTypeButton || !m_pBars)
        return nullptr;
    m_buttons.push_back(std::make_shared<CCommandBarButton>(*this));
    Changed();
    return m_buttons.back().get();
}

CCommandBarButton* CCommandBar::Button(int index) const {
    return SharedButton(index).get();
}

std::shared_ptr<CCommandBarButton> CCommandBar::SharedButton(int index) const {
    return ItemAt(m_buttons, index);
}

int CCommandBar::IndexOf(const CCommandBarButton* button) const {
    return PositionOf(m_buttons, button);
}

void CCommandBar::RemoveButton(CCommandBarButton* button) {
    if (std::shared_ptr<CCommandBarButton> removed = TakeOut(m_buttons, button)) {
        removed->Detach();
        Changed();
    }
}

void CCommandBar::Detach() {
    for (const auto& button : m_buttons)
        button->Detach();
    m_pBars = nullptr;
}

void CCommandBar::Changed() {
    if (m_pBars)
        m_pBars->NotifyChanged();
}

// CCommandBars ----------------------------------------------------------------------------

CCommandBars::~CCommandBars() {
    for (const auto& bar : m_bars)
        bar->Detach();
}

ICommandBar* CCommandBars::Find(const std::string& name) {
    for (const auto& bar : m_bars)
        if (bar->Name() == name)
            return bar.get();
    return nullptr;
}

ICommandBar* CCommandBars::Add(const std::string& name, bool temporary) {
    m_bars.push_back(std::make_shared<CCommandBar>(*this, name, temporary));
    NotifyChanged();
    return m_bars.back().get();
}

void CCommandBars::RaiseUpdate() {
    // An update handler that changes the page would raise the event again; once is enough.
    if (m_bRaisingUpdate)
        return;
    m_bRaisingUpdate = true;
    std::vector<std::shared_ptr<CCommandBar>> keepAlive = m_bars;
    for (const UpdateHandler& handler : m_updateHandlers.Snapshot())
        handler();
    m_bRaisingUpdate = false;
}

CCommandBar* CCommandBars::Bar(int index) const {
    return ItemAt(m_bars, index).get();
}

int CCommandBars::IndexOf(const CCommandBar* bar) const {
    return PositionOf(m_bars, bar);
}

void CCommandBars::RemoveBar(CCommandBar* bar) {
    if (std::shared_ptr<CCommandBar> removed = TakeOut(m_bars, bar)) {
        removed->Detach();
        NotifyChanged();
    }
}

void CCommandBars::NotifyChanged() {
    if (m_fnChanged)
        m_fnChanged();
}

} // namespace tb::host
