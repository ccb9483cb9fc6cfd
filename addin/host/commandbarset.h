#pragma once
// The command bars themselves, free of any window: what the add-ins put on them and the
// handlers they attached. A host shows them in its own way (tool bars in the editor, plain
// records in tests) by listening to the change notification, and forwards clicks and
// page changes as events.
//
// Bars and buttons are shared-owned so that a handler may delete its own bar or button
// while the host is still calling it: the object lives until the call returns.

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "addin/host/commandbars.h"

namespace tb::host {

class CCommandBar;
class CCommandBars;

// Handlers in the order they were added, removable by the cookie they got.
template <class Handler> class CHandlerList {
public:
    int Add(Handler handler) {
        m_handlers.emplace(++m_nLastCookie, std::move(handler));
        return m_nLastCookie;
    }
    void Remove(int cookie) { m_handlers.erase(cookie); }
    bool empty() const { return m_handlers.empty(); }
    // A copy, so that handlers may add or remove handlers while being called.
    std::vector<Handler> Snapshot() const {
        std::vector<Handler> handlers;
        for (const auto& [cookie, handler] : m_handlers)
            handlers.push_back(handler);
        return handlers;
    }

private:
    std::map<int, Handler> m_handlers;
    int m_nLastCookie = 0;
};

class CCommandBarButton : public ICommandBarButton,
                          public std::enable_shared_from_this<CCommandBarButton> {
public:
    explicit CCommandBarButton(CCommandBar& bar) : m_pBar(&bar) {}

    std::string Caption() const override { return m_strCaption; }
    void SetCaption(const std::string& caption) override;
    std::string TooltipText() const override { return m_strTooltip; }
    void SetTooltipText(const std::string& text) override;
    std::string Tag() const override { return m_strTag; }
    void SetTag(const std::string& tag) override { m_strTag = tag; }
    int Style() const override { return m_nStyle; }
    void SetStyle(int style) override;
    tb::ModuleImage Face() const override { return m_face; }
    void SetFace(const tb::ModuleImage& face) override;
    bool Enabled() const override { return m_bEnabled; }
    void SetEnabled(bool enabled) override;
    bool Visible() const override { return m_bVisible; }
    void SetVisible(bool visible) override;
    int Type() const override { return ControlTypeButton; }
    int Index() const override;
    int AddClickHandler(ClickHandler handler) override { return m_clickHandlers.Add(handler); }
    void RemoveClickHandler(int cookie) override { m_clickHandlers.Remove(cookie); }
    void Delete() override;

    // What a click on the button does: every handler in turn, sharing the cancel flag.
    // Nothing happens for a disabled or deleted button. Returns the flag.
    bool Click();

    CCommandBar* Bar() const { return m_pBar; }
    void Detach() { m_pBar = nullptr; }

private:
    void Changed();

    CCommandBar* m_pBar;
    std::string m_strCaption;
    std::string m_strTooltip;
    std::string m_strTag;
    int m_nStyle = ButtonStyleAutomatic;
    tb::ModuleImage m_face;
    bool m_bEnabled = true;
    bool m_bVisible = true;
    CHandlerList<ClickHandler> m_clickHandlers;
};

class CCommandBar : public ICommandBar, public ICommandBarControls {
public:
    CCommandBar(CCommandBars& bars, std::string name, bool temporary)
        : m_pBars(&bars), m_strName(std::move(name)), m_bTemporary(temporary) {}

    std::string Name() const override { return m_strName; }
    bool Visible() const override { return m_bVisible; }
    void SetVisible(bool visible) override;
    bool Temporary() const override { return m_bTemporary; }
    ICommandBarControls& Controls() override { return *this; }
    int Index() const override;
    void Delete() override;

    int Count() const override { return static_cast<int>(m_buttons.size()); }
    ICommandBarButton* Item(int index) override { return Button(index); }
    ICommandBarButton* Add(int type = ControlTypeButton) override;

    CCommandBarButton* Button(int index) const;
    int IndexOf(const CCommandBarButton* button) const;
    void RemoveButton(CCommandBarButton* button);
    std::shared_ptr<CCommandBarButton> SharedButton(int index) const;
    CCommandBars* Bars() const { return m_pBars; }
    void Detach();

private:
    void Changed();

    CCommandBars* m_pBars;
    std::string m_strName;
    bool m_bTemporary;
    bool m_bVisible = false;
    std::vector<std::shared_ptr<CCommandBarButton>> m_buttons;
};

class CCommandBars : public ICommandBars {
public:
    CCommandBars() = default;
    ~CCommandBars();
    CCommandBars(const CCommandBars&) = delete;
    CCommandBars& operator=(const CCommandBars&) = delete;

    int Count() const override { return static_cast<int>(m_bars.size()); }
    ICommandBar* Item(int index) override { return Bar(index); }
    ICommandBar* Find(const std::string& name) override;
    ICommandBar* Add(const std::string& name, bool temporary = true) override;
    int AddUpdateHandler(UpdateHandler handler) override { return m_updateHandlers.Add(handler); }
    void RemoveUpdateHandler(int cookie) override { m_updateHandlers.Remove(cookie); }

    // The update event, raised by the host.
    void RaiseUpdate();
    // Called after anything a window shows changed: a bar or button added, deleted or edited.
    void SetChangeListener(std::function<void()> listener) { m_fnChanged = std::move(listener); }

    CCommandBar* Bar(int index) const;
    int IndexOf(const CCommandBar* bar) const;
    void RemoveBar(CCommandBar* bar);
    void NotifyChanged();

private:
    std::vector<std::shared_ptr<CCommandBar>> m_bars;
    CHandlerList<UpdateHandler> m_updateHandlers;
    std::function<void()> m_fnChanged;
    bool m_bRaisingUpdate = false;
};

} // namespace tb::host
