// An add-in built only for tests. It puts a bar "Test Bar" with two buttons on the editor and
// writes every event it receives, one line each, to the file named by TB_TEST_ADDIN_LOG.
// "Paste" pastes a marked element over the selection in one undo transaction, as a widget
// add-in inserts its HTML.

#include <cstdio>
#include <cstdlib>
#include <string>

#include "addin/host/addinconnect.h"

using namespace tb::host;

namespace {

constexpr const char* kBarName = "Test Bar";

void Log(const std::string& line) {
    const char* path = std::getenv("TB_TEST_ADDIN_LOG");
    if (!path || !*path)
        return;
    if (FILE* file = std::fopen(path, "a")) {
        std::fprintf(file, "%s\n", line.c_str());
        std::fclose(file);
    }
}

tb::ModuleImage SquareFace() {
    tb::ModuleImage face;
    face.nWidth = face.nHeight = 16;
    face.eFormat = tb::ImageFormat::Rgba;
    for (int i = 0; i < 16 * 16; ++i)
        face.bytes += std::string{'\x20', '\x60', '\xC0', '\xFF'};
    return face;
}

class CTestAddIn : public IAddInConnect {
public:
    void OnConnection(IPageEditorApplication& application, int connectMode,
                      IAddIn& addInInstance) override {
        m_pApplication = &application;
        Log("connect " + std::to_string(connectMode) + " " + addInInstance.ProgId() + " " +
            addInInstance.FriendlyName());
        ICommandBar* bar = application.CommandBars().Add(kBarName, true);
        AddButton(*bar, "Say", "Writes its name to the log", "1");
        AddButton(*bar, "Paste", "Pastes a marked element over the selection", "2");
        bar->SetVisible(true);
        m_nUpdateCookie = application.CommandBars().AddUpdateHandler([this] { OnUpdate(); });
    }

    void OnDisconnection(int removeMode) override {
        Log("disconnect " + std::to_string(removeMode));
        ICommandBars& bars = m_pApplication->CommandBars();
        bars.RemoveUpdateHandler(m_nUpdateCookie);
        for (int i = bars.Count(); i >= 1; --i)
            if (bars.Item(i)->Name() == kBarName)
                bars.Item(i)->Delete();
    }

private:
    void AddButton(ICommandBar& bar, const std::string& caption, const std::string& tooltip,
                   const std::string& tag) {
        ICommandBarButton* button = bar.Controls().Add(ControlTypeButton);
        button->SetStyle(ButtonStyleIconAndCaption);
        button->SetCaption(caption);
        button->SetTooltipText(tooltip);
        button->SetTag(tag);
        button->SetFace(SquareFace());
        button->AddClickHandler(
            [this](ICommandBarButton& ctrl, bool& cancelDefault) { OnClick(ctrl, cancelDefault); });
    }

    void OnUpdate() {
        IPageWindow* window = m_pApplication->ActivePageWindow();
        IHTMLDocument2* document = m_pApplication->ActiveDocument();
        if (!window || !document) {
            Log("update no page");
            return;
        }
        Log("update " + std::to_string(window->ViewMode()) + " " + document->selection().type() +
            " " + window->Address());
    }

    void OnClick(ICommandBarButton& ctrl, bool& cancelDefault) {
        cancelDefault = true;
        IHTMLDocument2* document = m_pApplication->ActiveDocument();
        std::string active;
        if (document)
            if (auto element = document->activeElement())
                active = element->id();
        Log("click " + ctrl.Caption() + " tag " + ctrl.Tag() + " active " + active);
        if (ctrl.Tag() != "2" || !document)
            return;
        auto transaction = document->createUndoTransaction("InsertWidget");
        document->selection().clear();
        auto range = document->selection().createRange();
        if (!range || !range->pasteHTML("<b id=\"pasted\">pasted</b>"))
            Log("paste failed: " + m_pApplication->LastErrorDescription());
        transaction->commit();
    }

    IPageEditorApplication* m_pApplication = nullptr;
    int m_nUpdateCookie = 0;
};

} // namespace

TB_ADDIN_EXPORT IAddInConnect* CreateAddInConnect() {
    return new CTestAddIn;
}
