#pragma once
// The command bars a page editor offers its add-ins: named tool bars holding buttons. The
// host owns every object; an add-in only borrows pointers, which stay valid until the bar
// (or button) is deleted or the add-in is disconnected. Indexes count from 1, as the
// collections of the editor's object model do.

#include <functional>
#include <string>

#include "platform/module/moduleres.h"

namespace tb::host {

// Control types a bar can hold; only buttons are offered.
enum ControlType : int { ControlTypeButton = 1 };

// How a button shows itself.
enum ButtonStyle : int {
    ButtonStyleAutomatic = 0,
    ButtonStyleIcon = 1,
    ButtonStyleCaption = 2,
    ButtonStyleIconAndCaption = 3,
};

class ICommandBarButton;

// Called with the clicked button and a flag the handler may set to skip the host's own
// action for the control (our buttons have none, so the flag is only recorded).
using ClickHandler = std::function<void(ICommandBarButton& ctrl, bool& cancelDefault)>;
using UpdateHandler = std::function<void()>;

class ICommandBarButton {
public:
    virtual std::string Caption() const = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    virtual std::string TooltipText() const = 0;
    virtual void SetTooltipText(const std::string& text) = 0;
    // Free text of the add-in; the host never reads it.
    virtual std::string Tag() const = 0;
    virtual void SetTag(const std::string& tag) = 0;
    virtual int Style() const = 0;
    virtual void SetStyle(int style) = 0;
    // The picture on the button; an image without bytes removes it.
    virtual tb::ModuleImage Face() const = 0;
    virtual void SetFace(const tb::ModuleImage& face) = 0;
    virtual bool Enabled() const = 0;
    virtual void SetEnabled(bool enabled) = 0;
    virtual bool Visible() const = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual int Type() const = 0;
    // 1-based position on its bar.
    virtual int Index() const = 0;

    // Handlers run in the order they were added; the cookie removes one again.
    virtual int AddClickHandler(ClickHandler handler) = 0;
    virtual void RemoveClickHandler(int cookie) = 0;

    // Removes the button from its bar and destroys it.
    virtual void Delete() = 0;

protected:
    ~ICommandBarButton() = default;
};

class ICommandBarControls {
public:
    virtual int Count() const = 0;
    // Null outside 1..Count().
    virtual ICommandBarButton* Item(int index) = 0;
    // Appends a control of the type; null for a type the host does not offer.
    virtual ICommandBarButton* Add(int type = ControlTypeButton) = 0;

protected:
    ~ICommandBarControls() = default;
};

class ICommandBar {
public:
    virtual std::string Name() const = 0;
    virtual bool Visible() const = 0;
    virtual void SetVisible(bool visible) = 0;
    // A temporary bar is forgotten when the editor closes.
    virtual bool Temporary() const = 0;
    virtual ICommandBarControls& Controls() = 0;
    // 1-based position among the bars.
    virtual int Index() const = 0;
    // Removes the bar with its buttons and destroys it.
    virtual void Delete() = 0;

protected:
    ~ICommandBar() = default;
};

class ICommandBars {
public:
    virtual int Count() const = 0;
    // Null outside 1..Count().
    virtual ICommandBar* Item(int index) = 0;
    // The first bar of that name (exact case), or null.
    virtual ICommandBar* Find(const std::string& name) = 0;
    // A new, hidden bar at the end. Names need not be unique. Null (with the reason in the
    // application's LastErrorDescription) for an empty name.
    virtual ICommandBar* Add(const std::string& name, bool temporary = true) = 0;

    // The update event: raised whenever the selection, the view mode or the active page
    // changes, so that buttons can follow the page.
    virtual int AddUpdateHandler(UpdateHandler handler) = 0;
    virtual void RemoveUpdateHandler(int cookie) = 0;

protected:
    ~ICommandBars() = default;
};

} // namespace tb::host
