// The function settings fields beyond typing: Enter calculates, and the
// expression field adds the brackets that give a text typed the usual way
// its usual meaning (Ctrl+B and the field's context menu).
#pragma once

#include <functional>

class QAction;
class QMenu;

namespace MainUnit {

class TStatusLine;
struct TMainFormControls;

class TFunctionActions {
public:
    // Calculate is what Enter in a function settings field does.
    TFunctionActions(TMainFormControls& Controls, TStatusLine& Status,
                     const std::function<void()>& Calculate);

    // "Add brackets for the usual priority": the expression replaced, as
    // one undoable edit, by one that means what the usual rules make of it.
    QAction* UsualPriorityAction = nullptr;
    void AddUsualPriorityBrackets();
    // The expression field's context menu: the edit's own items and the
    // brackets; the caller owns it.
    QMenu* CreateFunctionMenu() const;

private:
    TMainFormControls& Controls;
    TStatusLine& Status;
};

}  // namespace MainUnit
