#pragma once
// A scripted UiServices installed for one test scope: every message box or chooser the code
// under test shows must have been expected, and every expected one must come; otherwise the
// test fails when the scope ends.

#include <gtest/gtest.h>

#include "platform/ui/uiservices.h"
#include "tests/support/scripteduiservices.h"

namespace tb::test {

class ExpectUi : public ScriptedUiServices {
public:
    ExpectUi() : m_scope(*this) {}
    ~ExpectUi() override {
        for (const std::string& failure : failures())
            ADD_FAILURE() << "UI: " << failure;
    }

private:
    ScopedUi m_scope;
};

} // namespace tb::test
