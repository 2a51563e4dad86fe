// The controls of the main window as data: the window builds itself from
// this table, and the layout tests check what must hold for every row.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

class QWidget;

namespace MainUnit {

struct TMainFormControls;

enum class TControlKind : int32_t {
    Label,        // sizes itself to its caption
    FixedLabel,   // label of fixed bounds
    LegendLabel,  // white bold text over the legend picture, which shows through
    Edit,
    ReadOnlyEdit,  // on the button-face background
    Button,
    CheckBox,
    RadioButton,
    GroupBox,
    Panel,  // lowered bevel
    Picture,
};

// Initial states and looks beyond bounds and caption.
enum TControlFlag : int32_t {
    cfChecked = 1,
    cfRightAligned = 2,  // a fixed label's text against its right edge
    cfDisabled = 4,
    cfBold = 8,
};

struct TControlRow {
    const char* Name;                            // the member of TMainFormControls and object name
    void (*Bind)(TMainFormControls&, QWidget*);  // stores the built control in that member
    TControlKind Kind;
    int32_t Flags;                     // TControlFlag values
    const char* Parent;                // an earlier group box or panel; "" for the window itself
    int32_t Left, Top, Width, Height;  // within the parent; a Label's size comes from its caption
    const char* Caption;               // or an edit's initial text; "&" marks the accelerator
    const char* Buddy;                 // the earlier control a label's accelerator focuses, or ""
    const char* Hint;                  // tooltip, or ""
    int32_t TabOrder;                  // place in the tab order from 1; 0 outside it
};

// Every control, in the order of creation: a later sibling lies on top.
std::span<const TControlRow> MainFormControls();

// The row of the named control; null for a name not in the table.
const TControlRow* FindControlRow(std::string_view Name);

// Whether a kind of control takes the focus, and so a place in the tab order.
bool TakesFocus(TControlKind Kind);

}  // namespace MainUnit
