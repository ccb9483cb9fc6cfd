#pragma once
// The number checks of one Store of a page or dialog. Each box is read in turn; when any box
// holds no valid number, the Store writes nothing, and one message says why, shown through
// UiServices, after which the box gets the focus with its text selected, ready to be typed
// over.
//
// So that checks never trap the user, a message is shown once per text of a box: typing on
// elsewhere in the page does not bring it back, and the box keeps a light red mark and the
// reason as its tooltip instead. A box the user is still typing a number into (empty, or a
// sign alone) is not scolded while typed into; it is reported when it loses the focus or its
// page is left.

#include <QString>
#include <optional>
#include <vector>

class CSpinEdit;
class QWidget;

// The caption of the designer's check messages.
inline constexpr char kPageMessageCaption[] = "Button Properties";

class CPageChecks {
public:
    enum class Cause {
        Edit,     // a control of the page changed (pTrigger, when it is a box)
        Finished, // a box lost the focus or took Enter (pTrigger)
        Leaving,  // the page or dialog is being left: every failure is reported
    };

    explicit CPageChecks(Cause cause, const QWidget* pTrigger = nullptr);

    // The box's number, or nothing when it holds none (the box is remembered for Report).
    std::optional<int> Value(CSpinEdit& box);
    bool Passed() const { return m_failed.empty(); }

    // Shows the message the checks call for (if any, see above). Returns whether one showed.
    bool Report();

private:
    Cause m_cause;
    const QWidget* m_pTrigger;
    std::vector<CSpinEdit*> m_failed;
};
