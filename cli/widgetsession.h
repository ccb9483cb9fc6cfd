#pragma once
// A widget file opened as hosts open one: read through an installed component, and when
// the file belongs to another component, re-read by the component its ProgID names.

#include <memory>
#include <string>

#include "cli/clicommand.h"
#include "platform/com/dispdriver.h"

namespace tb::cli {

class CWidgetSession {
public:
    // Reads the file. With bNeedOwner, the object held afterwards is the file's own
    // component (the file's ProgID); otherwise whichever installed component read it.
    // False with a one-line reason in *error.
    bool Open(const std::string& path, bool bNeedOwner, std::string* error);
    // A new, empty widget of the default component, as if read from a blank file.
    bool OpenNew(std::string* error);

    COleDispatchDriver& Driver() { return *m_pDriver; }
    // The ProgID the file names.
    const std::string& FileProgID() const { return m_strFileProgID; }
    // Whether the object holding the file is the file's own component, whose answers about
    // the design mean something.
    bool ReadByOwner() const { return m_strFileProgID == m_strProgID; }

    // Typed calls by DISPID; failures set *error and answer false.
    bool GetString(DISPID dispid, std::string* value, std::string* error);
    bool CallString(DISPID dispid, std::string* value, std::string* error, short a = 0, short b = 0,
                    int nArgs = 0);

private:
    bool Create(const std::string& progID, std::string* error);
    bool Read(const std::string& path, std::string* error);

    std::unique_ptr<COleDispatchDriver> m_pDriver;
    std::string m_strProgID;
    std::string m_strFileProgID;
};

// The first step of the commands that work on one widget file through its own component:
// reads --mode when pnMode is given, then opens the first positional argument. False after
// the reason has been printed.
bool OpenOwnWidget(const CliArgs& args, CWidgetSession* session, short* pnMode = nullptr);

// "Class not registered (0x80040154)" style words for a failed call.
std::string DescribeFailure(HRESULT hr, const std::string& detail);

// True when path names a regular file; otherwise false with a one-line reason in *error
// ("no such widget file: ...", "... is a directory, not a widget file").
bool CheckWidgetFile(const std::string& path, std::string* error);

// "cannot read the widget file PATH", with the system's reason when it can be found.
std::string CannotReadText(const std::string& path);

} // namespace tb::cli
