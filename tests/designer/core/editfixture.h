#pragma once
// The design view's logic with the editing commands attached and a clipboard of its own.

#include "tests/designer/core/viewfixture.h"

#include <initializer_list>
#include <string>

#include "designer/core/buttonclipboard.h"
#include "designer/core/editcommands.h"
#include "designer/core/undosnapshot.h"
#include "model/archive.h"
#include "model/marquel.h"
#include "model/marquelitem.h"

namespace tb::test {

class EditFixture : public ViewFixture {
protected:
    CDrawRect* AddLabelled(CRect r, const std::string& label) {
        CDrawRect* p = AddButton(r);
        p->menu->m_items.front()->m_strLabel = label;
        return p;
    }
    // Selects the buttons in this order, nothing else.
    void SelectInOrder(std::initializer_list<CDrawRect*> buttons) {
        view.Select(nullptr);
        for (CDrawRect* p : buttons)
            view.Select(p, true);
    }
    bool Run(unsigned nId) { return view.Commands().Execute(nId); }
    bool Enabled(unsigned nId) { return view.Commands().IsEnabled(nId); }
    // The design as the undo history would store it: buttons, their models and the selection.
    std::string Design() {
        return StoreArchive([this](CArchive& ar) { params.Serialize(ar); });
    }
    CDrawRect* At(size_t i) { return params.m_buttons.at(i).get(); }

    CMemoryClipboard clipboard;
    CEditCommands commands{view, clipboard};
};

} // namespace tb::test
